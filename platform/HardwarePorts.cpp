// Hardware serial ports through the udev library. Enumeration reads sysfs, so
// it works where no udev service runs (containers, CI); only the properties
// from udev's database (ID_MODEL_FROM_DATABASE) need the service.

#include "platform/PortDiscovery.h"

#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <libudev.h>
#include <linux/serial.h>
#include <memory>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace varo::platform {
namespace {

struct UdevFree {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};
template <class T> using UdevPtr = std::unique_ptr<T, UdevFree>;

bool HasPrefix(std::string_view name, std::string_view prefix) {
    return name.size() > prefix.size() && name.starts_with(prefix);
}

bool IsHardwareName(std::string_view name) {
    for (std::string_view prefix :
         {"ttyUSB", "ttyACM", "ttyS", "ttyAMA", "rfcomm", "ttyXRUSB", "ttyMXUSB"}) {
        if (HasPrefix(name, prefix)) return true;
    }
    return false;
}

// The legacy ttyS* ports exist whether or not a UART is behind them; the serial
// core reports such a phantom as type PORT_UNKNOWN.
bool IsPhantomUart(udev_device* device, const char* devnode) {
    if (const char* type = udev_device_get_sysattr_value(device, "type"))
        return std::strtol(type, nullptr, 10) == PORT_UNKNOWN;
    const int fd = ::open(devnode, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno != EBUSY;
    serial_struct info{};
    const bool phantom = ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type == PORT_UNKNOWN;
    ::close(fd);
    return phantom;
}

std::string Describe(udev_device* device) {
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
    if (usb) {
        for (const char* attribute : {"product", "manufacturer"}) {
            const char* value = udev_device_get_sysattr_value(usb, attribute);
            if (value && *value) return value;
        }
    }
    if (const char* model = udev_device_get_property_value(device, "ID_MODEL_FROM_DATABASE"))
        return model;
    const char* name = udev_device_get_sysname(device);
    return name ? name : "";
}

// The /dev/serial/by-id link of a device, which stays the same across re-plugging.
// Maker and model: the USB parent's "manufacturer product", else udev's
// database names, else empty.
std::string MakerAndModel(udev_device* device) {
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
    std::string text;
    const auto add = [&text](const char* value) {
        if (value == nullptr || *value == 0) return;
        if (!text.empty()) text += ' ';
        text += value;
    };
    if (usb) {
        add(udev_device_get_sysattr_value(usb, "manufacturer"));
        add(udev_device_get_sysattr_value(usb, "product"));
    }
    if (text.empty()) {
        add(udev_device_get_property_value(device, "ID_VENDOR_FROM_DATABASE"));
        add(udev_device_get_property_value(device, "ID_MODEL_FROM_DATABASE"));
    }
    return text;
}

std::string StablePath(const std::string& devnode) {
    struct stat device {};
    if (::stat(devnode.c_str(), &device) != 0) return {};
    std::error_code error;
    for (fs::directory_iterator it("/dev/serial/by-id", error), end; !error && it != end;
         it.increment(error)) {
        struct stat candidate {};
        if (::stat(it->path().c_str(), &candidate) == 0 && candidate.st_rdev == device.st_rdev)
            return it->path().string();
    }
    return {};
}

} // namespace

std::vector<HardwarePort> EnumerateHardwarePorts() {
    std::vector<HardwarePort> ports;
    UdevPtr<udev> context(udev_new());
    if (!context) return ports;
    UdevPtr<udev_enumerate> scan(udev_enumerate_new(context.get()));
    if (!scan || udev_enumerate_add_match_subsystem(scan.get(), "tty") < 0 ||
        udev_enumerate_scan_devices(scan.get()) < 0)
        return ports;
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(scan.get())) {
        UdevPtr<udev_device> device(
            udev_device_new_from_syspath(context.get(), udev_list_entry_get_name(entry)));
        if (!device) continue;
        const char* name = udev_device_get_sysname(device.get());
        if (!name || !IsHardwareName(name)) continue;
        const char* node = udev_device_get_devnode(device.get());
        const std::string devnode = node ? node : std::string("/dev/") + name;
        if (HasPrefix(name, "ttyS") && IsPhantomUart(device.get(), devnode.c_str())) continue;
        ports.push_back({name, devnode, StablePath(devnode), Describe(device.get())});
    }
    return ports;
}

std::string DescribeDevice(const std::string& devicePath) {
    struct stat st {};
    if (::stat(devicePath.c_str(), &st) == 0 && S_ISCHR(st.st_mode)) {
        UdevPtr<udev> context(udev_new());
        UdevPtr<udev_device> device(
            context ? udev_device_new_from_devnum(context.get(), 'c', st.st_rdev) : nullptr);
        if (device) return Describe(device.get());
    }
    // Pseudo-terminals have no sysfs entry: name them by their path under /dev.
    std::string_view name = devicePath;
    if (name.starts_with("/dev/")) name.remove_prefix(5);
    return std::string(name);
}

} // namespace varo::platform
namespace varo::platform {

std::string AdapterDescription(const std::string& devicePath) {
    struct stat st {};
    if (::stat(devicePath.c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) return {};
    if (::major(st.st_rdev) >= 136 && ::major(st.st_rdev) <= 143) return "pseudo-terminal";
    UdevPtr<udev> context(udev_new());
    UdevPtr<udev_device> device(
        context ? udev_device_new_from_devnum(context.get(), 'c', st.st_rdev) : nullptr);
    if (!device) return DescribeDevice(devicePath);
    const std::string text = MakerAndModel(device.get());
    return text.empty() ? Describe(device.get()) : text;
}

} // namespace varo::platform
