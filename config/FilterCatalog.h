#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varo {

// The gateway's conversion filters as one list: the inputs of the filter
// tree in the tree's order (the NMEA 0183 sentences, then the NMEA 2000 PGNs
// but the SAR aircraft report, which the tree never lists) and, for each, the
// outputs the conversion map says the gateway can make from it.

// The identifier of RMC's continuation row: RMC has more outputs than one row holds.
inline constexpr std::int32_t kRmcContinuationItem = 200069;
// The output identifier a change of VDM or VDO carries for "all AIS PGNs".
inline constexpr std::int32_t kAllAisChangeItem = 210028;

struct FilterInput {
    std::int32_t input;
    // In conversion-map order; RMC's continuation outputs follow its own four.
    std::vector<std::int32_t> outputs;
};

// The NMEA 0183 inputs (25) or the NMEA 2000 inputs (41) of the tree, in its order.
const std::vector<FilterInput>& FilterInputs(bool nmea0183);

// How a profile names a message: its code ("GGA", "129025"), and "AIS" for
// the all-AIS-PGNs output of VDM and VDO.
std::string MessageKey(std::int32_t id);
// The identifier a key names among `candidates`, or nothing.
std::optional<std::int32_t> MessageByKey(std::string_view key,
                                         const std::vector<std::int32_t>& candidates);

} // namespace varo
