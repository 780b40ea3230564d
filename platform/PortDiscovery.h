#pragma once

// Serial port discovery: which COM numbers are present, which can be opened
// right now, and what the port list shows.

#include "platform/PortUse.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varo::platform {

// A hardware serial port as the kernel reports it.
struct HardwarePort {
    std::string KernelName;  // ttyUSB0
    std::string DevicePath;  // /dev/ttyUSB0
    std::string StablePath;  // /dev/serial/by-id/..., empty when there is none
    std::string Description; // FT232R USB UART
};

// A port with a COM number whose link resolves to a terminal.
struct PresentPort {
    int Number = 0;
    std::string FriendlyName; // description + " (COMn)"
    std::string Device;       // the resolved device path
    std::string Description;  // maker and model, or "pseudo-terminal"
    // Filled by AddPortUse: another process that holds the port, and whether
    // this user may open it.
    std::optional<PortHolder> Busy;
    bool AccessDenied = false;
};

inline constexpr std::size_t MaxPresentPorts = 256;
inline constexpr std::size_t MaxOpenablePorts = 64;

// The hardware serial ports of the machine: ttyUSB*, ttyACM*, ttyS* with a
// real UART behind it, ttyAMA*, rfcomm*, and the vendor drivers' ttyXRUSB*
// and ttyMXUSB*. Uses the udev library's view of
// sysfs, which works without a running udev service.
std::vector<HardwarePort> EnumerateHardwarePorts();

// The description of the terminal device `devicePath` (see HardwarePort);
// "pseudo-terminal" for one.
std::string DescribeDevice(const std::string& devicePath);
// Maker and model of the adapter behind `devicePath` ("FTDI FT232R USB UART"),
// "pseudo-terminal" for one, the description above when udev knows neither.
std::string AdapterDescription(const std::string& devicePath);

// Gives every port in `hardware` that has no link in `folder` yet a link with
// the lowest free number (to its stable path when it has one), then lists the
// present ports, ascending by number.
std::vector<PresentPort> DiscoverPorts(const std::string& folder,
                                       const std::vector<HardwarePort>& hardware);
// The same for the COM folder and the machine's hardware ports.
std::vector<PresentPort> DiscoverPorts();

// The number in a friendly name: the digits after the last "COM" that digits
// follow, up to the first ")" after it ("USB Serial (COM7)" gives 7, "USB COM1
// Cable (COM5)" 5); none without such a "COM" (a printer port).
std::optional<int> FriendlyNameNumber(std::string_view friendlyName);

// The present COM numbers, ascending, at most 256. Discovery builds the
// friendly names itself, so the numbers are taken as discovered, not parsed
// back (a description may contain "COM" itself: "Virtual COM Port").
std::vector<int> PortNumbers(const std::vector<PresentPort>& ports);

// EnumeratePorts: discovery on the COM folder, as numbers.
std::vector<int> EnumeratePorts();

// Fills Busy and AccessDenied of each port.
void AddPortUse(std::vector<PresentPort>& ports);

// ProbeOpenablePorts: each present number whose device no other process
// holds (open, or by a lock file) and that can be opened for exclusive use
// right now (it is closed at once). Ascending, at most 64.
std::vector<int> ProbeOpenablePorts(const std::vector<int>& present, const std::string& folder);
std::vector<int> ProbeOpenablePorts(const std::vector<int>& present);
// Whether no other process holds `device` and it opens for exclusive use
// now (closed again at once); each platform's own file answers.
bool CanOpenPortNow(const std::string& device);

// What the port list shows: each number as decimal text, the first one
// selected; the single item "N/A", selected, when there is none.
struct PortListContent {
    std::vector<std::string> Items;
    std::string Selected;
};
PortListContent FillPortList(const std::vector<int>& present);

} // namespace varo::platform