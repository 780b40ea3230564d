#include "tools/RecordJson.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace varo {
namespace {

// The keys a layout's fields write, in order, quoted and with their colon
// ("time":): one a field, two for a position; a name that repeats gets _2,
// _3 ... Built once a layout (a Group's members are a layout of their own).
const std::vector<std::string>& QuotedKeys(std::span<const FieldLayout> layout) {
    static std::unordered_map<const FieldLayout*, std::vector<std::string>> cache;
    const auto [entry, added] = cache.try_emplace(layout.data());
    if (added) {
        std::vector<std::string> names;
        for (const FieldLayout& field : layout) {
            if (field.type == FieldKind::LatLon) {
                names.insert(names.end(), {"latitude", "longitude"});
            } else {
                names.emplace_back(field.name);
            }
        }
        for (std::size_t i = 0; i < names.size(); ++i) {
            const auto seen =
                std::count(names.begin(), names.begin() + static_cast<long>(i), names[i]);
            const std::string key =
                seen == 0 ? names[i] : names[i] + "_" + std::to_string(seen + 1);
            entry->second.push_back('"' + key + "\":");
        }
    }
    return entry->second;
}

void WriteTime(JsonWriter& json, const unsigned char* at) {
    const auto time = ReadStored<UtcTime>(at);
    json.open('{');
    json.key("hour");
    json.integer(time.hour);
    json.key("minute");
    json.integer(time.minute);
    json.key("second");
    json.integer(time.second);
    json.key("hundredths");
    json.integer(time.hundredths);
    json.close('}');
}

void WriteDate(JsonWriter& json, const unsigned char* at) {
    const auto date = ReadStored<NmeaDate>(at);
    json.open('{');
    json.key("year");
    json.integer(date.year);
    json.key("month");
    json.integer(date.month);
    json.key("day");
    json.integer(date.day);
    json.close('}');
}

void WriteMobData(JsonWriter& json, const unsigned char* base) {
    const auto& mob = *reinterpret_cast<const MobFields*>(base);
    const std::size_t count = mob.dataCount < kMobDataCapacity ? mob.dataCount : kMobDataCapacity;
    json.open('[');
    for (std::size_t i = 0; i < count; ++i) {
        json.integer(mob.data[i]);
    }
    json.close(']');
}

void WriteValue(JsonWriter& json, const FieldLayout& field, const unsigned char* at) {
    switch (field.type) {
    case FieldKind::Time:
        WriteTime(json, at);
        return;
    case FieldKind::Date:
        WriteDate(json, at);
        return;
    case FieldKind::LatLon:
    case FieldKind::MobData:
    case FieldKind::Group:
        return; // written by WriteField, which knows the keys
    default:
        break;
    }
    const FieldValue value = ReadFieldValue(field.type, at, field.stride);
    switch (value.kind) {
    case FieldValue::Kind::Integer:
        json.integer(value.integer);
        break;
    case FieldValue::Kind::Real:
        json.real(static_cast<float>(value.real));
        break;
    case FieldValue::Kind::Character:
        json.character(static_cast<char>(value.integer));
        break;
    case FieldValue::Kind::Text:
        json.string(value.text);
        break;
    }
}

// Writes one field with its key or keys from `key` on.
void WriteField(JsonWriter& json, const std::string* key, const FieldLayout& field,
                const unsigned char* base) {
    const unsigned char* at = base + field.offset;
    if (field.type == FieldKind::LatLon) {
        const auto position = ReadStored<LatLon>(at);
        json.quotedKey(key[0]);
        json.real(position.latitude);
        json.quotedKey(key[1]);
        json.real(position.longitude);
        return;
    }
    json.quotedKey(key[0]);
    if (field.type == FieldKind::MobData) {
        WriteMobData(json, base);
    } else if (field.type == FieldKind::Group) {
        const std::vector<std::string>& memberKeys = QuotedKeys(field.members);
        json.open('[');
        for (int i = 0; i < GroupCount(field, base); ++i) {
            json.open('{');
            for (std::size_t m = 0; m < field.members.size(); ++m) {
                const FieldLayout& member = field.members[m];
                json.quotedKey(memberKeys[m]);
                WriteValue(json, member, at + member.offset + i * member.stride);
            }
            json.close('}');
        }
        json.close(']');
    } else if (field.count > 1) {
        json.open('[');
        for (int i = 0; i < field.count; ++i) {
            WriteValue(json, field, at + i * field.stride);
        }
        json.close(']');
    } else {
        WriteValue(json, field, at);
    }
}

} // namespace

void WriteFieldSet(JsonWriter& json, const SentenceRecord& record, bool lenient) {
    const std::span<const FieldLayout> layout = FieldSetLayout(record.formatter);
    const std::string* key = QuotedKeys(layout).data();
    for (const FieldLayout& field : layout) {
        if (lenient || !field.lenientOnly) {
            WriteField(json, key, field, record.payload.bytes);
        }
        key += field.type == FieldKind::LatLon ? 2 : 1;
    }
}

} // namespace varo
