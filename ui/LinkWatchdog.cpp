#include "LinkWatchdog.h"

#include <QToolButton>

#include "Dialogs.h"
#include "Startup.h"
#include "TForm1.h"
#include "Tag.h"

bool LinkWatchdog::Connected() const {
    return Tag(form.OpenPort) == 1;
}

void LinkWatchdog::OnWatchdogTimer() {
    if (Connected()) {
        ++form.FLinkSilenceTicks;
    } else {
        form.FLinkSilenceTicks = 0;
        probeSent = false;
    }

    if (form.FLinkSilenceTicks <= kProbeAfterTicks) {
        probeSent = false;
    } else if (!probeSent && Connected()) {
        // A failed probe has been reported by the send path; the count goes on.
        form.LinkProbe(kProbeCode);
        probeSent = true;
    }

    if (form.FLinkSilenceTicks > kDropAfterTicks) {
        // Disconnecting switches the link controls off, which stops this timer.
        form.OpenPortClick();
        ModalMessage(QStringLiteral("Please check RZ-60 connection"),
                     QString::fromUtf8(kApplicationTitle), MessageIcon::None, MessageButtons::Ok);
    }
}
