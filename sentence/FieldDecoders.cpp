#include "sentence/FieldDecoders.h"

#include <algorithm>
#include <cstring>

#include "sentence/FieldConversions.h"
#include "sentence/SentenceParser.h"

namespace varo {
namespace {

std::size_t ElementSize(FieldKind kind) {
    switch (kind) {
    case FieldKind::Int16:
    case FieldKind::Int16Low8:
        return 2;
    case FieldKind::Int32:
    case FieldKind::Real:
        return 4;
    default:
        return 1;
    }
}

template <typename T> void Put(unsigned char* at, T value) {
    std::memcpy(at, &value, sizeof value);
}
template <typename T> T Get(const unsigned char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

bool InRange(const FieldSpec& spec, double value) {
    // Written so that NaN is out of every range.
    return !spec.ranged || (value >= spec.minimum && value <= spec.maximum);
}

template <typename T>
bool StoreInteger(const FieldSpec& spec, bool storeBlank, const char* field, unsigned char* at) {
    // Narrowing keeps the low bits; the range check tests what was stored.
    const T value = storeBlank ? static_cast<T>(static_cast<std::int64_t>(spec.blankValue))
                               : static_cast<T>(ParseInteger(field));
    Put(at, value);
    return storeBlank || InRange(spec, value);
}

void StoreText(const FieldSpec& spec, bool storeBlank, const char* field, unsigned char* at) {
    std::memset(at, 0, spec.size);
    if (!storeBlank) {
        std::memcpy(at, field, strnlen(field, spec.size - 1u));
    }
}

} // namespace

bool StoreField(const FieldSpec& spec, int element, const char* field, unsigned char* base) {
    unsigned char* at =
        base + spec.offset + static_cast<std::size_t>(element) * ElementSize(spec.kind);
    const bool blank = IsBlankField(field);
    if (blank && spec.blank == BlankRule::Fail) {
        return false;
    }
    const bool storeBlank = blank && spec.blank == BlankRule::Store;
    switch (spec.kind) {
    case FieldKind::Int8:
        return StoreInteger<std::int8_t>(spec, storeBlank, field, at);
    case FieldKind::Int16:
        return StoreInteger<std::int16_t>(spec, storeBlank, field, at);
    case FieldKind::Int32:
        return StoreInteger<std::int32_t>(spec, storeBlank, field, at);
    case FieldKind::Int16Low8:
        Put(at, storeBlank ? static_cast<std::int16_t>(spec.blankValue)
                           : static_cast<std::int16_t>(ParseInteger(field) & 0xFF));
        return true;
    case FieldKind::Real: {
        const float value = storeBlank ? static_cast<float>(spec.blankValue) : ParseReal(field);
        Put(at, value);
        return storeBlank || !spec.ranged ||
               (value >= static_cast<float>(spec.minimum) &&
                value <= static_cast<float>(spec.maximum));
    }
    case FieldKind::Unit:
        if (std::strlen(field) != 1) {
            return false;
        }
        [[fallthrough]];
    case FieldKind::Char:
        *at = storeBlank ? static_cast<unsigned char>(spec.blankValue)
                         : static_cast<unsigned char>(field[0]);
        return true;
    case FieldKind::TwoChars:
        at[0] = static_cast<unsigned char>(field[0]);
        at[1] = field[0] != '\0' ? static_cast<unsigned char>(field[1]) : 0;
        return true;
    case FieldKind::Text:
        StoreText(spec, storeBlank, field, at);
        return true;
    case FieldKind::Time: {
        auto time = Get<UtcTime>(at);
        ConvertUtcTime(field, time);
        Put(at, time);
        return true;
    }
    case FieldKind::Date: {
        auto date = Get<NmeaDate>(at);
        ConvertDate(field, date);
        Put(at, date);
        return true;
    }
    case FieldKind::LatLon: {
        LatLon position{};
        ReadLatLonGroup(field, position);
        Put(at, position);
        return true;
    }
    case FieldKind::Literal:
        return std::strcmp(field, spec.literal) == 0;
    }
    return false;
}

bool DecodeFieldList(std::span<const FieldSpec> list, unsigned char* base, bool endsSentence) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        const FieldSpec& spec = list[i];
        for (int element = 0; element < spec.repeat; ++element) {
            const bool last = endsSentence && i + 1 == list.size() && element + 1 == spec.repeat;
            const char* field = NextField(nullptr, last ? "*" : ",");
            if (field == nullptr || !StoreField(spec, element, field, base)) {
                return false;
            }
        }
    }
    return true;
}

bool DecodeFieldsPresent(std::span<const FieldSpec> list, unsigned char* base, int present) {
    if (present > CountSentenceFields(list)) {
        return false;
    }
    static constexpr char blank[] = {kEmptyFieldMark, '\0'};
    int read = 0;
    for (const FieldSpec& spec : list) {
        for (int element = 0; element < spec.repeat; ++element) {
            const int needed = spec.kind == FieldKind::LatLon ? 4 : 1;
            if (read >= present) {
                if (spec.kind == FieldKind::LatLon) {
                    const LatLon none{kNoLatitude, kNoLongitude};
                    std::memcpy(base + spec.offset, &none, sizeof none);
                } else if (!StoreField(spec, element, blank, base)) {
                    return false;
                }
                continue;
            }
            if (read + needed > present) {
                return false;
            }
            read += needed;
            const char* field = NextField(nullptr, read == present ? "*" : ",");
            if (field == nullptr || !StoreField(spec, element, field, base)) {
                return false;
            }
        }
    }
    return true;
}

namespace {

// The three formatter letters packed into one key, first letter highest, so
// that key order is the byte order of the table.
std::uint32_t FormatterKey(const char* formatter) {
    std::uint32_t key = 0;
    for (int i = 0; i < 3; ++i) {
        const auto letter = static_cast<unsigned char>(formatter[i]);
        key = key << 8 | letter;
        if (letter == 0) {
            key <<= 8 * (2 - i);
            break;
        }
    }
    return key;
}

} // namespace

const DecoderEntry* FindDecoder(const char* formatter) {
    if (formatter[0] != '\0' && formatter[1] != '\0' && formatter[2] != '\0' &&
        formatter[3] != '\0') {
        return nullptr; // longer than a formatter
    }
    const std::uint32_t key = FormatterKey(formatter);
    const auto table = DecoderTable();
    const auto found = std::lower_bound(table.begin(), table.end(), key,
                                        [](const DecoderEntry& entry, std::uint32_t k) {
                                            return FormatterKey(entry.formatter) < k;
                                        });
    if (found == table.end() || FormatterKey(found->formatter) != key) {
        return nullptr;
    }
    return &*found;
}

bool DecodeFields(const char* formatter, char* line, SentencePayload& payload) {
    return DecodeCountedFields(formatter, line,
                               static_cast<int>(std::count(line, line + std::strlen(line), ',')),
                               payload, nullptr);
}

bool DecodeCountedFields(const char* formatter, char* line, int commas, SentencePayload& payload,
                         ParseFailure* failure, bool lenient) {
    const auto fail = [failure](ParseFailure reason) {
        if (failure != nullptr) {
            *failure = reason;
        }
        return false;
    };
    const DecoderEntry* entry = FindDecoder(formatter);
    if (entry == nullptr) {
        return fail(ParseFailure::UnknownFormatter);
    }
    if (lenient && entry->lenientSpecial != nullptr) {
        return entry->lenientSpecial(line, payload) || fail(ParseFailure::Fields);
    }
    if (lenient && entry->special == nullptr) {
        const auto list = entry->lenientFields.empty() ? entry->fields : entry->lenientFields;
        if (commas < 1 || commas > CountSentenceFields(list) || NextField(line, ",") == nullptr) {
            return fail(ParseFailure::Fields);
        }
        return DecodeFieldsPresent(list, payload.bytes, commas) || fail(ParseFailure::Range);
    }
    if (entry->commas > 0 && commas != entry->commas) {
        return fail(ParseFailure::Fields);
    }
    if (entry->special != nullptr) {
        // A decoder that counts the fields itself fails mostly on that count.
        return entry->special(line, payload) ||
               fail(entry->commas > 0 ? ParseFailure::Range : ParseFailure::Fields);
    }
    if (NextField(line, ",") == nullptr) {
        return fail(ParseFailure::Fields);
    }
    return DecodeFieldList(entry->fields, payload.bytes, true) || fail(ParseFailure::Range);
}

} // namespace varo
