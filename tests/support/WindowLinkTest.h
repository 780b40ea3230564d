#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include "DeviceLink.h"
#include "RecordingDialogs.h"
#include "SimulatedPorts.h"
#include "Startup.h"
#include "TForm1.h"

namespace varo {

// A fresh window on a COM folder of its own, every message box recorded and
// answered OK, and the ports the test adds: simulated gateways and silent
// pseudo-terminals. The connection timers are driven by hand.
class WindowLinkTest : public testing::Test {
protected:
    WindowLinkTest();
    ~WindowLinkTest() override;

    sim::SimulatedGateway& StartGateway(int number, std::uint32_t baud,
                                        sim::SimOptions options = {}) {
        return ports.StartGateway(number, baud, std::move(options));
    }
    void AddSilentPort(int number) { ports.AddSilentPort(number); }
    void RemovePortLink(int number) { ports.RemovePortLink(number); }
    std::vector<std::string> Transcript(int number) const { return ports.Transcript(number); }
    std::vector<int> ProbeCodes(int number) const { return ports.ProbeCodes(number); }

    // Selects COM `number` and the baud item of `baud` in Manual mode.
    void ChooseManual(int number, const char* baud);
    void ChooseAuto();
    // Presses Connect and stops the timers it started, so the test takes the steps.
    void PressConnect();
    // One Timer1 tick, then the events of `wait`.
    void Tick(std::chrono::milliseconds wait = std::chrono::milliseconds(20));

    bool Connected() const; // the port is open
    int ButtonTag() const;

    SimulatedPorts ports;
    RecordingMessageBoxes boxes{MessageResult::Ok};
    ApplicationWindows windows;
    TForm1& form;
};

} // namespace varo
