#pragma once

#include <cstdint>

namespace varo {

class TForm1;

// Watches a live link while the CONFIGURATION page is open (the page
// watcher runs PIC_Timer, 100 ms, only then): after 5 seconds without a
// received line it sends one TST probe, after 7 seconds it disconnects and
// asks the user to check the gateway. Every accepted line resets the count
// (FLinkSilenceTicks, kept by the receive path).
class LinkWatchdog {
public:
    static constexpr std::int32_t kProbeAfterTicks = 50;
    static constexpr std::int32_t kDropAfterTicks = 70;

    explicit LinkWatchdog(TForm1& form) : form(form) {}

    // One PIC_Timer tick.
    void OnWatchdogTimer();

    bool ProbeSent() const { return probeSent; }

private:
    bool Connected() const;

    TForm1& form;
    bool probeSent = false; // the probe of the current silence has gone out
};

} // namespace varo
