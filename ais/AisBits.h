// The bits of one AIS message: de-armoring of the six-bit payload text of
// IEC 61162-1 into bits, and reading of bit fields from them.
#pragma once

#include "ais/AisAssembly.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace varo {

inline constexpr unsigned kAisBitBufferBytes = 127;
inline constexpr unsigned kAisBitCapacity = kAisBitBufferBytes * 8;

struct AisBitBuffer {
    uint8_t data[kAisBitBufferBytes] = {}; // most significant bit of byte 0 first
    uint16_t bitCount = 0;
};

// Converts the assembled payload into bits: six per character, less the fill
// bits of the last, so the bit count need not be a multiple of 8; the fill bits
// read as 0. Fails on a character outside the armoring alphabet, fill bits
// outside 0 to 5 or more than the payload holds. A payload that would overflow
// the bit buffer fails and clears the finished message.
bool Dearmor(AisAssembly& assembly, AisBitBuffer& bits);

// `width` (1 to 32) bits of the eight bytes in `window` (the first in the top
// byte), starting at bit `position` modulo 8 of the first.
inline uint32_t AisBitsFromWindow(uint64_t window, unsigned position, unsigned width) {
    const unsigned shift = 64 - position % 8 - width;
    return static_cast<uint32_t>((window >> shift) & ((uint64_t{1} << width) - 1));
}

// ReadBits for a field whose eight-byte window passes the end of the data area.
uint32_t ReadBitsNearEnd(const AisBitBuffer& bits, unsigned position, unsigned width);

// `width` (1 to 32) bits from bit `position`, most significant bit first; bits
// beyond the data area read as 0. Another width gives 0. Inline with one
// eight-byte load, as the unpacker reads every field of every message so.
inline uint32_t ReadBits(const AisBitBuffer& bits, unsigned position, unsigned width) {
    if (width == 0 || width > 32) return 0;
    const unsigned first = position / 8;
    if (first > kAisBitBufferBytes - 8) return ReadBitsNearEnd(bits, position, width);
    uint64_t window;
    std::memcpy(&window, bits.data + first, sizeof window);
    if constexpr (std::endian::native == std::endian::little) window = __builtin_bswap64(window);
    return AisBitsFromWindow(window, position, width);
}

// The value as a signed number whose sign is bit width - 1.
int32_t SignExtendInt(uint32_t value, unsigned width);
float SignExtend(uint32_t value, unsigned width);

} // namespace varo
