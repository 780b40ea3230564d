#pragma once

#include <QTemporaryDir>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PtyPair.h"
#include "sim/SimulatedGateway.h"

namespace varo {

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

// A COM folder of the test's own (VARO_COM_DIR points at it while this
// lives) with the ports the test adds: simulated gateways, each keeping a
// transcript of the lines it accepted, and silent pseudo-terminals.
class SimulatedPorts {
public:
    // `listed(number, present)` is true once the code under test lists COM
    // `number` as present (or gone): the port calls wait for it, so that a
    // later rediscovery cannot surprise the test.
    using ListedCheck = std::function<bool(int number, bool present)>;

    explicit SimulatedPorts(ListedCheck listed);
    ~SimulatedPorts();

    // Starts a gateway published as COM `number` answering at `baud`.
    sim::SimulatedGateway& StartGateway(int number, std::uint32_t baud,
                                        sim::SimOptions options = {});
    // A pseudo-terminal nobody answers on, linked as COM `number`.
    void AddSilentPort(int number);
    void RemovePortLink(int number);
    void AwaitListed(int number, bool present = true);

    // The lines the gateway of COM `number` accepted, and the TST codes among them.
    std::vector<std::string> Transcript(int number) const;
    std::vector<int> ProbeCodes(int number) const;

    QTemporaryDir folder;

private:
    struct Gateway {
        int number;
        std::unique_ptr<sim::SimulatedGateway> gateway;
        std::string transcript;
    };
    ListedCheck FListed;
    HeldHardwarePorts FHardware;
    std::vector<Gateway> FGateways;
    std::vector<std::unique_ptr<PtyPair>> FSilentPorts;
};

// Processes events until `condition` holds or `limit` passes.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit);

// `body` ("$PCTT,...") with its checksum and CR LF.
std::string WithChecksum(const std::string& body);

} // namespace varo
