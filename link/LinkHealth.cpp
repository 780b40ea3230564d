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
    FSince = now;
    FSamples[0].at = now;
    FSampleCount = FSampleNext = 1;
}

void LinkHealth::NoteBytes(const std::uint8_t* bytes, std::size_t count) {
    FBytes += count;
    std::uint64_t& bad = FSentences != 0 ? FDamagedBytes : FOtherSpeedBytes;
    for (std::size_t i = 0; i < count; ++i)
        if (!IsTextOrLineEnd(bytes[i])) ++bad;
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
    } else {
        ++FTextLines;
    }
    ++FLines;
    FLastLine = now;
    return LineDrop::None;
}

double LinkHealth::SilentSeconds(Clock::time_point now) const {
    return Seconds(now - (FLines != 0 ? FLastLine : FSince));
}

void LinkHealth::Sample(Clock::time_point now) {
    FSamples[FSampleNext] = Figures{now, FLines, FBytes, FDamagedBytes};
    FSampleNext = (FSampleNext + 1) % FSamples.size();
    FSampleCount = std::min(FSampleCount + 1, FSamples.size());
}

const LinkHealth::Figures& LinkHealth::WindowStart() const {
    const std::size_t size = FSamples.size();
    const Figures& last = FSamples[(FSampleNext + size - 1) % size];
    // From the oldest sample on, the first one inside the window.
    for (std::size_t back = FSampleCount; back > 1; --back) {
        const Figures& sample = FSamples[(FSampleNext + size - back) % size];
        if (last.at - sample.at <= kRateWindow) return sample;
    }
    return last;
}

double LinkHealth::LinesPerSecond() const {
    const std::size_t size = FSamples.size();
    const Figures& last = FSamples[(FSampleNext + size - 1) % size];
    const Figures& first = WindowStart();
    const double span = Seconds(last.at - first.at);
    return span > 0 ? static_cast<double>(last.lines - first.lines) / span : 0;
}

double LinkHealth::DamagedShare() const {
    const std::size_t size = FSamples.size();
    const Figures& last = FSamples[(FSampleNext + size - 1) % size];
    const Figures& first = WindowStart();
    const std::uint64_t bytes = last.bytes - first.bytes;
    return bytes != 0 ? static_cast<double>(last.damaged - first.damaged) / bytes : 0;
}

LinkHealth::Cause LinkHealth::FailureCause() const {
    // Short junk at the wrong speed may look like text now and then; a
    // sentence with a good checksum never does. The static data block is
    // plain text: some of it without its end is another case than none.
    if (FSentences != 0) return FTextLines != 0 ? Cause::NoStaticDataEnd : Cause::NoProbeAnswer;
    if (FOtherSpeedBytes != 0 || FNotSentence != 0 || FChecksum != 0 || FEnding != 0)
        return Cause::OtherSpeed;
    return FLines != 0 ? Cause::NoStaticDataEnd : Cause::NothingReceived;
}

} // namespace varo
