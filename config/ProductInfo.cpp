#include "config/ProductInfo.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace varo {

// A line that names a value without the key's form ("Database Version: 2100")
// carries nothing to read and changes nothing.
const std::array<ProductInfoKey, 10> kProductInfoKeys{{
    {"Debug Baud Rate = (", kDebugBaudRateValue},
    {"NMEA Baud Rate = (", kNmeaBaudRateValue},
    {"Database Version = (", kDatabaseVersionValue},
    {"Product Code = (", kProductCodeValue},
    {"Model ID = (", kModelIdValue},
    {"Model Version = (", kModelVersionValue},
    {"Model Serial Code = (", kModelSerialCodeValue},
    {"Software Version Code = (", kSoftwareVersionCodeValue},
    {"Certification = (", kCertificationLevelValue},
    {"Time Interval sec = (", kFlowRateValue},
}};

namespace {

// A text value ends at the first ")" CR LF after its "(".
constexpr std::string_view kTextEnd = ")\r\n";

// Copies the text value at the start of `rest` into `field`, cut to its
// length; false, leaving `field` as it was, when the line does not close it.
bool ReadText(std::string_view rest, char (&field)[ProductInfo::kTextLength + 1]) {
    const std::size_t end = rest.find(kTextEnd);
    if (end == std::string_view::npos) return false;
    const std::size_t length = std::min(end, ProductInfo::kTextLength);
    std::memcpy(field, rest.data(), length);
    field[length] = '\0';
    return true;
}

// Stores `value` read from `rest`, the line after its key; false when it
// holds no value of that kind.
bool StoreValue(unsigned value, std::string_view rest, ProductInfo& info) {
    switch (value) {
    case kDebugBaudRateValue:
        info.debugBaudRate = ReadDecimal(rest);
        return true;
    case kNmeaBaudRateValue:
        info.nmeaBaudRate = ReadDecimal(rest);
        return true;
    case kDatabaseVersionValue:
        info.databaseVersion = static_cast<std::uint16_t>(ReadDecimal(rest));
        return true;
    case kProductCodeValue:
        info.productCode = static_cast<std::uint16_t>(ReadDecimal(rest));
        return true;
    case kModelIdValue:
        return ReadText(rest, info.modelId);
    case kModelVersionValue:
        return ReadText(rest, info.modelVersion);
    case kModelSerialCodeValue:
        return ReadText(rest, info.modelSerialCode);
    case kSoftwareVersionCodeValue:
        return ReadText(rest, info.softwareVersionCode);
    case kCertificationLevelValue:
        info.certificationLevel = static_cast<std::uint8_t>(ReadDecimal(rest));
        return true;
    case kFlowRateValue:
        info.flowRateSeconds = static_cast<std::uint8_t>(ReadDecimal(rest));
        return true;
    default:
        return false;
    }
}

} // namespace

std::int32_t ReadDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Counted in 64 bits and held at the 32-bit bounds, so no digit string overflows.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<std::int32_t>(value);
}

unsigned ReadProductInfo(std::string_view line, ProductInfo& info) {
    unsigned replaced = 0;
    for (const ProductInfoKey& entry : kProductInfoKeys) {
        const std::size_t at = line.find(entry.key);
        if (at == std::string_view::npos) continue;
        if (StoreValue(entry.value, line.substr(at + entry.key.size()), info))
            replaced |= entry.value;
    }
    return replaced;
}

} // namespace varo
