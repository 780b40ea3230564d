#pragma once

// The event thread of an open port: waits for line events on the device and
// on a wake-up object, and hands each event mask to the owning thread through
// the synchronizer, waiting until it has been handled or the port is closing.
// It touches nothing of the port object but the device handle. The waiting is
// the platform's (CommEventThreadPosix.cpp, CommEventThreadWin32.cpp); the
// hand-over is shared.
//
// POSIX: poll() on the device and an eventfd. EV_RXCHAR is reported when
// bytes arrived since the last report. Bytes left unread by the handler are
// not reported again; while some wait, the thread checks the queue every few
// milliseconds instead of waiting for POLLIN (which would stay raised and
// spin), and counts the bytes the port read (NoteRead) to tell new arrivals
// from the backlog. A hang-up (POLLHUP, POLLERR) is reported once as EV_ERR;
// the thread then waits only for the port to close.
//
// Windows: SetCommMask and an overlapped WaitCommEvent, waited for together
// with a wake-up event; closing cancels the pending wait. A wait that fails
// (the device was removed) is reported once as EV_ERR, as a hang-up is.

#include "comm/CommSynchronizer.h"
#include "comm/CommTypes.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace varo {

class TCommEventThread {
public:
    // Runs on the owning thread with the event mask.
    using THandler = std::function<void(std::uint32_t Mask)>;

    // Starts waiting at once. Throws std::system_error when no thread or
    // wake-up object can be made.
    TCommEventThread(TCommHandle Device, std::uint32_t SuspendTime, TCommEventTypes Events,
                     std::shared_ptr<TCommSynchronizer> Synchronizer, THandler Handler);
    // Terminates.
    ~TCommEventThread();
    TCommEventThread(const TCommEventThread&) = delete;
    TCommEventThread& operator=(const TCommEventThread&) = delete;

    // Clears the handler, so that no further event is handled, wakes the
    // thread and joins it. Safe while the thread waits in a hand-over: that
    // wait also ends when the port is closing. Call on the owning thread.
    void Terminate();

    // Bytes the port read from the device since it opened (see above).
    void NoteRead(std::uint64_t Count) { FReads.fetch_add(Count, std::memory_order_relaxed); }

    std::uint32_t EventMask() const { return FMask; }
    std::uint32_t SuspendTime() const { return FSuspendTime; }

private:
    // The state of the hand-over, shared with posted calls, which may outlive the thread.
    struct THandOver {
        std::mutex Mutex;
        std::condition_variable Changed;
        bool Closing = false;
        bool Done = false;
        THandler Handler;
    };

    // The platform's part: the wake-up object and the wait loop.
    static TCommHandle OpenWake();
    void SignalWake();
    void CloseWake();
    void WaitUntilClosing();
    void Run();

    // Posts the mask and waits until it ran or the port is closing; false when closing.
    bool HandOver(std::uint32_t Mask);

    const TCommHandle FDevice;
    const std::uint32_t FSuspendTime; // kept for the interface; waiting needs no pause
    const std::uint32_t FMask;
    std::shared_ptr<TCommSynchronizer> FSynchronizer;
    std::shared_ptr<THandOver> FHandOver;
    std::atomic<std::uint64_t> FReads{0};
    TCommHandle FWake = InvalidCommHandle;
    std::thread FThread;
};

} // namespace varo
