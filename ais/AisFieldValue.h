// The stored fields of an unpacked AIS message, read back by the layout of its
// type: what `varo-nmea decode` prints and the data view's detail shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ais/AisLayout.h"
#include "ais/AisMessage.h"

namespace varo {

struct AisFieldValue {
    enum class Kind : std::uint8_t { Integer, Real, Text, Binary } kind = Kind::Integer;
    std::int64_t integer = 0; // Binary: the number of bits
    float real = 0;
    std::string_view text; // points into the message record; Binary: the data bytes
};

// Binary data as upper-case hexadecimal digits, two a byte.
std::string AisBinaryHex(const AisFieldValue& value);

struct AisNamedValue {
    const AisField* field;
    AisFieldValue value;
};

// Every field of the message's layout in order (empty for an unknown type).
std::vector<AisNamedValue> AisMessageValues(const AisMessageRecord& message);
// The same into `values`, whose room is kept from one message to the next.
void AisMessageValues(const AisMessageRecord& message, std::vector<AisNamedValue>& values);

} // namespace varo
