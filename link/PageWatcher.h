#pragma once

#include <QTimer>

namespace varo {

class DeviceLink;

// Tells the gateway when the CONFIGURATION page is opened (TST code 2) or
// left (code 0), once per change, and runs the link watchdog only while that
// page is shown. It acts while the link is confirmed: at the first
// DetectTabSheet tick after the link comes up (which sends the code of the
// page shown) and at every later page change.
class PageWatcher {
public:
    explicit PageWatcher(DeviceLink& link);

    // One look at the page shown.
    void DetectTabSheetTimer();
    // The page shown changed.
    void PageChanged();

    // Started by the link controls coming on: instead of looking every
    // millisecond, look once then and at each page change.
    QTimer DetectTabSheet;

private:
    DeviceLink& link;
    bool FEntering = true;
    bool FLeaving = true;
};

} // namespace varo
