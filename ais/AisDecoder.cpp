#include "ais/AisTarget.h"

#include <algorithm>
#include <cstring>
#include <ctime>

namespace varo {
namespace {

// Every layout carries the 30-bit MMSI (or source MMSI) right after the type
// and the repeat indicator.
constexpr std::size_t kMmsiOffset = 2;
consteval bool MmsiAtSameOffset() {
    for (const AisLayout& layout : AisFieldLayoutTable) {
        const AisField& field = layout.fields[2];
        if (field.width != 30 || field.coding != acIdentifier ||
            AisStoredSize(layout.fields[0]) + AisStoredSize(layout.fields[1]) != kMmsiOffset)
            return false;
    }
    return true;
}
static_assert(MmsiAtSameOffset());

constexpr uint8_t kFlagPositionAccuracy = 0;
constexpr uint8_t kFlagRaim = 1;
constexpr uint8_t kFlagDte = 2;

void SetBit(uint8_t& flags, unsigned bit, unsigned value) {
    flags = static_cast<uint8_t>((flags & ~(1u << bit)) | ((value & 1u) << bit));
}

template <std::size_t N> void CopyText(char (&target)[N], const char* text) {
    const std::size_t length = strnlen(text, N - 1);
    std::memcpy(target, text, length);
    std::memset(target + length, 0, N - length);
}

AisTarget FreshEntry() {
    AisTarget target;
    target.course = 361.0f;
    target.heading = 511.0f;
    SetBit(target.flags, kFlagDte, 1);
    return target;
}

// Layout L's fields, looked up by name at compile time (through constexpr
// locals: clang 14 rejects immediate calls that depend on a template argument).
template <int L> struct Fields {
    static void Position(const AisMessageRecord& m, AisTarget& t) {
        constexpr AisFieldRef kAccuracy = AisFindField(L, "position accuracy");
        constexpr AisFieldRef kLongitude = AisFindField(L, "longitude");
        constexpr AisFieldRef kLatitude = AisFindField(L, "latitude");
        SetBit(t.flags, kFlagPositionAccuracy, AisU8(m, kAccuracy));
        t.longitude = AisFloat(m, kLongitude);
        t.latitude = AisFloat(m, kLatitude);
    }
    static void Motion(const AisMessageRecord& m, AisTarget& t) {
        constexpr AisFieldRef kSpeed = AisFindField(L, "speed over ground");
        constexpr AisFieldRef kCourse = AisFindField(L, "course over ground");
        t.speed = AisFloat(m, kSpeed);
        t.course = AisFloat(m, kCourse);
    }
    static void Heading(const AisMessageRecord& m, AisTarget& t) {
        constexpr AisFieldRef kRef = AisFindField(L, "true heading");
        t.heading = AisU16(m, kRef);
    }
    static void Raim(const AisMessageRecord& m, AisTarget& t) {
        constexpr AisFieldRef kRef = AisFindField(L, "RAIM flag");
        SetBit(t.flags, kFlagRaim, AisU8(m, kRef));
    }
    static void Dte(const AisMessageRecord& m, AisTarget& t) {
        constexpr AisFieldRef kRef = AisFindField(L, "DTE");
        SetBit(t.flags, kFlagDte, AisU8(m, kRef));
    }
    static void Epfd(const AisMessageRecord& m, AisTarget& t) {
        constexpr AisFieldRef kRef = AisFindField(L, "type of EPFD");
        const unsigned epfd = AisU8(m, kRef) & 0x0F;
        t.status = static_cast<uint8_t>((t.status & 0xF0) | epfd);
    }
    static void ShipType(const AisMessageRecord& m, AisTarget& t) {
        constexpr AisFieldRef kRef = AisFindField(L, "type of ship and cargo");
        t.shipType = AisU8(m, kRef);
    }
    static void Name(const AisMessageRecord& m, AisTarget& t) {
        constexpr AisFieldRef kRef = AisFindField(L, "name");
        CopyText(t.name, AisText(m, kRef));
    }
    static void CallSign(const AisMessageRecord& m, AisTarget& t) {
        constexpr AisFieldRef kRef = AisFindField(L, "call sign");
        CopyText(t.callSign, AisText(m, kRef));
    }
    // Bow bits 21-29, stern 12-20, port 6-11, starboard 0-5.
    static void Dimensions(const AisMessageRecord& m, AisTarget& t) {
        constexpr AisFieldRef kRef = AisFindField(L, "dimensions");
        const uint32_t raw = AisU32(m, kRef);
        t.toBow = static_cast<uint16_t>((raw >> 21) & 0x1FF);
        t.toStern = static_cast<uint16_t>((raw >> 12) & 0x1FF);
        t.toPort = static_cast<uint8_t>((raw >> 6) & 0x3F);
        t.toStarboard = static_cast<uint8_t>(raw & 0x3F);
    }
};

template <std::size_t N> void Keep(AisMessageBuffer<N>& buffer, const AisMessageRecord& m) {
    static_assert(N <= kAisMessageRecordSize);
    std::memcpy(buffer.bytes, m.bytes, N);
    buffer.stored = true;
}

template <std::size_t N>
void Keep(AisChannelMessageBuffer<N>& buffer, const AisMessageRecord& m, int channelValue,
          int secondValue) {
    Keep<N>(buffer, m);
    buffer.channelValue = channelValue;
    buffer.secondValue = secondValue;
}

void UpdateClassA(const AisMessageRecord& m, AisTarget& t) {
    using F = Fields<0>;
    t.targetClass = tcClassA;
    const unsigned navStatus = AisU8(m, AisFieldOf(0, "navigational status")) & 0x0F;
    t.status = static_cast<uint8_t>((t.status & 0x0F) | (navStatus << 4));
    t.rateOfTurn = AisFloat(m, AisFieldOf(0, "rate of turn"));
    F::Position(m, t);
    F::Motion(m, t);
    F::Heading(m, t);
    F::Raim(m, t);
}

void UpdateBaseStation(const AisMessageRecord& m, AisTarget& t) {
    using F = Fields<3>;
    t.targetClass = tcBaseStation;
    F::Position(m, t);
    F::Epfd(m, t);
    F::Raim(m, t);
}

// Month bits 16-19, day 11-15, hour 6-10, minute 0-5.
void UpdateStaticAndVoyage(const AisMessageRecord& m, AisTarget& t) {
    using F = Fields<4>;
    t.targetClass = tcClassA;
    t.aisVersion = AisU8(m, AisFieldOf(4, "AIS version"));
    t.imo = AisU32(m, AisFieldOf(4, "IMO number"));
    F::CallSign(m, t);
    F::Name(m, t);
    F::ShipType(m, t);
    F::Dimensions(m, t);
    F::Epfd(m, t);
    const uint32_t eta = AisU32(m, AisFieldOf(4, "ETA"));
    t.etaMonth = static_cast<uint8_t>((eta >> 16) & 0x0F);
    t.etaDay = static_cast<uint8_t>((eta >> 11) & 0x1F);
    t.etaHour = static_cast<uint8_t>((eta >> 6) & 0x1F);
    t.etaMinute = static_cast<uint8_t>(eta & 0x3F);
    t.draught = AisFloat(m, AisFieldOf(4, "maximum draught"));
    CopyText(t.destination, AisText(m, AisFieldOf(4, "destination")));
    F::Dte(m, t);
}

void UpdateSarAircraft(const AisMessageRecord& m, AisTarget& t) {
    using F = Fields<8>;
    t.targetClass = tcSarAircraft;
    const float altitude = AisU16(m, AisFieldOf(8, "altitude"));
    std::memcpy(t.altitudeOrNameExtension, &altitude, sizeof altitude);
    F::Motion(m, t);
    F::Position(m, t);
    F::Dte(m, t);
    F::Raim(m, t);
}

void UpdateClassBPosition(const AisMessageRecord& m, AisTarget& t) {
    using F = Fields<17>;
    t.targetClass = tcClassB;
    F::Motion(m, t);
    F::Position(m, t);
    F::Heading(m, t);
    F::Raim(m, t);
    const auto flag = [&m](unsigned bit, const AisFieldRef& ref) {
        return static_cast<unsigned>((AisU8(m, ref) & 1u) << bit);
    };
    t.classBFlags = static_cast<uint8_t>(flag(0, AisFieldOf(17, "assigned mode flag")) |
                                         flag(1, AisFieldOf(17, "class B unit flag")) |
                                         flag(2, AisFieldOf(17, "class B display flag")) |
                                         flag(3, AisFieldOf(17, "class B DSC flag")) |
                                         flag(4, AisFieldOf(17, "class B band flag")) |
                                         flag(5, AisFieldOf(17, "class B message 22 flag")));
}

void UpdateClassBExtended(const AisMessageRecord& m, AisTarget& t) {
    using F = Fields<18>;
    t.targetClass = tcClassB;
    F::Motion(m, t);
    F::Position(m, t);
    F::Heading(m, t);
    F::Name(m, t);
    F::ShipType(m, t);
    F::Dimensions(m, t);
    F::Epfd(m, t);
    F::Raim(m, t);
    F::Dte(m, t);
}

void UpdateAidToNavigation(const AisMessageRecord& m, AisTarget& t) {
    using F = Fields<20>;
    t.targetClass = tcAidToNavigation;
    F::Name(m, t);
    F::Position(m, t);
    F::Dimensions(m, t);
    F::Epfd(m, t);
    F::Raim(m, t);
    const auto field = [&m](const AisFieldRef& ref) { return unsigned{AisU8(m, ref)}; };
    t.atonFlags =
        static_cast<uint8_t>((field(AisFieldOf(20, "off-position indicator")) & 1u) |
                             ((field(AisFieldOf(20, "type of aid to navigation")) & 0x1Fu) << 1) |
                             ((field(AisFieldOf(20, "virtual aid flag")) & 1u) << 6) |
                             ((field(AisFieldOf(20, "assigned mode flag")) & 1u) << 7));
    const char* extension = AisText(m, AisFieldOf(20, "name extension"));
    const std::size_t length = strnlen(extension, sizeof t.altitudeOrNameExtension - 1);
    std::memset(t.altitudeOrNameExtension, 0, sizeof t.altitudeOrNameExtension);
    std::memcpy(t.altitudeOrNameExtension, extension, length);
}

void UpdateStaticReport(const AisMessageRecord& m, unsigned partNumber, AisTarget& t) {
    t.targetClass = tcClassB;
    if (partNumber == 0) {
        Fields<23>::Name(m, t);
        return;
    }
    using F = Fields<24>;
    F::ShipType(m, t);
    CopyText(t.vendor, AisText(m, AisFieldOf(24, "vendor identifier")));
    F::CallSign(m, t);
    F::Dimensions(m, t);
}

// Type 27 codes speed and course coarser than type 1 and has its own
// not-available values; the table keeps type 1's (102.3 knots, 360 degrees).
void UpdateLongRange(const AisMessageRecord& m, AisTarget& t) {
    using F = Fields<kAisLayoutType27>;
    constexpr float kNoSpeed27 = 63.0f, kNoCourse27 = 511.0f;
    constexpr float kNoSpeed = 102.3f, kNoCourse = 360.0f;
    t.targetClass = tcClassA;
    const unsigned navStatus = AisU8(m, AisFieldOf(kAisLayoutType27, "navigational status")) & 0x0F;
    t.status = static_cast<uint8_t>((t.status & 0x0F) | (navStatus << 4));
    F::Position(m, t);
    F::Motion(m, t);
    F::Raim(m, t);
    if (t.speed == kNoSpeed27) t.speed = kNoSpeed;
    if (t.course == kNoCourse27) t.course = kNoCourse;
}

// Among entries 1 to count - 1 the one updated longest ago; the first wins a tie.
int OldestEntry(const AisTargetTable& table) {
    int oldest = 1;
    int64_t oldestSeconds = AisStampSeconds(table.entries[1].lastUpdate);
    for (int i = 2; i < table.count; ++i) {
        const int64_t seconds = AisStampSeconds(table.entries[i].lastUpdate);
        if (seconds < oldestSeconds) {
            oldest = i;
            oldestSeconds = seconds;
        }
    }
    return oldest;
}

// The first entry in table order that holds the MMSI, or -1. Entry 0 answers
// only once the own vessel's MMSI is known, so a message carrying MMSI 0 does
// not overwrite the own vessel. Entries 1 and up hold distinct MMSIs (a new
// entry is made only when this finds none), so their index gives the first match.
int FindMmsi(const AisTargetTable& table, uint32_t mmsi) {
    if (table.mmsiColumn[0] != 0 && table.mmsiColumn[0] == mmsi) return 0;
    return AisIndexFind(table.mmsiIndex, table.mmsiColumn, mmsi);
}

// The entry for the message's MMSI; `isNew` when it was created or reused.
int FindTarget(AisTargetTable& table, uint32_t mmsi, bool ownVessel, bool& isNew) {
    isNew = false;
    if (ownVessel) {
        if (table.count == 0) {
            table.count = 1;
            isNew = true;
        }
        if (table.entries[0].mmsi == 0) {
            table.entries[0].mmsi = table.mmsiColumn[0] = mmsi;
            isNew = true;
        }
        return 0;
    }
    const int found = FindMmsi(table, mmsi);
    if (found >= 0) return found;

    int index;
    if (table.count < kAisTargetCapacity) {
        // A free entry still holds its start values. Entry 0 stays the own vessel's.
        index = std::max(table.count, 1);
        table.count = index + 1;
    } else {
        // The whole entry is reset, so nothing of the previous target survives.
        index = OldestEntry(table);
        AisIndexErase(table.mmsiIndex, table.mmsiColumn, index);
        table.entries[index] = FreshEntry();
    }
    table.entries[index].mmsi = table.mmsiColumn[index] = mmsi;
    AisIndexInsert(table.mmsiIndex, table.mmsiColumn, index);
    isNew = true;
    return index;
}

} // namespace

AisTarget AisOwnVesselStart() {
    AisTarget own;
    own.targetClass = tcClassA;
    own.longitude = 150.0f;
    own.latitude = -30.0f;
    own.speed = 15.0f;
    own.course = 301.0f;
    own.heading = 62.0f;
    own.rateOfTurn = 5.0f;
    return own;
}

AisStamp AisLocalClock() {
    // Converting to local time is slow; do it once a second.
    static thread_local std::time_t cachedSecond = -1;
    static thread_local AisStamp cached;
    const std::time_t now = std::time(nullptr);
    if (now != cachedSecond) {
        std::tm local{};
        localtime_r(&now, &local);
        cached = {
            static_cast<uint16_t>(local.tm_year + 1900), static_cast<uint8_t>(local.tm_mon + 1),
            static_cast<uint8_t>(local.tm_mday),         static_cast<uint8_t>(local.tm_hour),
            static_cast<uint8_t>(local.tm_min),          static_cast<uint8_t>(local.tm_sec)};
        cachedSecond = now;
    }
    return cached;
}

int64_t AisStampSeconds(const AisStamp& stamp) {
    static constexpr int kDaysBeforeMonth[13] = {0,   0,   31,  59,  90,  120, 151,
                                                 181, 212, 243, 273, 304, 334};
    const int daysBefore = stamp.month <= 12 ? kDaysBeforeMonth[stamp.month] : 0;
    const int64_t days = int64_t{stamp.year % 100} * 365 + daysBefore + stamp.day;
    return days * 86400 + stamp.hour * 3600 + stamp.minute * 60 + stamp.second;
}

void ResetAisDecoder(AisDecoder& decoder) {
    decoder.targets = AisTargetTable{};
    decoder.buffers = AisMessageBuffers{};
    decoder.lastTarget = -1;
    decoder.lastKind = -1;
}

int DecodeAisMessage(const AisMessageRecord& m, int channelValue, int secondValue, bool ownVessel,
                     AisDecoder& decoder) {
    const unsigned type = m.bytes[0];
    if (!AisKnownType(type)) return -1;
    const unsigned partNumber = type == 24 ? m.bytes[AisFieldOf(23, "part number").offset] : 0;
    if (partNumber > 1) // type-24 parts 2 and 3 are not defined
        return -1;

    uint32_t mmsi;
    std::memcpy(&mmsi, m.bytes + kMmsiOffset, sizeof mmsi);
    bool isNew = false;
    const int index = FindTarget(decoder.targets, mmsi, ownVessel, isNew);
    AisTarget& t = decoder.targets.entries[index];
    const AisStamp now = decoder.clock();
    if (isNew) {
        t.vdmCount = 0;
        t.vdoCount = 0;
        t.firstSeen = now;
    }
    t.lastUpdate = now;
    decoder.lastTarget = index;
    decoder.lastKind = static_cast<int>(type + partNumber);

    AisMessageBuffers& buffers = decoder.buffers;
    switch (type) {
    case 1:
    case 2:
    case 3:
        UpdateClassA(m, t);
        break;
    case 4:
        UpdateBaseStation(m, t);
        break;
    case 5:
        UpdateStaticAndVoyage(m, t);
        break;
    case 9:
        UpdateSarAircraft(m, t);
        break;
    case 12:
        Keep(buffers.type12, m);
        break;
    case 14:
        Keep(buffers.type14, m);
        break;
    case 15:
        Keep(buffers.type15, m, channelValue, secondValue);
        break;
    case 20:
        t.targetClass = tcBaseStation;
        Keep(buffers.type20, m, channelValue, secondValue);
        break;
    case 22:
        t.targetClass = tcBaseStation;
        Keep(buffers.type22, m);
        break;
    case 23:
        t.targetClass = tcBaseStation;
        Keep(buffers.type23, m);
        break;
    case 16:
    case 17:
        t.targetClass = tcBaseStation;
        break;
    case 18:
        UpdateClassBPosition(m, t);
        break;
    case 19:
        UpdateClassBExtended(m, t);
        break;
    case 21:
        UpdateAidToNavigation(m, t);
        break;
    case 24:
        UpdateStaticReport(m, partNumber, t);
        break;
    case 27:
        UpdateLongRange(m, t);
        break;
    default: // 6, 7, 8, 10, 11, 13, 25, 26: identity and stamps only
        break;
    }
    return index;
}

} // namespace varo
