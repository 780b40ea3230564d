#include "sentence/LenientLine.h"

#include <cstring>

namespace varo {
namespace {

// \s:2573535,c:1671620143*0F\ before the sentence: the TAG block's fields
// and their own checksum.
bool ReadTagBlock(std::string_view& text, std::string_view& tag, ParseFailure& failure) {
    tag = {};
    if (text.empty() || text[0] != '\\') return true;
    const std::size_t end = text.find('\\', 1);
    const std::size_t star = text.find('*', 1);
    if (end == std::string_view::npos || star == std::string_view::npos || star + 3 != end ||
        end >= kLineBufferSize) {
        failure = ParseFailure::NotASentence;
        return false;
    }
    char block[kLineBufferSize];
    std::memcpy(block, text.data(), end);
    block[end] = '\0';
    if (!VerifyChecksum(block)) {
        failure = ParseFailure::Checksum;
        return false;
    }
    tag = text.substr(1, star - 1);
    text.remove_prefix(end + 1);
    return true;
}

// Where the payload stands among an encapsulation sentence's fields (1 the first).
int PayloadField(std::string_view formatter) {
    if (formatter == "VDM" || formatter == "VDO") return 5;
    if (formatter == "BBM") return 6;
    if (formatter == "ABM") return 7;
    return 0;
}

// Copies field `number` of `sentence` (up to the '*') into `out`.
void CopyField(std::string_view sentence, int number, char* out) {
    std::size_t start = 0;
    for (int comma = 0; comma < number && start != std::string_view::npos; ++comma)
        start = sentence.find(',', start == 0 ? 0 : start + 1);
    out[0] = '\0';
    if (start == std::string_view::npos) return;
    const std::size_t end = sentence.find_first_of(",*", start + 1);
    const std::string_view field =
        sentence.substr(start + 1, end == std::string_view::npos ? end : end - start - 1);
    std::memcpy(out, field.data(), field.size());
    out[field.size()] = '\0';
}

} // namespace

bool ReadLenientLine(std::string_view text, LenientLine& line, SentenceRecord& record,
                     ParseFailure* failure) {
    ParseFailure reason = ParseFailure::None;
    const auto fail = [&](ParseFailure why) {
        if (failure != nullptr) *failure = why;
        return false;
    };
    if (!ReadTagBlock(text, line.tag, reason)) return fail(reason);
    // Whatever follows the two checksum characters is the receiver's own.
    const std::size_t star = text.find('*');
    if (star != std::string_view::npos && star + 3 <= text.size()) text = text.substr(0, star + 3);
    if (text.size() > kMaxLenientLineLength) return fail(ParseFailure::TooLong);
    std::memcpy(line.sentence, text.data(), text.size());
    std::memcpy(line.sentence + text.size(), "\r\n", 3);
    line.aisPayload[0] = '\0';
    if (!ParseLenientSentence(line.sentence, record, failure)) return false;
    if (const int field = PayloadField(record.formatter); field != 0 && record.startChar == '!')
        CopyField(text, field, line.aisPayload);
    return true;
}

} // namespace varo
