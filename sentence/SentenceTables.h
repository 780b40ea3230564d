// Read-only identifier tables: the sentence descriptions (the tool's own
// sentence numbers and the NMEA 2000 PGNs) and the talker/formatter groups.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace varo {

struct SentenceDescription {
    std::int32_t identifier; // the tool's sentence number (200000 and up) or a PGN
    char code[10];           // the formatter, or the PGN in decimal digits
    char description[80];
};

// Rows 1 to 25 are sentences, rows 26 to 67 PGNs.
inline constexpr std::array<SentenceDescription, 67> SentenceDescriptionTable = {{
    {200000, "GGA", "Global position system fixed data"},
    {200001, "GLL", "Geographic position-latitude/longitude"},
    {200003, "GSA", "GNSS DOP and active satellites"},
    {200004, "GSV", "GNSS satellites in view"},
    {200005, "RMC", "Recommended minimum specific GNSS data"},
    {200006, "VTG", "Course over ground and ground speed"},
    {200007, "ZDA", "Time & Date"},
    {200009, "ROT", "Rate of turn"},
    {200010, "HDT", "Heading true"},
    {200011, "HDG", "Heading, deviation and variation"},
    {200028, "VDM", "AIS VHF data-link message"},
    {200029, "VDO", "AIS VHF data-link own-vessel report"},
    {200031, "DSC", "Digital selective calling"},
    {200055, "RSA", "Rudder sensor angle"},
    {200056, "VHW", "Water speed and heading"},
    {200057, "VLW", "Dual ground/water distance"},
    {200058, "DPT", "Depth"},
    {200059, "DBT", "Depth below transducer"},
    {200060, "XTE", "Cross-track error, measured"},
    {200061, "APB", "Heading/track controller (autopilot) sentence B"},
    {200064, "VWR", "Relative Wind Speed and Angle"},
    {200065, "MWV", "Wind speed and angle"},
    {200066, "MWD", "Wind direction and speed"},
    {200067, "MTW", "Water temperature"},
    {200068, "VDR", "Set and drift"},
    {126992, "126992", "System Time"},
    {127245, "127245", "Rudder"},
    {127250, "127250", "Vessel Heading"},
    {127251, "127251", "Rate of Turn"},
    {127258, "127258", "Magnetic Variation"},
    {128259, "128259", "Speed Water referenced"},
    {128267, "128267", "Water Depth"},
    {128275, "128275", "Distance Log"},
    {129025, "129025", "Position Rapid Update"},
    {129026, "129026", "COG SOG Rapid Update"},
    {129029, "129029", "GNSS Position Data"},
    {129033, "129033", "Time Date"},
    {129038, "129038", "AIS Class A Position Report"},
    {129039, "129039", "AIS Class B Position Report"},
    {129040, "129040", "AIS Class B Extended Position Report"},
    {129041, "129041", "AIS Aids to Navigation (AtoN) Report"},
    {129283, "129283", "Cross Track Error"},
    {129284, "129284", "Navigation"},
    {129291, "129291", "Set Drift Rapid Update"},
    {129539, "129539", "GNSS DOPs"},
    {129540, "129540", "GNSS Sats in View"},
    {129792, "129792", "AIS DGNSS Broadcast Binary Message"},
    {129793, "129793", "AIS UTC and Date Report"},
    {129794, "129794", "AIS Class A Static and Voyage Related Data"},
    {129795, "129795", "AIS Addressed Binary Message"},
    {129796, "129796", "AIS Acknowledge"},
    {129797, "129797", "AIS Binary Broadcast Message"},
    {129798, "129798", "AIS SAR Aircraft Position Report"},
    {129800, "129800", "AIS UTC Date Inquiry"},
    {129801, "129801", "AIS Addressed Safety Related Message"},
    {129802, "129802", "AIS Safety Related Broadcast Message"},
    {129803, "129803", "AIS Interrogation"},
    {129804, "129804", "AIS Assignment Mode Command"},
    {129805, "129805", "AIS Data Link Management Message"},
    {129806, "129806", "AIS Channel Management"},
    {129807, "129807", "AIS Group Assignment"},
    {129808, "129808", "DSC Call Information"},
    {129809, "129809", "AIS Class B (CS) Static Data Report, Part A"},
    {129810, "129810", "AIS Class B (CS) Static Data Report, Part B"},
    {130306, "130306", "Wind Data"},
    {130311, "130311", "Environmental Parameters"},
    {130312, "130312", "Temperature"},
}};
static_assert(SentenceDescriptionTable.size() == 67);

inline constexpr std::size_t kSentenceGroupCount = 5;
inline constexpr std::size_t kGroupTalkerCount = 5;
inline constexpr std::size_t kMaxGroupFormatters = 13;

// A talker list followed by a formatter list; entries are terminated.
struct SentenceGroup {
    char talkers[kGroupTalkerCount][4];
    char formatters[kMaxGroupFormatters][4];
    std::uint8_t formatterCount;
};

#define VARO_GROUP_TALKERS                                                                         \
    { "GP", "GL", "GN", "IN", "LC" }
inline constexpr std::array<SentenceGroup, kSentenceGroupCount> SentenceGroups = {{
    {VARO_GROUP_TALKERS, {"GGA", "GBS", "GLL", "GSA", "GSV", "RMC", "VTG", "ZDA"}, 8},
    {VARO_GROUP_TALKERS, {"GNS", "VBW", "ROT", "HDT"}, 4},
    {VARO_GROUP_TALKERS, {"LRI", "LRF", "LR1", "LR2", "LR3"}, 5},
    {VARO_GROUP_TALKERS,
     {"ACA", "ACS", "SSD", "VSD", "ABM", "BBM", "VDM", "VDO", "TXT", "ABK", "AIR", "ALR", "ACK"},
     13},
    {VARO_GROUP_TALKERS,
     {"DSC", "DSE", "DSI", "DSR", "MID", "BDY", "TST", "CTT", "FRQ", "BTH", "DBG", "TPS", "MOB"},
     13},
}};
#undef VARO_GROUP_TALKERS

inline constexpr std::array<char[4], 31> SentenceFormatterList = {{
    "GGA", "GBS", "GLL", "GSA", "GSV", "RMC", "VTG", "ZDA", "GNS", "VBW", "ROT",
    "HDT", "LRI", "LRF", "LR1", "LR2", "LR3", "DSI", "SSD", "VSD", "ALR", "ACK",
    "MID", "BDY", "TST", "CTT", "FRQ", "BTH", "DBG", "TPS", "MOB",
}};

// The first row whose code starts with the three formatter letters, or nullptr.
// PGN rows never match a letter formatter.
const SentenceDescription* FindSentenceDescription(const char* formatter);

} // namespace varo
