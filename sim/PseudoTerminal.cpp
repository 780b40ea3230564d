#include "sim/PseudoTerminal.h"

#include "comm/CustomBaud.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace varo::sim {
namespace {

speed_t SpeedConstant(std::uint32_t baud) {
    switch (baud) {
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 115200:
        return B115200;
    default:
        return B38400;
    }
}

} // namespace

bool PseudoTerminal::Open(std::uint32_t baud) {
    Close();
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0) return false;
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        ::close(master);
        return false;
    }
    char name[128] = {};
    if (::ptsname_r(master, name, sizeof name) != 0) {
        ::close(master);
        return false;
    }
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave < 0) {
        ::close(master);
        return false;
    }
    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::cfsetispeed(&tio, SpeedConstant(baud));
        ::cfsetospeed(&tio, SpeedConstant(baud));
        ::tcsetattr(slave, TCSANOW, &tio);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    FMaster = master;
    FSlave = slave;
    FSlavePath = name;
    return true;
}

void PseudoTerminal::Close() {
    if (FSlave >= 0) ::close(FSlave);
    if (FMaster >= 0) ::close(FMaster);
    FSlave = FMaster = -1;
    FSlavePath.clear();
}

std::uint32_t PseudoTerminal::LineSpeed() const {
    return FMaster >= 0 ? ReadBaudRate(FMaster) : 0;
}

bool PseudoTerminal::HasExclusiveHolder() const {
    int exclusive = 0;
    if (FSlave < 0) return false;
    if (::ioctl(FSlave, TIOCGEXCL, &exclusive) != 0) return true;
    return exclusive != 0;
}

void PseudoTerminal::DiscardUnread() const {
    if (FSlave >= 0) ::tcflush(FSlave, TCIFLUSH);
}

} // namespace varo::sim