#pragma once

#include <memory>

class QSocketNotifier;
class TForm1;
namespace platform {
class DeviceNotifier;
}

// Device arrival and removal of serial ports, delivered to the window's
// OnDeviceChange from the Qt event loop.
class DeviceWatch {
public:
    explicit DeviceWatch(TForm1& form);
    ~DeviceWatch();
    DeviceWatch(const DeviceWatch&) = delete;
    DeviceWatch& operator=(const DeviceWatch&) = delete;

private:
    std::unique_ptr<platform::DeviceNotifier> FNotifier;
    std::unique_ptr<QSocketNotifier> FReadable;
};
