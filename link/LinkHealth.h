#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varo {

// Why a received line was dropped; None for a line that was taken.
enum class LineDrop : std::uint8_t {
    None,
    Checksum,         // a "$" or "!" line whose checksum does not match
    Ending,           // a "$" or "!" line that does not end in "*hh"
    TooLong,          // longer than a line may be
    NotSentence,      // bytes that are no text, or short text without a start character
    UnknownFormatter, // a sentence whose formatter the data view does not know
};
inline constexpr std::size_t kLineDropCount = 6;

// What the technician needs to judge the line: when the last line came, how
// many come per second, how many were dropped and why, and how many bytes
// looked like a gateway talking at another speed. Fed by the receive path's
// line assembly, read by the screen's health bar and by the connection
// manager when an attempt fails. UI thread only.
class LinkHealth {
public:
    using Clock = std::chrono::steady_clock;

    // Why the last attempt found no gateway.
    enum class Cause { NothingReceived, OtherSpeed, NoStaticDataEnd };

    // A new attempt or link: every figure starts again from `now`.
    void Reset(Clock::time_point now);
    // The raw bytes of one read: those outside printable ASCII and the line
    // ends are what another speed turns a sentence into.
    void NoteBytes(const std::uint8_t* bytes, std::size_t count);
    // A line the assembler accepted (without CR LF). A line with bytes that
    // are no text is dropped as "not a sentence"; a "$" or "!" line without
    // its "*hh" ending as "ending", one whose checksum fails as "checksum".
    // Returns why it was dropped.
    LineDrop NoteLine(std::string_view line, Clock::time_point now);
    // A line the assembler dropped for its length.
    void NoteTooLong() { ++FTooLong; }

    // Seconds since the last good line, or since the reset when none came.
    double SilentSeconds(Clock::time_point now) const;
    bool AnyLine() const { return FLines != 0; }
    // A sentence with a good checksum came: the speed is right.
    bool AnySentence() const { return FSentences != 0; }
    // Good lines per second over the time since the previous call (the
    // screen calls it once a refresh).
    double SampleLinesPerSecond(Clock::time_point now);
    // What the figures say about a failed attempt.
    Cause FailureCause() const;

    std::uint64_t Lines() const { return FLines; }
    std::uint64_t DroppedChecksum() const { return FChecksum; }
    std::uint64_t DroppedEnding() const { return FEnding; }
    std::uint64_t DroppedTooLong() const { return FTooLong; }
    std::uint64_t DroppedNotSentence() const { return FNotSentence; }
    std::uint64_t OtherSpeedBytes() const { return FOtherSpeedBytes; }
    std::uint64_t Bytes() const { return FBytes; }

private:
    Clock::time_point FSince{};
    Clock::time_point FLastLine{};
    Clock::time_point FSampleAt{};
    std::uint64_t FSampleLines = 0;
    std::uint64_t FLines = 0;
    std::uint64_t FSentences = 0; // good lines that are sentences with a good checksum
    std::uint64_t FChecksum = 0;
    std::uint64_t FEnding = 0;
    std::uint64_t FTooLong = 0;
    std::uint64_t FNotSentence = 0;
    std::uint64_t FOtherSpeedBytes = 0;
    std::uint64_t FBytes = 0;
};

} // namespace varo
