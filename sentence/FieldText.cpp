#include "sentence/FieldText.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "sentence/FieldLayout.h"

namespace varo {
namespace {

struct UnitEntry {
    std::string_view name;
    std::string_view unit;
};

// Units by field name; a name not listed has none.
constexpr UnitEntry kUnits[] = {
    {"altitude", "m"},
    {"geoidal_separation", "m"},
    {"age_of_differential_data", "s"},
    {"speed_over_ground", "kn"},
    {"course_over_ground", "deg"},
    {"magnetic_variation", "deg"},
    {"heading", "deg"},
    {"rate_of_turn", "deg/min"},
    {"course_true", "deg"},
    {"course_magnetic", "deg"},
    {"speed_knots", "kn"},
    {"speed_kmh", "km/h"},
    {"elevation", "deg"},
    {"azimuth", "deg"},
    {"snr", "dB-Hz"},
    {"draught", "m"},
    {"set", "deg"},
    {"drift", "kn"},
    {"speed", "kn"},
    {"course", "deg"},
    {"magnetic_sensor_heading", "deg"},
    {"deviation", "deg"},
    {"variation", "deg"},
    {"heading_true", "deg"},
    {"heading_magnetic", "deg"},
    {"heading_to_steer", "deg"},
    {"bearing_true", "deg"},
    {"bearing_magnetic", "deg"},
    {"bearing_origin_to_destination", "deg"},
    {"bearing_to_destination", "deg"},
    {"direction_true", "deg"},
    {"direction_magnetic", "deg"},
    {"set_true", "deg"},
    {"set_magnetic", "deg"},
    {"wind_angle", "deg"},
    {"starboard_rudder", "deg"},
    {"port_rudder", "deg"},
    {"depth_feet", "ft"},
    {"depth_metres", "m"},
    {"depth_fathoms", "fathom"},
    {"depth", "m"},
    {"transducer_offset", "m"},
    {"maximum_range", "m"},
    {"speed_metres_per_second", "m/s"},
    {"closing_velocity", "kn"},
    {"temperature", "degC"},
    {"cross_track_error", "NM"},
    {"range_to_destination", "NM"},
    {"distance", "NM"},
    {"arrival_circle_radius", "NM"},
    {"total_water_distance", "NM"},
    {"trip_water_distance", "NM"},
    {"total_ground_distance", "NM"},
    {"trip_ground_distance", "NM"},
};

std::string Format(const char* format, auto... values) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, format, values...);
    return std::string(text, static_cast<std::size_t>(std::max(length, 0)));
}

// The not-available marks the parser writes for an empty field of each kind.
bool Available(const FieldValue& value) {
    switch (value.kind) {
    case FieldValue::Kind::Integer:
        return value.integer != kNoInt8 && value.integer != kNoNineDigitNumber &&
               value.integer != kNoCttNumber;
    case FieldValue::Kind::Real:
        return value.real != static_cast<double>(kNoReal) &&
               value.real != static_cast<double>(kNoHeading);
    case FieldValue::Kind::Character:
        return value.integer != kBlankChar && value.integer != 0 &&
               value.integer != static_cast<unsigned char>(kNoChar) && value.integer != kNoChar;
    case FieldValue::Kind::Text:
        return !value.text.empty() && value.text != " ";
    }
    return false;
}

std::string ValueText(const FieldValue& value) {
    if (!Available(value)) return {};
    switch (value.kind) {
    case FieldValue::Kind::Integer:
        return std::to_string(value.integer);
    case FieldValue::Kind::Real:
        return Format("%.6g", value.real);
    case FieldValue::Kind::Character:
        return std::string(1, static_cast<char>(value.integer));
    case FieldValue::Kind::Text:
        return std::string(value.text);
    }
    return {};
}

void Add(std::vector<FieldText>& out, std::string name, std::string value, std::string_view unit) {
    out.push_back({std::move(name), std::move(value), unit});
}

void Describe(std::vector<FieldText>& out, const FieldLayout& field, const unsigned char* base,
              const std::string& prefix) {
    const unsigned char* at = base + field.offset;
    const std::string name = prefix + FieldDisplayName(field.name);
    const std::string_view unit = FieldUnit(field.name);
    switch (field.type) {
    case FieldKind::LatLon: {
        const auto position = ReadStored<LatLon>(at);
        Add(out, prefix + "Latitude",
            position.latitude == kNoLatitude ? "" : AngleText(position.latitude, 'N', 'S'), {});
        Add(out, prefix + "Longitude",
            position.longitude == kNoLongitude ? "" : AngleText(position.longitude, 'E', 'W'), {});
        return;
    }
    case FieldKind::Time: {
        const auto time = ReadStored<UtcTime>(at);
        Add(out, name,
            time.hour >= kNoHour ? ""
                                 : Format("%02u:%02u:%02u.%02u", time.hour, time.minute,
                                          time.second, time.hundredths),
            "UTC");
        return;
    }
    case FieldKind::Date: {
        const auto date = ReadStored<NmeaDate>(at);
        Add(out, name,
            date.month == 0 ? "" : Format("%04d-%02d-%02d", date.year, date.month, date.day), {});
        return;
    }
    case FieldKind::MobData: {
        const auto& mob = *reinterpret_cast<const MobFields*>(base);
        const std::size_t count = std::min<std::size_t>(mob.dataCount, kMobDataCapacity);
        std::string bytes;
        for (std::size_t i = 0; i < count; ++i) {
            if (i != 0) bytes += ' ';
            bytes += std::to_string(mob.data[i]);
        }
        Add(out, name, bytes, {});
        return;
    }
    case FieldKind::Group:
        for (int i = 0; i < GroupCount(field, base); ++i) {
            for (const FieldLayout& member : field.members) {
                FieldLayout element = member;
                element.offset =
                    static_cast<std::uint16_t>(field.offset + member.offset + i * member.stride);
                Describe(out, element, base, name + " " + std::to_string(i + 1) + ": ");
            }
        }
        return;
    default:
        break;
    }
    for (int i = 0; i < field.count; ++i) {
        const std::string element = field.count > 1 ? name + " " + std::to_string(i + 1) : name;
        Add(out, element,
            ValueText(ReadFieldValue(field.type, at + i * field.stride, field.stride)), unit);
    }
}

} // namespace

FieldValue ReadFieldValue(FieldKind type, const unsigned char* at, std::size_t size) {
    FieldValue value;
    switch (type) {
    case FieldKind::Int8:
        value.integer = ReadStored<std::int8_t>(at);
        break;
    case FieldKind::UInt8:
        value.integer = *at;
        break;
    case FieldKind::Int16:
        value.integer = ReadStored<std::int16_t>(at);
        break;
    case FieldKind::Int32:
        value.integer = ReadStored<std::int32_t>(at);
        break;
    case FieldKind::Real:
        value.kind = FieldValue::Kind::Real;
        value.real = ReadStored<float>(at);
        break;
    case FieldKind::Char:
        value.kind = FieldValue::Kind::Character;
        value.integer = static_cast<char>(*at);
        break;
    case FieldKind::TwoChars:
    case FieldKind::Text: {
        const std::size_t limit = type == FieldKind::TwoChars ? 2 : size;
        value.kind = FieldValue::Kind::Text;
        value.text = std::string_view(reinterpret_cast<const char*>(at),
                                      strnlen(reinterpret_cast<const char*>(at), limit));
        break;
    }
    default:
        break;
    }
    return value;
}

std::string AngleText(double degrees, char positive, char negative) {
    // The codec keeps positions as float, good to about 0.0002 minutes: the
    // minutes are shown to thousandths, rounded once.
    const long long total = std::llround(std::fabs(degrees) * 60000.0);
    return Format("%lld %06.3f' %c", total / 60000, static_cast<double>(total % 60000) / 1000.0,
                  degrees < 0 ? negative : positive);
}

std::string_view FieldUnit(std::string_view name) {
    for (const UnitEntry& entry : kUnits)
        if (entry.name == name) return entry.unit;
    return {};
}

std::string FieldDisplayName(std::string_view name) {
    std::string text(name);
    for (char& c : text)
        if (c == '_') c = ' ';
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 32);
    return text;
}

std::vector<FieldText> DescribeFields(const SentenceRecord& record, bool lenient) {
    std::vector<FieldText> out;
    for (const FieldLayout& field : FieldSetLayout(record.formatter))
        if (lenient || !field.lenientOnly) Describe(out, field, record.payload.bytes, {});
    return out;
}

} // namespace varo
