#pragma once

#include <cstdint>

namespace varo {

class TForm1;

// The two settings the PROPERTIES page changes on the gateway, both sent as
// the plain DBG command whose first pair carries the command code and value:
//   $PDBG,042,<rate code>,,,,,,*hh   NMEA 0183 baud rate
//   $PDBG,013,<seconds>,...*hh       flow rate, pairs 2 to 4 as they stand
class BaudFlowCommands {
public:
    static constexpr std::int16_t kBaudRateCommand = 42;
    static constexpr std::int16_t kFlowRateCommand = 13;
    static constexpr int kMaxFlowRate = 5;

    explicit BaudFlowCommands(TForm1& form) : form(form) {}

    // spbBaudRate: the first press shows the rate chooser and arms the
    // button ("Apply"); the second sends the chosen rate and, once sent,
    // disconnects so that the user reconnects at the new rate.
    void ChangeNmeaBaudRate();
    // Button2: sends the flow rate in Edit1 (0 to 5 seconds).
    void SetFlowRate();

private:
    void ArmBaudChange();
    void SendBaudChange();

    TForm1& form;
};

// The gateway's code for an NMEA 0183 baud rate: 38400 -> 2, 9600 -> 4,
// 4800 -> 5; any other rate gets the code of 38400.
std::int32_t NmeaBaudRateCode(int baudRate);

} // namespace varo
