#pragma once

// Who else uses a serial port, and whether this user may open it at all.
//
// Another program may hold a port open without locking it (a terminal
// program, a getty), or announce its use with a UUCP lock file
// "LCK..<name>" holding its process id. Such a port is not offered for
// opening. While this program holds a port it keeps a lock file of its own,
// so that other serial tools see it busy; a lock left by a process that has
// died is stale and is removed.

#include <optional>
#include <string>

namespace varo::platform {

// The process that holds a port.
struct PortHolder {
    int Pid = 0;
    std::string Program; // its command name, as /proc shows it
};

// The folder of UUCP lock files: `$VARO_LOCK_DIR` when set, else the first
// of /var/lock and /run/lock that is a folder; empty when there is none.
std::string LockFolder();

// The lock file of a device path: "/dev/ttyUSB0" gives "<folder>/LCK..ttyUSB0",
// "/dev/pts/3" gives "<folder>/LCK..pts_3". Empty without a lock folder.
std::string LockFilePath(const std::string& devicePath);

// Another live process that holds `devicePath`: the owner of a lock file
// (a stale one is removed), else a process with the device open (found
// through /proc; this process does not count). None when the port is free.
std::optional<PortHolder> FindPortHolder(const std::string& devicePath);

// Takes the lock file of `devicePath` for this process and names it in
// `lockFile` (empty when none was written). False when a live process holds
// it; true too when no lock file can be written (no lock folder, no
// permission), as the exclusive open still protects the port.
bool TakePortLock(const std::string& devicePath, std::string& lockFile);
// Removes `lockFile` when it is this process's (the device may be gone by then).
void ReleasePortLock(const std::string& lockFile);

// False when opening `devicePath` read/write is refused for lack of
// permission (on Linux: the user is not in the group of the serial devices).
bool MayOpen(const std::string& devicePath);

// The hint shown with a port this user may not open.
inline constexpr const char* AccessDeniedHint =
    "permission denied: add the user to the dialout group (sudo usermod -aG dialout $USER), "
    "then log in again";

} // namespace varo::platform
