#include "comm/ThreadComm.h"

#include "comm/CommEventThread.h"
#include "comm/CustomBaud.h"
#include "platform/ComFolder.h"
#include "platform/PortUse.h"
#include "platform/SerialDevice.h"

#include <cerrno>
#include <chrono>
#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <system_error>
#include <unistd.h>

namespace varo {
namespace {

using Clock = std::chrono::steady_clock;

// Read waits at most this long for the bytes asked for.
constexpr int ReadTotalTimeoutConstant = 1000;

int RemainingMs(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(std::min<long long>(left, 1 << 30)) : 0;
}

// Waits for `events` on `fd` until the deadline. False on a timeout or a hang-up.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int ready = ::poll(&p, 1, RemainingMs(deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        if (p.revents & events) return true;
        return false; // POLLHUP, POLLERR, POLLNVAL
    }
}

} // namespace

ECommError::ECommError(const std::string& text, int code)
    : std::runtime_error([&] {
          std::string message = text;
          if (const auto at = message.find("%d"); at != std::string::npos)
              message.replace(at, 2, std::to_string(code));
          return message;
      }()),
      FCode(code) {}

void TCommEventChars::Change(char& Field, char Value) {
    Field = Value;
    FOwner->ApplySettings();
}

void TCommEventChars::Assign(const TCommEventChars& Source) {
    FXOnChar = Source.FXOnChar;
    FXOffChar = Source.FXOffChar;
    FErrorChar = Source.FErrorChar;
    FEofChar = Source.FEofChar;
    FEvtChar = Source.FEvtChar;
    FOwner->ApplySettings();
}

TThreadComm::TThreadComm(std::shared_ptr<TCommSynchronizer> Synchronizer)
    : FSynchronizer(std::move(Synchronizer)) {}

TThreadComm::~TThreadComm() {
    Close();
}

bool TThreadComm::Connected() const {
    std::lock_guard lock(FLock);
    return FOpen;
}

void TThreadComm::SetDeviceName(const std::string& Value) {
    std::lock_guard lock(FLock);
    if (!FOpen) FDeviceName = Value;
}

void TThreadComm::SetReadBufSize(std::uint16_t Value) {
    std::lock_guard lock(FLock);
    if (!FOpen) FReadBufSize = Value;
}

void TThreadComm::SetWriteBufSize(std::uint16_t Value) {
    std::lock_guard lock(FLock);
    if (!FOpen) FWriteBufSize = Value;
}

void TThreadComm::SetSuspendTime(std::uint32_t Value) {
    std::lock_guard lock(FLock);
    if (!FOpen) FSuspendTime = Value;
}

void TThreadComm::SetMonitorEvents(TCommEventTypes Value) {
    std::lock_guard lock(FLock);
    if (!FOpen) FMonitorEvents = Value;
}

void TThreadComm::OpenDevice() {
    const std::string path = platform::ResolveDeviceName(FDeviceName);
    FOpen = false;
    // Another program's lock file makes the port busy, as its exclusive use would.
    if (!platform::TakePortLock(path, FLockFile)) return;
    const int fd = platform::OpenSerialExclusive(path);
    if (fd < 0) {
        platform::ReleasePortLock(FLockFile);
        FLockFile.clear();
        return;
    }
    FHaveSavedTermios = ::tcgetattr(fd, &FSavedTermios) == 0;
    FHandle = fd;
    FOpen = true;
}

void TThreadComm::Open() {
    std::lock_guard lock(FLock);
    if (FOpen) throw ECommError(sPortAlreadyOpen, -1);
    OpenDevice();
    if (!FOpen) return;
    FWriteTimeoutMultiplier = WriteTimeoutMultiplier(FSettings.BaudRate);
    try {
        ApplySettings();
    } catch (...) {
        // A port left open with settings it refused would look connected
        // while nothing on the line matches: close it again.
        CloseDevice();
        throw;
    }
    // The driver's queues have fixed sizes; what the port needs of them is
    // that they can be counted (input for OnRxChar, output for the status).
    int inQueue = 0, outQueue = 0;
    const bool queuesOk =
        ::ioctl(FHandle, FIONREAD, &inQueue) == 0 && ::ioctl(FHandle, TIOCOUTQ, &outQueue) == 0;
    const int queueError = errno;
    LineErrors(); // start counting line errors from now
    if (FSynchronizer) {
        try {
            FEventThread = std::make_unique<TCommEventThread>(
                FHandle, FSuspendTime, FMonitorEvents, FSynchronizer,
                [this](std::uint32_t Mask) { Dispatch(Mask); });
        } catch (const std::system_error&) {
            CloseDevice();
            return;
        }
    }
    if (!queuesOk) throw ECommError(sSetupCommErr, queueError);
}

void TThreadComm::Close() {
    std::lock_guard lock(FLock);
    if (!FOpen) return;
    if (FEventThread) {
        FEventThread->Terminate();
        FEventThread.reset();
    }
    CloseDevice();
}

// Bytes still queued for sending when the port closes. A command written
// just before Close may go out until its own write deadline; what is left
// after it is discarded, which keeps close() from waiting for a stalled
// transmitter. Unread input is always discarded.
void TThreadComm::DrainOutput() {
    int pending = 0;
    while (::ioctl(FHandle, TIOCOUTQ, &pending) == 0 && pending > 0 &&
           Clock::now() < FDrainDeadline)
        ::usleep(2000);
    // A pseudo-terminal counts nothing here, and flushing its output would
    // discard what the other side has not read yet.
    if (::ioctl(FHandle, TIOCOUTQ, &pending) == 0 && pending > 0) {
        ::tcflush(FHandle, TCIOFLUSH);
    } else {
        ::tcflush(FHandle, TCIFLUSH);
    }
}

void TThreadComm::CloseDevice() {
    DrainOutput();
    if (FHaveSavedTermios) ::tcsetattr(FHandle, TCSANOW, &FSavedTermios);
    platform::CloseSerialExclusive(FHandle);
    platform::ReleasePortLock(FLockFile);
    FLockFile.clear();
    FHandle = -1;
    FOpen = false;
    FHaveSavedTermios = false;
}

void TThreadComm::ApplySettings() {
    std::lock_guard lock(FLock);
    if (!FOpen) return;
    TLineSettings settings = FSettings;
    settings.XOnChar = FEventChars.XOnChar();
    settings.XOffChar = FEventChars.XOffChar();
    termios current{};
    if (::tcgetattr(FHandle, &current) != 0) throw ECommError(sUpdateDCBErr, errno);
    TTermiosBuild build;
    if (!BuildTermios(current, settings, build)) throw ECommError(sUpdateDCBErr, EINVAL);
    if (::tcsetattr(FHandle, TCSANOW, &build.Tio) != 0) throw ECommError(sUpdateDCBErr, errno);
    if (build.CustomSpeed != 0 && !SetCustomBaudRate(FHandle, build.CustomSpeed))
        throw ECommError(sUpdateDCBErr, errno);
}

std::uint32_t TThreadComm::LineErrors() {
    serial_icounter_struct counts{};
    if (::ioctl(FHandle, TIOCGICOUNT, &counts) != 0) return 0; // pseudo-terminals count nothing
    std::uint32_t errors = 0;
    if (counts.frame != FLineCounts.Frame) errors |= CE_FRAME;
    if (counts.overrun != FLineCounts.Overrun) errors |= CE_OVERRUN;
    if (counts.parity != FLineCounts.Parity) errors |= CE_RXPARITY;
    if (counts.brk != FLineCounts.Break) errors |= CE_BREAK;
    if (counts.buf_overrun != FLineCounts.BufferOverrun) errors |= CE_RXOVER;
    FLineCounts = {counts.frame, counts.overrun, counts.parity, counts.brk, counts.buf_overrun};
    return errors;
}

std::uint32_t TThreadComm::ClearCommError(TComStat& Stat) {
    std::lock_guard lock(FLock);
    Stat = {};
    if (!FOpen) return 0;
    std::uint32_t errors = LineErrors();
    pollfd p{FHandle, 0, 0};
    if (::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) errors |= CE_IOE;
    int inQueue = 0, outQueue = 0;
    if (::ioctl(FHandle, FIONREAD, &inQueue) == 0 && inQueue > 0)
        Stat.cbInQue = static_cast<std::uint32_t>(inQueue);
    if (::ioctl(FHandle, TIOCOUTQ, &outQueue) == 0 && outQueue > 0)
        Stat.cbOutQue = static_cast<std::uint32_t>(outQueue);
    return errors;
}

int TThreadComm::Read(void* Buffer, int Count) {
    std::lock_guard lock(FLock);
    if (!FOpen) return -1;
    if (Count <= 0 || Buffer == nullptr) return 0;
    auto* bytes = static_cast<unsigned char*>(Buffer);
    const auto deadline = Clock::now() + std::chrono::milliseconds(ReadTotalTimeoutConstant);
    int got = 0;
    while (got < Count) {
        const ssize_t n = ::read(FHandle, bytes + got, static_cast<std::size_t>(Count - got));
        if (n > 0) {
            got += static_cast<int>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (!WaitFor(FHandle, POLLIN, deadline)) break;
        } else {
            break; // end of file or an error: the device hung up
        }
    }
    if (FEventThread) FEventThread->NoteRead(static_cast<std::uint64_t>(got));
    return got;
}

int TThreadComm::Write(const void* Buffer, int Count) {
    std::lock_guard lock(FLock);
    if (!FOpen) return -1;
    if (Count <= 0 || Buffer == nullptr) return 0;
    const auto* bytes = static_cast<const unsigned char*>(Buffer);
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(std::int64_t{FWriteTimeoutMultiplier} * Count);
    FDrainDeadline = deadline;
    int written = 0;
    while (written < Count) {
        const ssize_t n =
            ::write(FHandle, bytes + written, static_cast<std::size_t>(Count - written));
        if (n > 0) {
            written += static_cast<int>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (!WaitFor(FHandle, POLLOUT, deadline)) break;
        } else {
            break; // EIO: the device hung up
        }
    }
    return written;
}

void TThreadComm::Dispatch(std::uint32_t Mask) {
    TComStat stat;
    const std::uint32_t errors = ClearCommError(stat);
    if ((Mask & EV_BREAK) && OnBreak) OnBreak(this);
    if ((Mask & EV_CTS) && OnCts) OnCts(this);
    if ((Mask & EV_DSR) && OnDsr) OnDsr(this);
    if ((Mask & EV_ERR) && OnError) OnError(this, errors);
    if ((Mask & EV_RING) && OnRing) OnRing(this);
    if ((Mask & EV_RLSD) && OnRlsd) OnRlsd(this);
    if ((Mask & EV_RXCHAR) && OnRxChar && stat.cbInQue != 0) OnRxChar(this, stat.cbInQue);
    if ((Mask & EV_RXFLAG) && OnRxFlag) OnRxFlag(this);
    if ((Mask & EV_TXEMPTY) && OnTxEmpty) OnTxEmpty(this);
    if (OnComStatEvent) OnComStatEvent(this, Mask, stat);
}

} // namespace varo
