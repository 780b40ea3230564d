#include "gateway/StaticData.h"

#include <algorithm>

#include "gateway/Protocol.h"

namespace varo {
namespace {

constexpr std::size_t kLongestNumber = 9;

bool IsDigits(std::string_view text) {
    return !text.empty() && text.size() <= kLongestNumber &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// No control characters and none of the block's own parentheses (two value
// lines joined by a lost CR LF hold them). Bytes beyond ASCII are kept as
// the gateway sent them.
bool IsPlainText(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= ' ' && byte != 0x7F && c != '(' && c != ')';
    });
}

// True when the line is exactly `key`'s value line with a value of its kind.
bool ValidValue(std::string_view line, const ProductInfoKey& key) {
    const std::size_t at = line.find(key.key);
    if (at != 0 || line.size() < key.key.size() + 2 || line.back() != ')') return false;
    const std::string_view value = line.substr(key.key.size(), line.size() - key.key.size() - 1);
    if ((key.value & kProductInfoTexts) != 0) return IsPlainText(value);
    if (!IsDigits(value)) return false;
    const std::int32_t number = ReadDecimal(value);
    switch (key.value) {
    case kFlowRateValue:
        return number >= protocol::kMinFlowRate && number <= protocol::kMaxFlowRate;
    case kNmeaBaudRateValue:
        return protocol::BaudRateCode(static_cast<std::uint32_t>(number)).has_value();
    case kDatabaseVersionValue:
    case kProductCodeValue:
        return number <= 0xFFFF;
    case kCertificationLevelValue:
        return number <= 0xFF;
    default:
        return number > 0;
    }
}

} // namespace

StaticDataReader::Block StaticDataReader::OnLine(std::string_view line) {
    if (line.find(protocol::kStaticDataEnd) != std::string_view::npos) {
        missing = kAllProductInfoValues & ~arrived;
        if (missing == 0) complete = building;
        Reset();
        return missing == 0 ? Block::Complete : Block::Incomplete;
    }
    for (const ProductInfoKey& key : kProductInfoKeys) {
        if (line.find(key.key) == std::string_view::npos) continue;
        if (!ValidValue(line, key)) {
            // A damaged copy of a value spoils the block even after a good one.
            arrived &= ~key.value;
            return Block::Pending;
        }
        std::string text(line);
        text += "\r\n";
        ReadProductInfo(text, building);
        arrived |= key.value;
    }
    return Block::Pending;
}

void StaticDataReader::Reset() {
    building = complete;
    arrived = 0;
}

std::string StaticValueNames(unsigned values) {
    std::string names;
    for (const ProductInfoKey& key : kProductInfoKeys) {
        if ((values & key.value) == 0) continue;
        if (!names.empty()) names += ", ";
        names += key.key.substr(0, key.key.find(" = ("));
    }
    return names;
}

} // namespace varo
