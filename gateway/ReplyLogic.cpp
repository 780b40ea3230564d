#include "gateway/ReplyLogic.h"

#include <cstring>

#include "sentence/SentenceParser.h"

namespace varo {
namespace {

constexpr std::string_view kStaticDataEnd = "[END OF STATIC DATA]";
// A static data block (about 300 characters) behind a batch of output that
// was already on its way: the characters a long answer may wait behind.
constexpr std::int64_t kLongAnswerCharacters = 2000;
constexpr std::int64_t kBitsPerCharacter = 10;

} // namespace

std::chrono::milliseconds ReplyDeadline(std::chrono::milliseconds base, std::uint32_t baudRate) {
    if (baudRate == 0) baudRate = 38400;
    const std::int64_t lineTime = kLongAnswerCharacters * kBitsPerCharacter * 1000 / baudRate;
    return base + std::chrono::milliseconds(lineTime);
}

bool ReadCttSentence(std::string_view line, CttFields& fields) {
    // The parser wants the line with CR LF and rewrites its buffer.
    char text[kLineBufferSize] = {};
    if (line.size() + 3 > sizeof text || line.rfind("$PCTT,", 0) != 0) return false;
    std::memcpy(text, line.data(), line.size());
    std::memcpy(text + line.size(), "\r\n", 2);
    SentenceRecord record{};
    if (!ParseSentence(text, record) || std::strcmp(record.formatter, "CTT") != 0) return false;
    fields = record.payload.ctt;
    return true;
}

bool ReadStaticValue(std::string_view line, std::string_view key, std::string_view& value) {
    const std::size_t at = line.find(key);
    if (at == std::string_view::npos) return false;
    std::string_view rest = line.substr(at + key.size());
    const std::size_t open = rest.find(" = (");
    if (open != 0) return false;
    rest.remove_prefix(4);
    value = rest.substr(0, rest.find(')'));
    return true;
}

bool IsStaticDataEnd(std::string_view line) {
    return line.find(kStaticDataEnd) != std::string_view::npos;
}

} // namespace varo
