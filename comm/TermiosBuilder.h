#pragma once

// The line settings as a termios record: a pure function, so that parity,
// data bits and stop bits can be checked without a device (a pseudo-terminal
// forces 8 data bits and no parity).

#include "comm/LineSettings.h"

#include <termios.h>

namespace varo {

struct TTermiosBuild {
    termios Tio{};
    // Non-zero when the rate has no Bnnn constant (14400, 56000, 128000,
    // 256000): Tio then carries B38400 and the exact rate is set afterwards
    // by SetCustomBaudRate.
    unsigned CustomSpeed = 0;
};

// Raw mode with the given settings on top of the driver's current record.
// The receiver is on and modem control lines are ignored (CLOCAL); the
// hardware and software handshake flags keep the driver's values, except
// IXON, which raw mode clears so that received XOFF bytes reach the reader.
// Parity: odd and even by PARENB/PARODD, mark and space add CMSPAR. Stop
// bits: 1.5 has no termios form and is sent as 2 (for 5 data bits a UART
// sends 1.5 in that case). coParityCheck turns on input parity checking
// (INPCK); the other options have no termios counterpart.
// False when the settings cannot be expressed: da4 (a UART has no 4-bit frame).
bool BuildTermios(const termios& current, const TLineSettings& settings, TTermiosBuild& out);

} // namespace varo
