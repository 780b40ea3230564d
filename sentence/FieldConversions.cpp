#include "sentence/FieldConversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace varo {
namespace {

// The shared tokenizing position; see NextField.
char* gFieldCursor = nullptr;

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Truncation of a double to a 32-bit integer as the processor does it: values
// outside the range (and NaN) give the "integer indefinite" INT32_MIN rather
// than undefined behaviour.
std::int32_t TruncateToInt32(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0)) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

char* FetchCommaField() {
    return NextField(nullptr, ",");
}

} // namespace

bool CountCommas(const char* line, int count) {
    // Over a known length the count vectorises; a loop up to the terminator does not.
    const char* end = line + std::strlen(line);
    return std::count(line, end, ',') == count;
}

char* NextField(char* line, const char* delimiters) {
    char* start = line != nullptr ? line : gFieldCursor;
    if (start == nullptr || delimiters[0] == '\0') {
        return nullptr;
    }
    char* end = std::strchr(start, delimiters[0]);
    if (end == nullptr) {
        gFieldCursor = nullptr;
        return nullptr;
    }
    *end = '\0';
    gFieldCursor = end + 1;
    char* text = start;
    while (*text == ' ') {
        ++text;
    }
    return *text != '\0' ? text : start;
}

std::int64_t ParseInteger(const char* text) {
    while (IsSpace(*text)) {
        ++text;
    }
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') {
        ++text;
    }
    // strtol saturates: keep consuming digits but stop growing at the limit.
    const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    std::uint64_t magnitude = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        const auto digit = static_cast<std::uint64_t>(*text - '0');
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    if (negative) {
        return magnitude == limit ? std::numeric_limits<std::int64_t>::min()
                                  : -static_cast<std::int64_t>(magnitude);
    }
    return static_cast<std::int64_t>(magnitude);
}

double ParseDouble(const char* text) {
    const char* const whole = text;
    while (IsSpace(*text)) {
        ++text;
    }
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') {
        ++text;
    }
    if (*text == '-' || *text == '+') {
        return 0.0; // a second sign: no number
    }
    const char* const end = text + std::strlen(text);
    double value = 0.0;
    std::from_chars_result result{};
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        result = std::from_chars(text + 2, end, value, std::chars_format::hex);
        if (result.ec == std::errc::invalid_argument) {
            value = 0.0; // only the "0" before the x counts
        }
    } else {
        result = std::from_chars(text, end, value, std::chars_format::general);
    }
    if (result.ec == std::errc::result_out_of_range) {
        return std::strtod(whole, nullptr); // overflow and underflow as strtod rounds them
    }
    if (result.ec != std::errc{}) {
        return 0.0;
    }
    return negative ? -value : value;
}

float ParseReal(const char* text) {
    const double value = ParseDouble(text);
    // Half an ulp above FLT_MAX is where rounding to float gives infinity.
    constexpr double kFloatOverflow = 0x1.ffffffp127;
    if (std::fabs(value) >= kFloatOverflow) {
        return std::copysign(std::numeric_limits<float>::infinity(),
                             static_cast<float>(value > 0 ? 1 : -1));
    }
    return static_cast<float>(value);
}

float NmeaToDegrees(float value, float limit) {
    const double centi = value * 0.01;
    const double degrees = std::trunc(centi);
    const auto result = static_cast<float>(degrees + (centi - degrees) * 1.6666666666666667);
    return result > limit ? limit + 1.0f : result;
}

void ReadLatLonGroup(const char* latitudeField, LatLon& destination) {
    float latitude =
        IsBlankField(latitudeField) ? kNoLatitude : NmeaToDegrees(ParseReal(latitudeField), 90.0f);
    const char* hemisphere = FetchCommaField();
    if (hemisphere != nullptr && std::strcmp(hemisphere, "S") == 0) {
        latitude = -latitude;
    }
    const char* longitudeField = FetchCommaField();
    float longitude = longitudeField == nullptr || IsBlankField(longitudeField)
                          ? kNoLongitude
                          : NmeaToDegrees(ParseReal(longitudeField), 180.0f);
    hemisphere = FetchCommaField();
    if (hemisphere != nullptr && std::strcmp(hemisphere, "W") == 0) {
        longitude = -longitude;
    }
    destination = LatLon{latitude, longitude};
}

void ConvertUtcTime(const char* field, UtcTime& destination) {
    if (IsBlankField(field)) {
        destination.hour = kNoHour;
        destination.minute = kNoMinute;
        destination.second = kNoSecond; // hundredths stay as they were
        return;
    }
    const double x = ParseDouble(field);
    const std::int32_t hour = TruncateToInt32(x * 0.0001);
    const std::int32_t minute = TruncateToInt32((x - hour * 10000.0) * 0.01);
    const auto seconds = static_cast<float>(x - hour * 10000.0 - minute * 100.0);
    const std::int32_t second = TruncateToInt32(seconds);
    // The float fraction is off by a little either way (".78" is 0.7799988,
    // ".30" 0.3000002): round to the nearest hundredth. A fraction of .995 or
    // more would round to 100 hundredths, which is kept at 99.
    std::int32_t hundredths =
        TruncateToInt32(std::floor((seconds - static_cast<float>(second)) * 100.0f + 0.5f));
    if (hundredths == 100) {
        hundredths = 99;
    }
    destination.hour = static_cast<std::uint8_t>(hour);
    destination.minute = static_cast<std::uint8_t>(minute);
    destination.second = static_cast<std::uint8_t>(second);
    destination.hundredths = static_cast<std::uint8_t>(hundredths);
}

void ConvertDate(const char* field, NmeaDate& destination) {
    if (IsBlankField(field)) {
        destination = NmeaDate{0, 0, 0};
        return;
    }
    const auto n = static_cast<std::int32_t>(ParseInteger(field));
    destination.year = static_cast<std::int16_t>(n % 100 + 2000);
    destination.month = static_cast<std::int8_t>((n / 100) % 100);
    destination.day = static_cast<std::int8_t>(n / 10000);
}

char* ParseLatLon(char* field, LatLon& destination) {
    ReadLatLonGroup(field, destination);
    return FetchCommaField();
}

char* ParseUtcTime(char* field, UtcTime& destination) {
    ConvertUtcTime(field, destination);
    return FetchCommaField();
}

char* ParseDate(char* field, NmeaDate& destination) {
    ConvertDate(field, destination);
    return FetchCommaField();
}

bool ParseHexByte(const char* text, std::uint8_t& byte) {
    std::uint8_t value = 0;
    for (; *text != '\0'; ++text) {
        int digit = 0;
        if (*text >= '0' && *text <= '9') {
            digit = *text - '0';
        } else if (*text >= 'A' && *text <= 'F') {
            digit = *text - 'A' + 10;
        } else {
            return false;
        }
        value = static_cast<std::uint8_t>((value << 4) + digit);
    }
    byte = value;
    return true;
}

} // namespace varo
