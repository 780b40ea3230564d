#pragma once

// Opening a serial device for exclusive use, shared by the serial port object
// and the port probe.

#include <string>

namespace varo::platform {

// Opens a tty read/write without making it the controlling terminal, non-blocking,
// close-on-exec, and takes exclusive use: flock(LOCK_EX|LOCK_NB), which holds for
// root too, and TIOCEXCL for programs that do not lock. Returns the descriptor,
// or -1 with errno set (EBUSY when another user holds the port, ENOTTY when the
// path is no terminal).
int OpenSerialExclusive(const std::string& path);

// Gives up exclusive use (TIOCNXCL, so a later open by another user is not
// refused) and closes the descriptor.
void CloseSerialExclusive(int fd);

} // namespace varo::platform