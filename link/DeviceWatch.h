#pragma once

#include <memory>

class QSocketNotifier;

namespace varo {

class DeviceLink;
namespace platform {
class DeviceNotifier;
}

// Device arrival and removal of serial ports, delivered to the link's
// OnDeviceChange from the Qt event loop.
class DeviceWatch {
public:
    explicit DeviceWatch(DeviceLink& link);
    ~DeviceWatch();
    DeviceWatch(const DeviceWatch&) = delete;
    DeviceWatch& operator=(const DeviceWatch&) = delete;

private:
    std::unique_ptr<platform::DeviceNotifier> FNotifier;
    std::unique_ptr<QSocketNotifier> FReadable;
};

} // namespace varo
