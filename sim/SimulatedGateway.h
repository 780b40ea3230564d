#pragma once

// The simulated gateway as a component: the command-line front and the
// tool's simulation mode both run it. Start() opens the pseudo-terminal,
// publishes it in the COM folder and serves on a thread of its own until
// Stop(), which removes the link again.

#include "sim/SimOptions.h"

#include <memory>
#include <string>
#include <thread>

namespace varo::sim {

class GatewayLoop;

class SimulatedGateway {
public:
    explicit SimulatedGateway(SimOptions options);
    ~SimulatedGateway();
    SimulatedGateway(const SimulatedGateway&) = delete;
    SimulatedGateway& operator=(const SimulatedGateway&) = delete;

    // False with `error` set when the terminal, its link or the transcript
    // cannot be made; also when already started.
    bool Start(std::string& error);
    // Stops serving, removes the link and closes the terminal. Idempotent.
    void Stop();
    bool Running() const { return FThread.joinable(); }

    // The COM number and the device path of the terminal ("" while unplugged).
    int ComNumber() const;
    std::string DevicePath() const;

private:
    SimOptions FOptions;
    std::unique_ptr<GatewayLoop> FLoop;
    std::thread FThread;
    int FWake[2] = {-1, -1};
};

} // namespace varo::sim