#include "platform/AtomicFileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varo::platform::detail {

std::FILE* CreateTemporaryBeside(const std::string& path, std::string& temporary) {
    temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return nullptr;
    // mkstemp makes the file private; a replaced file keeps its mode, a new one is 0644.
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    std::FILE* file = ::fchmod(fd, mode) == 0 ? ::fdopen(fd, "wb") : nullptr;
    if (file == nullptr) {
        const int failure = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        errno = failure;
    }
    return file;
}

bool SyncFile(std::FILE* file) {
    return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
}

bool ReplaceFile(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

} // namespace varo::platform::detail
