#include "tools/RecordJson.h"

#include <cstring>
#include <string>
#include <string_view>

namespace varo {
namespace {

// Top-level keys of one field set; a name that repeats gets _2, _3, ...
class KeyNamer {
public:
    void write(JsonWriter& json, std::string_view name) {
        int seen = 0;
        for (int i = 0; i < count_; ++i) {
            seen += names_[i] == name;
        }
        if (count_ < kMaxKeys) {
            names_[count_++] = name;
        }
        if (seen == 0) {
            json.key(name);
            return;
        }
        std::string numbered(name);
        numbered += '_';
        numbered += std::to_string(seen + 1);
        json.key(numbered);
    }

private:
    static constexpr int kMaxKeys = 32;
    std::string_view names_[kMaxKeys];
    int count_ = 0;
};

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

void WriteField(JsonWriter& json, KeyNamer& keys, const FieldLayout& field,
                const unsigned char* base) {
    const unsigned char* at = base + field.offset;
    if (field.type == FieldKind::LatLon) {
        const auto position = ReadStored<LatLon>(at);
        keys.write(json, "latitude");
        json.real(position.latitude);
        keys.write(json, "longitude");
        json.real(position.longitude);
        return;
    }
    keys.write(json, field.name);
    if (field.type == FieldKind::MobData) {
        WriteMobData(json, base);
    } else if (field.type == FieldKind::Group) {
        json.open('[');
        for (int i = 0; i < GroupCount(field, base); ++i) {
            json.open('{');
            for (const FieldLayout& member : field.members) {
                json.key(member.name);
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
    KeyNamer keys;
    for (const FieldLayout& field : FieldSetLayout(record.formatter)) {
        if (lenient || !field.lenientOnly) {
            WriteField(json, keys, field, record.payload.bytes);
        }
    }
}

} // namespace varo
