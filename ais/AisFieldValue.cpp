#include "ais/AisFieldValue.h"

#include <algorithm>
#include <cstring>

namespace varo {
namespace {

constexpr bool StoredAsReal(AisCoding coding) {
    return coding == acSignedReal || coding == acUnsignedReal || coding == acRateOfTurn ||
           coding == acLongitude || coding == acLatitude || coding == acCourse;
}

// Reads the value stored at `offset`; `size` gets the bytes it took.
AisFieldValue ReadValue(const AisMessageRecord& m, std::size_t offset, const AisField& field,
                        std::size_t& size) {
    const uint8_t* at = m.bytes + offset;
    const std::size_t left = kAisMessageRecordSize - offset;
    AisFieldValue value;
    size = AisStoredSize(field);
    if (StoredAsReal(field.coding)) {
        value.kind = AisFieldValue::Kind::Real;
        std::memcpy(&value.real, at, std::min(sizeof value.real, left));
    } else if (field.coding == acBinaryToEnd) {
        std::uint16_t bitCount = 0;
        std::memcpy(&bitCount, at, std::min(sizeof bitCount, left));
        const std::size_t bytes =
            std::min<std::size_t>((bitCount + 7u) / 8u, left >= 2 ? left - 2 : 0);
        value.kind = AisFieldValue::Kind::Binary;
        value.integer = bitCount;
        value.text = std::string_view(reinterpret_cast<const char*>(at + 2), bytes);
        size = 2 + bytes;
    } else if (field.coding == acText || field.coding == acTextToEnd) {
        const char* text = reinterpret_cast<const char*>(at);
        value.kind = AisFieldValue::Kind::Text;
        value.text = std::string_view(text, strnlen(text, left));
        if (field.coding == acTextToEnd) size = value.text.size() + 1;
    } else {
        // Unsigned integers of their stored size, low byte first.
        std::uint32_t stored = 0;
        std::memcpy(&stored, at, std::min({size, sizeof stored, left}));
        value.integer = stored;
    }
    return value;
}

} // namespace

std::string AisBinaryHex(const AisFieldValue& value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(value.text.size() * 2);
    for (const char c : value.text) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0xF];
    }
    return hex;
}

void AisMessageValues(const AisMessageRecord& message, std::vector<AisNamedValue>& values) {
    values.clear();
    const AisLayout* layout = AisRecordLayout(message);
    if (layout == nullptr) return;
    std::size_t offset = 0;
    for (const AisField& field : layout->fields) {
        if (offset >= kAisMessageRecordSize) break;
        std::size_t size = 0;
        values.push_back({&field, ReadValue(message, offset, field, size)});
        offset += size;
    }
}

std::vector<AisNamedValue> AisMessageValues(const AisMessageRecord& message) {
    std::vector<AisNamedValue> values;
    AisMessageValues(message, values);
    return values;
}

} // namespace varo
