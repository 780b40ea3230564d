#include "ais/AisMessage.h"

#include <algorithm>

namespace varo {
namespace {

// Square root of the AIS rate-of-turn scale: rate = (indicator / 4.733)^2.
constexpr double kRateOfTurnFactor = 0.2112824846820198761;

char SixBitChar(uint32_t value) {
    return static_cast<char>(value < 32 ? value + 64 : value);
}

void StoreText(const AisBitBuffer& bits, unsigned position, std::size_t chars, uint8_t* out) {
    for (std::size_t i = 0; i < chars; ++i)
        out[i] = static_cast<uint8_t>(SixBitChar(ReadBits(bits, position + 6 * unsigned(i), 6)));
    out[chars] = 0;
}

template <typename T> void Store(uint8_t* out, T value) {
    std::memcpy(out, &value, sizeof value);
}

float Scaled(double value, float scale) {
    return static_cast<float>(value * static_cast<double>(scale));
}

// Stores one numeric field; false for a coding that the table does not know.
bool StoreNumber(const AisField& field, uint32_t raw, uint8_t* out) {
    switch (field.coding) {
    case acUnsigned8:
    case acTimeStamp:
        *out = static_cast<uint8_t>(raw);
        return true;
    case acUnsigned16:
    case acFunctionId:
        Store(out, static_cast<uint16_t>(raw));
        return true;
    case acHeading:
        Store(out, static_cast<uint16_t>(raw >= 360 ? 511 : raw));
        return true;
    case acUnsigned32:
    case acIdentifier:
    case acCommState:
    case acDimensions:
    case acEta:
        Store(out, raw);
        return true;
    case acSignedReal:
        Store(out, Scaled(SignExtendInt(raw, field.width), field.scale));
        return true;
    case acUnsignedReal:
    case acCourse:
        Store(out, Scaled(raw, field.scale));
        return true;
    case acRateOfTurn: {
        const double v = SignExtendInt(raw, field.width);
        const double rate = (v * kRateOfTurnFactor) * (v * kRateOfTurnFactor);
        Store(out, static_cast<float>(v < 0 ? -rate : rate));
        return true;
    }
    case acLongitude:
    case acLatitude:
        // Minutes to degrees.
        Store(out, static_cast<float>(SignExtendInt(raw, field.width) *
                                      static_cast<double>(field.scale) / 60.0));
        return true;
    case acText:
    case acTextToEnd:
        break;
    }
    return false;
}

} // namespace

const AisLayout* AisRecordLayout(const AisMessageRecord& message) {
    const unsigned type = message.bytes[0];
    if (!AisKnownType(type)) return nullptr;
    return &AisFieldLayoutTable[AisLayoutIndex(type, message.bytes[6])];
}

bool UnpackMessage(const AisBitBuffer& bits, AisMessageRecord& message) {
    message = AisMessageRecord{};
    const unsigned type = ReadBits(bits, 0, 6);
    if (!AisKnownType(type)) return false;
    message.bytes[0] = static_cast<uint8_t>(type);

    unsigned partNumber = 0;
    if (type == 24) {
        partNumber = ReadBits(bits, AisBitOf(23, "part number"), 2);
        message.bytes[AisFieldOf(23, "part number").offset] = static_cast<uint8_t>(partNumber);
    }
    if (type == 22) {
        const uint32_t addressed = ReadBits(bits, AisBitOf(21, "addressed flag"), 1);
        message.bytes[AisFieldOf(21, "addressed flag").offset] = static_cast<uint8_t>(addressed);
        if (addressed == 1) {
            constexpr unsigned kFirst = AisBitOf(21, "north-east longitude");
            static_assert(kFirst == 69);
            Store(message.bytes + kAisType22DestinationsOffset, ReadBits(bits, kFirst, 30));
            Store(message.bytes + kAisType22DestinationsOffset + 4,
                  ReadBits(bits, kFirst + 35, 30));
        }
    }

    // A count past the data area cannot be real; never read or size text beyond it.
    const unsigned bitCount = std::min<unsigned>(bits.bitCount, kAisBitCapacity);
    const AisLayout& layout = AisFieldLayoutTable[AisLayoutIndex(type, partNumber)];
    unsigned position = layout.fields[0].width;
    std::size_t offset = 1;
    for (const AisField& field : layout.fields.subspan(1)) {
        uint8_t* out = message.bytes + offset;
        if (field.coding == acText && bitCount < position + field.width) {
            // A message cut short in a text keeps the whole characters it holds
            // (a 420-bit type 5 its destination); every later field stays 0.
            if (bitCount > position) StoreText(bits, position, (bitCount - position) / 6, out);
            return true;
        }
        if (bitCount < position + field.width) return true;
        if (field.coding == acText || field.coding == acTextToEnd) {
            const std::size_t chars =
                field.coding == acText ? field.width / 6 : (bitCount - position) / 6;
            StoreText(bits, position, chars, out);
            offset += chars + 1;
            position += static_cast<unsigned>(chars * 6);
            continue;
        }
        if (!StoreNumber(field, ReadBits(bits, position, field.width), out)) return false;
        offset += AisStoredSize(field);
        position += field.width;
    }
    return true;
}

} // namespace varo
