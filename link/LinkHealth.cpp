#include "LinkHealth.h"

#include <algorithm>
#include <cctype>

#include "gateway/LineAssembler.h"

#include "sentence/SentenceParser.h"

namespace varo {
namespace {

bool IsText(std::uint8_t c) {
    return (c >= 0x20 && c <= 0x7E) || c == '\t';
}

bool IsTextOrLineEnd(std::uint8_t c) {
    return IsText(c) || c == '\r' || c == '\n' || c == 0;
}

constexpr std::size_t kShortestTextLine = 6;

double Seconds(LinkHealth::Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

void LinkHealth::Reset(Clock::time_point now) {
    *this = LinkHealth{};
    FSince = FSampleAt = now;
}

void LinkHealth::NoteBytes(const std::uint8_t* bytes, std::size_t count) {
    FBytes += count;
    for (std::size_t i = 0; i < count; ++i)
        if (!IsTextOrLineEnd(bytes[i])) ++FOtherSpeedBytes;
}

LineDrop LinkHealth::NoteLine(std::string_view line, Clock::time_point now) {
    if (line.empty()) return LineDrop::None; // a bare line end says nothing
    for (char c : line) {
        if (!IsText(static_cast<std::uint8_t>(c))) {
            ++FNotSentence;
            return LineDrop::NotSentence;
        }
    }
    if (line.front() == '$' || line.front() == '!') {
        const std::size_t star = line.rfind('*');
        if (star == std::string_view::npos || star + 3 > line.size() ||
            std::isxdigit(static_cast<unsigned char>(line[star + 1])) == 0 ||
            std::isxdigit(static_cast<unsigned char>(line[star + 2])) == 0) {
            ++FEnding;
            return LineDrop::Ending;
        }
        char sentence[LineAssembler::kMaxLineLength + 1] = {};
        line.copy(sentence, std::min(line.size(), LineAssembler::kMaxLineLength));
        if (!VerifyChecksum(sentence)) {
            ++FChecksum;
            return LineDrop::Checksum;
        }
        ++FSentences;
    } else if (line.size() < kShortestTextLine) {
        // Short text without a start character is what junk at another
        // speed leaves between its line ends now and then.
        ++FNotSentence;
        return LineDrop::NotSentence;
    }
    ++FLines;
    FLastLine = now;
    return LineDrop::None;
}

double LinkHealth::SilentSeconds(Clock::time_point now) const {
    return Seconds(now - (FLines != 0 ? FLastLine : FSince));
}

double LinkHealth::SampleLinesPerSecond(Clock::time_point now) {
    const double span = Seconds(now - FSampleAt);
    const double rate = span > 0 ? static_cast<double>(FLines - FSampleLines) / span : 0;
    FSampleAt = now;
    FSampleLines = FLines;
    return rate;
}

LinkHealth::Cause LinkHealth::FailureCause() const {
    // Short junk at the wrong speed may look like text now and then; a
    // sentence with a good checksum never does.
    if (FSentences != 0) return Cause::NoStaticDataEnd;
    if (FOtherSpeedBytes != 0 || FNotSentence != 0 || FChecksum != 0 || FEnding != 0)
        return Cause::OtherSpeed;
    return FLines != 0 ? Cause::NoStaticDataEnd : Cause::NothingReceived;
}

} // namespace varo
