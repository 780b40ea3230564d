// Port discovery over the COM folder and udev's hardware ports.
#include "platform/PortDiscovery.h"

#include "platform/ComFolder.h"
#include "platform/SerialDevice.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace fs = std::filesystem;

namespace varo::platform {
namespace {

bool SameDevice(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && S_ISCHR(sa.st_mode) &&
           S_ISCHR(sb.st_mode) && sa.st_rdev == sb.st_rdev;
}

// A port has its number when a link leads to it now, or names its stable or
// device path while the device is away.
bool HasLink(const HardwarePort& port, const std::vector<ComLink>& links) {
    for (const ComLink& link : links) {
        std::error_code error;
        const std::string target = fs::read_symlink(link.Path, error).string();
        if (!error &&
            (target == port.DevicePath || (!port.StablePath.empty() && target == port.StablePath)))
            return true;
        if (SameDevice(link.Path, port.DevicePath)) return true;
    }
    return false;
}

} // namespace

std::vector<PresentPort> DiscoverPorts(const std::string& folder,
                                       const std::vector<HardwarePort>& hardware) {
    for (const HardwarePort& port : hardware) {
        if (!HasLink(port, ListComLinks(folder)))
            AssignComNumber(folder, port.StablePath.empty() ? port.DevicePath : port.StablePath);
    }
    std::vector<PresentPort> present;
    for (const ComLink& link : ListComLinks(folder)) {
        if (!IsPresentTty(link.Path)) continue;
        std::error_code error;
        const std::string device = fs::canonical(link.Path, error).string();
        if (error) continue;
        PresentPort port;
        port.Number = link.Number;
        port.Description = AdapterDescription(device);
        port.FriendlyName = DescribeDevice(device) + " (COM" + std::to_string(link.Number) + ")";
        port.Device = device;
        present.push_back(std::move(port));
    }
    return present;
}

void AddPortUse(std::vector<PresentPort>& ports) {
    for (PresentPort& port : ports) {
        port.Busy = FindPortHolder(port.Device);
        port.AccessDenied = !MayOpen(port.Device);
    }
}

bool CanOpenPortNow(const std::string& device) {
    if (FindPortHolder(device)) return false;
    const int fd = OpenSerialExclusive(device);
    if (fd < 0) return false;
    CloseSerialExclusive(fd);
    return true;
}

} // namespace varo::platform
