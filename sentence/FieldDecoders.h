// Per-formatter field decoders: declarative field lists read by one engine,
// plain functions where a formatter is not a plain list, and the one table
// that maps each formatter to its decoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "sentence/SentenceRecord.h"

namespace varo {

enum class FieldKind : std::uint8_t {
    Int8,
    Int16,
    Int32,
    Int16Low8, // 16-bit field that keeps only the value's low 8 bits
    Real,
    Char,
    Unit,     // a character field that must be exactly one character long
    TwoChars, // the first two characters, not terminated
    Text,     // terminated, cut to fit `size`
    Time,
    Date,
    LatLon, // four sentence fields
    Literal // must equal `literal`; stores nothing
};

enum class BlankRule : std::uint8_t {
    Convert, // a blank converts like any text (0 for numbers, ' ' for characters)
    Store,   // a blank stores `blankValue` (the empty string for text)
    Fail     // a blank fails the sentence
};

// One field (or `repeat` consecutive fields of one kind) of a sentence. Range
// limits apply to the stored value of a field that was not blank.
struct FieldSpec {
    FieldKind kind;
    std::uint16_t offset; // in the field set
    std::uint8_t repeat = 1;
    BlankRule blank = BlankRule::Convert;
    double blankValue = 0.0;
    bool ranged = false;
    double minimum = 0.0;
    double maximum = 0.0;
    std::uint16_t size = 0; // Text: bytes including the terminator
    const char* literal = nullptr;

    constexpr FieldSpec blankAs(double value) const {
        FieldSpec spec = *this;
        spec.blank = BlankRule::Store;
        spec.blankValue = value;
        return spec;
    }
    constexpr FieldSpec blankConverts() const {
        FieldSpec spec = *this;
        spec.blank = BlankRule::Convert;
        return spec;
    }
    constexpr FieldSpec blankFails() const {
        FieldSpec spec = *this;
        spec.blank = BlankRule::Fail;
        return spec;
    }
    constexpr FieldSpec within(double low, double high) const {
        FieldSpec spec = *this;
        spec.ranged = true;
        spec.minimum = low;
        spec.maximum = high;
        return spec;
    }
    constexpr FieldSpec times(std::uint8_t count) const {
        FieldSpec spec = *this;
        spec.repeat = count;
        return spec;
    }
    // How many comma-separated fields of the sentence this entry consumes.
    constexpr int sentenceFields() const { return (kind == FieldKind::LatLon ? 4 : 1) * repeat; }
};

constexpr FieldSpec Int8Field(std::size_t offset) {
    return {FieldKind::Int8, static_cast<std::uint16_t>(offset)};
}
constexpr FieldSpec Int16Field(std::size_t offset) {
    return {FieldKind::Int16, static_cast<std::uint16_t>(offset)};
}
constexpr FieldSpec Int32Field(std::size_t offset) {
    return {FieldKind::Int32, static_cast<std::uint16_t>(offset)};
}
constexpr FieldSpec Int16Low8Field(std::size_t offset) {
    return {FieldKind::Int16Low8, static_cast<std::uint16_t>(offset)};
}
// Reals store kNoReal for a blank unless told otherwise.
constexpr FieldSpec RealField(std::size_t offset) {
    return FieldSpec{FieldKind::Real, static_cast<std::uint16_t>(offset)}.blankAs(kNoReal);
}
constexpr FieldSpec CharField(std::size_t offset) {
    return {FieldKind::Char, static_cast<std::uint16_t>(offset)};
}
constexpr FieldSpec UnitField(std::size_t offset) {
    return FieldSpec{FieldKind::Unit, static_cast<std::uint16_t>(offset)}.blankAs(
        static_cast<unsigned char>(kNoChar));
}
constexpr FieldSpec TwoCharsField(std::size_t offset) {
    return {FieldKind::TwoChars, static_cast<std::uint16_t>(offset)};
}
constexpr FieldSpec TextField(std::size_t offset, std::size_t size) {
    FieldSpec spec{FieldKind::Text, static_cast<std::uint16_t>(offset)};
    spec.size = static_cast<std::uint16_t>(size);
    return spec;
}
constexpr FieldSpec TimeField(std::size_t offset) {
    return {FieldKind::Time, static_cast<std::uint16_t>(offset)};
}
constexpr FieldSpec DateField(std::size_t offset) {
    return {FieldKind::Date, static_cast<std::uint16_t>(offset)};
}
constexpr FieldSpec LatLonField(std::size_t offset) {
    return {FieldKind::LatLon, static_cast<std::uint16_t>(offset)};
}
constexpr FieldSpec LiteralField(const char* text) {
    FieldSpec spec{FieldKind::Literal, 0};
    spec.literal = text;
    return spec;
}

constexpr int CountSentenceFields(std::span<const FieldSpec> list) {
    int fields = 0;
    for (const FieldSpec& spec : list) {
        fields += spec.sentenceFields();
    }
    return fields;
}

// Converts and stores element `element` of `spec` from `field` into the field
// set at `base`; false when a check fails. Fetches the further fields of a
// LatLon group itself.
bool StoreField(const FieldSpec& spec, int element, const char* field, unsigned char* base);

// Reads `list` field by field from the shared cursor on. When `endsSentence`,
// the list's last field is read up to the '*'.
bool DecodeFieldList(std::span<const FieldSpec> list, unsigned char* base, bool endsSentence);

// Reads the `present` fields left on the line (the last up to the '*') into
// `list`, and stores the list's later fields as blanks: the shorter forms of
// a sentence in other devices' logs. Fails when the line holds more fields
// than the list or ends inside a position group.
bool DecodeFieldsPresent(std::span<const FieldSpec> list, unsigned char* base, int present);

using SpecialDecoder = bool (*)(char* line, SentencePayload& payload);

// One formatter. A decoder with `fields` is the engine over that list; a
// `special` decoder is code. `commas` > 0 is checked before decoding; 0 means
// the decoder checks the count itself. A lenient reading uses
// `lenientFields` or `lenientSpecial` where given, and a list decoder then
// takes up to as many fields as its list holds.
struct DecoderEntry {
    char formatter[4];
    int commas;
    std::span<const FieldSpec> fields;
    SpecialDecoder special;
    std::span<const FieldSpec> lenientFields = {};
    SpecialDecoder lenientSpecial = nullptr;

    constexpr DecoderEntry lenient(std::span<const FieldSpec> list) const {
        DecoderEntry entry = *this;
        entry.lenientFields = list;
        return entry;
    }
    constexpr DecoderEntry lenient(SpecialDecoder decoder) const {
        DecoderEntry entry = *this;
        entry.lenientSpecial = decoder;
        return entry;
    }
};

std::span<const DecoderEntry> DecoderTable();
const DecoderEntry* FindDecoder(const char* formatter);

// Decodes the fields of `line` (from its address field on) into `payload` with
// the decoder of `formatter`; false when there is none or decoding fails.
bool DecodeFields(const char* formatter, char* line, SentencePayload& payload);

enum class ParseFailure : std::uint8_t;

// DecodeFields for a line whose commas the caller has counted (`commas`), as
// the parser does in its single pass over the line. On failure `failure`, when
// given, says whether the formatter, the field count or a field's value failed.
// `lenient` reads the forms of other devices' logs (see DecoderEntry).
bool DecodeCountedFields(const char* formatter, char* line, int commas, SentencePayload& payload,
                         ParseFailure* failure, bool lenient = false);

} // namespace varo
