// Replacing a file atomically on POSIX: a temporary file beside it, synced, renamed over it.
#include "platform/Ini.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace varo::platform {

bool WriteFileAtomically(const std::string& path, std::string_view text) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, 0644) == 0;
    for (std::size_t done = 0; ok && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    const int saved = errno;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0) return true;
    const int failure = ok ? errno : saved;
    ::unlink(temp.c_str());
    errno = failure;
    return false;
}

} // namespace varo::platform
