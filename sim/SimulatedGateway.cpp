#include "sim/SimulatedGateway.h"

#include "sim/GatewayLoop.h"

#include <fcntl.h>
#include <unistd.h>

namespace varo::sim {

SimulatedGateway::SimulatedGateway(SimOptions options) : FOptions(std::move(options)) {}

SimulatedGateway::~SimulatedGateway() {
    Stop();
}

bool SimulatedGateway::Start(std::string& error) {
    if (Running()) {
        error = "already started";
        return false;
    }
    auto loop = std::make_unique<GatewayLoop>(FOptions);
    if (!loop->Open(error)) return false;
    if (::pipe2(FWake, O_CLOEXEC) != 0) {
        error = "cannot make the stop pipe";
        loop->Close();
        return false;
    }
    FLoop = std::move(loop);
    FThread = std::thread([this] { FLoop->Run(FWake[0]); });
    return true;
}

void SimulatedGateway::Stop() {
    if (!Running()) return;
    const char stop = 1;
    [[maybe_unused]] const ssize_t written = ::write(FWake[1], &stop, 1);
    FThread.join();
    FLoop->Close();
    ::close(FWake[0]);
    ::close(FWake[1]);
    FWake[0] = FWake[1] = -1;
}

int SimulatedGateway::ComNumber() const {
    return FLoop ? FLoop->ComNumber() : 0;
}

std::string SimulatedGateway::DevicePath() const {
    return FLoop ? FLoop->DevicePath() : "";
}

} // namespace varo::sim