#pragma once

#include <array>
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
// looked like a gateway talking at another speed or were damaged on a line
// at the right speed. Fed by the receive path's
// line assembly, read by the screen's health bar and by the connection
// manager when an attempt fails. UI thread only.
class LinkHealth {
public:
    using Clock = std::chrono::steady_clock;

    // Why the last attempt found no gateway.
    enum class Cause { NothingReceived, OtherSpeed, NoProbeAnswer, NoStaticDataEnd };

    // The span the rates are taken over: long enough that a gateway sending
    // one batch a second (or every 5 s at the slowest flow rate) reads steady.
    static constexpr Clock::duration kRateWindow = std::chrono::seconds(5);

    // A new attempt or link: every figure starts again from `now`.
    void Reset(Clock::time_point now);
    // The raw bytes of one read: those outside printable ASCII and the line
    // ends are what another speed turns a sentence into. Once a sentence with
    // a good checksum has come the speed is right, and such bytes are damage
    // on the line (noise, a poor ground) instead.
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
    // Takes a sample of the figures for the rates below; the screen calls it
    // once a refresh. Samples older than kRateWindow are forgotten.
    void Sample(Clock::time_point now);
    // Good lines per second over the last kRateWindow (the time since the
    // reset while it is shorter), as of the last sample.
    double LinesPerSecond() const;
    // The share of damaged bytes among those received over the same span, 0 to 1.
    double DamagedShare() const;
    // What the figures say about a failed attempt.
    Cause FailureCause() const;

    std::uint64_t Lines() const { return FLines; }
    std::uint64_t DroppedChecksum() const { return FChecksum; }
    std::uint64_t DroppedEnding() const { return FEnding; }
    std::uint64_t DroppedTooLong() const { return FTooLong; }
    std::uint64_t DroppedNotSentence() const { return FNotSentence; }
    std::uint64_t OtherSpeedBytes() const { return FOtherSpeedBytes; }
    std::uint64_t DamagedBytes() const { return FDamagedBytes; }
    // Every byte that was no text, at whatever speed.
    std::uint64_t GarbageBytes() const { return FOtherSpeedBytes + FDamagedBytes; }
    std::uint64_t Bytes() const { return FBytes; }

private:
    struct Figures {
        Clock::time_point at{};
        std::uint64_t lines = 0;
        std::uint64_t bytes = 0;
        std::uint64_t damaged = 0;
    };
    // The oldest sample still inside the window, or the reset.
    const Figures& WindowStart() const;

    Clock::time_point FSince{};
    Clock::time_point FLastLine{};
    // A ring of samples; at two a second it spans the window many times over.
    std::array<Figures, 64> FSamples{};
    std::size_t FSampleCount = 0; // samples in the ring, at most its size
    std::size_t FSampleNext = 0;  // where the next one goes
    std::uint64_t FLines = 0;
    std::uint64_t FTextLines = 0; // good lines that are plain text, as the static data block is
    std::uint64_t FSentences = 0; // good lines that are sentences with a good checksum
    std::uint64_t FChecksum = 0;
    std::uint64_t FEnding = 0;
    std::uint64_t FTooLong = 0;
    std::uint64_t FNotSentence = 0;
    std::uint64_t FOtherSpeedBytes = 0;
    std::uint64_t FDamagedBytes = 0;
    std::uint64_t FBytes = 0;
};

} // namespace varo
