#include "comm/CommEventThread.h"

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <system_error>
#include <unistd.h>

namespace varo {
namespace {

// How often unread bytes are checked for new arrivals.
constexpr int BacklogCheckMs = 5;

} // namespace

TCommEventThread::TCommEventThread(int Device, std::uint32_t SuspendTime, TCommEventTypes Events,
                                   std::shared_ptr<TCommSynchronizer> Synchronizer,
                                   THandler Handler)
    : FDevice(Device), FSuspendTime(SuspendTime), FMask(varo::EventMask(Events)),
      FSynchronizer(std::move(Synchronizer)), FHandOver(std::make_shared<THandOver>()) {
    FHandOver->Handler = std::move(Handler);
    FWake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (FWake < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
    try {
        FThread = std::thread([this] { Run(); });
    } catch (...) {
        ::close(FWake);
        throw;
    }
}

TCommEventThread::~TCommEventThread() {
    Terminate();
}

void TCommEventThread::Terminate() {
    {
        std::lock_guard lock(FHandOver->Mutex);
        FHandOver->Closing = true;
        FHandOver->Handler = nullptr;
    }
    FHandOver->Changed.notify_all();
    if (FWake >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(FWake, &one, sizeof one);
    }
    if (FThread.joinable()) FThread.join();
    if (FWake >= 0) ::close(FWake);
    FWake = -1;
}

std::int64_t TCommEventThread::InputCount() const {
    int count = 0;
    return ::ioctl(FDevice, FIONREAD, &count) == 0 ? count : 0;
}

bool TCommEventThread::HandOver(std::uint32_t Mask) {
    const std::shared_ptr<THandOver> state = FHandOver;
    {
        std::lock_guard lock(state->Mutex);
        if (state->Closing) return false;
        state->Done = false;
    }
    FSynchronizer->Post([state, Mask] {
        THandler handler;
        {
            std::lock_guard lock(state->Mutex);
            if (state->Closing) return; // the port closed before this call ran
            handler = state->Handler;
        }
        // The event thread is released however the handler ends: one that
        // throws must not leave it waiting for good.
        struct Release {
            THandOver& state;
            ~Release() {
                {
                    std::lock_guard lock(state.Mutex);
                    state.Done = true;
                }
                state.Changed.notify_all();
            }
        } release{*state};
        handler(Mask); // may close the port, which ends the wait below
    });
    std::unique_lock lock(state->Mutex);
    state->Changed.wait(lock, [&] { return state->Done || state->Closing; });
    return !state->Closing;
}

void TCommEventThread::WaitUntilClosing() {
    pollfd wake{FWake, POLLIN, 0};
    while (::poll(&wake, 1, -1) < 0 && errno == EINTR) {
    }
}

void TCommEventThread::Run() {
    const bool watchRx = (FMask & EV_RXCHAR) != 0;
    // Queue count and read total when the last EV_RXCHAR was handed over:
    // bytes arrived since then = count + read since - count then. Bytes that
    // wait when the thread starts count as arrived.
    std::int64_t syncCount = 0;
    std::uint64_t syncReads = FReads.load(std::memory_order_relaxed);
    for (;;) {
        const std::int64_t count = InputCount();
        const auto readSince =
            static_cast<std::int64_t>(FReads.load(std::memory_order_relaxed) - syncReads);
        const bool arrived = watchRx && count + readSince - syncCount > 0;

        pollfd fds[2] = {{FWake, POLLIN, 0}, {FDevice, 0, 0}};
        int timeout = -1;
        if (arrived) {
            timeout = 0;
        } else if (watchRx) {
            if (count > 0)
                timeout = BacklogCheckMs;
            else
                fds[1].events = POLLIN;
        }
        if (::poll(fds, 2, timeout) < 0) {
            if (errno == EINTR) continue;
            WaitUntilClosing();
            return;
        }
        if (fds[0].revents != 0) return; // closing

        const bool hungUp = (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
        std::uint32_t mask = hungUp ? (FMask & EV_ERR) : 0;
        if (arrived || (fds[1].revents & POLLIN)) mask |= EV_RXCHAR;
        if (mask != 0) {
            syncCount = InputCount();
            syncReads = FReads.load(std::memory_order_relaxed);
            if (!HandOver(mask)) return;
        }
        if (hungUp) {
            WaitUntilClosing();
            return;
        }
    }
}

} // namespace varo
