// Bit layouts of the AIS messages (ITU-R M.1371), one per message type (1 to 24
// and 27) and one more for part B of type 24. Each field names its width in bits, how its bits
// become a stored value (its coding) and a scale factor. The unpacker walks
// these tables; the decoder and the JSON writer find fields in them by name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace varo {

// How a field's bits are turned into the value stored in the message record.
enum AisCoding : uint8_t {
    acUnsigned8 = 0,    // low 8 bits, 1 byte
    acUnsigned16 = 1,   // low 16 bits, 2 bytes
    acFunctionId = 2,   // as acUnsigned16
    acUnsigned32 = 3,   // 4 bytes
    acIdentifier = 4,   // MMSIs and other 30-bit identifiers, 4 bytes
    acSignedReal = 5,   // sign-extended, times scale, float
    acUnsignedReal = 6, // times scale, float (speed, draught, altitude)
    acText = 7,         // width / 6 six-bit characters and a terminator
    acTextToEnd = 8,    // six-bit characters up to the end of the message
    acRateOfTurn = 9,   // signed, squared back from the AIS rate-of-turn indicator, float
    acLongitude = 11,   // signed minutes times scale, stored as degrees, float
    acLatitude = 12,    // as acLongitude
    acCourse = 13,      // as acUnsignedReal
    acHeading = 14,     // 2 bytes, 511 when 360 or more
    acTimeStamp = 15,   // low 8 bits, 1 byte
    acCommState = 16,   // raw 32 bits
    acDimensions = 17,  // raw 32 bits
    acEta = 18,         // raw 32 bits
    acBinaryToEnd = 19, // the bits up to the later fields at the end: a 16-bit bit count, then
                        // the bits, eight to a byte, the last byte filled with zeros
};

struct AisField {
    std::string_view name;
    uint16_t width;
    AisCoding coding;
    float scale;
};

struct AisLayout {
    std::span<const AisField> fields;
    uint16_t bits; // sum of the widths
};

// The number of bytes a field of this coding occupies in the message record;
// 0 for text to end, whose size depends on the message, and for unknown codes.
constexpr std::size_t AisStoredSize(const AisField& field) {
    switch (field.coding) {
    case acUnsigned8:
    case acTimeStamp:
        return 1;
    case acUnsigned16:
    case acFunctionId:
    case acHeading:
        return 2;
    case acUnsigned32:
    case acIdentifier:
    case acSignedReal:
    case acUnsignedReal:
    case acRateOfTurn:
    case acLongitude:
    case acLatitude:
    case acCourse:
    case acCommState:
    case acDimensions:
    case acEta:
        return 4;
    case acText:
        return field.width / 6 + 1;
    case acTextToEnd:
    case acBinaryToEnd:
        return 0;
    }
    return 0;
}

// Whether a field's stored size depends on the message.
constexpr bool AisToEnd(AisCoding coding) {
    return coding == acTextToEnd || coding == acBinaryToEnd;
}

namespace ais_layouts {

constexpr float k01 = 0.1f;
constexpr float k0001 = 0.0001f;

inline constexpr AisField kPositionReportA[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"MMSI", 30, acIdentifier, 1.0f},
    {"navigational status", 4, acUnsigned8, 1.0f},
    {"rate of turn", 8, acRateOfTurn, 1.0f},
    {"speed over ground", 10, acUnsignedReal, k01},
    {"position accuracy", 1, acUnsigned8, 1.0f},
    {"longitude", 28, acLongitude, k0001},
    {"latitude", 27, acLatitude, k0001},
    {"course over ground", 12, acCourse, k01},
    {"true heading", 9, acHeading, 1.0f},
    {"time stamp", 6, acTimeStamp, 1.0f},
    {"manoeuvre indicator and spare", 4, acUnsigned8, 1.0f},
    {"spare", 1, acUnsigned8, 1.0f},
    {"RAIM flag", 1, acUnsigned8, 1.0f},
    {"communication state", 19, acCommState, 1.0f},
};

inline constexpr AisField kBaseStationReport[] = {
    {"message type", 6, acUnsigned8, 1.0f}, {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"MMSI", 30, acIdentifier, 1.0f},       {"UTC year", 14, acUnsigned16, 1.0f},
    {"UTC month", 4, acUnsigned8, 1.0f},    {"UTC day", 5, acUnsigned8, 1.0f},
    {"UTC hour", 5, acUnsigned8, 1.0f},     {"UTC minute", 6, acUnsigned8, 1.0f},
    {"UTC second", 6, acUnsigned8, 1.0f},   {"position accuracy", 1, acUnsigned8, 1.0f},
    {"longitude", 28, acLongitude, k0001},  {"latitude", 27, acLatitude, k0001},
    {"type of EPFD", 4, acUnsigned8, 1.0f}, {"spare", 10, acUnsigned16, 1.0f},
    {"RAIM flag", 1, acUnsigned8, 1.0f},    {"communication state", 19, acCommState, 1.0f},
};

inline constexpr AisField kStaticAndVoyage[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"MMSI", 30, acIdentifier, 1.0f},
    {"AIS version", 2, acUnsigned8, 1.0f},
    {"IMO number", 30, acIdentifier, 1.0f},
    {"call sign", 42, acText, 1.0f},
    {"name", 120, acText, 1.0f},
    {"type of ship and cargo", 8, acUnsigned8, 1.0f},
    {"dimensions", 30, acDimensions, 1.0f},
    {"type of EPFD", 4, acUnsigned8, 1.0f},
    {"ETA", 20, acEta, 1.0f},
    {"maximum draught", 8, acUnsignedReal, k01},
    {"destination", 120, acText, 1.0f},
    {"DTE", 1, acUnsigned8, 1.0f},
    {"spare", 1, acUnsigned8, 1.0f},
};

inline constexpr AisField kAddressedBinary[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"source MMSI", 30, acIdentifier, 1.0f},
    {"sequence number", 2, acUnsigned8, 1.0f},
    {"destination MMSI", 30, acIdentifier, 1.0f},
    {"retransmit flag", 1, acUnsigned8, 1.0f},
    {"spare", 1, acUnsigned8, 1.0f},
    {"application identifier, first part", 6, acUnsigned8, 1.0f},
    {"application identifier, second part", 10, acFunctionId, 1.0f},
    {"binary data", 6, acTextToEnd, 1.0f},
};

inline constexpr AisField kAcknowledge[] = {
    {"message type", 6, acUnsigned8, 1.0f},         {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"source MMSI", 30, acIdentifier, 1.0f},        {"spare", 2, acUnsigned8, 1.0f},
    {"destination MMSI 1", 30, acIdentifier, 1.0f}, {"sequence number 1", 2, acUnsigned8, 1.0f},
    {"destination MMSI 2", 30, acIdentifier, 1.0f}, {"sequence number 2", 2, acUnsigned8, 1.0f},
    {"destination MMSI 3", 30, acIdentifier, 1.0f}, {"sequence number 3", 2, acUnsigned8, 1.0f},
    {"destination MMSI 4", 30, acIdentifier, 1.0f}, {"sequence number 4", 2, acUnsigned8, 1.0f},
};

inline constexpr AisField kBroadcastBinary[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"source MMSI", 30, acIdentifier, 1.0f},
    {"spare", 2, acUnsigned8, 1.0f},
    {"application identifier, first part", 6, acUnsigned8, 1.0f},
    {"application identifier, second part", 10, acFunctionId, 1.0f},
    {"binary data", 6, acTextToEnd, 1.0f},
};

inline constexpr AisField kSarAircraft[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"MMSI", 30, acIdentifier, 1.0f},
    {"altitude", 12, acUnsigned16, 1.0f},
    {"speed over ground", 10, acUnsignedReal, 1.0f},
    {"position accuracy", 1, acUnsigned8, 1.0f},
    {"longitude", 28, acLongitude, k0001},
    {"latitude", 27, acLatitude, k0001},
    {"course over ground", 12, acCourse, k01},
    {"time stamp", 6, acTimeStamp, 1.0f},
    {"regional reserved", 8, acUnsigned8, 1.0f},
    {"DTE", 1, acUnsigned8, 1.0f},
    {"spare", 3, acUnsigned8, 1.0f},
    {"assigned mode flag", 1, acUnsigned8, 1.0f},
    {"RAIM flag", 1, acUnsigned8, 1.0f},
    {"communication state selector", 1, acUnsigned8, 1.0f},
    {"communication state", 19, acCommState, 1.0f},
};

inline constexpr AisField kUtcInquiry[] = {
    {"message type", 6, acUnsigned8, 1.0f},       {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"source MMSI", 30, acIdentifier, 1.0f},      {"spare", 2, acUnsigned8, 1.0f},
    {"destination MMSI", 30, acIdentifier, 1.0f}, {"spare", 2, acUnsigned8, 1.0f},
};

inline constexpr AisField kAddressedSafety[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"source MMSI", 30, acIdentifier, 1.0f},
    {"sequence number", 2, acUnsigned8, 1.0f},
    {"destination MMSI", 30, acIdentifier, 1.0f},
    {"retransmit flag", 1, acUnsigned8, 1.0f},
    {"spare", 1, acUnsigned8, 1.0f},
    {"safety related text", 6, acTextToEnd, 1.0f},
};

inline constexpr AisField kBroadcastSafety[] = {
    {"message type", 6, acUnsigned8, 1.0f},        {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"source MMSI", 30, acIdentifier, 1.0f},       {"spare", 2, acUnsigned8, 1.0f},
    {"safety related text", 6, acTextToEnd, 1.0f},
};

inline constexpr AisField kInterrogation[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"source MMSI", 30, acIdentifier, 1.0f},
    {"spare", 2, acUnsigned8, 1.0f},
    {"interrogated MMSI 1", 30, acIdentifier, 1.0f},
    {"message type 1.1", 6, acUnsigned8, 1.0f},
    {"slot offset 1.1", 12, acUnsigned16, 1.0f},
    {"spare", 2, acUnsigned8, 1.0f},
    {"message type 1.2", 6, acUnsigned8, 1.0f},
    {"slot offset 1.2", 12, acUnsigned16, 1.0f},
    {"spare", 2, acUnsigned8, 1.0f},
    {"interrogated MMSI 2", 30, acIdentifier, 1.0f},
    {"message type 2.1", 6, acUnsigned8, 1.0f},
    {"slot offset 2.1", 12, acUnsigned16, 1.0f},
    {"spare", 2, acUnsigned8, 1.0f},
};

inline constexpr AisField kAssignedMode[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"source MMSI", 30, acIdentifier, 1.0f},
    {"spare", 2, acUnsigned8, 1.0f},
    {"destination MMSI A", 30, acIdentifier, 1.0f},
    {"offset A", 12, acUnsigned16, 1.0f},
    {"increment A", 10, acUnsigned16, 1.0f},
    {"destination MMSI B", 30, acIdentifier, 1.0f},
    {"offset B", 12, acUnsigned16, 1.0f},
    {"increment B", 10, acUnsigned16, 1.0f},
    {"spare", 4, acUnsigned8, 1.0f},
};

inline constexpr AisField kDgnssBroadcast[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"source MMSI", 30, acIdentifier, 1.0f},
    {"spare", 2, acUnsigned8, 1.0f},
    {"longitude", 18, acLongitude, k01},
    {"latitude", 17, acLatitude, k01},
    {"spare", 5, acUnsigned8, 1.0f},
    {"DGNSS message type", 6, acUnsigned8, 1.0f},
    {"station identifier", 10, acUnsigned16, 1.0f},
    {"Z count", 13, acUnsigned16, 1.0f},
    {"sequence number", 3, acUnsigned8, 1.0f},
    {"N", 5, acUnsigned8, 1.0f},
    {"health", 3, acUnsigned8, 1.0f},
};

inline constexpr AisField kPositionReportB[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"MMSI", 30, acIdentifier, 1.0f},
    {"regional reserved", 8, acUnsigned8, 1.0f},
    {"speed over ground", 10, acUnsignedReal, k01},
    {"position accuracy", 1, acUnsigned8, 1.0f},
    {"longitude", 28, acLongitude, k0001},
    {"latitude", 27, acLatitude, k0001},
    {"course over ground", 12, acCourse, k01},
    {"true heading", 9, acHeading, 1.0f},
    {"time stamp", 6, acTimeStamp, 1.0f},
    {"regional reserved", 2, acUnsigned8, 1.0f},
    {"class B unit flag", 1, acUnsigned8, 1.0f},
    {"class B display flag", 1, acUnsigned8, 1.0f},
    {"class B DSC flag", 1, acUnsigned8, 1.0f},
    {"class B band flag", 1, acUnsigned8, 1.0f},
    {"class B message 22 flag", 1, acUnsigned8, 1.0f},
    {"assigned mode flag", 1, acUnsigned8, 1.0f},
    {"RAIM flag", 1, acUnsigned8, 1.0f},
    {"communication state selector", 1, acUnsigned8, 1.0f},
    {"communication state", 19, acCommState, 1.0f},
};

inline constexpr AisField kExtendedReportB[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"MMSI", 30, acIdentifier, 1.0f},
    {"regional reserved", 8, acUnsigned8, 1.0f},
    {"speed over ground", 10, acUnsignedReal, k01},
    {"position accuracy", 1, acUnsigned8, 1.0f},
    {"longitude", 28, acLongitude, k0001},
    {"latitude", 27, acLatitude, k0001},
    {"course over ground", 12, acCourse, k01},
    {"true heading", 9, acHeading, 1.0f},
    {"time stamp", 6, acTimeStamp, 1.0f},
    {"regional reserved", 4, acUnsigned8, 1.0f},
    {"name", 120, acText, 1.0f},
    {"type of ship and cargo", 8, acUnsigned8, 1.0f},
    {"dimensions", 30, acDimensions, 1.0f},
    {"type of EPFD", 4, acUnsigned8, 1.0f},
    {"RAIM flag", 1, acUnsigned8, 1.0f},
    {"DTE", 1, acUnsigned8, 1.0f},
    {"assigned mode flag", 1, acUnsigned8, 1.0f},
    {"spare", 4, acUnsigned8, 1.0f},
};

inline constexpr AisField kDataLinkManagement[] = {
    {"message type", 6, acUnsigned8, 1.0f},  {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"source MMSI", 30, acIdentifier, 1.0f}, {"spare", 2, acUnsigned8, 1.0f},
    {"offset 1", 12, acUnsigned16, 1.0f},    {"number of slots 1", 4, acUnsigned8, 1.0f},
    {"timeout 1", 3, acUnsigned8, 1.0f},     {"increment 1", 11, acUnsigned16, 1.0f},
    {"offset 2", 12, acUnsigned16, 1.0f},    {"number of slots 2", 4, acUnsigned8, 1.0f},
    {"timeout 2", 3, acUnsigned8, 1.0f},     {"increment 2", 11, acUnsigned16, 1.0f},
    {"offset 3", 12, acUnsigned16, 1.0f},    {"number of slots 3", 4, acUnsigned8, 1.0f},
    {"timeout 3", 3, acUnsigned8, 1.0f},     {"increment 3", 11, acUnsigned16, 1.0f},
    {"offset 4", 12, acUnsigned16, 1.0f},    {"number of slots 4", 4, acUnsigned8, 1.0f},
    {"timeout 4", 3, acUnsigned8, 1.0f},     {"increment 4", 11, acUnsigned16, 1.0f},
};

inline constexpr AisField kAidToNavigation[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"MMSI", 30, acIdentifier, 1.0f},
    {"type of aid to navigation", 5, acUnsigned8, 1.0f},
    {"name", 120, acText, 1.0f},
    {"position accuracy", 1, acUnsigned8, 1.0f},
    {"longitude", 28, acLongitude, k0001},
    {"latitude", 27, acLatitude, k0001},
    {"dimensions", 30, acDimensions, 1.0f},
    {"type of EPFD", 4, acUnsigned8, 1.0f},
    {"time stamp", 6, acTimeStamp, 1.0f},
    {"off-position indicator", 1, acUnsigned8, 1.0f},
    {"regional reserved", 8, acUnsigned8, 1.0f},
    {"RAIM flag", 1, acUnsigned8, 1.0f},
    {"virtual aid flag", 1, acUnsigned8, 1.0f},
    {"assigned mode flag", 1, acUnsigned8, 1.0f},
    {"spare", 1, acUnsigned8, 1.0f},
    {"name extension", 84, acText, 1.0f},
    {"spare", 4, acUnsigned8, 1.0f},
};

inline constexpr AisField kChannelManagement[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"source MMSI", 30, acIdentifier, 1.0f},
    {"spare", 2, acUnsigned8, 1.0f},
    {"channel A", 12, acUnsigned16, 1.0f},
    {"channel B", 12, acUnsigned16, 1.0f},
    {"Tx/Rx mode", 4, acUnsigned8, 1.0f},
    {"power", 1, acUnsigned8, 1.0f},
    {"north-east longitude", 18, acLongitude, k01},
    {"north-east latitude", 17, acLatitude, k01},
    {"south-west longitude", 18, acLongitude, k01},
    {"south-west latitude", 17, acLatitude, k01},
    {"addressed flag", 1, acUnsigned8, 1.0f},
    {"channel A bandwidth", 1, acUnsigned8, 1.0f},
    {"channel B bandwidth", 1, acUnsigned8, 1.0f},
    {"transitional zone size", 3, acUnsigned8, 1.0f},
    {"spare", 23, acIdentifier, 1.0f},
};

inline constexpr AisField kGroupAssignment[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"source MMSI", 30, acIdentifier, 1.0f},
    {"spare", 2, acUnsigned8, 1.0f},
    {"north-east longitude", 18, acLongitude, k01},
    {"north-east latitude", 17, acLatitude, k01},
    {"south-west longitude", 18, acLongitude, k01},
    {"south-west latitude", 17, acLatitude, k01},
    {"station type", 4, acUnsigned8, 1.0f},
    {"type of ship and cargo", 8, acUnsigned8, 1.0f},
    {"spare", 22, acIdentifier, 1.0f},
    {"Tx/Rx mode", 2, acUnsigned8, 1.0f},
    {"reporting interval", 4, acUnsigned8, 1.0f},
    {"quiet time", 4, acUnsigned8, 1.0f},
    {"spare", 6, acUnsigned8, 1.0f},
};

inline constexpr AisField kStaticPartA[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"MMSI", 30, acIdentifier, 1.0f},
    {"part number", 2, acUnsigned8, 1.0f},
    {"name", 120, acText, 1.0f},
};

inline constexpr AisField kStaticPartB[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"MMSI", 30, acIdentifier, 1.0f},
    {"part number", 2, acUnsigned8, 1.0f},
    {"type of ship and cargo", 8, acUnsigned8, 1.0f},
    {"vendor identifier", 42, acText, 1.0f},
    {"call sign", 42, acText, 1.0f},
    {"dimensions", 30, acDimensions, 1.0f},
    {"spare", 6, acUnsigned8, 1.0f},
};

// Long-range broadcast: a class A position report for satellite reception.
// Position in tenths of a minute, speed in knots (63: not available), course in
// degrees (511: not available).
inline constexpr AisField kLongRangeBroadcast[] = {
    {"message type", 6, acUnsigned8, 1.0f},
    {"repeat indicator", 2, acUnsigned8, 1.0f},
    {"MMSI", 30, acIdentifier, 1.0f},
    {"position accuracy", 1, acUnsigned8, 1.0f},
    {"RAIM flag", 1, acUnsigned8, 1.0f},
    {"navigational status", 4, acUnsigned8, 1.0f},
    {"longitude", 18, acLongitude, k01},
    {"latitude", 17, acLatitude, k01},
    {"speed over ground", 6, acUnsignedReal, 1.0f},
    {"course over ground", 9, acCourse, 1.0f},
    {"GNSS position status", 1, acUnsigned8, 1.0f},
    {"spare", 1, acUnsigned8, 1.0f},
};

// Binary messages of one slot (type 25) and of up to five (type 26): the
// addressed and structured flags decide whether a destination MMSI and an
// application identifier stand before the data, so each pair of flags has
// its layout. The data runs to the end of the message, or for type 26 to its
// radio status, the last 20 bits.
#define VARO_AIS_BINARY_HEAD                                                                       \
    {"message type", 6, acUnsigned8, 1.0f}, {"repeat indicator", 2, acUnsigned8, 1.0f},            \
        {"source MMSI", 30, acIdentifier, 1.0f}, {"addressed flag", 1, acUnsigned8, 1.0f}, {       \
        "structured flag", 1, acUnsigned8, 1.0f                                                    \
    }
#define VARO_AIS_DESTINATION                                                                       \
    {"destination MMSI", 30, acIdentifier, 1.0f}, {                                                \
        "spare", 2, acUnsigned8, 1.0f                                                              \
    }
#define VARO_AIS_APPLICATION                                                                       \
    {"designated area code", 10, acUnsigned16, 1.0f}, {                                            \
        "function identifier", 6, acUnsigned8, 1.0f                                                \
    }
#define VARO_AIS_DATA                                                                              \
    { "binary data", 0, acBinaryToEnd, 1.0f }
#define VARO_AIS_RADIO                                                                             \
    {"communication state selector", 1, acUnsigned8, 1.0f}, {                                      \
        "communication state", 19, acCommState, 1.0f                                               \
    }

inline constexpr AisField kSingleSlotBinary[] = {VARO_AIS_BINARY_HEAD, VARO_AIS_DATA};
inline constexpr AisField kSingleSlotBinaryStructured[] = {VARO_AIS_BINARY_HEAD,
                                                           VARO_AIS_APPLICATION, VARO_AIS_DATA};
inline constexpr AisField kSingleSlotBinaryAddressed[] = {VARO_AIS_BINARY_HEAD,
                                                          VARO_AIS_DESTINATION, VARO_AIS_DATA};
inline constexpr AisField kSingleSlotBinaryAddressedStructured[] = {
    VARO_AIS_BINARY_HEAD, VARO_AIS_DESTINATION, VARO_AIS_APPLICATION, VARO_AIS_DATA};
inline constexpr AisField kMultipleSlotBinary[] = {VARO_AIS_BINARY_HEAD, VARO_AIS_DATA,
                                                   VARO_AIS_RADIO};
inline constexpr AisField kMultipleSlotBinaryStructured[] = {
    VARO_AIS_BINARY_HEAD, VARO_AIS_APPLICATION, VARO_AIS_DATA, VARO_AIS_RADIO};
inline constexpr AisField kMultipleSlotBinaryAddressed[] = {
    VARO_AIS_BINARY_HEAD, VARO_AIS_DESTINATION, VARO_AIS_DATA, VARO_AIS_RADIO};
inline constexpr AisField kMultipleSlotBinaryAddressedStructured[] = {
    VARO_AIS_BINARY_HEAD, VARO_AIS_DESTINATION, VARO_AIS_APPLICATION, VARO_AIS_DATA,
    VARO_AIS_RADIO};

#undef VARO_AIS_BINARY_HEAD
#undef VARO_AIS_DESTINATION
#undef VARO_AIS_APPLICATION
#undef VARO_AIS_DATA
#undef VARO_AIS_RADIO

} // namespace ais_layouts

inline constexpr int kAisLayoutCount = 34;

// Index 0 is message type 1, ..., index 23 type 24 (part A), index 24 type 24
// part B, index 25 type 27, then types 25 and 26 with their flags (see
// AisLayoutIndex).
inline constexpr AisLayout AisFieldLayoutTable[kAisLayoutCount] = {
    {ais_layouts::kPositionReportA, 168},
    {ais_layouts::kPositionReportA, 168},
    {ais_layouts::kPositionReportA, 168},
    {ais_layouts::kBaseStationReport, 168},
    {ais_layouts::kStaticAndVoyage, 424},
    {ais_layouts::kAddressedBinary, 94},
    {ais_layouts::kAcknowledge, 168},
    {ais_layouts::kBroadcastBinary, 62},
    {ais_layouts::kSarAircraft, 168},
    {ais_layouts::kUtcInquiry, 72},
    {ais_layouts::kBaseStationReport, 168},
    {ais_layouts::kAddressedSafety, 78},
    {ais_layouts::kAcknowledge, 168},
    {ais_layouts::kBroadcastSafety, 46},
    {ais_layouts::kInterrogation, 160},
    {ais_layouts::kAssignedMode, 148},
    {ais_layouts::kDgnssBroadcast, 120},
    {ais_layouts::kPositionReportB, 168},
    {ais_layouts::kExtendedReportB, 312},
    {ais_layouts::kDataLinkManagement, 160},
    {ais_layouts::kAidToNavigation, 360},
    {ais_layouts::kChannelManagement, 168},
    {ais_layouts::kGroupAssignment, 160},
    {ais_layouts::kStaticPartA, 160},
    {ais_layouts::kStaticPartB, 168},
    {ais_layouts::kLongRangeBroadcast, 96},
    {ais_layouts::kSingleSlotBinary, 40},
    {ais_layouts::kSingleSlotBinaryStructured, 56},
    {ais_layouts::kSingleSlotBinaryAddressed, 72},
    {ais_layouts::kSingleSlotBinaryAddressedStructured, 88},
    {ais_layouts::kMultipleSlotBinary, 60},
    {ais_layouts::kMultipleSlotBinaryStructured, 76},
    {ais_layouts::kMultipleSlotBinaryAddressed, 92},
    {ais_layouts::kMultipleSlotBinaryAddressedStructured, 108},
};

inline constexpr int kAisLayoutPartB = 24;
inline constexpr int kAisLayoutType27 = 25;
inline constexpr int kAisLayoutType25 = 26;
inline constexpr int kAisLayoutType26 = 30;

// Whether the unpacker has a layout for a message type.
constexpr bool AisKnownType(unsigned type) {
    return type >= 1 && type <= 27;
}

// The layout index of a known message type. `variant` is the part number of
// type 24 (part B has its own layout) and, for types 25 and 26, the addressed
// flag times 2 plus the structured flag.
constexpr int AisLayoutIndex(unsigned type, unsigned variant) {
    if (type == 27) return kAisLayoutType27;
    if (type == 25 || type == 26)
        return (type == 25 ? kAisLayoutType25 : kAisLayoutType26) + static_cast<int>(variant & 3);
    return type == 24 && variant == 1 ? kAisLayoutPartB : static_cast<int>(type) - 1;
}

// Where a field lands in the message record.
struct AisFieldRef {
    std::size_t offset;
    AisField field;
};

// Finds a named field of a layout; an unknown name or a field behind a
// text-to-end field cannot be evaluated at compile time. Bind the result to a
// constexpr variable (or call AisFieldOf) so a wrong name does not compile.
constexpr AisFieldRef AisFindField(int layoutIndex, std::string_view name) {
    std::size_t offset = 0;
    for (const AisField& field : AisFieldLayoutTable[layoutIndex].fields) {
        if (field.name == name) return {offset, field};
        if (AisToEnd(field.coding)) break;
        offset += AisStoredSize(field);
    }
    throw "no such AIS field";
}

consteval AisFieldRef AisFieldOf(int layoutIndex, std::string_view name) {
    return AisFindField(layoutIndex, name);
}

// The bits of a layout's fields after field `index`: what binary data to the
// end leaves to them.
constexpr unsigned AisBitsAfter(std::span<const AisField> fields, std::size_t index) {
    unsigned bits = 0;
    for (std::size_t i = index + 1; i < fields.size(); ++i)
        bits += fields[i].width;
    return bits;
}

// The bytes that a layout's fields take in the message record when the message
// holds `bitCount` bits (which only matters to a field that runs to the end).
consteval std::size_t AisLargestRecord(int layoutIndex, unsigned bitCount) {
    const auto fields = AisFieldLayoutTable[layoutIndex].fields;
    std::size_t size = 0;
    unsigned position = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const AisField& field = fields[i];
        const unsigned left = bitCount > position ? bitCount - position : 0;
        const unsigned after = AisBitsAfter(fields, i);
        if (field.coding == acTextToEnd)
            size += left / 6 + 1;
        else if (field.coding == acBinaryToEnd)
            size += 2 + (left > after ? (left - after + 7) / 8 : 0);
        else
            size += AisStoredSize(field);
        position += field.width;
    }
    return size;
}

// The bit position at which a named field starts.
consteval unsigned AisBitOf(int layoutIndex, std::string_view name) {
    unsigned position = 0;
    for (const AisField& field : AisFieldLayoutTable[layoutIndex].fields) {
        if (field.name == name) return position;
        position += field.width;
    }
    throw "no such AIS field";
}

namespace ais_layouts {

// Index of the first layout whose widths do not add up to its bit total, or -1.
consteval int FirstLayoutWithWrongTotal() {
    for (int i = 0; i < kAisLayoutCount; ++i) {
        unsigned sum = 0;
        for (const AisField& field : AisFieldLayoutTable[i].fields)
            sum += field.width;
        if (sum != AisFieldLayoutTable[i].bits) return i;
    }
    return -1;
}

// Index of the first layout that does not begin with the 6-bit message type,
// that holds a field after a text-to-end field or two fields that run to the
// end, or -1. Only binary data to the end has no width of its own.
consteval int FirstMalformedLayout() {
    for (int i = 0; i < kAisLayoutCount; ++i) {
        const auto fields = AisFieldLayoutTable[i].fields;
        if (fields.empty() || fields[0].width != 6 || fields[0].coding != acUnsigned8) return i;
        int toEnd = 0;
        for (std::size_t f = 0; f < fields.size(); ++f) {
            toEnd += AisToEnd(fields[f].coding) ? 1 : 0;
            if (f + 1 < fields.size() && fields[f].coding == acTextToEnd) return i;
        }
        if (toEnd > 1) return i;
        for (const AisField& field : fields)
            if ((field.width == 0) != (field.coding == acBinaryToEnd) ||
                (field.coding != acText && field.coding != acTextToEnd && field.width > 32))
                return i;
    }
    return -1;
}

} // namespace ais_layouts

static_assert(ais_layouts::FirstLayoutWithWrongTotal() == -1,
              "an AIS layout's widths do not add up to its bit total");
static_assert(ais_layouts::FirstMalformedLayout() == -1, "an AIS layout is malformed");
static_assert(AisBitOf(21, "addressed flag") == 139);
static_assert(AisBitOf(23, "part number") == 38);
static_assert(AisBitOf(24, "part number") == 38);
static_assert(AisBitOf(kAisLayoutType25, "addressed flag") == 38 &&
              AisBitOf(kAisLayoutType26 + 3, "structured flag") == 39);

} // namespace varo
