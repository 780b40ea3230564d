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

// The bytes that the remainder after the last full group of four characters
// yields for the given fill bits, or -1 when the fill bits are not 0, 2 or 4.
int TailBytes(int fillBits) {
    switch (fillBits) {
    case 0:
        return 0;
    case 2:
        return 2;
    case 4:
        return 1;
    default:
        return -1;
    }
}

} // namespace

bool Dearmor(AisAssembly& assembly, AisBitBuffer& bits) {
    bits = AisBitBuffer{};
    const auto* text = reinterpret_cast<const uint8_t*>(assembly.payload);
    const std::size_t length = strnlen(assembly.payload, kAisPayloadCapacity);
    const std::size_t groups = length / 4;

    const int tailBytes = TailBytes(assembly.fillBits);
    if (tailBytes < 0) return false;
    // Fill bits 2 take three more characters for two bytes, 4 take two for one.
    const std::size_t tailChars = tailBytes == 0 ? 0 : static_cast<std::size_t>(tailBytes) + 1;
    if (length - groups * 4 < tailChars) return false;
    if (groups * 3 + static_cast<std::size_t>(tailBytes) > kAisBitBufferBytes) {
        assembly = AisAssembly{};
        return false;
    }

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

    uint32_t tail = 0;
    for (std::size_t i = 0; i < tailChars; ++i) {
        const uint8_t v = kArmor[text[i]];
        if (v == kInvalid) return false;
        tail |= uint32_t{v} << (18 - 6 * i);
    }
    for (int i = 0; i < tailBytes; ++i)
        *out++ = static_cast<uint8_t>(tail >> (16 - 8 * i));

    bits.bitCount = static_cast<uint16_t>((groups * 3 + static_cast<std::size_t>(tailBytes)) * 8);
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
