#include "tools/AisJson.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

template <typename T> void AppendInteger(std::string& out, T value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void AppendFloat(std::string& out, float value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    out.append(buffer, static_cast<std::size_t>(length));
}

void AppendString(std::string& out, const char* text, std::size_t capacity) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (std::size_t i = 0; i < capacity && text[i] != '\0'; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0x0F];
        } else {
            out += static_cast<char>(c);
        }
    }
    out += '"';
}

void AppendKey(std::string& out, std::string_view key) {
    out += '"';
    out += key;
    out += "\":";
}

// The keys of every layout, repeated names numbered, built once.
const std::array<std::vector<std::string>, 25>& LayoutKeys() {
    static const auto keys = [] {
        std::array<std::vector<std::string>, 25> all;
        for (std::size_t i = 0; i < all.size(); ++i) {
            for (const AisField& field : AisFieldLayoutTable[i].fields) {
                const std::string base = AisJsonKey(field.name);
                int seen = 0;
                for (const AisField& earlier : AisFieldLayoutTable[i].fields) {
                    if (&earlier == &field) break;
                    seen += AisJsonKey(earlier.name) == base ? 1 : 0;
                }
                all[i].push_back(seen == 0 ? base : base + "_" + std::to_string(seen + 1));
            }
        }
        return all;
    }();
    return keys;
}

// Appends the value stored at `offset`; returns the bytes it took.
std::size_t AppendValue(std::string& out, const AisMessageRecord& m, std::size_t offset,
                        const AisField& field) {
    const uint8_t* at = m.bytes + offset;
    const std::size_t left = kAisMessageRecordSize - offset;
    switch (field.coding) {
    case acUnsigned8:
    case acTimeStamp:
        AppendInteger(out, unsigned{*at});
        return 1;
    case acUnsigned16:
    case acFunctionId:
    case acHeading: {
        uint16_t value;
        std::memcpy(&value, at, sizeof value);
        AppendInteger(out, unsigned{value});
        return 2;
    }
    case acUnsigned32:
    case acIdentifier:
    case acCommState:
    case acDimensions:
    case acEta: {
        uint32_t value;
        std::memcpy(&value, at, sizeof value);
        AppendInteger(out, value);
        return 4;
    }
    case acSignedReal:
    case acUnsignedReal:
    case acRateOfTurn:
    case acLongitude:
    case acLatitude:
    case acCourse: {
        float value;
        std::memcpy(&value, at, sizeof value);
        AppendFloat(out, value);
        return 4;
    }
    case acText:
    case acTextToEnd: {
        const char* text = reinterpret_cast<const char*>(at);
        AppendString(out, text, left);
        return field.coding == acText ? AisStoredSize(field) : strnlen(text, left) + 1;
    }
    }
    out += "null";
    return AisStoredSize(field);
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

void AppendAisJson(const AisMessageRecord& message, int target, std::string& out) {
    out += "\"ais\":{\"type\":";
    AppendInteger(out, unsigned{message.bytes[0]});
    out += ",\"fields\":{";
    const AisLayout* layout = AisRecordLayout(message);
    if (layout != nullptr) {
        const auto& keys = LayoutKeys()[static_cast<std::size_t>(layout - AisFieldLayoutTable)];
        std::size_t offset = 0;
        for (std::size_t i = 0; i < layout->fields.size() && offset < kAisMessageRecordSize; ++i) {
            if (i > 0) out += ',';
            AppendKey(out, keys[i]);
            offset += AppendValue(out, message, offset, layout->fields[i]);
        }
        if (message.bytes[0] == 22) {
            uint32_t destinations[2];
            std::memcpy(destinations, message.bytes + kAisType22DestinationsOffset,
                        sizeof destinations);
            out += ",\"destination_mmsi_1\":";
            AppendInteger(out, destinations[0]);
            out += ",\"destination_mmsi_2\":";
            AppendInteger(out, destinations[1]);
        }
    }
    out += "},\"target\":";
    AppendInteger(out, target);
    out += '}';
}

void AppendAisTargetJson(const AisTarget& t, int index, std::string& out) {
    const auto integer = [&out](std::string_view key, auto value, bool first = false) {
        if (!first) out += ',';
        AppendKey(out, key);
        AppendInteger(out, value);
    };
    const auto real = [&out](std::string_view key, float value) {
        out += ',';
        AppendKey(out, key);
        AppendFloat(out, value);
    };
    const auto text = [&out](std::string_view key, const char* value, std::size_t capacity) {
        out += ',';
        AppendKey(out, key);
        AppendString(out, value, capacity);
    };
    out += '{';
    integer("index", index, true);
    integer("class", unsigned{t.targetClass});
    integer("mmsi", t.mmsi);
    integer("status", unsigned{t.status});
    integer("flags", unsigned{t.flags});
    real("longitude", t.longitude);
    real("latitude", t.latitude);
    real("speed", t.speed);
    real("course", t.course);
    real("heading", t.heading);
    text("name", t.name, sizeof t.name);
    text("call_sign", t.callSign, sizeof t.callSign);
    integer("ship_type", unsigned{t.shipType});
    integer("to_starboard", unsigned{t.toStarboard});
    integer("to_port", unsigned{t.toPort});
    integer("to_stern", unsigned{t.toStern});
    integer("to_bow", unsigned{t.toBow});
    integer("imo", t.imo);
    real("rate_of_turn", t.rateOfTurn);
    integer("eta_month", unsigned{t.etaMonth});
    integer("eta_day", unsigned{t.etaDay});
    integer("eta_hour", unsigned{t.etaHour});
    integer("eta_minute", unsigned{t.etaMinute});
    integer("ais_version", unsigned{t.aisVersion});
    real("draught", t.draught);
    text("destination", t.destination, sizeof t.destination);
    text("vendor", t.vendor, sizeof t.vendor);
    integer("class_b_flags", unsigned{t.classBFlags});
    integer("aton_flags", unsigned{t.atonFlags});
    integer("vdm_count", t.vdmCount);
    integer("vdo_count", t.vdoCount);
    out += '}';
}

void AppendAisTargetsJson(const AisTargetTable& table, std::string& out) {
    for (int i = 0; i < table.count && i < kAisTargetCapacity; ++i) {
        AppendAisTargetJson(table.entries[i], i, out);
        out += '\n';
    }
}
