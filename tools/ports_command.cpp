#include "tools/ports_command.h"

#include "platform/com_folder.h"
#include "platform/port_discovery.h"
#include "platform/ports_report.h"

#include <cstdio>

int RunPortsCommand(int argc, char** argv) {
    // argv[0] is the command name ("ports"); it takes no further arguments.
    if (argc > 1) {
        std::fprintf(stderr, "usage: varo-nmea ports\nunexpected argument: %s\n", argv[1]);
        return 2;
    }
    const std::string folder = platform::ComFolder();
    const auto present = platform::DiscoverPorts(folder, platform::EnumerateHardwarePorts());
    const auto openable = platform::ProbeOpenablePorts(platform::PortNumbers(present), folder);
    std::printf("%s\n", platform::PortsReportJson(present, openable).c_str());
    return 0;
}
