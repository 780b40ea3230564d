// The serial port object's device work over a POSIX tty.
#include "comm/ThreadComm.h"

#include "comm/CommEventThread.h"
#include "comm/CustomBaud.h"
#include "comm/TermiosBuilder.h"
#include "platform/ComFolder.h"
#include "platform/PortUse.h"
#include "platform/SerialDevice.h"

#include <cerrno>
#include <chrono>
#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace varo {

struct TThreadComm::TDeviceState {
    std::string LockFile; // the UUCP lock file held while open, empty when none
    termios SavedTermios{};
    bool HaveSavedTermios = false;
    struct TLineCounts {
        int Frame = 0, Overrun = 0, Parity = 0, Break = 0, BufferOverrun = 0;
    } LineCounts;
};

void TThreadComm::TDeviceStateDeleter::operator()(TDeviceState* State) const {
    delete State;
}

namespace {

using Clock = std::chrono::steady_clock;

int Fd(TCommHandle handle) {
    return static_cast<int>(handle);
}

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

// The line errors the driver counted since the last call (CE_* bits).
std::uint32_t LineErrors(int fd, TThreadComm::TDeviceState& state) {
    serial_icounter_struct counts{};
    if (::ioctl(fd, TIOCGICOUNT, &counts) != 0) return 0; // pseudo-terminals count nothing
    auto& last = state.LineCounts;
    std::uint32_t errors = 0;
    if (counts.frame != last.Frame) errors |= CE_FRAME;
    if (counts.overrun != last.Overrun) errors |= CE_OVERRUN;
    if (counts.parity != last.Parity) errors |= CE_RXPARITY;
    if (counts.brk != last.Break) errors |= CE_BREAK;
    if (counts.buf_overrun != last.BufferOverrun) errors |= CE_RXOVER;
    last = {counts.frame, counts.overrun, counts.parity, counts.brk, counts.buf_overrun};
    return errors;
}

// Bytes still queued for sending when the port closes. A command written
// just before Close may go out until its own write deadline; what is left
// after it is discarded, which keeps close() from waiting for a stalled
// transmitter. Unread input is always discarded.
void DrainOutput(int fd, Clock::time_point deadline) {
    int pending = 0;
    while (::ioctl(fd, TIOCOUTQ, &pending) == 0 && pending > 0 && Clock::now() < deadline)
        ::usleep(2000);
    // A pseudo-terminal counts nothing here, and flushing its output would
    // discard what the other side has not read yet.
    if (::ioctl(fd, TIOCOUTQ, &pending) == 0 && pending > 0) {
        ::tcflush(fd, TCIOFLUSH);
    } else {
        ::tcflush(fd, TCIFLUSH);
    }
}

} // namespace

void TThreadComm::OpenDevice() {
    const std::string path = platform::ResolveDeviceName(FDeviceName);
    FOpen = false;
    auto state = std::unique_ptr<TDeviceState, TDeviceStateDeleter>(new TDeviceState);
    // Another program's lock file makes the port busy, as its exclusive use would.
    if (!platform::TakePortLock(path, state->LockFile)) return;
    const int fd = platform::OpenSerialExclusive(path);
    if (fd < 0) {
        platform::ReleasePortLock(state->LockFile);
        return;
    }
    state->HaveSavedTermios = ::tcgetattr(fd, &state->SavedTermios) == 0;
    LineErrors(fd, *state); // start counting line errors from now
    FState = std::move(state);
    FHandle = fd;
    FOpen = true;
}

// Read and Write keep their own deadlines (see the header).
bool TThreadComm::SetTimeouts() {
    return true;
}

// The driver's queues have fixed sizes; what the port needs of them is that
// they can be counted (input for OnRxChar, output for the status).
int TThreadComm::SetupQueues() {
    int inQueue = 0, outQueue = 0;
    if (::ioctl(Fd(FHandle), FIONREAD, &inQueue) == 0 &&
        ::ioctl(Fd(FHandle), TIOCOUTQ, &outQueue) == 0)
        return 0;
    return errno;
}

void TThreadComm::CloseDevice() {
    const int fd = Fd(FHandle);
    DrainOutput(fd, FDrainDeadline);
    if (FState->HaveSavedTermios) ::tcsetattr(fd, TCSANOW, &FState->SavedTermios);
    platform::CloseSerialExclusive(fd);
    platform::ReleasePortLock(FState->LockFile);
    FState.reset();
    FHandle = InvalidCommHandle;
    FOpen = false;
}

void TThreadComm::ApplySettings() {
    std::lock_guard lock(FLock);
    if (!FOpen) return;
    const int fd = Fd(FHandle);
    termios current{};
    if (::tcgetattr(fd, &current) != 0) throw ECommError(sUpdateDCBErr, errno);
    TTermiosBuild build;
    if (!BuildTermios(current, CurrentSettings(), build)) throw ECommError(sUpdateDCBErr, EINVAL);
    if (::tcsetattr(fd, TCSANOW, &build.Tio) != 0) throw ECommError(sUpdateDCBErr, errno);
    if (build.CustomSpeed != 0 && !SetCustomBaudRate(fd, build.CustomSpeed))
        throw ECommError(sUpdateDCBErr, errno);
}

std::uint32_t TThreadComm::ClearCommError(TComStat& Stat) {
    std::lock_guard lock(FLock);
    Stat = {};
    if (!FOpen) return 0;
    const int fd = Fd(FHandle);
    std::uint32_t errors = LineErrors(fd, *FState);
    pollfd p{fd, 0, 0};
    if (::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) errors |= CE_IOE;
    int inQueue = 0, outQueue = 0;
    if (::ioctl(fd, FIONREAD, &inQueue) == 0 && inQueue > 0)
        Stat.cbInQue = static_cast<std::uint32_t>(inQueue);
    if (::ioctl(fd, TIOCOUTQ, &outQueue) == 0 && outQueue > 0)
        Stat.cbOutQue = static_cast<std::uint32_t>(outQueue);
    return errors;
}

int TThreadComm::Read(void* Buffer, int Count) {
    std::lock_guard lock(FLock);
    if (!FOpen) return -1;
    if (Count <= 0 || Buffer == nullptr) return 0;
    const int fd = Fd(FHandle);
    auto* bytes = static_cast<unsigned char*>(Buffer);
    const auto deadline = Clock::now() + std::chrono::milliseconds(ReadTotalTimeoutConstant);
    int got = 0;
    while (got < Count) {
        const ssize_t n = ::read(fd, bytes + got, static_cast<std::size_t>(Count - got));
        if (n > 0) {
            got += static_cast<int>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (!WaitFor(fd, POLLIN, deadline)) break;
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
    const int fd = Fd(FHandle);
    const auto* bytes = static_cast<const unsigned char*>(Buffer);
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(std::int64_t{FWriteTimeoutMultiplier} * Count);
    FDrainDeadline = deadline;
    int written = 0;
    while (written < Count) {
        const ssize_t n = ::write(fd, bytes + written, static_cast<std::size_t>(Count - written));
        if (n > 0) {
            written += static_cast<int>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            if (!WaitFor(fd, POLLOUT, deadline)) break;
        } else {
            break; // EIO: the device hung up
        }
    }
    return written;
}

} // namespace varo
