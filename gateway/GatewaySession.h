#pragma once

// A conversation with the gateway without any I/O of its own: it is fed the
// received lines and the time, and says what to send and when its next
// deadline falls. It runs a queue of steps one at a time; each step sends its
// lines, waits for the answer its check accepts, is sent again once (its
// `again` lines) when the deadline passes, and ends in one ReplyOutcome. A
// step's `done` may queue further steps. The command line drives a session
// over a port in a blocking loop, the window over its open device link.

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gateway/ReplyLogic.h"

namespace varo {

class GatewaySession {
public:
    using Clock = std::chrono::steady_clock;
    using Check = std::function<LineVerdict(std::string_view line)>;
    using Done = std::function<void(ReplyOutcome)>;

    struct Step {
        std::vector<std::string> first; // lines (CR LF included) of the first attempt
        std::vector<std::string> again; // lines of the resend
        Check check;                    // none: the step ends Matched once sent
        Done done;
    };

    // Deadlines follow the line speed; `base` is ReplyLogic's unless a test shortens it.
    explicit GatewaySession(std::uint32_t baudRate = 38400,
                            std::chrono::milliseconds base = kReplyBase);

    void Add(Step step);
    // Starts the first queued step if none runs.
    void Run(Clock::time_point now);
    // Every received line (without CR LF), in arrival order.
    void OnLine(std::string_view line, Clock::time_point now);
    // The time passed: a step whose deadline has come is sent again or ends.
    void OnTime(Clock::time_point now);
    // Drops every step without an outcome.
    void Cancel();

    // The lines to write now, in order; taking them empties the list.
    std::vector<std::string> TakeOutgoing();
    // When OnTime must be called next; nothing while no step waits.
    std::optional<Clock::time_point> Deadline() const;
    bool Idle() const { return !running && steps.empty(); }
    void SetBaudRate(std::uint32_t baudRate) { baud = baudRate; }
    std::uint32_t BaudRate() const { return baud; }
    // Steps ended so far and steps ever queued: the progress of the work.
    int Ended() const { return ended; }
    int Queued() const { return queued; }

private:
    void StartNext(Clock::time_point now);
    void Finish(ReplyOutcome outcome, Clock::time_point now);

    std::uint32_t baud;
    std::chrono::milliseconds base;
    std::deque<Step> steps;
    Step current;
    bool running = false;
    ReplyAttempts attempts;
    Clock::time_point deadline{};
    std::vector<std::string> outgoing;
    int ended = 0;
    int queued = 0;
};

} // namespace varo
