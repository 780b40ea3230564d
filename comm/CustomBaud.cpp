#include "comm/CustomBaud.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace varo {

bool SetCustomBaudRate(int fd, unsigned speed) {
    termios2 tio{};
    if (::ioctl(fd, TCGETS2, &tio) != 0) return false;
    tio.c_cflag &= ~tcflag_t(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = speed;
    tio.c_ospeed = speed;
    return ::ioctl(fd, TCSETS2, &tio) == 0;
}

unsigned ReadBaudRate(int fd) {
    termios2 tio{};
    if (::ioctl(fd, TCGETS2, &tio) != 0) return 0;
    return tio.c_ospeed;
}

} // namespace varo
