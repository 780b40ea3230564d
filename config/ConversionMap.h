// The static map between NMEA 0183 sentence identifiers (200000 and up) and
// NMEA 2000 PGNs. A row keyed by a sentence lists the PGNs the gateway
// produces from that input sentence; a row keyed by a PGN lists the sentences
// it produces from that PGN.
#pragma once

#include <array>
#include <cstdint>

namespace varo {

// The sentence has more PGNs than fit in its row; the rest are in row 200069.
inline constexpr std::int32_t ConversionContinued = 575256;
// All NMEA 2000 AIS PGNs: the only entry of the VDM and VDO rows.
inline constexpr std::int32_t ConversionAll = 2147483647;

struct ConversionRow {
    std::int32_t key;
    std::int32_t count;
    std::int32_t related[5]; // places after `count` hold 0
};

inline constexpr std::size_t kConversionRowCount = 70;
extern const std::array<ConversionRow, kConversionRowCount> ConversionMap;

// The row keyed `key`, or nullptr.
const ConversionRow* FindConversionRow(std::int32_t key);

} // namespace varo
