#pragma once

namespace varo {

// Rates without a Bnnn constant, through the kernel's termios2 interface.
// Kept in its own source file: <asm/termbits.h> clashes with <termios.h>.

// Sets input and output speed of the open tty `fd` to `speed` (BOTHER).
// False with errno set when the driver refuses.
bool SetCustomBaudRate(int fd, unsigned speed);

// The output speed the driver holds (from termios2), 0 when it cannot be read.
unsigned ReadBaudRate(int fd);

} // namespace varo
