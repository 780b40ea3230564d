#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varo {

// The gateway's identity as its static data block states it, in the order of
// the NMEA 2000 Product Information group (PGN 126996), followed by its two
// baud rates and its flow rate. The block's value lines read
//   Database Version = (2100)
//   Model ID = (RZ-60)
// one value each, the text between "(" and the ")" that ends the line.
struct ProductInfo {
    // Text values keep at most this many characters; longer ones are cut.
    static constexpr std::size_t kTextLength = 32;

    std::uint16_t databaseVersion;
    std::uint16_t productCode;
    char modelId[kTextLength + 1];
    char softwareVersionCode[kTextLength + 1];
    char modelVersion[kTextLength + 1];
    char modelSerialCode[kTextLength + 1];
    std::uint8_t certificationLevel;
    std::uint8_t flowRateSeconds;
    std::int32_t debugBaudRate;
    std::int32_t nmeaBaudRate;
};

// One bit per value of ProductInfo: which values a line replaced.
enum ProductInfoValue : unsigned {
    kDebugBaudRateValue = 1u << 0,
    kNmeaBaudRateValue = 1u << 1,
    kDatabaseVersionValue = 1u << 2,
    kProductCodeValue = 1u << 3,
    kModelIdValue = 1u << 4,
    kModelVersionValue = 1u << 5,
    kModelSerialCodeValue = 1u << 6,
    kSoftwareVersionCodeValue = 1u << 7,
    kCertificationLevelValue = 1u << 8,
    kFlowRateValue = 1u << 9,
};

// Each value's key, up to and including the "(" its value follows, in the
// order the keys are tried on every line.
struct ProductInfoKey {
    std::string_view key;
    unsigned value; // its ProductInfoValue bit
};
extern const std::array<ProductInfoKey, 10> kProductInfoKeys;
// Every value of the block.
inline constexpr unsigned kAllProductInfoValues = (1u << 10) - 1;
// The values that are texts; the others are decimal numbers.
inline constexpr unsigned kProductInfoTexts =
    kModelIdValue | kModelVersionValue | kModelSerialCodeValue | kSoftwareVersionCodeValue;

// Tries every value rule on `line` (a received line ending in CR LF), each
// wherever its key occurs in the line, and stores what the rules read into
// `info`. Returns the ProductInfoValue bits of the values replaced; 0 for a
// line without a key.
unsigned ReadProductInfo(std::string_view line, ProductInfo& info);

// A decimal integer as the block writes numbers: leading blanks, an optional
// sign, digits up to the first other character. No digits reads as 0; a
// value beyond the 32-bit range stops at its bound.
std::int32_t ReadDecimal(std::string_view text);

} // namespace varo
