// The sentence store: the last values received per sentence family, one record
// per category, and DeviceRecord, which is both the command buffer of the
// gateway's proprietary sentences and the place where its answers land.
//
// Validity flags are set to 1 when a stored value passes its test and are not
// cleared by a later value that fails it; only the CTT flags, the CTT item
// flags and the MOB data count are assigned both ways. Flags with an
// UpdateStamp copy the store's time-stamp cell when they are set.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sentence/SentenceRecord.h"

namespace varo {

enum class SentenceCategory : std::uint8_t {
    None = 0,
    Gnss = 1,
    HeadingSpeed = 2,
    LongRange = 3,
    AisShip = 4,
    Dsc = 5,
    Device = 6,
};

// Sorts a formatter (three letters, terminated) into its category; None for
// every formatter outside the table, "Q" and "AIR" included.
SentenceCategory classifySentence(const char* formatter);

struct UpdateStamp {
    std::uint32_t seconds;
    std::uint16_t milliseconds;
};

// Type of electronic position fixing device (ITU-R M.1371) from the talker of
// the last stored sentence: GP 1, GL 2, GN 3, LC 4, IN 6, any other 0.
std::uint8_t FixDeviceTypeOf(const char* talker);

// GGA, GBS, GLL, GSA, GSV, RMC, VTG, ZDA. Values that several formatters carry
// (time, position, status, mode, course and speed, date) share one place.
struct GnssRecord {
    std::uint8_t FixDeviceType;
    UtcTime time;
    LatLon position;
    std::uint8_t positionValid;
    UpdateStamp positionStamp;
    std::int8_t quality;
    std::int8_t satellitesInUse; // GGA, or the count of GSA satellite numbers above 0
    float geoidalSeparation;
    // GBS
    float latitudeError;
    float longitudeError;
    float altitudeError;
    std::int8_t failedSatelliteId;
    float probabilityOfMissedDetection;
    float biasEstimate;
    float biasStandardDeviation;
    std::uint8_t gbsValid;
    UpdateStamp gbsStamp;
    // GLL, RMC, VTG
    char status;
    char mode;
    // GSA
    char selectionMode;
    std::int8_t fixMode;
    std::int8_t satelliteIds[12];
    float pdop;
    float hdop;
    float vdop;
    // GSV
    std::int8_t satellitesInView;
    // RMC, VTG (course true and speed in knots), ZDA (date)
    float speedOverGround;
    float courseOverGround;
    NmeaDate date;
    std::uint8_t dateValid;
    std::uint8_t timeValid;
    UpdateStamp dateTimeStamp;
    std::uint8_t courseValid;
    UpdateStamp courseStamp;
    float courseMagnetic;
    float speedKmh;
    char formatter[3]; // of the last sentence stored here, not terminated
};

// GNS, VBW, ROT, HDT.
struct HeadingSpeedRecord {
    std::uint8_t FixDeviceType;
    // GNS
    std::uint8_t hour;
    std::uint8_t minute;
    std::uint8_t second;
    LatLon position;
    char modeIndicator[2];
    char satellitesInUse;
    float hdop;
    float altitude;
    float geoidalSeparation;
    float ageOfDifferentialData;
    float referenceStationId;
    // VBW
    float longitudinalWaterSpeed;
    float transverseWaterSpeed;
    char waterSpeedStatus;
    float longitudinalGroundSpeed;
    float transverseGroundSpeed;
    char groundSpeedStatus;
    // ROT
    float rateOfTurn;
    char rateOfTurnStatus;
    // HDT
    float heading;
    std::uint8_t headingValid;
    UpdateStamp headingStamp;
};

// LRI, LRF, LR1, LR2, LR3 and DSC, DSE, DSI, DSR have no field decoder, so
// these records can only keep the field block as it came, unchanged.
struct LongRangeRecord {
    std::uint8_t FixDeviceType;
    unsigned char fields[sizeof(SentencePayload)];
};

struct DscRecord {
    std::uint8_t FixDeviceType;
    unsigned char fields[sizeof(SentencePayload)];
};

// ABK, ACA, ACK, ACS, ALR, SSD, VSD, ABM, BBM, VDM, VDO, TXT.
struct AisShipRecord {
    std::uint8_t FixDeviceType;
    // SSD
    char callSign[kCallSignSize];
    std::uint8_t callSignValid;
    char name[kShortTextSize];
    std::uint8_t nameValid;
    std::int16_t referenceA;
    std::int16_t referenceB;
    std::int8_t referenceC;
    std::int8_t referenceD;
    std::uint8_t dimensionsValid;
    std::int8_t dteIndicator;
    std::uint8_t dteValid;
    char sourceIdentifier[kShortTextSize];
    // VSD
    std::int16_t shipType;
    std::uint8_t shipTypeValid;
    float maximumDraught;
    std::uint8_t draughtValid;
    std::int16_t personsOnBoard;
    std::uint8_t personsValid;
    char destination[kShortTextSize];
    std::uint8_t destinationValid;
    UtcTime arrivalTime;
    std::int8_t arrivalDay;
    std::int8_t arrivalMonth;
    std::uint8_t arrivalValid;
    std::int8_t navigationalStatus;
    std::uint8_t navigationalStatusValid;
    std::int8_t regionalFlags;
    // ACA, ACS
    AcaFields region;
    AcsFields channelManagement;
    // ABM, BBM, VDM, VDO
    std::int8_t totalSentences;
    std::int8_t sentenceNumber;
    std::int8_t sequentialIdentifier;
    char channel; // "x" for a VDO without a channel
    char payload[kAisPayloadSize];
    std::int8_t fillBits;
    std::int32_t destinationMmsi; // ABM
    std::int8_t messageId;        // ABM, BBM
    // TXT
    std::int8_t textTotalSentences;
    std::int8_t textSentenceNumber;
    std::int8_t textIdentifier;
    char text[kTxtTextSize];
    // ABK
    std::int32_t acknowledgedMmsi;
    std::int8_t acknowledgedChannel;
    std::int8_t acknowledgedMessageId;
    std::int8_t acknowledgedSequenceNumber;
    std::int8_t acknowledgementType;
    // ALR, kept whole
    AlrFields alarm;
    // ACK
    std::int16_t acknowledgedAlarm;
    std::uint8_t acknowledgedAlarmValid;
};

struct CttItemEntry {
    std::uint32_t identifier;
    std::uint8_t flagValid; // assigned: the flag is 0 or 1
    std::uint8_t flag;
};

struct DbgPairs {
    std::int16_t codes[4];
    std::uint8_t codeValid[4]; // code from 0 to 999
    std::int32_t values[4];
};

// MID, BDY, TST, CTT, FRQ, BTH, DBG, TPS, MOB.
struct DeviceRecord {
    std::uint32_t midNumber1;
    std::uint8_t midNumber1Valid;
    std::uint32_t midNumber2;
    std::uint8_t midNumber2Valid;
    std::uint32_t bdyNumber;
    char bdyText1[kShortTextSize];
    char bdyText2[kShortTextSize];
    std::uint8_t bdyFlag1;
    std::uint8_t bdyFlag2;
    std::uint8_t bdyValid;
    std::uint32_t tstNumber;
    std::uint8_t tstValue;
    std::uint8_t tstLowerCaseLetter;
    std::uint8_t tstNumberValid;
    std::uint8_t tstLetter;
    std::uint8_t tstLetterValid;
    std::uint16_t tstCode;
    std::uint8_t tstCodeValid;
    std::uint8_t cttMode; // "C", "Q", "R", or 255 for any other letter
    std::uint32_t cttSubject;
    CttItemEntry cttItems[5];
    std::uint8_t cttValid; // assigned: the subject is at most 999998
    std::uint32_t frqValues[2];
    std::uint8_t frqCounts[2];
    std::uint8_t frqValid[2];
    std::int16_t bthCodes[6];
    std::uint8_t bthCodesValid;
    char bthText[kStoreTextSize];
    std::uint8_t bthTextValid;
    DbgPairs dbgPairs;
    std::uint8_t dbgCommandChar; // the letter of the ZQT form, 0 for the plain form
    std::int16_t tpsCode;
    char tpsText[kStoreTextSize];
    std::uint8_t tpsValid;
    std::uint8_t mobCode[3];
    std::uint8_t mobNumber;
    std::uint8_t mobByte1;
    std::uint8_t mobByte2;
    std::uint8_t mobByte2Present;
    std::uint8_t mobData[kMobDataCapacity];
    std::uint8_t mobDataCount; // 1 to 19 with that many data bytes, else 0
};

inline constexpr std::uint32_t kCttSubjectLimit = 999998; // the largest valid subject

struct SentenceStore {
    GnssRecord gnss;
    HeadingSpeedRecord headingSpeed;
    LongRangeRecord longRange;
    AisShipRecord aisShip;
    DscRecord dsc;
    DeviceRecord device;
    UpdateStamp timeStamp; // the shared cell the stamps copy: the receive time
};

// The one store of the run, zero at start.
SentenceStore& ProgramSentenceStore();

// Files a parsed sentence in the record of its category; a sentence of
// category None changes nothing. Never clears anything and never copies more
// than a field holds.
void storeSentence(const SentenceRecord& sentence, SentenceStore& store = ProgramSentenceStore());

} // namespace varo
