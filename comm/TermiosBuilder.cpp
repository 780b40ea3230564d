#include "comm/TermiosBuilder.h"

namespace varo {
namespace {

speed_t StandardSpeed(TBaudRate rate) {
    switch (rate) {
    case TBaudRate::br110:
        return B110;
    case TBaudRate::br300:
        return B300;
    case TBaudRate::br600:
        return B600;
    case TBaudRate::br1200:
        return B1200;
    case TBaudRate::br2400:
        return B2400;
    case TBaudRate::br4800:
        return B4800;
    case TBaudRate::br9600:
        return B9600;
    case TBaudRate::br19200:
        return B19200;
    case TBaudRate::br38400:
        return B38400;
    case TBaudRate::br57600:
        return B57600;
    case TBaudRate::br115200:
        return B115200;
    default:
        return B0; // no constant: set through termios2
    }
}

tcflag_t CharacterSize(TDataBits bits) {
    switch (bits) {
    case TDataBits::da5:
        return CS5;
    case TDataBits::da6:
        return CS6;
    case TDataBits::da7:
        return CS7;
    default:
        return CS8;
    }
}

tcflag_t ParityFlags(TParity parity) {
    switch (parity) {
    case TParity::paOdd:
        return PARENB | PARODD;
    case TParity::paEven:
        return PARENB;
    case TParity::paMark:
        return PARENB | CMSPAR | PARODD;
    case TParity::paSpace:
        return PARENB | CMSPAR;
    default:
        return 0;
    }
}

} // namespace

bool BuildTermios(const termios& current, const TLineSettings& settings, TTermiosBuild& out) {
    if (settings.DataBits == TDataBits::da4) return false;
    termios tio = current;
    tio.c_iflag &= ~tcflag_t(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON |
                             IGNPAR | INPCK);
    if (settings.Options.Contains(TCommOption::coParityCheck)) tio.c_iflag |= INPCK;
    tio.c_oflag &= ~tcflag_t(OPOST);
    tio.c_lflag &= ~tcflag_t(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~tcflag_t(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB);
    tio.c_cflag |= CharacterSize(settings.DataBits) | ParityFlags(settings.Parity) | CREAD | CLOCAL;
    if (settings.StopBits != TStopBits::sb10) tio.c_cflag |= CSTOPB;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    tio.c_cc[VSTART] = static_cast<cc_t>(settings.XOnChar);
    tio.c_cc[VSTOP] = static_cast<cc_t>(settings.XOffChar);

    speed_t speed = StandardSpeed(settings.BaudRate);
    out.CustomSpeed = 0;
    if (speed == B0) {
        speed = B38400;
        out.CustomSpeed = BaudRateValue(settings.BaudRate);
    }
    cfsetispeed(&tio, speed);
    cfsetospeed(&tio, speed);
    out.Tio = tio;
    return true;
}

} // namespace varo
