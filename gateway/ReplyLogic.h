#pragma once

// The reply wait without a clock of its own: how a request that expects an
// answer is judged, when its deadline falls and when it is sent again. The
// window drives it with a QTimer (link/ReplyWait), the headless gateway client
// with its own loop.

#include <chrono>
#include <cstdint>
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

// The attempts of one request: armed with the number of resends, each
// expired deadline either sends again or ends the wait.
class ReplyAttempts {
public:
    void Arm(int resends) {
        resendsLeft = resends;
        attempt = 0;
        armed = true;
    }
    void Disarm() { armed = false; }
    bool Armed() const { return armed; }
    // The deadline passed: true (and the next attempt number counted) while
    // a resend is left; false when the wait ends without an answer.
    bool NextAttempt() {
        if (!armed || resendsLeft <= 0) return false;
        --resendsLeft;
        ++attempt;
        return true;
    }
    int Attempt() const { return attempt; }

private:
    int resendsLeft = 0;
    int attempt = 0;
    bool armed = false;
};

// The base of every deadline.
inline constexpr std::chrono::milliseconds kReplyBase{1500};

// The deadline for an answer of a few lines at `baudRate`: `base` plus the
// time a long answer (a static data block behind a batch of output) takes on
// the line, about 2 s at 38400 baud and 5.7 s at 4800. 0 counts as 38400.
std::chrono::milliseconds ReplyDeadline(std::chrono::milliseconds base, std::uint32_t baudRate);

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
