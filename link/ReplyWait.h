#pragma once

#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string_view>

#include "sentence/SentenceRecord.h"

namespace varo {

// How a request that expects an answer ended.
enum class ReplyOutcome {
    Matched,   // the gateway answered and the answer is what was asked for
    Different, // the gateway answered, but not as asked (refused, other values)
    NoAnswer,  // no answer before the deadline, even after the one resend
};

// What one received line means to the request being waited for.
enum class LineVerdict { Pending, Matched, Different };

// One request that expects an answer: it is sent, armed with what it expects
// and a deadline, sent again once when the deadline passes, and ends in
// exactly one ReplyOutcome. Only one request waits at a time; starting another
// replaces it without an outcome. Needs nothing but QtCore's timer and an
// event loop, so the window and a headless client use it alike.
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
    bool Waiting() const { return armed; }

    // The deadline for an answer of a few lines at `baudRate`: the base time
    // plus the time a long answer (a static data block behind a batch of
    // output) takes on the line, about 2 s at 38400 baud and 5.7 s at 4800.
    std::chrono::milliseconds DeadlineAt(std::uint32_t baudRate) const;
    // The base of every deadline; tests shorten it.
    std::chrono::milliseconds Base{1500};

    QTimer Deadline; // single shot, runs Expire

private:
    void Finish(ReplyOutcome outcome);

    Send send;
    Check check;
    Done done;
    int resendsLeft = 0;
    int attempt = 0;
    bool armed = false;
};

// ---- Checks for the gateway's answers ----

// The fields of a CTT sentence in `line` (without CR LF); false when the
// line is no valid CTT sentence.
bool ReadCttSentence(std::string_view line, CttFields& fields);
// The value of a static data line "KEY = (VALUE)"; false when the line is
// not `key`'s.
bool ReadStaticValue(std::string_view line, std::string_view key, std::string_view& value);
// The last line of the static data block.
bool IsStaticDataEnd(std::string_view line);

} // namespace varo
