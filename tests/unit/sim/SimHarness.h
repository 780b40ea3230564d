#pragma once

// Drives a simulated gateway through the tool's own serial object, on the
// gateway's pseudo-terminal, in a scratch COM folder.

#include "PtyPair.h"
#include "comm/ThreadComm.h"
#include "sentence/Composer.h"
#include "sim/SimulatedGateway.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varo::simtest {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// "$" + body + "*hh\r\n", finished by the codec's composer.
inline std::string Sentence(const std::string& body) {
    char text[100] = {};
    body.copy(text, sizeof text - 8);
    return varo::finishSentence(text, sizeof text) ? std::string(text) : std::string();
}

// The same without its CR LF, as a line is received.
inline std::string Bare(const std::string& body) {
    const std::string line = Sentence(body);
    return line.substr(0, line.size() - 2);
}

struct ReceivedLine {
    std::string text; // without CR LF
    Clock::time_point at;
};

class SimHarness {
public:
    explicit SimHarness(sim::SimOptions options = {}) {
        ::setenv("VARO_COM_DIR", Folder.Path.c_str(), 1);
        options.transcriptPath = Folder / "transcript.txt";
        Gateway = std::make_unique<sim::SimulatedGateway>(options);
        Port.OnRxChar = [this](TThreadComm*, std::uint32_t count) { Receive(count); };
    }
    ~SimHarness() {
        Port.Close();
        Gateway->Stop();
    }

    bool Start() {
        std::string error;
        return Gateway->Start(error);
    }
    // Opens "\\.\COMn" at `rate`, as the tool does.
    bool Connect(TBaudRate rate = TBaudRate::br38400) {
        Port.Close();
        Port.SetDeviceName("\\\\.\\COM" + std::to_string(Gateway->ComNumber()));
        Port.SetBaudRate(rate);
        Port.Open();
        Lines.clear();
        Raw.clear();
        Partial.clear();
        Taken = 0;
        return Port.Connected();
    }
    bool Send(const std::string& body) {
        const std::string line = Sentence(body);
        return Port.Write(line.data(), int(line.size())) == int(line.size());
    }
    bool SendRaw(const std::string& line) {
        return Port.Write(line.data(), int(line.size())) == int(line.size());
    }
    // Runs the port's events for `duration`.
    void Pump(Clock::duration duration) {
        const auto end = Clock::now() + duration;
        while (Clock::now() < end)
            Sync->ProcessOne(10ms);
    }
    // Runs events until a received line satisfies `match`; that line, or "" on a time-out.
    std::string WaitFor(const std::function<bool(const std::string&)>& match,
                        Clock::duration timeout = 2s) {
        const auto end = Clock::now() + timeout;
        std::size_t checked = 0;
        while (Clock::now() < end) {
            for (; checked < Lines.size(); ++checked)
                if (match(Lines[checked].text)) return Lines[checked].text;
            Sync->ProcessOne(10ms);
        }
        return {};
    }
    std::string WaitForPrefix(const std::string& prefix, Clock::duration timeout = 2s) {
        return WaitFor([&](const std::string& l) { return l.rfind(prefix, 0) == 0; }, timeout);
    }
    // The lines received since the mark, and the mark moved to the end.
    std::vector<ReceivedLine> TakeLines() {
        std::vector<ReceivedLine> taken(Lines.begin() + long(Taken), Lines.end());
        Taken = Lines.size();
        return taken;
    }
    std::vector<std::string> Transcript() const {
        std::ifstream file(Folder / "transcript.txt");
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        return lines;
    }

    TempFolder Folder;
    std::unique_ptr<sim::SimulatedGateway> Gateway;
    std::shared_ptr<TQueueCommSynchronizer> Sync = std::make_shared<TQueueCommSynchronizer>();
    TComm Port{Sync};
    std::vector<ReceivedLine> Lines;
    std::string Raw; // every byte received
    std::size_t Taken = 0;

private:
    void Receive(std::uint32_t count) {
        std::string bytes(count, '\0');
        const int n = Port.Read(bytes.data(), int(bytes.size()));
        if (n <= 0) return;
        bytes.resize(std::size_t(n));
        Raw += bytes;
        for (char c : bytes) {
            if (c == '\n') {
                if (!Partial.empty() && Partial.back() == '\r') Partial.pop_back();
                Lines.push_back({Partial, Clock::now()});
                Partial.clear();
            } else {
                Partial.push_back(c);
            }
        }
    }
    std::string Partial;
};

} // namespace varo::simtest