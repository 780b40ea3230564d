#include "comm/CommSynchronizer.h"

namespace varo {

void TQueueCommSynchronizer::Post(std::function<void()> call) {
    {
        std::lock_guard lock(FMutex);
        FCalls.push_back(std::move(call));
    }
    FPosted.notify_all();
}

bool TQueueCommSynchronizer::ProcessOne(std::chrono::milliseconds timeout) {
    std::function<void()> call;
    {
        std::unique_lock lock(FMutex);
        if (!FPosted.wait_for(lock, timeout, [this] { return !FCalls.empty(); })) return false;
        call = std::move(FCalls.front());
        FCalls.pop_front();
    }
    call(); // outside the lock: the call may post again or close the port
    return true;
}

std::size_t TQueueCommSynchronizer::ProcessPending() {
    std::size_t count = 0;
    while (ProcessOne(std::chrono::milliseconds(0)))
        ++count;
    return count;
}

} // namespace varo
