#pragma once

// Text lines from a file, standard input or a text in memory, with a bound:
// memory stays the same whatever the input (a file of one endless line, a
// device that never ends). CR LF, LF and a lone CR each end a line. A line
// longer than kMaxLineLength bytes keeps its first kMaxLineLength bytes and
// is marked cut; the rest of it up to its ending is passed over.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace varo::platform {

class LineReader {
public:
    // Well above the longest sentence (82 characters, 98 once empty fields
    // are marked), a tagged or other device's sentence, or an INI line.
    static constexpr std::size_t kMaxLineLength = 512;

    // How the line shown by Line() ended.
    enum class Ending { None, Lf, Cr, CrLf };

    // Reads `file` (not owned; standard input works) from where it stands.
    explicit LineReader(std::FILE* file) : file(file) {}
    // Reads `text`, which must outlive the reader.
    explicit LineReader(std::string_view text) : unread(text) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Moves to the next line: false at the end of the input or when a read
    // failed (Error() tells which). A last line without an ending counts
    // when it holds a byte.
    bool Next();
    // The line without its ending; valid until the next call of Next().
    std::string_view Line() const { return line; }
    bool Cut() const { return cut; }
    Ending LineEnding() const { return ending; }
    // The errno of a failed read (EISDIR for a directory), 0 when none failed.
    int Error() const { return error; }
    // Bytes of the input passed so far, through the current line's ending.
    std::uint64_t Consumed() const { return consumed; }

private:
    // Reads the next chunk of the file into `unread`; false at its end or on an error.
    bool Refill();
    // Takes `part` into the line, up to the bound.
    void Append(std::string_view part);

    std::FILE* file = nullptr;
    std::array<char, 1 << 16> chunk{};
    std::string_view unread;
    std::string carried; // a line that spans two chunks, at most kMaxLineLength bytes
    std::string_view line;
    bool cut = false;
    Ending ending = Ending::None;
    int error = 0;
    std::uint64_t consumed = 0;
};

// Text files read whole (language, read-me and settings files, a few hundred
// lines each) keep at most this many lines; the rest is not read, so that
// memory stays bounded.
inline constexpr std::size_t kMaxTextFileLines = 1 << 16;

// The lines of the file at `path`, at most kMaxTextFileLines of them. False
// with `reason` when it cannot be opened or read.
bool ReadLines(const std::string& path, std::vector<std::string>& lines, std::string& reason);

} // namespace varo::platform
