#pragma once

#include <QString>
#include <cstdint>

#include "gateway/GatewayEngine.h"

namespace varo {

class TForm1;

// The two settings the PROPERTIES page changes on the gateway: its NMEA 0183
// baud rate and its flow rate. The gateway engine sends each change and
// confirms it by the static data block the gateway sends afterwards; the
// page says "changed" only when the block reports the new value.
class BaudFlowCommands {
public:
    explicit BaudFlowCommands(TForm1& form) : form(form) {}

    // spbBaudRate: the first press shows the rate chooser and arms the
    // button ("Apply"); the second asks for the chosen rate. The link follows
    // the gateway to it; confirmed when the gateway answers there. No answer:
    // the old rate is tried; if the gateway answers there the change did not
    // take, else the link is lost.
    void ChangeNmeaBaudRate();
    // Button2: asks for the flow rate in Edit1 (0 to 5 seconds).
    void SetFlowRate();

private:
    void ArmBaudChange();
    void DisarmBaudChange();
    void SendBaudChange();
    void BaudAnswered(const GatewayOutcome& outcome, std::uint32_t oldRate, std::uint32_t newRate);
    void FlowRateAnswered(const GatewayOutcome& outcome);
    // The box goes back to what the gateway last reported.
    void ShowReportedFlowRate();

    TForm1& form;
    QString idleCaption; // spbBaudRate's caption before it was armed
};

} // namespace varo
