// The unpacked fields of one AIS message, in the order of its layout, each in
// the width that its coding gives (native byte order), beginning with the
// message type in byte 0. Fields that the message is too short to hold stay 0.
#pragma once

#include "ais/AisBits.h"
#include "ais/AisLayout.h"

#include <cstdint>
#include <cstring>

namespace varo {

inline constexpr std::size_t kAisMessageRecordSize = 171;

struct AisMessageRecord {
    uint8_t bytes[kAisMessageRecordSize] = {};
};
static_assert(sizeof(AisMessageRecord) == kAisMessageRecordSize);

// Type 22: the addressed flag sits in byte 29, and an addressed message's two
// 30-bit destination identifiers (bits 69 and 104) follow the table fields
// (bytes 37 to 44).
inline constexpr std::size_t kAisType22DestinationsOffset = AisLargestRecord(21, 0);
static_assert(AisFieldOf(21, "addressed flag").offset == 29);
static_assert(kAisType22DestinationsOffset == 37);
static_assert(AisFieldOf(23, "part number").offset == 6);

// Whatever the bits, no layout's fields outgrow the record.
consteval bool EveryLayoutFitsRecord() {
    for (int i = 0; i < kAisLayoutCount; ++i)
        if (AisLargestRecord(i, kAisBitCapacity) > kAisMessageRecordSize) return false;
    return kAisType22DestinationsOffset + 8 <= kAisMessageRecordSize;
}
static_assert(EveryLayoutFitsRecord());

// Types 25 and 26: the addressed and structured flags, which choose the
// layout, sit in bytes 6 and 7 whatever the layout.
static_assert(AisFieldOf(kAisLayoutType25, "addressed flag").offset == 6 &&
              AisFieldOf(kAisLayoutType26 + 3, "structured flag").offset == 7);

// Clears the record and unpacks the bits into it by the message's layout.
// Fails on a message type without a layout (0, above 27).
bool UnpackMessage(const AisBitBuffer& bits, AisMessageRecord& message);

// The layout by which a record was unpacked (type 24 part B has its own), or
// nullptr when the record holds no valid type.
const AisLayout* AisRecordLayout(const AisMessageRecord& message);

inline uint8_t AisU8(const AisMessageRecord& m, const AisFieldRef& ref) {
    return m.bytes[ref.offset];
}

inline uint16_t AisU16(const AisMessageRecord& m, const AisFieldRef& ref) {
    uint16_t value;
    std::memcpy(&value, m.bytes + ref.offset, sizeof value);
    return value;
}

inline uint32_t AisU32(const AisMessageRecord& m, const AisFieldRef& ref) {
    uint32_t value;
    std::memcpy(&value, m.bytes + ref.offset, sizeof value);
    return value;
}

inline float AisFloat(const AisMessageRecord& m, const AisFieldRef& ref) {
    float value;
    std::memcpy(&value, m.bytes + ref.offset, sizeof value);
    return value;
}

inline const char* AisText(const AisMessageRecord& m, const AisFieldRef& ref) {
    return reinterpret_cast<const char*>(m.bytes + ref.offset);
}

} // namespace varo
