#include "comm/QtCommSynchronizer.h"

#include <QMetaObject>

namespace varo {

void TQtCommSynchronizer::Post(std::function<void()> call) {
    // QPointer is not thread-safe to dereference while the object dies on its
    // own thread; the window outlives its port, which closes in its destructor.
    QObject* context = FContext.data();
    if (!context) return;
    QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
}

} // namespace varo
