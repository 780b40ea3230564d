#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <string>

#include "ReplyWait.h"

namespace varo {

class TForm1;

// The two settings the PROPERTIES page changes on the gateway, both sent as
// the plain DBG command whose first pair carries the command code and value,
// the other pairs empty:
//   $PDBG,042,<rate code>,,,,,,*hh   NMEA 0183 baud rate
//   $PDBG,013,<seconds>,,,,,,*hh     flow rate
// Each change is confirmed by the static data block (TST 16) that the
// gateway sends afterwards; success is said only when it reports the new value.
class BaudFlowCommands {
public:
    static constexpr std::int16_t kBaudRateCommand = 42;
    static constexpr std::int16_t kFlowRateCommand = 13;
    static constexpr int kMaxFlowRate = 5;

    explicit BaudFlowCommands(TForm1& form) : form(form) {}

    // spbBaudRate: the first press shows the rate chooser and arms the
    // button ("Apply"); the second sends the chosen rate, follows the gateway
    // to it and asks for the static data block there. Confirmed: the link
    // stays up at the new rate. No answer: the old rate is tried; if the
    // gateway answers there the change did not take, else the link is lost.
    void ChangeNmeaBaudRate();
    // Button2: sends the flow rate in Edit1 (0 to 5 seconds) and reads it back.
    void SetFlowRate();

private:
    void ArmBaudChange();
    void DisarmBaudChange();
    void SendBaudChange();
    // Switches the PC's port to `rate` and asks for the static data block
    // there; `done` gets the outcome (Matched when the block reports the
    // NMEA rate `expected`, any rate when `expected` is 0).
    void ProbeAt(std::uint32_t rate, std::uint32_t expected, ReplyWait::Done done);
    void BaudAnswered(ReplyOutcome outcome, std::uint32_t oldRate, std::uint32_t newRate);
    void FlowRateAnswered(ReplyOutcome outcome, int reported);

    TForm1& form;
    QString idleCaption; // spbBaudRate's caption before it was armed
};

// The gateway's code for an NMEA 0183 baud rate: 38400 -> 2, 9600 -> 4,
// 4800 -> 5; any other rate gets the code of 38400.
std::int32_t NmeaBaudRateCode(int baudRate);

// Waits for a static data block: Matched at its end when its line `key`
// held `expected` (any value when `expected` is empty), Different when it
// held another value, still Pending when the line was missing.
// `reported` receives the value the block held.
ReplyWait::Check StaticBlockCheck(const char* key, std::string expected,
                                  std::shared_ptr<std::string> reported);

} // namespace varo
