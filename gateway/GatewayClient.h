#pragma once

// The headless gateway client: opens a serial port by COM number or device
// path, finds the gateway's speed as the Auto scan does (38400, 9600, 4800)
// unless told, and drives the gateway engine over the port in a blocking
// loop. A port that hangs up, or a write or speed change that fails, ends
// the work at once as a lost port; no exception of the serial component
// leaves the client.

#include <cstdint>
#include <functional>
#include <string>

#include "comm/ThreadComm.h"
#include "gateway/GatewayEngine.h"
#include "gateway/LineAssembler.h"
#include "gateway/Profile.h"
#include "gateway/ProfileJob.h"

namespace varo {

struct PortChoice {
    int comNumber = 0;      // used when `device` is empty
    std::string device;     // a device path
    std::uint32_t baud = 0; // 0: search 38400, 9600, 4800
};

class GatewayClient {
public:
    // Called after every exchange with the exchanges ended and queued so far.
    using Progress = std::function<void(int ended, int queued)>;

    // False with `error` when the port is absent or cannot be opened.
    bool Open(const PortChoice& choice, std::string& error);
    // Finds the speed at which the gateway sends a whole static data block
    // and reads its identity; false with `error` when it answers at none, its
    // block cannot be read whole, or the port is lost.
    bool Identify(ProfileIdentity& identity, std::string& error);
    // Runs `job` on the client's engine until it ends.
    void Run(ProfileJob& job, const Progress& progress = {});

    GatewayEngine& Engine() { return engine; }
    std::uint32_t Baud() const { return engine.BaudRate(); }
    int ComNumber() const { return number; }
    // "COM3 (/dev/ttyUSB0)" or the device path: how messages name the port.
    const std::string& PortName() const { return name; }

private:
    // Writes what the engine has to send, at the speed it asks for.
    void Transmit();
    // Reads what has arrived into the engine; false when nothing had.
    bool Receive();
    void SetBaud(std::uint32_t rate);
    void PortLost();

    TComm comm;
    GatewayEngine engine;
    LineAssembler assembler;
    std::uint32_t givenBaud = 0;
    int number = 0;
    std::string name;
};

} // namespace varo
