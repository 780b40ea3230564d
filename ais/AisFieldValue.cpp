#include "ais/AisFieldValue.h"

#include <cstring>

namespace varo {
namespace {

// Reads the value stored at `offset`; `size` gets the bytes it took.
AisFieldValue ReadValue(const AisMessageRecord& m, std::size_t offset, const AisField& field,
                        std::size_t& size) {
    const uint8_t* at = m.bytes + offset;
    const std::size_t left = kAisMessageRecordSize - offset;
    AisFieldValue value;
    size = AisStoredSize(field);
    switch (field.coding) {
    case acUnsigned8:
    case acTimeStamp:
        value.integer = *at;
        break;
    case acUnsigned16:
    case acFunctionId:
    case acHeading: {
        uint16_t stored;
        std::memcpy(&stored, at, sizeof stored);
        value.integer = stored;
        break;
    }
    case acUnsigned32:
    case acIdentifier:
    case acCommState:
    case acDimensions:
    case acEta: {
        uint32_t stored;
        std::memcpy(&stored, at, sizeof stored);
        value.integer = stored;
        break;
    }
    case acSignedReal:
    case acUnsignedReal:
    case acRateOfTurn:
    case acLongitude:
    case acLatitude:
    case acCourse:
        value.kind = AisFieldValue::Kind::Real;
        std::memcpy(&value.real, at, sizeof value.real);
        break;
    case acText:
    case acTextToEnd: {
        const char* text = reinterpret_cast<const char*>(at);
        value.kind = AisFieldValue::Kind::Text;
        value.text = std::string_view(text, strnlen(text, left));
        if (field.coding == acTextToEnd) size = value.text.size() + 1;
        break;
    }
    }
    return value;
}

} // namespace

std::vector<AisNamedValue> AisMessageValues(const AisMessageRecord& message) {
    std::vector<AisNamedValue> values;
    const AisLayout* layout = AisRecordLayout(message);
    if (layout == nullptr) return values;
    std::size_t offset = 0;
    for (const AisField& field : layout->fields) {
        if (offset >= kAisMessageRecordSize) break;
        std::size_t size = 0;
        values.push_back({&field, ReadValue(message, offset, field, size)});
        offset += size;
    }
    return values;
}

} // namespace varo
