// JSON dump of a parsed sentence record: header and the field set as stored.
#pragma once

#include <cstdint>
#include <span>

#include "sentence/SentenceRecord.h"
#include "tools/JsonWriter.h"

namespace varo {

enum class JsonValue : std::uint8_t {
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

// One key of a field set. `count` > 1 makes an array whose elements lie `stride`
// bytes apart; a Group is an array of objects made of `members`, each member's
// element i at offset + member offset + i * member stride.
struct JsonField {
    const char* name;
    JsonValue type;
    std::uint16_t offset;
    std::uint8_t count = 1;
    std::uint16_t stride = 0; // arrays and group members; Text: the field size
    std::span<const JsonField> members = {};
};

// The field set layout of a formatter ("GGA", "Q", ...), empty when unknown.
std::span<const JsonField> FieldSetLayout(const char* formatter);

// Writes "fields":{...} keys for the record's formatter into an open object.
void WriteFieldSet(JsonWriter& json, const SentenceRecord& record);

} // namespace varo
