#include "tools/Subcommands.h"

#include "platform/ComFolder.h"
#include "platform/PortDiscovery.h"
#include "platform/PortsReport.h"

#include <cstdio>

namespace varo {

// Runs discovery once and prints the present and the openable ports as one JSON line.
int RunPorts() {
    const std::string folder = platform::ComFolder();
    auto present = platform::DiscoverPorts(folder, platform::EnumerateHardwarePorts());
    platform::AddPortUse(present);
    const auto openable = platform::ProbeOpenablePorts(platform::PortNumbers(present), folder);
    std::printf("%s\n", platform::PortsReportJson(present, openable).c_str());
    for (const auto& port : present) {
        if (port.AccessDenied)
            std::fprintf(stderr, "COM%d (%s): %s\n", port.Number, port.Device.c_str(),
                         platform::AccessDeniedHint);
    }
    return 0;
}

} // namespace varo
