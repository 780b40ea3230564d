#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "RecordingDialogs.h"
#include "Startup.h"
#include "TForm1.h"
#include "pty_pair.h"
#include "sim/SimulatedGateway.h"

// Points VARO_COM_DIR at `folder`; true so that it can run in an initializer list.
bool UseComFolder(const QTemporaryDir& folder);

// Holds the machine's hardware serial ports locked, so that discovery lists
// them but only the test's own ports can be opened.
class HeldHardwarePorts {
public:
    HeldHardwarePorts();
    ~HeldHardwarePorts();
    HeldHardwarePorts(const HeldHardwarePorts&) = delete;
    HeldHardwarePorts& operator=(const HeldHardwarePorts&) = delete;

private:
    std::vector<int> FDescriptors;
};

// A fresh window on a COM folder of its own, every message box recorded and
// answered OK, and the ports the test adds: simulated gateways and silent
// pseudo-terminals. The connection timers are driven by hand.
class LinkTest : public testing::Test {
protected:
    LinkTest();
    ~LinkTest() override;

    // Starts a gateway published as COM `number` answering at `baud`.
    sim::SimulatedGateway& StartGateway(int number, std::uint32_t baud);
    // A pseudo-terminal nobody answers on, linked as COM `number`.
    void AddSilentPort(int number);
    void RemovePortLink(int number);
    void AwaitListed(int number);

    // Selects COM `number` and the baud item of `baud` in Manual mode.
    void ChooseManual(int number, const char* baud);
    void ChooseAuto();
    // Presses Connect and stops the timers it started, so the test takes the steps.
    void PressConnect();
    // One Timer1 tick, then the events of `wait`.
    void Tick(std::chrono::milliseconds wait = std::chrono::milliseconds(20));
    // Processes events until `condition` holds or `limit` passes.
    bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit);

    // The lines the gateway of COM `number` accepted, and the TST codes among them.
    std::vector<std::string> Transcript(int number) const;
    std::vector<int> ProbeCodes(int number) const;

    bool Connected() const; // the port is open
    int ButtonTag() const;

    QTemporaryDir folder;
    bool folderInUse;
    HeldHardwarePorts hardware;
    RecordingMessageBoxes boxes{MessageResult::Ok};
    ApplicationWindows windows;
    TForm1& form;

private:
    struct Gateway {
        int number;
        std::unique_ptr<sim::SimulatedGateway> gateway;
        std::string transcript;
    };
    std::vector<Gateway> FGateways;
    std::vector<std::unique_ptr<PtyPair>> FSilentPorts;
};

// `body` ("$PCTT,...") with its checksum and CR LF.
std::string WithChecksum(const std::string& body);
