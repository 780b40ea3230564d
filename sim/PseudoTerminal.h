#pragma once

// The gateway's end of the line: the master side of a pseudo-terminal, with a
// slave descriptor of our own kept open so that the tool closing its side
// never hangs up the master.

#include <cstdint>
#include <string>

namespace varo::sim {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal() { Close(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Opens a new pair: master non-blocking, slave in raw mode at `baud` (no
    // echo, so our output never comes back to us while nobody reads it).
    bool Open(std::uint32_t baud);
    void Close();
    bool IsOpen() const { return FMaster >= 0; }

    int MasterFd() const { return FMaster; }
    const std::string& SlavePath() const { return FSlavePath; }

    // The speed the tool has set (both sides share one termios); 0 when unknown.
    std::uint32_t LineSpeed() const;
    // True while a program holds the slave for exclusive use, as a serial port
    // program does; when the kernel cannot tell, true.
    bool HasExclusiveHolder() const;
    // Discards what we wrote and nobody read.
    void DiscardUnread() const;

private:
    int FMaster = -1;
    int FSlave = -1;
    std::string FSlavePath;
};

} // namespace varo::sim