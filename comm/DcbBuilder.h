#pragma once

// The line settings as a device control block: a pure function, so that every
// field can be checked without a device.

#include "comm/LineSettings.h"

#include <windows.h>

namespace varo {

// Sets speed, parity, stop bits, data bits, the five special characters, the
// XON/XOFF limits (1024 each) and the option flags (coParityCheck fParity,
// coDsrSensitivity fDsrSensitivity, coIgnoreXOff fTXContinueOnXoff,
// coErrorChar fErrorChar, coNullStrip fNull) on the block the driver
// reported; every other field (binary mode, the handshake lines and flags)
// keeps the driver's value.
void BuildDcb(const TLineSettings& settings, DCB& dcb);

} // namespace varo
