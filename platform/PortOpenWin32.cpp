#include "platform/PortOpenWin32.h"

#include "platform/WinText.h"

#include <windows.h>

namespace varo::platform {

PortOpen TryOpenPort(const std::string& devicePath) {
    const std::wstring name = Widen(devicePath);
    const HANDLE device = ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (device != INVALID_HANDLE_VALUE) {
        ::CloseHandle(device);
        return PortOpen::Opened;
    }
    switch (::GetLastError()) {
    // A port that another program has open refuses a second open with one of these.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        return PortOpen::Busy;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return PortOpen::Absent;
    default:
        return PortOpen::Failed;
    }
}

} // namespace varo::platform
