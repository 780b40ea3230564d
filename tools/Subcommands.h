// The subcommands of varo-nmea. Each takes the arguments after its name and
// returns the process exit status.
#pragma once

#include <span>

namespace varo {

int RunDecode(std::span<char*> arguments);
int RunPorts(std::span<char*> arguments);
int RunCompose(std::span<char*> arguments);
int RunTargets(std::span<char*> arguments);

} // namespace varo
