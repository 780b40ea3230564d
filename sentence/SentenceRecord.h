// The IEC 61162-1 sentence record: header plus one field set per formatter.
//
// The parser fills one shared record per received line; the store, the AIS path
// and the composer read it. Absent values travel as out-of-range values inside
// the fields themselves (the kNo* constants below), never as separate flags.
// Field sets list their fields in stored order, which is the sentence order
// except where a comment says otherwise.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

namespace varo {

// ---- Size limits -------------------------------------------------------------

// A received line travels in a buffer of this size, CR LF and terminator included.
inline constexpr std::size_t kLineBufferSize = 100;
// After empty fields are marked a line may hold at most this many characters.
inline constexpr std::size_t kMaxMarkedLineLength = 98;
// The receive path drops longer lines (IEC 61162-1 sentence limit without CR LF).
inline constexpr std::size_t kMaxReceivedLineLength = 82;
// Logs of other devices hold longer sentences (AIS receivers send whole
// messages in one); the lenient reading takes up to this many characters, and
// parses them in a buffer of kLenientBufferSize bytes, room enough to mark
// every empty field.
inline constexpr std::size_t kMaxLenientLineLength = 400;
inline constexpr std::size_t kLenientBufferSize = 2 * kMaxLenientLineLength + 8;

// Text field sizes in bytes, terminator included.
inline constexpr std::size_t kTxtTextSize = 62;       // at most 61 characters kept
inline constexpr std::size_t kAisPayloadSize = 64;    // at most 63 characters
inline constexpr std::size_t kShortTextSize = 21;     // 20 characters
inline constexpr std::size_t kStoreTextSize = 25;     // 24 characters: BTH and TPS texts
inline constexpr std::size_t kCallSignSize = 8;       // 7 characters
inline constexpr std::size_t kDatumSize = 4;          // 3 characters
inline constexpr std::size_t kAlarmTextSize = 60;     // keeps the ALR field set at 68 bytes
inline constexpr std::size_t kSmgTextSize = 80;       // 79 characters
inline constexpr std::size_t kQueryTextSize = 88;     // the longest query text fits whole
inline constexpr std::size_t kMobDataCapacity = 19;   // what the store and composer carry
inline constexpr std::size_t kMobDecodedBytesMax = 9; // what one received MOB may fill
inline constexpr std::size_t kDscDigitsSize = 11;     // ten-digit DSC fields
inline constexpr std::size_t kDscNumberSize = 17;     // a DSC telephone number: 16 digits
inline constexpr std::size_t kXdrNameSize = 10;       // 9 characters of a transducer name
inline constexpr std::size_t kXdrMeasurements = 5;    // quadruplets kept; later ones are skipped

// ---- Not-available values ------------------------------------------------------

inline constexpr std::int8_t kNoInt8 = -128;
inline constexpr float kNoReal = -100000.0f;
inline constexpr float kNoLatitude = 91.0f;
inline constexpr float kNoLongitude = 181.0f;
inline constexpr std::uint8_t kNoHour = 24;
inline constexpr std::uint8_t kNoMinute = 60;
inline constexpr std::uint8_t kNoSecond = 60;
inline constexpr char kBlankChar = ' ';      // an empty character field
inline constexpr char kNoChar = '\x80';      // an empty character field where 0x80 is used
inline constexpr char kEmptyFieldMark = ' '; // what MarkEmptyFields writes into an empty field

// Per-field markers for wider or special fields.
inline constexpr std::int16_t kNoReferenceStation = -1;       // GGA
inline constexpr std::int16_t kNoAzimuth = -1;                // GSV
inline constexpr float kNoHeading = 511.0f;                   // HDT
inline constexpr std::int16_t kNoAlarmId = 1000;              // ACK
inline constexpr std::int16_t kNoShipType = 256;              // VSD
inline constexpr std::int16_t kNoPersonsOnBoard = 8192;       // VSD
inline constexpr std::int8_t kNoArrivalDay = 32;              // VSD
inline constexpr std::int8_t kNoArrivalMonth = 13;            // VSD
inline constexpr std::int16_t kNoReferenceDistanceAB = 512;   // SSD A, B
inline constexpr std::int8_t kNoReferenceDistanceCD = 64;     // SSD C, D
inline constexpr std::int8_t kNoDteIndicator = 2;             // SSD
inline constexpr std::int16_t kNoYear = -1;                   // ZDA
inline constexpr std::int8_t kNoFailedSatellite = -1;         // GBS: the byte 255
inline constexpr std::int32_t kNoNineDigitNumber = 999999999; // MID, BDY, FRQ
inline constexpr std::int8_t kNoFlag = 9;                     // BDY, CTT flags
inline constexpr std::int32_t kNoTestNumber = 99999;          // TST
inline constexpr std::int8_t kNoTestValue = 99;               // TST
inline constexpr std::int16_t kNoTestCode = -1;               // TST: 0xFFFF
inline constexpr std::int32_t kNoCttNumber = 999999;          // CTT subject and identifiers
inline constexpr std::int16_t kNoBthCode = 256;               // BTH
inline constexpr std::int16_t kNoDbgCode = 999;               // DBG
inline constexpr std::int32_t kNoDbgValue = std::numeric_limits<std::int32_t>::min(); // DBG
inline constexpr std::int16_t kNoTpsCode = 999;                                       // TPS
inline constexpr std::uint8_t kNoMobByte = 255; // MOB number and first byte

// ---- Shared field groups -------------------------------------------------------

// hhmmss.ss; hour 24, minute 60, second 60 when absent (hundredths left as they were).
struct UtcTime {
    std::uint8_t hour;
    std::uint8_t minute;
    std::uint8_t second;
    std::uint8_t hundredths;
};

// ddmmyy; 0, 0, 0 when absent.
struct NmeaDate {
    std::int16_t year;
    std::int8_t month;
    std::int8_t day;
};

// Degrees, south and west negative; 91 / 181 when absent.
struct LatLon {
    float latitude;
    float longitude;
};

// ---- Field sets, one per formatter ----------------------------------------------

// $--ABK,xxxxxxxxx,a,x.x,x,x
struct AbkFields {
    std::int32_t mmsi;
    std::int8_t channel; // converted as an integer: a letter gives 0
    std::int8_t messageId;
    std::int8_t sequenceNumber;
    std::int8_t acknowledgementType;
};

// !--ABM,x,x,x,xxxxxxxxx,x,x.x,s--s,x
// Stored order differs from the sentence: the AIS path reads the first six in
// the same places as VDM.
struct AbmFields {
    std::int8_t totalSentences;
    std::int8_t sentenceNumber;
    std::int8_t sequentialIdentifier; // kNoInt8 when blank
    std::int8_t fillBits;
    char payload[kAisPayloadSize];
    char channel; // kNoChar when blank
    std::int8_t messageId;
    std::int32_t destinationMmsi;
};

// $--ACA,x,llll.ll,a,yyyyy.yy,a,llll.ll,a,yyyyy.yy,a,x,xxxx,x,xxxx,x,x,x,a,x,hhmmss.ss
struct AcaFields {
    char sequenceNumber;
    LatLon northEast;
    LatLon southWest;
    char transitionZoneSize;
    std::int16_t channelA;
    char channelABandwidth;
    std::int16_t channelB;
    char channelBBandwidth;
    char txRxMode;
    char powerLevel;
    char informationSource;
    char inUseFlag;
    UtcTime inUseChangeTime;
};

// $--ACK,xxx
struct AckFields {
    std::int16_t alarmId; // kNoAlarmId when blank
};

// $--ACS,x,xxxxxxxxx,hhmmss.ss,xx,xx,xxxx
struct AcsFields {
    char sequenceNumber;
    std::int32_t mmsi;
    UtcTime time;
    std::int8_t day;
    std::int8_t month;
    std::int16_t year; // widened: an 8-bit year would lose the century
};

// $PZQT,c,AIQ,Smg,x  (reached only through the ZQT form)
struct AiqFields {
    std::int8_t value;
};

// $--ALR,hhmmss.ss,xxx,A,A,c--c
struct AlrFields {
    UtcTime time;
    std::int16_t alarmNumber;
    char condition;
    char acknowledgeState;
    char description[kAlarmTextSize];
};

// !--BBM,x,x,x,x,x.x,s--s,x
struct BbmFields {
    std::int8_t totalSentences;
    std::int8_t sentenceNumber;
    std::int8_t sequentialIdentifier; // kNoInt8 when blank
    std::int8_t fillBits;
    char payload[kAisPayloadSize];
    std::int8_t channel; // an integer here, not a character
    std::int8_t messageId;
};

// $PBDY,xxxxxxxxx,c--c,c--c,x,x
struct BdyFields {
    std::int32_t number; // kNoNineDigitNumber when blank
    char firstText[kShortTextSize];
    char secondText[kShortTextSize];
    std::int8_t firstFlag;  // kNoFlag when blank
    std::int8_t secondFlag; // kNoFlag when blank
};

// $PBTH,xxx,xxx,xxx,xxx,xxx,xxx,c--c
struct BthFields {
    std::int16_t codes[6]; // kNoBthCode when blank
    char text[kStoreTextSize];
};

struct CttItem {
    std::int32_t identifier; // kNoCttNumber when blank
    std::int8_t flag;        // kNoFlag when blank
};

// $PCTT,a,x,x,x,x,x,x,x,x,x,x,x
struct CttFields {
    char mode;
    std::int32_t subject; // kNoCttNumber when blank
    CttItem items[5];
};

// $PDBG,xxx,x,xxx,x,xxx,x,xxx,x   (also $PZQT,c,DBG,...)
// Stored as the four codes, then the four values.
struct DbgFields {
    std::int16_t codes[4];  // kNoDbgCode when blank
    std::int32_t values[4]; // kNoDbgValue when blank
};

// $--DTM,ccc,a,x.x,a,x.x,a,x.x,ccc
struct DtmFields {
    char localDatum[kDatumSize];
    char localDatumSubdivision;
    LatLon offset; // converted like a position
    float altitudeOffset;
    char referenceDatum[kShortTextSize];
};

// $PFRQ,xxxxxxxxx,x,xxxxxxxxx,x   stored as both values, then both counts
struct FrqFields {
    std::int32_t values[2]; // kNoNineDigitNumber when blank
    std::int8_t counts[2];  // kNoInt8 when blank
};

// $--GBS,hhmmss.ss,x.x,x.x,x.x,xx,x.x,x.x,x.x
struct GbsFields {
    UtcTime time;
    float latitudeError;
    float longitudeError;
    float altitudeError;
    std::int8_t failedSatelliteId; // kNoFailedSatellite when blank
    float probabilityOfMissedDetection;
    float biasEstimate;
    float biasStandardDeviation;
    std::int8_t systemId; // read leniently only (NMEA 4.x), kNoInt8 when absent
    std::int8_t signalId; // read leniently only (NMEA 4.x), kNoInt8 when absent
};

// $--GGA,hhmmss.ss,llll.ll,a,yyyyy.yy,a,x,xx,x.x,x.x,M,x.x,M,x.x,xxxx
struct GgaFields {
    UtcTime time;
    LatLon position;
    std::int8_t quality;
    std::int8_t satellitesInUse; // 0 to 12
    float hdop;                  // 0 to 99.9
    float altitude;
    char altitudeUnit;
    float geoidalSeparation;
    char separationUnit;
    float ageOfDifferentialData;
    std::int16_t referenceStationId; // 0 to 1023, kNoReferenceStation when blank
};

// $--GLL,llll.ll,a,yyyyy.yy,a,hhmmss.ss,A,a
struct GllFields {
    LatLon position;
    UtcTime time;
    char status;
    char mode;
};

// $--GNS,hhmmss.ss,llll.ll,a,yyyyy.yy,a,c--c,xx,x.x,x.x,x.x,x.x,x.x
struct GnsFields {
    UtcTime time;
    LatLon position;
    char modeIndicator[2];   // the first two characters of the field, not terminated
    char satellitesInUse[2]; // the first two characters of the field, not terminated
    float hdop;              // 0 to 99.9
    float altitude;
    float geoidalSeparation;
    float ageOfDifferentialData;
    float referenceStationId;
};

// $--GRS,hhmmss.ss,x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x,x.x
struct GrsFields {
    UtcTime time;
    char mode;
    float rangeResiduals[12];
};

// $--GSA,a,x,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,x.x,x.x,x.x
struct GsaFields {
    char selectionMode;
    std::int8_t fixMode;
    std::int8_t satelliteIds[12]; // kNoInt8 when blank
    float pdop;
    float hdop;
    float vdop;
    std::int8_t systemId; // read leniently only (NMEA 4.x), kNoInt8 when absent
};

// $--GST,hhmmss.ss,x.x,x.x,x.x,x.x,x.x,x.x,x.x
struct GstFields {
    UtcTime time;
    float rangeRms;
    float errorEllipseMajor;
    float errorEllipseMinor;
    float errorEllipseOrientation;
    float latitudeError;
    float longitudeError;
    float altitudeError;
};

struct GsvSatellite {
    std::int8_t prn;       // kNoInt8 when blank or not present
    std::int8_t elevation; // 0 to 90
    std::int16_t azimuth;  // 0 to 359, kNoAzimuth when blank or not present
    std::int8_t snr;       // 0 to 99
};

// $--GSV,x,x,xx, then one to four groups xx,xx,xxx,xx
struct GsvFields {
    std::int8_t totalMessages; // 0 to 9
    std::int8_t messageNumber; // 0 to 9
    std::int8_t satellitesInView;
    GsvSatellite satellites[4];
    std::int8_t signalId; // read leniently only (NMEA 4.x), kNoInt8 when absent
};

// $--HDT,x.x,T
struct HdtFields {
    float heading; // kNoHeading when blank
    char reference;
};

// $PMID,xxxxxxxxx,xxxxxxxxx
struct MidFields {
    std::int32_t firstNumber;  // kNoNineDigitNumber when blank
    std::int32_t secondNumber; // kNoNineDigitNumber when blank
};

// $PMOB,hhhhhh,x,hh,hh,h--h
struct MobFields {
    std::uint8_t code[3];
    std::uint8_t number;    // kNoMobByte when blank
    std::uint8_t firstByte; // kNoMobByte when blank
    std::uint8_t secondByte;
    std::uint8_t secondBytePresent;
    std::uint8_t data[kMobDataCapacity];
    std::uint8_t dataCount;
};

// $--OSD,x.x,A,x.x,a,x.x,a,x.x,x.x,a
struct OsdFields {
    float heading;
    char headingStatus;
    float course;
    char courseReference;
    float speed;
    char speedReference;
    float set;
    float drift;
    char speedUnits;
};

// $--ccQ,c--c: the text from the first field up to the checksum, commas included
struct QueryFields {
    char text[kQueryTextSize];
};

// $--RMA,A,llll.ll,a,yyyyy.yy,a,...   only status and position are read
struct RmaFields {
    LatLon position;
    char status; // stored after the position, though it comes first
};

// $--RMC,hhmmss.ss,A,llll.ll,a,yyyyy.yy,a,x.x,x.x,xxxxxx,x.x,a,a
struct RmcFields {
    UtcTime time;
    char status;
    LatLon position;
    float speedOverGround;
    float courseOverGround;
    NmeaDate date;
    float magneticVariation;
    char variationDirection; // kNoChar when blank
    char mode;
    char navigationalStatus; // read leniently only (NMEA 4.x), ' ' when absent
};

// $--ROT,x.x,A
struct RotFields {
    float rateOfTurn;
    char status;
};

// $--SSD,c--c,c--c,xxx,xxx,xx,xx,c,aa
struct SsdFields {
    char callSign[kCallSignSize];
    char name[kShortTextSize];
    std::int16_t referenceA;  // kNoReferenceDistanceAB when blank
    std::int16_t referenceB;  // kNoReferenceDistanceAB when blank
    std::int8_t referenceC;   // kNoReferenceDistanceCD when blank
    std::int8_t referenceD;   // kNoReferenceDistanceCD when blank
    std::int8_t dteIndicator; // kNoDteIndicator when blank
    char sourceIdentifier[kShortTextSize];
};

// $PZQT,c,Smg,c--c,x  (reached only through the ZQT form)
struct SmgFields {
    char text[kSmgTextSize];
    std::int8_t value;
};

// $PTPS,xxx,c--c
struct TpsFields {
    std::int16_t code; // kNoTpsCode when blank
    char text[kStoreTextSize];
};

// $PTST,xxxxx,xx,a,A,xxxxx
struct TstFields {
    std::int32_t number; // kNoTestNumber when blank
    std::int8_t value;   // kNoTestValue when blank
    char lowerCaseLetter;
    char letter;
    std::int16_t code; // kNoTestCode when blank
};

// $--TXT,xx,xx,xx,c--c
struct TxtFields {
    std::int8_t totalSentences; // 1 to 99
    std::int8_t sentenceNumber; // 1 to 99
    std::int8_t textIdentifier; // 1 to 99
    char text[kTxtTextSize];
};

// $--VBW,x.x,x.x,A,x.x,x.x,A
struct VbwFields {
    float longitudinalWaterSpeed;
    float transverseWaterSpeed;
    char waterSpeedStatus;
    float longitudinalGroundSpeed;
    float transverseGroundSpeed;
    char groundSpeedStatus;
};

// !--VDM,x,x,x,a,s--s,x  and !--VDO (same field set)
struct VdmFields {
    std::int8_t totalSentences;
    std::int8_t sentenceNumber;
    std::int8_t sequentialIdentifier; // kNoInt8 when blank
    std::int8_t fillBits;
    char payload[kAisPayloadSize];
    char channel; // kNoChar when blank
};

// $--VSD,x.x,x.x,x.x,c--c,hhmmss.ss,xx,xx,x.x,x.x
struct VsdFields {
    std::int16_t shipType; // low 8 bits of the value, kNoShipType when blank
    float maximumDraught;
    std::int16_t personsOnBoard; // kNoPersonsOnBoard when blank
    char destination[kShortTextSize];
    UtcTime arrivalTime;
    std::int8_t arrivalDay;   // kNoArrivalDay when blank
    std::int8_t arrivalMonth; // kNoArrivalMonth when blank
    std::int8_t navigationalStatus;
    std::int8_t regionalFlags;
};

// $--VTG,x.x,T,x.x,M,x.x,N,x.x,K,a
struct VtgFields {
    float courseTrue;
    char courseTrueUnit; // kNoChar when blank
    float courseMagnetic;
    char courseMagneticUnit;
    float speedKnots;
    char speedKnotsUnit;
    float speedKmh;
    char speedKmhUnit;
    char mode;
};

// $--WPL,llll.ll,a,yyyyy.yy,a,c--c
struct WplFields {
    LatLon position;
    char waypointId[kShortTextSize];
};

// $--ZDA,hhmmss.ss,xx,xx,xxxx,xx,xx   stored as year, month, day
struct ZdaFields {
    UtcTime time;
    std::int16_t year;            // kNoYear when blank
    std::int8_t month;            // 1 to 12
    std::int8_t day;              // 1 to 31
    std::int8_t localZoneHours;   // -13 to 13
    std::int8_t localZoneMinutes; // 0 to 59
};

// $--AAM,A,A,x.x,N,c--c
struct AamFields {
    char arrivalCircleStatus;
    char perpendicularStatus;
    float arrivalCircleRadius;
    char radiusUnit;
    char waypointId[kShortTextSize];
};

// $--APB,A,A,x.x,a,N,A,A,x.x,a,c--c,x.x,a,x.x,a,a
struct ApbFields {
    char status;
    char cycleLockStatus;
    float crossTrackError;
    char steerDirection;
    char crossTrackUnit;
    char arrivalCircleStatus;
    char perpendicularStatus;
    float bearingOriginToDestination;
    char bearingOriginReference;
    char destinationId[kShortTextSize];
    float bearingToDestination;
    char bearingToDestinationReference;
    float headingToSteer;
    char headingToSteerReference;
    char mode;
};

// $--BOD,x.x,T,x.x,M,c--c,c--c
struct BodFields {
    float bearingTrue;
    char bearingTrueReference;
    float bearingMagnetic;
    char bearingMagneticReference;
    char destinationId[kShortTextSize];
    char originId[kShortTextSize];
};

// $--BWC,hhmmss.ss,llll.ll,a,yyyyy.yy,a,x.x,T,x.x,M,x.x,N,c--c,a
struct BwcFields {
    UtcTime time;
    LatLon waypointPosition;
    float bearingTrue;
    char bearingTrueReference;
    float bearingMagnetic;
    char bearingMagneticReference;
    float distance;
    char distanceUnit;
    char waypointId[kShortTextSize];
    char mode;
};

// $--DBT,x.x,f,x.x,M,x.x,F
struct DbtFields {
    float depthFeet;
    char feetUnit;
    float depthMetres;
    char metresUnit;
    float depthFathoms;
    char fathomsUnit;
};

// $--DPT,x.x,x.x,x.x
struct DptFields {
    float depth;
    float transducerOffset;
    float maximumRange;
};

// $--DSC,xx,xxxxxxxxxx,xx,xx,xx,x.x,x.x,xxxxxxxxxx,xx,a,a
// The texts are kept as received; the MMSIs and the distress position are
// derived from them after the sentence's own fields.
struct DscFields {
    std::int8_t formatSpecifier;
    char address[kDscDigitsSize]; // the MMSI and a trailing 0, or a geographic area
    std::int8_t category;
    std::int8_t firstTelecommand;  // the nature of distress in a distress call
    std::int8_t secondTelecommand; // the type of communication in a distress call
    char positionOrChannel[kDscDigitsSize];
    char timeOrTelephone[kDscNumberSize];
    char distressMmsiDigits[kDscDigitsSize];
    std::int8_t natureOfDistress;
    char acknowledgement;
    char expansion;
    std::int32_t addressMmsi;  // kNoNineDigitNumber unless the address is ten digits
    std::int32_t distressMmsi; // kNoNineDigitNumber unless ten digits were given
    LatLon distressPosition;   // 91 / 181 unless a distress call gives a ten-digit position
};

// $--HDG,x.x,x.x,a,x.x,a
struct HdgFields {
    float magneticSensorHeading; // kNoHeading when blank
    float deviation;
    char deviationDirection; // kNoChar when blank
    float variation;
    char variationDirection; // kNoChar when blank
};

// $--HDM,x.x,M
struct HdmFields {
    float heading; // kNoHeading when blank
    char reference;
};

// $--MTW,x.x,C
struct MtwFields {
    float temperature;
    char unit;
};

// $--MWD,x.x,T,x.x,M,x.x,N,x.x,M
struct MwdFields {
    float directionTrue;
    char trueReference;
    float directionMagnetic;
    char magneticReference;
    float speedKnots;
    char knotsUnit;
    float speedMetresPerSecond;
    char metresPerSecondUnit;
};

// $--MWV,x.x,a,x.x,a,A
struct MwvFields {
    float windAngle;
    char reference; // R relative, T theoretical
    float windSpeed;
    char speedUnit; // K, M or N
    char status;
};

// $--RMB,A,x.x,a,c--c,c--c,llll.ll,a,yyyyy.yy,a,x.x,x.x,x.x,A,a
struct RmbFields {
    char status;
    float crossTrackError;
    char steerDirection;
    char originId[kShortTextSize];
    char destinationId[kShortTextSize];
    LatLon destinationPosition;
    float rangeToDestination;
    float bearingToDestination;
    float closingVelocity;
    char arrivalStatus;
    char mode;
};

// $--RSA,x.x,A,x.x,A
struct RsaFields {
    float starboardRudder;
    char starboardStatus;
    float portRudder;
    char portStatus;
};

// $--VDR,x.x,T,x.x,M,x.x,N
struct VdrFields {
    float setTrue;
    char trueReference;
    float setMagnetic;
    char magneticReference;
    float drift;
    char driftUnit;
};

// $--VHW,x.x,T,x.x,M,x.x,N,x.x,K
struct VhwFields {
    float headingTrue;
    char trueReference;
    float headingMagnetic;
    char magneticReference;
    float speedKnots;
    char knotsUnit;
    float speedKmh;
    char kmhUnit;
};

// $--VLW,x.x,N,x.x,N,x.x,N,x.x,N   the distances over ground are read leniently only
struct VlwFields {
    float totalWaterDistance;
    char totalWaterUnit;
    float tripWaterDistance;
    char tripWaterUnit;
    float totalGroundDistance;
    char totalGroundUnit;
    float tripGroundDistance;
    char tripGroundUnit;
};

// $--VWR,x.x,a,x.x,N,x.x,M,x.x,K  and $--VWT (same field set)
struct VwrFields {
    float windAngle; // 0 to 180 off the bow
    char side;       // R starboard, L port
    float speedKnots;
    char knotsUnit;
    float speedMetresPerSecond;
    char metresPerSecondUnit;
    float speedKmh;
    char kmhUnit;
};

struct XdrMeasurement {
    float value;
    char type;
    char unit;
    char name[kXdrNameSize];
};

// $--XDR,a,x.x,a,c--c, then further quadruplets a,x.x,a,c--c
struct XdrFields {
    std::uint8_t count; // quadruplets stored, at most kXdrMeasurements
    XdrMeasurement measurements[kXdrMeasurements];
};

// $--XTE,A,A,x.x,a,N,a
struct XteFields {
    char status;
    char cycleLockStatus;
    float crossTrackError;
    char steerDirection;
    char unit;
    char mode;
};

// One field set per formatter. Decoders write only their own set (and clear
// it only where their formatter says so), so bytes a decoder leaves alone keep
// what an earlier sentence put there.
union SentencePayload {
    AamFields aam;
    ApbFields apb;
    BodFields bod;
    BwcFields bwc;
    DbtFields dbt;
    DptFields dpt;
    DscFields dsc;
    HdgFields hdg;
    HdmFields hdm;
    MtwFields mtw;
    MwdFields mwd;
    MwvFields mwv;
    RmbFields rmb;
    RsaFields rsa;
    VdrFields vdr;
    VhwFields vhw;
    VlwFields vlw;
    VwrFields vwr; // VWR and VWT
    XdrFields xdr;
    XteFields xte;
    AbkFields abk;
    AbmFields abm;
    AcaFields aca;
    AckFields ack;
    AcsFields acs;
    AiqFields aiq;
    AlrFields alr;
    BbmFields bbm;
    BdyFields bdy;
    BthFields bth;
    CttFields ctt;
    DbgFields dbg;
    DtmFields dtm;
    FrqFields frq;
    GbsFields gbs;
    GgaFields gga;
    GllFields gll;
    GnsFields gns;
    GrsFields grs;
    GsaFields gsa;
    GstFields gst;
    GsvFields gsv;
    HdtFields hdt;
    MidFields mid;
    MobFields mob;
    OsdFields osd;
    QueryFields query;
    RmaFields rma;
    RmcFields rmc;
    RotFields rot;
    SsdFields ssd;
    SmgFields smg;
    TpsFields tps;
    TstFields tst;
    TxtFields txt;
    VbwFields vbw;
    VdmFields vdm; // VDM and VDO
    VsdFields vsd;
    VtgFields vtg;
    WplFields wpl;
    ZdaFields zda;
    unsigned char bytes[kQueryTextSize];
};

struct SentenceRecord {
    char startChar;    // '$' or '!', the first character of the line
    char talker[3];    // "GP", "AI"; "P" for a proprietary sentence
    char formatter[4]; // "GGA"; "Q" for a query; the sub-formatter of a ZQT sentence
    char commandChar;  // the command character of a ZQT sentence, else 0
    SentencePayload payload;
};

static_assert(sizeof(SentencePayload) == sizeof(SentencePayload::bytes),
              "the query text is the largest field set; bytes must cover the union");
static_assert(sizeof(AlrFields) == 68, "the store copies the ALR field set as a 68-byte block");
static_assert(sizeof(VdmFields) == 69 && sizeof(BbmFields) == 70,
              "AIS field sets are cleared whole before decoding");

} // namespace varo
