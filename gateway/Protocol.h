#pragma once

// The gateway's configuration protocol in one table: the TST probe codes, the
// DBG command codes, the CTT items with a meaning of their own, the baud-rate
// codes and the static data block's keys. Nothing outside the engine writes
// these numbers again.
//
//   $PTST,99999,99,,,,016*hh        the static data block, ending "[END OF STATIC DATA]"
//   $PCTT,Q,<item>,...              a filter or the output selection, answered "$PCTT,R,..."
//   $PCTT,C,<item>,<id>,<flag>,...  a filter change;  $PCTT,C,32767,...  the defaults
//   $PCTT,A,200183,<5 ids>          the output selection, read back as 200184
//   $PDBG,013,<seconds>,,,,,,       the flow rate;  $PDBG,042,<code>,,,,,,  the NMEA baud rate

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "config/FilterCatalog.h"
#include "config/OutputStates.h"

namespace varo::protocol {

// TST codes: the static data block, the CONFIGURATION page opened and closed.
inline constexpr std::uint16_t kProbeStaticData = 16;
inline constexpr std::uint16_t kProbeConfigurationOpen = 2;
inline constexpr std::uint16_t kProbeConfigurationClosed = 0;

// DBG command codes.
inline constexpr std::int16_t kFlowRateCommand = 13;
inline constexpr std::int16_t kBaudRateCommand = 42;
inline constexpr int kMinFlowRate = 0;
inline constexpr int kMaxFlowRate = 5;

// CTT items.
inline constexpr std::int32_t kRestoreDefaultsItem = 32767;
inline constexpr std::int32_t kRmcItem = 200005;
inline constexpr std::int32_t kVdmItem = 200028;
inline constexpr std::int32_t kVdoItem = 200029;
inline constexpr std::int32_t kRmcContinuation = kRmcContinuationItem;
inline constexpr std::int32_t kOutputStates = kOutputStatesItem;
inline constexpr std::int32_t kApplyOutputStates = kApplyOutputStatesItem;
// An output identifier that names no output: the pair is sent empty.
inline constexpr std::uint32_t kNoOutput = 999999;
// A CTT item carries at most five outputs.
inline constexpr std::size_t kCttSlots = 5;

// The gateway's code for each NMEA 0183 speed in a baud-rate command.
struct BaudCode {
    std::uint32_t baud;
    std::int32_t code;
};
inline constexpr std::array<BaudCode, 3> kBaudCodes{{{38400, 2}, {9600, 4}, {4800, 5}}};
// The speeds a search tries, in order: the gateway's own first.
inline constexpr std::array<std::uint32_t, 3> kSearchSpeeds{38400, 9600, 4800};

inline std::optional<std::int32_t> BaudRateCode(std::uint32_t baud) {
    for (const BaudCode& entry : kBaudCodes)
        if (entry.baud == baud) return entry.code;
    return std::nullopt;
}

// The static data block's last line.
inline constexpr std::string_view kStaticDataEnd = "[END OF STATIC DATA]";

} // namespace varo::protocol
