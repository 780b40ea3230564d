#pragma once

// The lines waiting for the wire, and the pace at which they may go.
//
// Replies to commands go before the periodic output. The periodic output is
// held to at most one second of line capacity: what the line cannot carry is
// dropped, as a gateway whose output outruns its port drops sentences.

#include <chrono>
#include <cstddef>
#include <deque>
#include <string>

namespace varo::sim {

using SimClock = std::chrono::steady_clock;

class OutputQueue {
public:
    // `bytesPerSecond` 0: no pacing (flood).
    void SetRate(std::size_t bytesPerSecond) { FRate = bytesPerSecond; }

    void PushReply(std::string line) { FReplies.push_back(std::move(line)); }
    // False when the line was dropped for want of line capacity.
    bool PushOutput(std::string line);
    void DropOutput();
    void Clear();

    bool Empty() const { return FReplies.empty() && FOutput.empty(); }
    bool OutputEmpty() const { return FOutput.empty(); }
    bool HasReplies() const { return !FReplies.empty(); }

    // The next line if the pace allows one at `now`; false otherwise.
    bool Pop(SimClock::time_point now, std::string& line, bool& isReply);
    // When the next line may go (now or earlier when it may go at once).
    SimClock::time_point NextAllowed() const { return FNextAllowed; }

private:
    std::size_t FRate = 0;
    std::deque<std::string> FReplies;
    std::deque<std::string> FOutput;
    std::size_t FOutputBytes = 0;
    SimClock::time_point FNextAllowed{};
};

} // namespace varo::sim