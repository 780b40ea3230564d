// The event thread's waiting over poll() (see CommEventThread.h).
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

std::int64_t InputCount(int fd) {
    int count = 0;
    return ::ioctl(fd, FIONREAD, &count) == 0 ? count : 0;
}

} // namespace

TCommHandle TCommEventThread::OpenWake() {
    const int wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
    return wake;
}

void TCommEventThread::SignalWake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = ::write(static_cast<int>(FWake), &one, sizeof one);
}

void TCommEventThread::CloseWake() {
    ::close(static_cast<int>(FWake));
}

void TCommEventThread::WaitUntilClosing() {
    pollfd wake{static_cast<int>(FWake), POLLIN, 0};
    while (::poll(&wake, 1, -1) < 0 && errno == EINTR) {
    }
}

void TCommEventThread::Run() {
    const int device = static_cast<int>(FDevice);
    const bool watchRx = (FMask & EV_RXCHAR) != 0;
    // Queue count and read total when the last EV_RXCHAR was handed over:
    // bytes arrived since then = count + read since - count then. Bytes that
    // wait when the thread starts count as arrived.
    std::int64_t syncCount = 0;
    std::uint64_t syncReads = FReads.load(std::memory_order_relaxed);
    for (;;) {
        const std::int64_t count = InputCount(device);
        const auto readSince =
            static_cast<std::int64_t>(FReads.load(std::memory_order_relaxed) - syncReads);
        const bool arrived = watchRx && count + readSince - syncCount > 0;

        pollfd fds[2] = {{static_cast<int>(FWake), POLLIN, 0}, {device, 0, 0}};
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
            syncCount = InputCount(device);
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
