#pragma once

// What opening a COM port says about it, on Windows: the probe behind the
// present check, the busy marks and the openable list.

#include <string>

namespace varo::platform {

enum class PortOpen {
    Opened, // it opened for exclusive use (and was closed at once)
    Busy,   // another program holds it: access denied or a sharing violation
    Absent, // no such device
    Failed, // another error
};

// Opens `devicePath` ("\\.\COMn") as the serial port object does and closes it again.
PortOpen TryOpenPort(const std::string& devicePath);

} // namespace varo::platform
