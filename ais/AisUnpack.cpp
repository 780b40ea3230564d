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
    case acBinaryToEnd:
        break;
    }
    return false;
}

// `dataBits` of binary data: its bit count, then the bits, eight to a byte.
std::size_t StoreBinary(const AisBitBuffer& bits, unsigned position, unsigned dataBits,
                        uint8_t* out) {
    Store(out, static_cast<uint16_t>(dataBits));
    const std::size_t bytes = (dataBits + 7) / 8;
    for (std::size_t i = 0; i < bytes; ++i) {
        const unsigned width = std::min(8u, dataBits - 8 * static_cast<unsigned>(i));
        out[2 + i] =
            static_cast<uint8_t>(ReadBits(bits, position + 8 * unsigned(i), width) << (8 - width));
    }
    return 2 + bytes;
}

// The layout variant a record's stored bytes name (see AisLayoutIndex).
unsigned RecordVariant(const AisMessageRecord& message) {
    const unsigned type = message.bytes[0];
    if (type == 25 || type == 26) return message.bytes[6] * 2u + message.bytes[7];
    return message.bytes[6];
}

} // namespace

const AisLayout* AisRecordLayout(const AisMessageRecord& message) {
    const unsigned type = message.bytes[0];
    if (!AisKnownType(type)) return nullptr;
    return &AisFieldLayoutTable[AisLayoutIndex(type, RecordVariant(message))];
}

bool UnpackMessage(const AisBitBuffer& bits, AisMessageRecord& message) {
    message = AisMessageRecord{};
    const unsigned type = ReadBits(bits, 0, 6);
    if (!AisKnownType(type)) return false;
    message.bytes[0] = static_cast<uint8_t>(type);

    unsigned variant = 0;
    if (type == 24) {
        variant = ReadBits(bits, AisBitOf(23, "part number"), 2);
        message.bytes[AisFieldOf(23, "part number").offset] = static_cast<uint8_t>(variant);
    }
    if (type == 25 || type == 26) {
        constexpr unsigned kFlags = AisBitOf(kAisLayoutType25, "addressed flag");
        message.bytes[6] = static_cast<uint8_t>(ReadBits(bits, kFlags, 1));
        message.bytes[7] = static_cast<uint8_t>(ReadBits(bits, kFlags + 1, 1));
        variant = ReadBits(bits, kFlags, 2);
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
    const AisLayout& layout = AisFieldLayoutTable[AisLayoutIndex(type, variant)];
    unsigned position = layout.fields[0].width;
    std::size_t offset = 1;
    for (std::size_t index = 1; index < layout.fields.size(); ++index) {
        const AisField& field = layout.fields[index];
        uint8_t* out = message.bytes + offset;
        if (field.coding == acBinaryToEnd) {
            const unsigned after = AisBitsAfter(layout.fields, index);
            if (bitCount < position + after) return true;
            const unsigned dataBits = bitCount - position - after;
            offset += StoreBinary(bits, position, dataBits, out);
            position += dataBits;
            continue;
        }
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
