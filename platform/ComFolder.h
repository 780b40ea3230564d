#pragma once

// The COM folder gives serial ports their COM numbers: each entry `comN` is a
// symbolic link to a tty device, and N is the port's number. A link whose
// target is gone (adapter unplugged) keeps its number for the adapter's return.
//
// On Windows the system numbers its ports itself: there is no folder (it is
// empty), a port's path is "\\.\COMn", the "links" are the ports that
// discovery finds, and a path is present when the port opens or is busy.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varo::platform {

// `$VARO_COM_DIR`, else `$XDG_CONFIG_HOME/varo/com`, else `~/.config/varo/com`.
std::string ComFolder();

struct ComLink {
    int Number = 0;
    std::string Path; // the link itself, <folder>/comN
};

// The `comN` entries of the folder (present or not), ascending by number.
std::vector<ComLink> ListComLinks(const std::string& folder);

// N for a name "comN" (case-insensitive, N decimal without sign, 1 to 9999).
std::optional<int> ComLinkNumber(std::string_view name);

std::string ComLinkPath(const std::string& folder, int number);

// True when `path` resolves to a character device that is a terminal.
bool IsPresentTty(const std::string& path);

// The device path for a port name: "\\.\COMn" and "COMn" (any case) name the
// link comN of the COM folder; anything else is taken as a path.
std::string ResolveDeviceName(std::string_view name, const std::string& folder = ComFolder());

// Creates the link comN -> target with the lowest N that has no entry yet.
// Returns N, or 0 when no link could be made.
int AssignComNumber(const std::string& folder, const std::string& target);

} // namespace varo::platform