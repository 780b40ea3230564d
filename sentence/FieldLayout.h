// The layouts of the decoded field sets: for each formatter the names of its
// fields in stored order, how each is stored and where it lies in the
// record's payload. `varo-nmea decode` prints them as JSON keys; the data
// view shows them as names with values and units. Names are snake_case.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "sentence/SentenceRecord.h"

namespace varo {

enum class FieldKind : std::uint8_t {
    Int8,
    UInt8,
    Int16,
    Int32,
    Real,
    Char,
    TwoChars,
    Text,
    Time,
    Date,
    LatLon,
    MobData,
    Group
};

// One field of a field set. `count` > 1 makes an array whose elements lie
// `stride` bytes apart; a Group is an array of objects made of `members`,
// each member's element i at offset + member offset + i * member stride.
struct FieldLayout {
    const char* name;
    FieldKind type;
    std::uint16_t offset;
    std::uint8_t count = 1;
    std::uint16_t stride = 0; // arrays and group members; Text: the field size
    std::span<const FieldLayout> members = {};
    std::int16_t countAt = -1; // a Group of as many elements as the byte here says, at most `count`
    bool lenientOnly = false;  // a field only the lenient reading of other devices' logs fills
};

// The elements of a Group that the field set at `base` holds.
inline int GroupCount(const FieldLayout& field, const unsigned char* base) {
    return field.countAt < 0 ? field.count : std::min<int>(field.count, base[field.countAt]);
}

// The value of type T stored at `at`, which need not be aligned.
template <typename T> T ReadStored(const unsigned char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// The field set layout of a formatter ("GGA", "Q", ...), empty when unknown.
std::span<const FieldLayout> FieldSetLayout(const char* formatter);

// One scalar value read from a record: an integer, a real, or text that
// points into the record.
struct FieldValue {
    enum class Kind : std::uint8_t { Integer, Real, Character, Text } kind = Kind::Integer;
    std::int64_t integer = 0;
    double real = 0;
    std::string_view text;
};

// Reads the scalar value of `type` (not Time, Date, LatLon, MobData or Group)
// at `at`; `size` bounds Text.
FieldValue ReadFieldValue(FieldKind type, const unsigned char* at, std::size_t size);

// The unit a field's value is given in ("kn", "deg", "m" ...), "" when none.
std::string_view FieldUnit(std::string_view name);

} // namespace varo
