#include "comm/CommEventThread.h"

namespace varo {

TCommEventThread::TCommEventThread(TCommHandle Device, std::uint32_t SuspendTime,
                                   TCommEventTypes Events,
                                   std::shared_ptr<TCommSynchronizer> Synchronizer,
                                   THandler Handler)
    : FDevice(Device), FSuspendTime(SuspendTime), FMask(varo::EventMask(Events)),
      FSynchronizer(std::move(Synchronizer)), FHandOver(std::make_shared<THandOver>()) {
    FHandOver->Handler = std::move(Handler);
    FWake = OpenWake();
    try {
        FThread = std::thread([this] { Run(); });
    } catch (...) {
        CloseWake();
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
    if (FWake != InvalidCommHandle) SignalWake();
    if (FThread.joinable()) FThread.join();
    if (FWake != InvalidCommHandle) CloseWake();
    FWake = InvalidCommHandle;
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

} // namespace varo
