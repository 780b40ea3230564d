#include "LinkWatchdog.h"

#include "DeviceLink.h"
#include "Dialogs.h"
#include "TForm1.h"
#include "UiTexts.h"
#include "gateway/Protocol.h"

namespace varo {

bool LinkWatchdog::Connected() const {
    return form.FLink->ConnectPressed();
}

void LinkWatchdog::OnWatchdogTimer() {
    std::int32_t silent = 0;
    if (Connected()) {
        silent = form.FLink->CountSilentTick();
    } else {
        form.FLink->ResetSilence();
        probeSent = false;
    }

    if (silent <= kProbeAfterTicks) {
        probeSent = false;
    } else if (!probeSent && Connected()) {
        // A failed probe has been reported by the send path; the count goes on.
        form.FLink->LinkProbe(protocol::kProbeConfigurationOpen);
        probeSent = true;
    }

    if (silent > kDropAfterTicks) {
        // Disconnecting switches the link controls off, which stops this timer.
        form.OpenPortClick();
        ModalMessage(form.FTexts.CheckConnection, QString::fromUtf8(kApplicationTitle),
                     MessageIcon::None, MessageButtons::Ok);
    }
}

} // namespace varo
