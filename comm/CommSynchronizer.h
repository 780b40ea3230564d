#pragma once

// How the event thread reaches the thread that owns the port (the UI thread).
//
// The event thread posts a call and then waits, on a condition variable of
// its own, until that call has run or the port is closing; the synchronizer
// only has to run posted calls, in order, on the owning thread. A posted call
// that runs after the port closed does nothing, so a synchronizer may run
// calls late or drop them when the owning thread goes away.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace varo {

class TCommSynchronizer {
public:
    virtual ~TCommSynchronizer() = default;
    // Called on the event thread; runs `call` later on the owning thread.
    virtual void Post(std::function<void()> call) = 0;
};

// A synchronizer without a window: posted calls queue up until the owning
// thread pumps them.
class TQueueCommSynchronizer : public TCommSynchronizer {
public:
    void Post(std::function<void()> call) override;

    // Runs the oldest posted call, waiting up to `timeout` for one. False when none came.
    bool ProcessOne(std::chrono::milliseconds timeout);
    // Runs the calls posted so far; returns how many ran.
    std::size_t ProcessPending();

private:
    std::mutex FMutex;
    std::condition_variable FPosted;
    std::deque<std::function<void()>> FCalls;
};

} // namespace varo
