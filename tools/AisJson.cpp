#include "tools/AisJson.h"

#include "ais/AisFieldValue.h"

#include <array>
#include <cctype>
#include <cstring>
#include <vector>

namespace varo {
namespace {

// The keys of every layout, repeated names numbered, quoted with their colon, built once.
const std::array<std::vector<std::string>, kAisLayoutCount>& LayoutKeys() {
    static const auto keys = [] {
        std::array<std::vector<std::string>, kAisLayoutCount> all;
        for (std::size_t i = 0; i < all.size(); ++i) {
            for (const AisField& field : AisFieldLayoutTable[i].fields) {
                const std::string base = AisJsonKey(field.name);
                int seen = 0;
                for (const AisField& earlier : AisFieldLayoutTable[i].fields) {
                    if (&earlier == &field) break;
                    seen += AisJsonKey(earlier.name) == base ? 1 : 0;
                }
                all[i].push_back('"' + (seen == 0 ? base : base + "_" + std::to_string(seen + 1)) +
                                 "\":");
            }
        }
        return all;
    }();
    return keys;
}

} // namespace

std::string AisJsonKey(std::string_view fieldName) {
    std::string key;
    bool pendingSeparator = false;
    for (const char c : fieldName) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) == 0) {
            pendingSeparator = !key.empty();
            continue;
        }
        if (pendingSeparator) key += '_';
        pendingSeparator = false;
        key += static_cast<char>(std::tolower(u));
    }
    return key;
}

void WriteAisJson(JsonWriter& json, const AisMessageRecord& message, int target) {
    json.key("ais");
    json.open('{');
    json.key("type");
    json.integer(message.bytes[0]);
    json.key("fields");
    json.open('{');
    const AisLayout* layout = AisRecordLayout(message);
    if (layout != nullptr) {
        const auto& keys = LayoutKeys()[static_cast<std::size_t>(layout - AisFieldLayoutTable)];
        static std::vector<AisNamedValue> values;
        AisMessageValues(message, values);
        for (std::size_t i = 0; i < values.size(); ++i) {
            json.quotedKey(keys[i]);
            const AisFieldValue& value = values[i].value;
            switch (value.kind) {
            case AisFieldValue::Kind::Integer:
                json.integer(value.integer);
                break;
            case AisFieldValue::Kind::Real:
                json.real(value.real);
                break;
            case AisFieldValue::Kind::Text:
                json.string(value.text);
                break;
            case AisFieldValue::Kind::Binary:
                json.open('{');
                json.key("bits");
                json.integer(value.integer);
                json.key("hex");
                json.string(AisBinaryHex(value));
                json.close('}');
                break;
            }
        }
        if (message.bytes[0] == 22) {
            uint32_t destinations[2];
            std::memcpy(destinations, message.bytes + kAisType22DestinationsOffset,
                        sizeof destinations);
            json.key("destination_mmsi_1");
            json.integer(destinations[0]);
            json.key("destination_mmsi_2");
            json.integer(destinations[1]);
        }
    }
    json.close('}');
    json.key("target");
    json.integer(target);
    json.close('}');
}

void WriteAisTargetJson(JsonWriter& json, const AisTarget& t, int index) {
    const auto integer = [&json](std::string_view key, std::int64_t value) {
        json.key(key);
        json.integer(value);
    };
    const auto real = [&json](std::string_view key, float value) {
        json.key(key);
        json.real(value);
    };
    const auto text = [&json](std::string_view key, const char* value, std::size_t capacity) {
        json.key(key);
        json.string(std::string_view(value, strnlen(value, capacity)));
    };
    json.open('{');
    integer("index", index);
    integer("class", t.targetClass);
    integer("mmsi", t.mmsi);
    integer("status", t.status);
    integer("flags", t.flags);
    real("longitude", t.longitude);
    real("latitude", t.latitude);
    real("speed", t.speed);
    real("course", t.course);
    real("heading", t.heading);
    text("name", t.name, sizeof t.name);
    text("call_sign", t.callSign, sizeof t.callSign);
    integer("ship_type", t.shipType);
    integer("to_starboard", t.toStarboard);
    integer("to_port", t.toPort);
    integer("to_stern", t.toStern);
    integer("to_bow", t.toBow);
    integer("imo", t.imo);
    real("rate_of_turn", t.rateOfTurn);
    integer("eta_month", t.etaMonth);
    integer("eta_day", t.etaDay);
    integer("eta_hour", t.etaHour);
    integer("eta_minute", t.etaMinute);
    integer("ais_version", t.aisVersion);
    real("draught", t.draught);
    text("destination", t.destination, sizeof t.destination);
    text("vendor", t.vendor, sizeof t.vendor);
    integer("class_b_flags", t.classBFlags);
    integer("aton_flags", t.atonFlags);
    integer("vdm_count", t.vdmCount);
    integer("vdo_count", t.vdoCount);
    json.close('}');
}

void WriteAisTargetsJson(JsonWriter& json, const AisTargetTable& table) {
    for (int i = 0; i < table.count && i < kAisTargetCapacity; ++i) {
        WriteAisTargetJson(json, table.entries[i], i);
        json.endLine();
    }
}

} // namespace varo
