// The bits of one AIS message: de-armoring of the six-bit payload text of
// IEC 61162-1 into bytes, and reading of bit fields from them.
#pragma once

#include "ais/ais_assembly.h"

#include <cstdint>

inline constexpr unsigned kAisBitBufferBytes = 127;
inline constexpr unsigned kAisBitCapacity = kAisBitBufferBytes * 8;

struct AisBitBuffer {
    uint8_t data[kAisBitBufferBytes] = {}; // most significant bit of byte 0 first
    uint16_t bitCount = 0;
};

// Converts the assembled payload into bits. Fails on a character outside the
// armoring alphabet, fill bits other than 0, 2 or 4, or a remainder that does
// not fit the fill bits. A payload that would overflow the bit buffer fails and
// clears the assembly.
bool Dearmor(AisAssembly& assembly, AisBitBuffer& bits);

// `width` (1 to 32) bits from bit `position`, most significant bit first; bits
// beyond the data area read as 0. Another width gives 0.
uint32_t ReadBits(const AisBitBuffer& bits, unsigned position, unsigned width);

// The value as a signed number whose sign is bit width - 1.
int32_t SignExtendInt(uint32_t value, unsigned width);
float SignExtend(uint32_t value, unsigned width);
