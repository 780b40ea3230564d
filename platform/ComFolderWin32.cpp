// COM numbers on Windows: the system names its ports, so there is no folder
// of links; a port's path is "\\.\COMn" and the present ports are those that
// discovery finds.
#include "platform/ComFolder.h"

#include "platform/PortDiscovery.h"
#include "platform/PortOpenWin32.h"

namespace varo::platform {

std::string ComFolder() {
    return {};
}

std::vector<ComLink> ListComLinks(const std::string& folder) {
    std::vector<ComLink> links;
    for (const PresentPort& port : DiscoverPorts(folder, EnumerateHardwarePorts()))
        links.push_back({port.Number, port.Device});
    return links;
}

std::string ComLinkPath(const std::string&, int number) {
    return "\\\\.\\COM" + std::to_string(number);
}

// Present when it opens or another program holds it.
bool IsPresentTty(const std::string& path) {
    const PortOpen result = TryOpenPort(path);
    return result == PortOpen::Opened || result == PortOpen::Busy;
}

} // namespace varo::platform
