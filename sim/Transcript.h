#pragma once

// The record of what the tool sent: one line per received line, exactly as
// received without its CR LF, written through at once so a test can read it
// while the gateway runs. Lines the gateway could not read are marked.

#include <cstdio>
#include <string>
#include <string_view>

namespace varo::sim {

inline constexpr std::string_view kRejectedMark = "# rejected: ";
inline constexpr std::string_view kWrongSpeedMark = "# wrong speed: ";
inline constexpr std::string_view kIgnoredMark = "# ignored: ";

class Transcript {
public:
    Transcript() = default;
    ~Transcript() { Close(); }
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    // Appends to `path`; false when it cannot be opened. An empty path records nothing.
    bool Open(const std::string& path);
    void Close();

    void Accepted(std::string_view line) { Write({}, line); }
    void Rejected(std::string_view line) { Write(kRejectedMark, line); }
    void WrongSpeed(std::string_view line) { Write(kWrongSpeedMark, line); }
    void Ignored(std::string_view line) { Write(kIgnoredMark, line); }

private:
    void Write(std::string_view mark, std::string_view line);
    std::FILE* FFile = nullptr;
};

} // namespace varo::sim