#pragma once

// The line settings of the serial port object, the same on every platform,
// and the numbers derived from them.

#include "comm/CommTypes.h"

#include <array>
#include <cstddef>

namespace varo {

struct TLineSettings {
    TBaudRate BaudRate = TBaudRate::br9600;
    TParity Parity = TParity::paNone;
    TStopBits StopBits = TStopBits::sb10;
    TDataBits DataBits = TDataBits::da8;
    TCommOptions Options;
    char XOnChar = 17;
    char XOffChar = 19;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
};

// Port speed by TBaudRate ordinal.
inline constexpr std::array<unsigned, 15> BaudRateTable{110,   300,   600,    1200,   2400,
                                                        4800,  9600,  14400,  19200,  38400,
                                                        56000, 57600, 115200, 128000, 256000};

constexpr unsigned BaudRateValue(TBaudRate rate) {
    return BaudRateTable[static_cast<std::size_t>(rate)];
}

// Milliseconds a read waits for the bytes asked for.
inline constexpr unsigned ReadTotalTimeoutConstant = 1000;

// Milliseconds a write may take per byte: 19200 divided by the ordinal of the
// rate. br110 has ordinal 0; it gets 19200, the value of br300, which is
// already far above the 91 ms one byte takes at 110 baud.
constexpr unsigned WriteTimeoutMultiplier(TBaudRate rate) {
    const unsigned ordinal = static_cast<unsigned>(rate);
    return 19200 / (ordinal == 0 ? 1 : ordinal);
}

} // namespace varo
