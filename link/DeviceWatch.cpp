#include "DeviceWatch.h"

#include <QSocketNotifier>

#include "TForm1.h"
#include "platform/com_folder.h"
#include "platform/device_notifier.h"

DeviceWatch::DeviceWatch(TForm1& form) {
    FNotifier = std::make_unique<platform::DeviceNotifier>(
        platform::ComFolder(), [&form](platform::DeviceChange change) {
            form.OnDeviceChange(change == platform::DeviceChange::Arrival
                                    ? DeviceChange::Arrival
                                    : DeviceChange::RemovalComplete);
        });
    if (FNotifier->fd() < 0) return;
    FReadable = std::make_unique<QSocketNotifier>(FNotifier->fd(), QSocketNotifier::Read);
    QObject::connect(FReadable.get(), &QSocketNotifier::activated, FReadable.get(),
                     [this] { FNotifier->handleReadable(); });
}

// The socket notifier goes before the descriptor it watches.
DeviceWatch::~DeviceWatch() {
    FReadable.reset();
}
