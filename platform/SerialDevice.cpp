#include "platform/SerialDevice.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace varo::platform {

int OpenSerialExclusive(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    int failure = 0;
    if (!::isatty(fd)) {
        failure = ENOTTY;
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        failure = (errno == EWOULDBLOCK) ? EBUSY : errno;
    } else {
        // Refuses other programs that open the port without locking it; root
        // is not refused by this, which is why the lock above comes first.
        ::ioctl(fd, TIOCEXCL);
    }
    if (failure != 0) {
        ::close(fd);
        errno = failure;
        return -1;
    }
    return fd;
}

void CloseSerialExclusive(int fd) {
    if (fd < 0) return;
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
}

} // namespace varo::platform