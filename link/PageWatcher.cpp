#include "PageWatcher.h"

#include "DeviceLink.h"
#include "gateway/Protocol.h"

namespace varo {

PageWatcher::PageWatcher(DeviceLink& link) : link(link) {
    DetectTabSheet.setObjectName(QStringLiteral("DetectTabSheet"));
    DetectTabSheet.setInterval(1);
    DetectTabSheet.setSingleShot(true);
    QObject::connect(&DetectTabSheet, &QTimer::timeout, [this] {
        // The link controls come on with a confirmed link; without one there is
        // nobody to tell.
        if (!this->link.FLinked) return;
        // A new link reports the page it finds, whatever the last link reported.
        FEntering = true;
        FLeaving = true;
        DetectTabSheetTimer();
    });
}

void PageWatcher::PageChanged() {
    // The link controls are on exactly while the link is confirmed; a change
    // before the first tick is seen by that tick.
    if (link.FLinked && !DetectTabSheet.isActive()) DetectTabSheetTimer();
}

void PageWatcher::DetectTabSheetTimer() {
    const bool configurationShown = link.View.ConfigurationPageShown();
    if (configurationShown && FEntering) {
        link.View.RunWatchdog(true);
        link.LinkProbe(protocol::kProbeConfigurationOpen);
        FLeaving = true;
        FEntering = false;
    } else if (!configurationShown && FLeaving) {
        link.View.RunWatchdog(false);
        link.LinkProbe(protocol::kProbeConfigurationClosed);
        FLeaving = false;
        FEntering = true;
    }
}

} // namespace varo
