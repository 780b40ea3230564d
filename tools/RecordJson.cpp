#include "tools/RecordJson.h"

#include <cstring>
#include <string>
#include <string_view>

namespace varo {
namespace {

template <typename T> T Read(const unsigned char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

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

void WriteValue(JsonWriter& json, const JsonField& field, const unsigned char* at);

void WriteTime(JsonWriter& json, const unsigned char* at) {
    const auto time = Read<UtcTime>(at);
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
    const auto date = Read<NmeaDate>(at);
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

void WriteValue(JsonWriter& json, const JsonField& field, const unsigned char* at) {
    switch (field.type) {
    case JsonValue::Int8:
        json.integer(Read<std::int8_t>(at));
        break;
    case JsonValue::UInt8:
        json.integer(*at);
        break;
    case JsonValue::Int16:
        json.integer(Read<std::int16_t>(at));
        break;
    case JsonValue::Int32:
        json.integer(Read<std::int32_t>(at));
        break;
    case JsonValue::Real:
        json.real(Read<float>(at));
        break;
    case JsonValue::Char:
        json.character(static_cast<char>(*at));
        break;
    case JsonValue::TwoChars:
        json.string(std::string_view(reinterpret_cast<const char*>(at),
                                     strnlen(reinterpret_cast<const char*>(at), 2)));
        break;
    case JsonValue::Text:
        json.string(std::string_view(reinterpret_cast<const char*>(at),
                                     strnlen(reinterpret_cast<const char*>(at), field.stride)));
        break;
    case JsonValue::Time:
        WriteTime(json, at);
        break;
    case JsonValue::Date:
        WriteDate(json, at);
        break;
    case JsonValue::LatLon:
    case JsonValue::MobData:
    case JsonValue::Group:
        break; // written by WriteField, which knows the keys
    }
}

void WriteField(JsonWriter& json, KeyNamer& keys, const JsonField& field,
                const unsigned char* base) {
    const unsigned char* at = base + field.offset;
    if (field.type == JsonValue::LatLon) {
        const auto position = Read<LatLon>(at);
        keys.write(json, "latitude");
        json.real(position.latitude);
        keys.write(json, "longitude");
        json.real(position.longitude);
        return;
    }
    keys.write(json, field.name);
    if (field.type == JsonValue::MobData) {
        WriteMobData(json, base);
    } else if (field.type == JsonValue::Group) {
        json.open('[');
        for (int i = 0; i < field.count; ++i) {
            json.open('{');
            for (const JsonField& member : field.members) {
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

void WriteFieldSet(JsonWriter& json, const SentenceRecord& record) {
    KeyNamer keys;
    for (const JsonField& field : FieldSetLayout(record.formatter)) {
        WriteField(json, keys, field, record.payload.bytes);
    }
}

} // namespace varo
