// The event thread's waiting over WaitCommEvent (see CommEventThread.h).
#include "comm/CommEventThread.h"

#include <system_error>
#include <windows.h>

namespace varo {
namespace {

HANDLE AsHandle(TCommHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

TCommHandle TCommEventThread::OpenWake() {
    const HANDLE wake = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!wake)
        throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                                "CreateEvent");
    return reinterpret_cast<TCommHandle>(wake);
}

void TCommEventThread::SignalWake() {
    ::SetEvent(AsHandle(FWake));
}

void TCommEventThread::CloseWake() {
    ::CloseHandle(AsHandle(FWake));
}

void TCommEventThread::WaitUntilClosing() {
    ::WaitForSingleObject(AsHandle(FWake), INFINITE);
}

void TCommEventThread::Run() {
    const HANDLE device = AsHandle(FDevice);
    OVERLAPPED overlapped{};
    overlapped.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!overlapped.hEvent || !::SetCommMask(device, FMask)) {
        if (overlapped.hEvent) ::CloseHandle(overlapped.hEvent);
        WaitUntilClosing();
        return;
    }
    for (;;) {
        DWORD mask = 0;
        bool occurred = ::WaitCommEvent(device, &mask, &overlapped) != 0;
        if (!occurred && ::GetLastError() == ERROR_IO_PENDING) {
            const HANDLE waits[2] = {AsHandle(FWake), overlapped.hEvent};
            const DWORD woken = ::WaitForMultipleObjects(2, waits, FALSE, INFINITE);
            if (woken != WAIT_OBJECT_0 + 1) {
                // Closing: the pending wait must end before its record goes.
                ::CancelIoEx(device, &overlapped);
                DWORD unused = 0;
                ::GetOverlappedResult(device, &overlapped, &unused, TRUE);
                break;
            }
            DWORD unused = 0;
            occurred = ::GetOverlappedResult(device, &overlapped, &unused, FALSE) != 0;
        }
        ::ResetEvent(overlapped.hEvent);
        if (!occurred) {
            // The device failed the wait (removed): report it once, as a hang-up.
            if ((FMask & EV_ERR) != 0) HandOver(EV_ERR);
            WaitUntilClosing();
            break;
        }
        // A mask of 0 means the wait was ended by a change of the event mask.
        if (mask != 0 && !HandOver(mask)) break;
    }
    // The driver's queues are left to Close, which lets a just-written command go out first.
    ::CloseHandle(overlapped.hEvent);
}

} // namespace varo
