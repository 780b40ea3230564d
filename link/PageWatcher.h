#pragma once

class TForm1;

// Tells the gateway when the CONFIGURATION page is opened (TST code 2) or
// left (code 0), once per change, and runs the link watchdog PIC_Timer only
// while that page is shown. It acts while the link controls are on: at the
// first DetectTabSheet tick after the link comes up (which sends the code of
// the page shown) and at every later page change.
class PageWatcher {
public:
    explicit PageWatcher(TForm1& form);

    // One look at the page shown.
    void DetectTabSheetTimer();

private:
    TForm1& form;
    bool FEntering = true;
    bool FLeaving = true;
};
