#include "ais/AisBits.h"

#include <array>
#include <cstring>

namespace varo {
namespace {

constexpr uint8_t kInvalid = 0xFF;

// Six-bit value of each armoring character: '0' to 'W' and '`' to 'w' are
// valid. Add 40 modulo 256, then 32 more when the sum exceeds 128, else 40
// more; the low six bits are the value.
constexpr std::array<uint8_t, 256> MakeArmorTable() {
    std::array<uint8_t, 256> table{};
    for (unsigned c = 0; c < 256; ++c) {
        const bool valid = (c >= '0' && c <= 'W') || (c >= '`' && c <= 'w');
        unsigned sum = (c + 40) % 256;
        sum += sum > 128 ? 32 : 40;
        table[c] = valid ? static_cast<uint8_t>(sum & 0x3F) : kInvalid;
    }
    return table;
}

constexpr std::array<uint8_t, 256> kArmor = MakeArmorTable();
static_assert(kArmor['0'] == 0 && kArmor['W'] == 39 && kArmor['`'] == 40 && kArmor['w'] == 63);
static_assert(kArmor['X'] == kInvalid && kArmor['_'] == kInvalid && kArmor['x'] == kInvalid);

// Fill bits complete the last six-bit character; more than five cannot.
constexpr int kMaxFillBits = 5;

} // namespace

bool Dearmor(AisAssembly& assembly, AisBitBuffer& bits) {
    bits = AisBitBuffer{};
    const auto* text = reinterpret_cast<const uint8_t*>(assembly.payload);
    const std::size_t length = strnlen(assembly.payload, kAisPayloadCapacity);
    const int fillBits = assembly.fillBits;
    if (fillBits < 0 || fillBits > kMaxFillBits || length * 6 < static_cast<std::size_t>(fillBits))
        return false;
    // The message is every bit of every character but the fill bits at the end.
    const std::size_t bitCount = length * 6 - static_cast<std::size_t>(fillBits);
    if ((bitCount + 7) / 8 > kAisBitBufferBytes) {
        ClearFinishedMessage(assembly);
        return false;
    }

    const std::size_t groups = length / 4;
    uint8_t* out = bits.data;
    for (std::size_t g = 0; g < groups; ++g, text += 4) {
        const uint8_t a = kArmor[text[0]], b = kArmor[text[1]], c = kArmor[text[2]],
                      d = kArmor[text[3]];
        if ((a | b | c | d) > 63) // any invalid character
            return false;
        const uint32_t word = (uint32_t{a} << 18) | (uint32_t{b} << 12) | (uint32_t{c} << 6) | d;
        *out++ = static_cast<uint8_t>(word >> 16);
        *out++ = static_cast<uint8_t>(word >> 8);
        *out++ = static_cast<uint8_t>(word);
    }

    // One to three characters after the last group: 6, 12 or 18 bits.
    const std::size_t tailChars = length - groups * 4;
    uint32_t tail = 0;
    for (std::size_t i = 0; i < tailChars; ++i) {
        const uint8_t v = kArmor[text[i]];
        if (v == kInvalid) return false;
        tail |= uint32_t{v} << (18 - 6 * i);
    }
    for (std::size_t i = 0; i < (tailChars * 6 + 7) / 8; ++i)
        *out++ = static_cast<uint8_t>(tail >> (16 - 8 * i));

    // Clear the fill bits, so that reading past the end gives 0 as the buffer does.
    const std::size_t lastByte = bitCount / 8;
    const unsigned bitsInLastByte = bitCount % 8;
    if (lastByte < kAisBitBufferBytes) {
        bits.data[lastByte] &= static_cast<uint8_t>(0xFF00u >> bitsInLastByte);
        if (lastByte + 1 < kAisBitBufferBytes) bits.data[lastByte + 1] = 0;
    }
    bits.bitCount = static_cast<uint16_t>(bitCount);
    return true;
}

uint32_t ReadBitsNearEnd(const AisBitBuffer& bits, unsigned position, unsigned width) {
    const unsigned first = position / 8;
    uint64_t window = 0;
    for (unsigned i = 0; i < 8; ++i) {
        const unsigned index = first + i;
        window = (window << 8) | (index < kAisBitBufferBytes ? bits.data[index] : 0u);
    }
    return AisBitsFromWindow(window, position, width);
}

int32_t SignExtendInt(uint32_t value, unsigned width) {
    if (width == 0 || width >= 32) return static_cast<int32_t>(value);
    const uint32_t sign = uint32_t{1} << (width - 1);
    const uint32_t masked = value & ((uint32_t{1} << width) - 1);
    return static_cast<int32_t>(masked ^ sign) - static_cast<int32_t>(sign);
}

float SignExtend(uint32_t value, unsigned width) {
    return static_cast<float>(SignExtendInt(value, width));
}

} // namespace varo
