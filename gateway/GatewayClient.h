#pragma once

// The headless gateway client: opens a serial port by COM number or device
// path, finds the gateway's speed as the Auto scan does (38400, 9600, 4800)
// unless told, and runs ProfileJobs over the port in a blocking loop.

#include <cstdint>
#include <functional>
#include <string>

#include "comm/ThreadComm.h"
#include "gateway/GatewaySession.h"
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
    // Called after every step with the steps ended and queued so far.
    using Progress = std::function<void(int ended, int queued)>;

    // False with `error` when the port is absent or cannot be opened.
    bool Open(const PortChoice& choice, std::string& error);
    // Finds the speed at which the gateway sends its static data block and
    // reads its identity; false when it answers at none.
    bool Identify(ProfileIdentity& identity);
    // Runs `job` on the client's session until it ends.
    void Run(ProfileJob& job, const Progress& progress = {});

    GatewaySession& Session() { return session; }
    std::uint32_t Baud() const { return baud; }
    int ComNumber() const { return number; }

private:
    void SetBaud(std::uint32_t rate);

    TComm comm;
    GatewaySession session;
    LineAssembler assembler;
    std::uint32_t baud = 0;
    std::uint32_t givenBaud = 0;
    int number = 0;
};

} // namespace varo
