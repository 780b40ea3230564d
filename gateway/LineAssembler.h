#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varo {

// Cuts the received byte stream into lines. NUL and CR are dropped, LF ends a
// line, and a line longer than kMaxLineLength characters is dropped whole at
// its LF. While such a line grows, only one character past the limit is
// kept: enough to know it is too long, so a stream without LF cannot make
// the line grow without bound.
class LineAssembler {
public:
    static constexpr std::size_t kMaxLineLength = 82;

    // Takes one byte. True when it was the LF of an accepted line, which Line()
    // then shows until the next byte.
    bool Add(std::uint8_t byte);
    std::string_view Line() const { return {FText.data(), FCompleted}; }
    // After the LF of a line dropped for its length: its first characters.
    std::string_view DroppedStart() const { return {FText.data(), FText.size()}; }
    // Characters of the line under construction (at most kMaxLineLength + 1).
    std::size_t PendingLength() const { return FLength; }

private:
    std::array<char, kMaxLineLength + 1> FText{};
    std::size_t FLength = 0;
    std::size_t FCompleted = 0;
};

} // namespace varo
