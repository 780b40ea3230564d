// The AIS target table and the decoder that keeps it: position reports update
// a target's kinematics, static reports its identity and dimensions, and a few
// broadcast messages are kept whole, one buffer per message type.
#pragma once

#include "ais/AisMessage.h"
#include "ais/AisMmsiIndex.h"

#include <cstdint>

namespace varo {

inline constexpr int kAisTargetCapacity = 2250;

enum AisTargetClass : uint8_t {
    tcBaseStation = 0,
    tcSarAircraft = 1,
    tcAidToNavigation = 2,
    tcClassA = 3,
    tcClassB = 4,
    tcUnknown = 5,
};

// A local date and time of day, to the second.
struct AisStamp {
    uint16_t year = 0;
    uint8_t month = 0;
    uint8_t day = 0;
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
};

struct AisTarget {
    uint8_t targetClass = tcUnknown;
    uint32_t mmsi = 0;        // 0: entry free
    uint8_t status = 0;       // low 4 bits type of EPFD, high 4 bits navigational status
    uint8_t flags = 0;        // bit 0 position accuracy, bit 1 RAIM, bit 2 DTE
    float longitude = 181.0f; // degrees, 181 not available
    float latitude = 91.0f;   // degrees, 91 not available
    float speed = 0;          // knots
    float course = 0;         // degrees, 361 not available
    float heading = 0;        // degrees, 511 not available
    char name[21] = {};
    char callSign[8] = {};
    uint8_t shipType = 0;
    uint8_t toStarboard = 0; // metres
    uint8_t toPort = 0;
    uint16_t toStern = 0;
    uint16_t toBow = 0;
    uint32_t imo = 0;
    float rateOfTurn = 0;
    uint8_t etaMinute = 0;
    uint8_t etaHour = 0;
    uint8_t etaDay = 0;
    uint8_t etaMonth = 0;
    uint8_t aisVersion = 0;
    float draught = 0; // metres
    char destination[21] = {};
    char vendor[8] = {};
    uint8_t classBFlags = 0; // bit 0 assigned mode, 1 unit, 2 display, 3 DSC, 4 band, 5 message 22
    uint8_t atonFlags = 0;   // bit 0 off position, bits 1-5 type of aid, 6 virtual, 7 assigned mode
    // The altitude (float, metres) of a search-and-rescue aircraft, or the
    // name extension (up to 14 characters) of an aid to navigation.
    uint8_t altitudeOrNameExtension[15] = {};
    AisStamp lastUpdate;
    AisStamp firstSeen;
    uint32_t vdmCount = 0;
    uint32_t vdoCount = 0;
};

// The own vessel's entry at start-up.
AisTarget AisOwnVesselStart();

// Constructed in the start-up state: count 1, every entry free and of unknown
// class, entry 0 the own vessel with its start values.
struct AisTargetTable {
    AisTarget entries[kAisTargetCapacity];
    int count = 1; // entries in use; entry 0 is the own vessel
    // The entries' MMSIs side by side, so the linear search of a full table
    // reads 9 KB instead of every entry. The decoder writes both together.
    uint32_t mmsiColumn[kAisTargetCapacity] = {};
    // Entries 1 and up by MMSI, so the search of a large table is a probe or
    // two; the decoder keeps it in step with the column.
    AisMmsiIndex mmsiIndex;

    AisTargetTable() { entries[0] = AisOwnVesselStart(); }
};

// The last message of a few types, copied from the start of its record.
template <std::size_t N> struct AisMessageBuffer {
    uint8_t bytes[N] = {};
    bool stored = false;
};

// Types 15 and 20 also keep the channel and second values of the decoder call.
template <std::size_t N> struct AisChannelMessageBuffer : AisMessageBuffer<N> {
    int channelValue = 0;
    int secondValue = 0;
};

struct AisMessageBuffers {
    AisMessageBuffer<171> type12;
    AisMessageBuffer<129> type14;
    AisChannelMessageBuffer<36> type15;
    AisChannelMessageBuffer<40> type20;
    AisMessageBuffer<46> type22; // with the destinations of an addressed message
    AisMessageBuffer<34> type23;
};

using AisClock = AisStamp (*)();

// Reads the local clock.
AisStamp AisLocalClock();

struct AisDecoder {
    AisTargetTable targets;
    AisMessageBuffers buffers;
    int lastTarget = -1;
    int lastKind = -1; // message type; for type 24, 24 plus the part number
    AisClock clock = AisLocalClock;
};

// Back to the start-up state (no buffer stored, last target and kind -1);
// keeps the clock.
void ResetAisDecoder(AisDecoder& decoder);

// Updates the target of the message's MMSI (entry 0 for the own vessel) and
// returns its index, or -1 for a type of 0 or above 24 and for type-24 parts
// other than A and B, which change nothing. `channelValue` is the sentence's
// channel character minus '0'; `secondValue` is kept with types 15 and 20.
int DecodeAisMessage(const AisMessageRecord& message, int channelValue, int secondValue,
                     bool ownVessel, AisDecoder& decoder);

// Seconds of a stamp as the table compares last updates when it reuses an entry.
int64_t AisStampSeconds(const AisStamp& stamp);

} // namespace varo
