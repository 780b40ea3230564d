#pragma once

// What the gateway does with the tool's commands: TST probes, DBG settings
// and CTT filter queries and changes. Lines in, reply lines out.

#include "sim/FilterTable.h"
#include "sim/OutputSelection.h"
#include "sim/SimOptions.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varo {

struct SentenceRecord;
}

namespace varo::sim {

inline constexpr const char* kStaticDataEnd = "[END OF STATIC DATA]";
// CTT subjects with a meaning of their own.
inline constexpr std::int32_t kOutputStatesSubject = 200184;
inline constexpr std::int32_t kApplyOutputStatesSubject = 200183;
inline constexpr std::int32_t kRestoreDefaultsSubject = 32767;

// The gateway's settings that commands change.
struct GatewaySettings {
    std::uint32_t nmeaBaud = 38400;
    int flowRate = 0;
    OutputSelection outputs;
    FilterTable filters;
};

struct CommandResult {
    std::vector<std::string> replies; // lines, CR LF included, sent at the current speed
    std::uint32_t newNmeaBaud = 0;    // the speed to switch to after the replies; 0: none
};

class GatewayCommands {
public:
    explicit GatewayCommands(const SimOptions& options);

    // Handles one received line (without CR LF). False when it is not a valid
    // sentence (bad form or checksum): the gateway ignores it.
    bool Handle(const std::string& line, CommandResult& result);

    const GatewaySettings& Settings() const { return FSettings; }
    void SetNmeaBaud(std::uint32_t baud) { FSettings.nmeaBaud = baud; }

    // The static data block as it stands now.
    std::vector<std::string> StaticDataBlock() const;

private:
    void HandleTst(const varo::SentenceRecord& record, CommandResult& result) const;
    void HandleDbg(const varo::SentenceRecord& record, CommandResult& result);
    void HandleCtt(const varo::SentenceRecord& record, CommandResult& result);
    std::string CttAnswer(std::int32_t subject) const;

    const SimOptions& FOptions;
    GatewaySettings FSettings;
};

// "NMEA Baud Rate = (38400)" with CR LF.
std::string NmeaBaudLine(std::uint32_t baud);

} // namespace varo::sim