// The serial ports of a Windows machine: the present devices of the ports
// class with their friendly names and "PortName", and the registry's map of
// serial devices for ports no class device stands for (virtual ports).
#include "platform/ComFolder.h"
#include "platform/PortDiscovery.h"
#include "platform/WinText.h"

#include <algorithm>
#include <set>
#include <windows.h>

#include <setupapi.h> // needs the types of windows.h

namespace varo::platform {
namespace {

// The ports device class (COM and LPT ports).
constexpr GUID PortsClass = {
    0x4D36E978, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};

// A text property of at most 128 wide characters; empty when there is none.
std::string DeviceProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    wchar_t text[129] = {};
    DWORD type = 0;
    if (!::SetupDiGetDeviceRegistryPropertyW(set, &device, property, &type,
                                             reinterpret_cast<BYTE*>(text), sizeof text - 2,
                                             nullptr) ||
        type != REG_SZ)
        return {};
    return Narrow(text);
}

// A string value of at most 260 wide characters; empty when there is none.
std::string RegistryString(HKEY key, const wchar_t* name) {
    wchar_t text[261] = {};
    DWORD type = 0;
    DWORD size = sizeof text - 2;
    if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    return Narrow(text);
}

// The friendly name without its " (COMn)": the device's own description.
std::string WithoutPortSuffix(const std::string& friendlyName) {
    const auto open = friendlyName.rfind(" (");
    return open == std::string::npos ? friendlyName : friendlyName.substr(0, open);
}

HardwarePort PortOf(int number, std::string description) {
    HardwarePort port;
    port.KernelName = "COM" + std::to_string(number);
    port.DevicePath = ComLinkPath({}, number);
    port.Description = std::move(description);
    return port;
}

void AddClassPorts(std::vector<HardwarePort>& ports, std::set<int>& seen) {
    const HDEVINFO set = ::SetupDiGetClassDevsW(&PortsClass, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) return;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; ::SetupDiEnumDeviceInfo(set, index, &device); ++index) {
        const std::string friendly = DeviceProperty(set, device, SPDRP_FRIENDLYNAME);
        std::string portName;
        const HKEY key =
            ::SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key != INVALID_HANDLE_VALUE) {
            portName = RegistryString(key, L"PortName");
            ::RegCloseKey(key);
        }
        // A printer port names LPTn in both and is passed over.
        auto number = ComLinkNumber(portName);
        if (!number) number = FriendlyNameNumber(friendly);
        if (!number || !seen.insert(*number).second) continue;
        std::string description = WithoutPortSuffix(friendly);
        if (description.empty()) description = DeviceProperty(set, device, SPDRP_DEVICEDESC);
        ports.push_back(PortOf(*number, std::move(description)));
    }
    ::SetupDiDestroyDeviceInfoList(set);
}

// HARDWARE\DEVICEMAP\SERIALCOMM: one value per serial device, named by the
// driver's device ("\Device\Serial0"), holding its port name ("COM1").
void AddRegistryPorts(std::vector<HardwarePort>& ports, std::set<int>& seen) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ,
                        &key) != ERROR_SUCCESS)
        return;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256] = {};
        wchar_t data[64] = {};
        DWORD nameLength = 255;
        DWORD dataSize = sizeof data - 2;
        DWORD type = 0;
        const LONG result = ::RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                            reinterpret_cast<BYTE*>(data), &dataSize);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS || type != REG_SZ) continue; // too long, or not text
        const auto number = ComLinkNumber(Narrow(data));
        if (!number || !seen.insert(*number).second) continue;
        ports.push_back(PortOf(*number, Narrow(name)));
    }
    ::RegCloseKey(key);
}

} // namespace

std::vector<HardwarePort> EnumerateHardwarePorts() {
    std::vector<HardwarePort> ports;
    std::set<int> seen;
    AddClassPorts(ports, seen);
    AddRegistryPorts(ports, seen);
    return ports;
}

} // namespace varo::platform
