#pragma once

// Hands the serial events to the thread of a QObject (the main window): each
// posted call is queued into that thread's event loop, while the event thread
// waits for it on its own condition variable.

#include "comm/CommSynchronizer.h"

#include <QObject>
#include <QPointer>

namespace varo {

class TQtCommSynchronizer : public TCommSynchronizer {
public:
    explicit TQtCommSynchronizer(QObject* Context) : FContext(Context) {}
    // Calls posted after the context is gone are dropped; the event thread's
    // wait then ends when the port closes.
    void Post(std::function<void()> call) override;

private:
    QPointer<QObject> FContext;
};

} // namespace varo
