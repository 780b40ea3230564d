#include "DeviceWatch.h"

#include <QSocketNotifier>

#include "DeviceLink.h"
#include "platform/ComFolder.h"
#include "platform/DeviceNotifier.h"

namespace varo {

DeviceWatch::DeviceWatch(DeviceLink& link) {
    FNotifier = std::make_unique<platform::DeviceNotifier>(
        platform::ComFolder(),
        [&link](platform::DeviceChange change) { link.OnDeviceChange(change); });
    if (FNotifier->fd() < 0) return;
    FReadable = std::make_unique<QSocketNotifier>(FNotifier->fd(), QSocketNotifier::Read);
    QObject::connect(FReadable.get(), &QSocketNotifier::activated, FReadable.get(),
                     [this] { FNotifier->handleReadable(); });
}

// The socket notifier goes before the descriptor it watches.
DeviceWatch::~DeviceWatch() {
    FReadable.reset();
}

} // namespace varo
