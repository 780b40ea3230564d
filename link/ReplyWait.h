#pragma once

#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string_view>

#include "gateway/ReplyLogic.h"

namespace varo {

// One request that expects an answer: it is sent, armed with what it expects
// and a deadline, sent again once when the deadline passes, and ends in
// exactly one ReplyOutcome. Only one request waits at a time; starting another
// replaces it without an outcome. Needs nothing but QtCore's timer and an
// event loop; the judgement and the attempts are gateway/ReplyLogic's.
class ReplyWait {
public:
    // Sends the request; `attempt` is 0 the first time, 1 for the resend.
    // False when it could not be written.
    using Send = std::function<bool(int attempt)>;
    // Judges each received line (without CR LF) while the request waits.
    using Check = std::function<LineVerdict(std::string_view line)>;
    // Called once with the outcome, from the event loop after the wait is
    // disarmed: it may start the next request.
    using Done = std::function<void(ReplyOutcome)>;

    ReplyWait();

    // Sends and arms. False when the first send failed: nothing is armed and
    // `done` is not called (the sender has told the user already).
    bool Start(Send send, Check check, Done done, std::chrono::milliseconds deadline,
               int resends = 1);
    // Every received line, in arrival order.
    void OnLine(std::string_view line);
    // The deadline passed: sends again while resends are left, else ends
    // with NoAnswer.
    void Expire();
    // Disarms without an outcome (the link went down).
    void Cancel();
    bool Waiting() const { return attempts.Armed(); }

    // The deadline for an answer of a few lines at `baudRate`: the base time
    // plus the time a long answer (a static data block behind a batch of
    // output) takes on the line, about 2 s at 38400 baud and 5.7 s at 4800.
    std::chrono::milliseconds DeadlineAt(std::uint32_t baudRate) const;
    // The base of every deadline; tests shorten it.
    std::chrono::milliseconds Base{kReplyBase};

    QTimer Deadline; // single shot, runs Expire

private:
    void Finish(ReplyOutcome outcome);

    Send send;
    Check check;
    Done done;
    ReplyAttempts attempts;
};

} // namespace varo
