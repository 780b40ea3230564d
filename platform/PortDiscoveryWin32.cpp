// Port discovery on Windows: the system's ports, and what opening each says.
#include "platform/PortDiscovery.h"

#include "platform/ComFolder.h"
#include "platform/PortOpenWin32.h"

#include <algorithm>

namespace varo::platform {

std::vector<PresentPort> DiscoverPorts(const std::string& folder,
                                       const std::vector<HardwarePort>& hardware) {
    std::vector<PresentPort> present;
    for (const HardwarePort& port : hardware) {
        const auto number = ComLinkNumber(port.KernelName);
        if (!number) continue;
        PresentPort entry;
        entry.Number = *number;
        entry.FriendlyName = port.Description + " (COM" + std::to_string(*number) + ")";
        entry.Device = ComLinkPath(folder, *number);
        entry.Description = port.Description;
        present.push_back(std::move(entry));
    }
    std::sort(present.begin(), present.end(),
              [](const PresentPort& a, const PresentPort& b) { return a.Number < b.Number; });
    return present;
}

// Windows does not say which program holds a port: a busy port has no
// process id (0) and no program name. A refusal for lack of rights cannot be
// told from a port in use, so every refusal counts as busy.
void AddPortUse(std::vector<PresentPort>& ports) {
    for (PresentPort& port : ports) {
        port.Busy.reset();
        if (TryOpenPort(port.Device) == PortOpen::Busy) port.Busy = PortHolder{};
        port.AccessDenied = false;
    }
}

bool CanOpenPortNow(const std::string& device) {
    return TryOpenPort(device) == PortOpen::Opened;
}

} // namespace varo::platform
