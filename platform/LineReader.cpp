#include "platform/LineReader.h"

#include <cerrno>
#include <cstring>

namespace varo::platform {
namespace {

// Where the first CR or LF of `text` is, npos when none.
std::size_t EndOfLine(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r') return i;
    }
    return std::string_view::npos;
}

} // namespace

bool LineReader::Refill() {
    if (file == nullptr) return false;
    errno = 0;
    const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file);
    if (got == 0) {
        if (std::ferror(file) != 0) error = errno != 0 ? errno : EIO;
        return false;
    }
    unread = std::string_view(chunk.data(), got);
    return true;
}

void LineReader::Append(std::string_view part) {
    const std::size_t room = kMaxLineLength - carried.size();
    if (part.size() > room) {
        cut = true;
        part = part.substr(0, room);
    }
    carried.append(part);
}

bool LineReader::Next() {
    carried.clear();
    line = {};
    cut = false;
    ending = Ending::None;
    bool any = false; // a byte of a line was seen
    for (;;) {
        if (unread.empty() && !Refill()) {
            line = carried;
            return any;
        }
        any = true;
        const std::size_t end = EndOfLine(unread);
        if (end == std::string_view::npos) {
            Append(unread);
            consumed += unread.size();
            unread = {};
            continue;
        }
        const std::string_view part = unread.substr(0, end);
        ending = unread[end] == '\r' ? Ending::Cr : Ending::Lf;
        consumed += end + 1;
        unread.remove_prefix(end + 1);
        // A CR that closes the chunk: the line moves out of the chunk before
        // the next one is read to see whether an LF follows.
        if (ending == Ending::Cr && unread.empty()) {
            Append(part);
            line = carried;
            if (!Refill()) return true;
        } else if (carried.empty() && !cut) {
            line = part.substr(0, kMaxLineLength);
            cut = part.size() > kMaxLineLength;
        } else {
            Append(part);
            line = carried;
        }
        if (ending == Ending::Cr && unread.front() == '\n') {
            ending = Ending::CrLf;
            unread.remove_prefix(1);
            ++consumed;
        }
        return true;
    }
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines, std::string& reason) {
    lines.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        reason = std::strerror(errno);
        return false;
    }
    LineReader reader(file);
    while (lines.size() < kMaxTextFileLines && reader.Next())
        lines.emplace_back(reader.Line());
    std::fclose(file);
    if (reader.Error() != 0) reason = std::strerror(reader.Error());
    return reader.Error() == 0;
}

} // namespace varo::platform
