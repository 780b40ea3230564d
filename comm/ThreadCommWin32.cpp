// The serial port object's device work over a Windows communications device
// opened for overlapped I/O.
#include "comm/ThreadComm.h"

#include "comm/CommEventThread.h"
#include "comm/DcbBuilder.h"
#include "platform/ComFolder.h"
#include "platform/WinText.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <windows.h>

namespace varo {

// One overlapped record per direction, each with its own manual-reset event.
struct TThreadComm::TDeviceState {
    OVERLAPPED ReadOverlapped{};
    OVERLAPPED WriteOverlapped{};
    ~TDeviceState() {
        if (ReadOverlapped.hEvent) ::CloseHandle(ReadOverlapped.hEvent);
        if (WriteOverlapped.hEvent) ::CloseHandle(WriteOverlapped.hEvent);
    }
};

void TThreadComm::TDeviceStateDeleter::operator()(TDeviceState* State) const {
    delete State;
}

namespace {

using Clock = std::chrono::steady_clock;

// Every event of the mask table; the event thread narrows it to MonitorEvents.
constexpr DWORD AllEventsMask = 0x1FF;
// What a transfer may take beyond its own timeout before it is cancelled: the
// driver's timeouts end it first, this bound holds where a driver keeps none.
constexpr DWORD CompletionMarginMs = 500;

HANDLE Device(TCommHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

void ClearErrors(HANDLE device) {
    DWORD errors = 0;
    COMSTAT stat{};
    ::ClearCommError(device, &errors, &stat);
}

// Waits for a pending transfer at most `ms`, cancels it after that, and gives
// the bytes it moved.
int Complete(HANDLE device, OVERLAPPED& overlapped, DWORD ms) {
    if (::WaitForSingleObject(overlapped.hEvent, ms) != WAIT_OBJECT_0)
        ::CancelIoEx(device, &overlapped);
    DWORD moved = 0;
    if (!::GetOverlappedResult(device, &overlapped, &moved, TRUE)) ClearErrors(device);
    return static_cast<int>(moved);
}

void Rearm(OVERLAPPED& overlapped) {
    const HANDLE event = overlapped.hEvent;
    overlapped = OVERLAPPED{};
    overlapped.hEvent = event;
    ::ResetEvent(event);
}

} // namespace

void TThreadComm::OpenDevice() {
    FOpen = false;
    const std::wstring name = platform::Widen(platform::ResolveDeviceName(FDeviceName));
    // No sharing: the port is ours alone while it is open.
    const HANDLE device = ::CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (device == INVALID_HANDLE_VALUE) return;
    auto state = std::unique_ptr<TDeviceState, TDeviceStateDeleter>(new TDeviceState);
    state->ReadOverlapped.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    state->WriteOverlapped.hEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!state->ReadOverlapped.hEvent || !state->WriteOverlapped.hEvent) {
        ::CloseHandle(device);
        return;
    }
    ::SetCommMask(device, AllEventsMask);
    FState = std::move(state);
    FHandle = reinterpret_cast<TCommHandle>(device);
    FOpen = true;
}

// Reads return what waits at once, else wait up to ReadTotalTimeoutConstant
// for the count asked; writes may take the multiplier's milliseconds a byte.
bool TThreadComm::SetTimeouts() {
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = ReadTotalTimeoutConstant;
    timeouts.WriteTotalTimeoutMultiplier = FWriteTimeoutMultiplier;
    timeouts.WriteTotalTimeoutConstant = 0;
    return ::SetCommTimeouts(Device(FHandle), &timeouts) != 0;
}

int TThreadComm::SetupQueues() {
    if (::SetupComm(Device(FHandle), FReadBufSize, FWriteBufSize)) return 0;
    const DWORD error = ::GetLastError();
    return error != 0 ? static_cast<int>(error) : -1;
}

// A command written just before Close may go out until its own write
// deadline; what is left after it is discarded, and so is unread input.
void TThreadComm::CloseDevice() {
    const HANDLE device = Device(FHandle);
    TComStat stat;
    while (ClearCommError(stat) == 0 && stat.cbOutQue > 0 && Clock::now() < FDrainDeadline)
        ::Sleep(2);
    ClearCommError(stat);
    DWORD purge = PURGE_RXABORT | PURGE_RXCLEAR;
    if (stat.cbOutQue > 0) purge |= PURGE_TXABORT | PURGE_TXCLEAR;
    ::PurgeComm(device, purge);
    ::CloseHandle(device);
    FState.reset();
    FHandle = InvalidCommHandle;
    FOpen = false;
}

void TThreadComm::ApplySettings() {
    std::lock_guard lock(FLock);
    if (!FOpen) return;
    const HANDLE device = Device(FHandle);
    ::SetupComm(device, FReadBufSize, FWriteBufSize); // Open checks the queues once
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(device, &dcb))
        throw ECommError(sUpdateDCBErr, static_cast<int>(::GetLastError()));
    BuildDcb(CurrentSettings(), dcb);
    if (!::SetCommState(device, &dcb))
        throw ECommError(sUpdateDCBErr, static_cast<int>(::GetLastError()));
}

std::uint32_t TThreadComm::ClearCommError(TComStat& Stat) {
    std::lock_guard lock(FLock);
    Stat = {};
    if (!FOpen) return 0;
    DWORD errors = 0;
    COMSTAT stat{};
    // A device that no longer answers (an adapter pulled) counts as hung up.
    if (!::ClearCommError(Device(FHandle), &errors, &stat)) return CE_IOE;
    static_assert(sizeof(Stat.Flags) == sizeof(DWORD));
    std::memcpy(&Stat.Flags, &stat, sizeof(DWORD)); // the record's flag bits
    Stat.cbInQue = stat.cbInQue;
    Stat.cbOutQue = stat.cbOutQue;
    return errors;
}

int TThreadComm::Read(void* Buffer, int Count) {
    std::lock_guard lock(FLock);
    if (!FOpen) return -1;
    const HANDLE device = Device(FHandle);
    ClearErrors(device); // clears a pending error state, which would fail the read
    if (Count <= 0 || Buffer == nullptr) return 0;
    OVERLAPPED& overlapped = FState->ReadOverlapped;
    Rearm(overlapped);
    DWORD got = 0;
    if (::ReadFile(device, Buffer, static_cast<DWORD>(Count), &got, &overlapped))
        return static_cast<int>(got);
    if (::GetLastError() != ERROR_IO_PENDING) {
        ClearErrors(device);
        return 0;
    }
    return Complete(device, overlapped, ReadTotalTimeoutConstant + CompletionMarginMs);
}

int TThreadComm::Write(const void* Buffer, int Count) {
    std::lock_guard lock(FLock);
    if (!FOpen) return -1;
    if (Count <= 0 || Buffer == nullptr) return 0;
    const HANDLE device = Device(FHandle);
    const std::uint64_t budget = std::uint64_t{FWriteTimeoutMultiplier} * unsigned(Count);
    FDrainDeadline = Clock::now() + std::chrono::milliseconds(budget);
    OVERLAPPED& overlapped = FState->WriteOverlapped;
    Rearm(overlapped);
    DWORD written = 0;
    if (::WriteFile(device, Buffer, static_cast<DWORD>(Count), &written, &overlapped))
        return static_cast<int>(written);
    if (::GetLastError() != ERROR_IO_PENDING) {
        ClearErrors(device);
        return 0;
    }
    // Waited for, not polled: the wait ends with the write or its timeout.
    const DWORD wait = static_cast<DWORD>(std::min<std::uint64_t>(budget, MAXDWORD - 1000));
    return Complete(device, overlapped, wait + CompletionMarginMs);
}

} // namespace varo
