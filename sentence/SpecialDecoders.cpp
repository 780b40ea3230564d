#include "sentence/SpecialDecoders.h"

#include <array>
#include <cstring>

#include "sentence/FieldConversions.h"
#include "sentence/FieldDecoders.h"

namespace varo {
namespace {

int CommaCount(const char* line) {
    int commas = 0;
    for (const char* c = line; *c != '\0'; ++c) {
        commas += (*c == ',');
    }
    return commas;
}

// ---- AIS encapsulation: ABM, BBM, VDM, VDO ----------------------------------
// The three sets share their first four fields and the payload's place.
static_assert(offsetof(AbmFields, payload) == offsetof(VdmFields, payload) &&
              offsetof(BbmFields, payload) == offsetof(VdmFields, payload) &&
              offsetof(AbmFields, fillBits) == offsetof(VdmFields, fillBits) &&
              offsetof(BbmFields, fillBits) == offsetof(VdmFields, fillBits) &&
              offsetof(AbmFields, sequentialIdentifier) ==
                  offsetof(VdmFields, sequentialIdentifier) &&
              offsetof(BbmFields, sequentialIdentifier) ==
                  offsetof(VdmFields, sequentialIdentifier));

constexpr FieldSpec TotalSentences() {
    return Int8Field(offsetof(VdmFields, totalSentences)).within(0, 9);
}
constexpr FieldSpec SentenceNumber() {
    return Int8Field(offsetof(VdmFields, sentenceNumber)).within(0, 9);
}
constexpr FieldSpec SequentialIdentifier() {
    return Int8Field(offsetof(VdmFields, sequentialIdentifier)).blankAs(kNoInt8).within(0, 9);
}
constexpr FieldSpec kFillBits[] = {
    Int8Field(offsetof(VdmFields, fillBits)).blankFails().within(0, 5)};

// !--ABM,x,x,x,xxxxxxxxx,x,x.x,s--s,x   (fields before the payload)
constexpr FieldSpec kAbmLeading[] = {
    TotalSentences(),
    SentenceNumber(),
    SequentialIdentifier(),
    Int32Field(offsetof(AbmFields, destinationMmsi)),
    CharField(offsetof(AbmFields, channel)).blankAs(static_cast<unsigned char>(kNoChar)),
    Int8Field(offsetof(AbmFields, messageId)),
};
// !--BBM,x,x,x,x,x.x,s--s,x
constexpr FieldSpec kBbmLeading[] = {
    TotalSentences(),
    SentenceNumber(),
    SequentialIdentifier(),
    Int8Field(offsetof(BbmFields, channel)),
    Int8Field(offsetof(BbmFields, messageId)),
};
// !--VDM,x,x,x,a,s--s,x
constexpr FieldSpec kVdmLeading[] = {
    TotalSentences(),
    SentenceNumber(),
    SequentialIdentifier(),
    CharField(offsetof(VdmFields, channel)).blankAs(static_cast<unsigned char>(kNoChar)),
};

// A payload holds at most 62 characters when the sequential identifier is
// blank or 0, and 63 when it is 1 to 9. A lenient reading takes any length
// and keeps what fits.
bool DecodeEncapsulation(char* line, unsigned char* base, std::span<const FieldSpec> leading,
                         std::size_t setSize, bool lenient = false) {
    std::memset(base, 0, setSize);
    if (NextField(line, ",") == nullptr || !DecodeFieldList(leading, base, false)) {
        return false;
    }
    const char* payload = NextField(nullptr, ",");
    if (payload == nullptr) {
        return false;
    }
    const auto sequential =
        static_cast<std::int8_t>(base[offsetof(VdmFields, sequentialIdentifier)]);
    const std::size_t limit =
        sequential >= 1 && sequential <= 9 ? kAisPayloadSize - 1 : kAisPayloadSize - 2;
    std::size_t length = std::strlen(payload);
    if (length > limit) {
        if (!lenient) {
            return false;
        }
        length = kAisPayloadSize - 1;
    }
    std::memcpy(base + offsetof(VdmFields, payload), payload, length);
    base[offsetof(VdmFields, payload) + length] = '\0';
    return DecodeFieldList(kFillBits, base, true);
}

// ---- GSV ---------------------------------------------------------------------
// $--GSV,x,x,xx, then one to four satellites xx,xx,xxx,xx
constexpr FieldSpec kGsvHead[] = {
    Int8Field(offsetof(GsvFields, totalMessages)).within(0, 9),
    Int8Field(offsetof(GsvFields, messageNumber)).within(0, 9),
    Int8Field(offsetof(GsvFields, satellitesInView)),
};
constexpr FieldSpec kGsvSatellite[] = {
    Int8Field(offsetof(GsvSatellite, prn)).blankAs(kNoInt8),
    Int8Field(offsetof(GsvSatellite, elevation)).blankAs(kNoInt8).within(0, 90),
    Int16Field(offsetof(GsvSatellite, azimuth)).blankAs(kNoAzimuth).within(0, 359),
    Int8Field(offsetof(GsvSatellite, snr)).blankAs(kNoInt8).within(0, 99),
};
static_assert(CountSentenceFields(kGsvHead) == 3 && CountSentenceFields(kGsvSatellite) == 4);

int GsvSatellitesInSentence(const char* line) {
    for (int satellites = 1; satellites <= 4; ++satellites) {
        if (CountCommas(line, 3 + 4 * satellites)) {
            return satellites;
        }
    }
    return 0;
}

constexpr FieldSpec kGsvSignal[] = {Int8Field(offsetof(GsvFields, signalId)).blankAs(kNoInt8)};

// The head, `satellites` groups and, when `signal`, the signal ID.
bool DecodeGsvGroups(char* line, SentencePayload& payload, int satellites, bool signal) {
    GsvFields& gsv = payload.gsv;
    std::memset(&gsv, 0x80, sizeof gsv);
    for (GsvSatellite& satellite : gsv.satellites) {
        satellite.azimuth = kNoAzimuth;
    }
    if (NextField(line, ",") == nullptr ||
        !DecodeFieldList(kGsvHead, payload.bytes, satellites == 0 && !signal)) {
        return false;
    }
    for (int i = 0; i < satellites; ++i) {
        auto* satellite = reinterpret_cast<unsigned char*>(&gsv.satellites[i]);
        if (!DecodeFieldList(kGsvSatellite, satellite, i + 1 == satellites && !signal)) {
            return false;
        }
    }
    return !signal || DecodeFieldList(kGsvSignal, payload.bytes, true);
}

// ---- DSC ---------------------------------------------------------------------
// $--DSC,xx,xxxxxxxxxx,xx,xx,xx,x.x,x.x,xxxxxxxxxx,xx,a,a
constexpr FieldSpec kDsc[] = {
    Int8Field(offsetof(DscFields, formatSpecifier)).blankAs(kNoInt8),
    TextField(offsetof(DscFields, address), kDscDigitsSize).blankAs(0),
    Int8Field(offsetof(DscFields, category)).blankAs(kNoInt8),
    Int8Field(offsetof(DscFields, firstTelecommand)).blankAs(kNoInt8),
    Int8Field(offsetof(DscFields, secondTelecommand)).blankAs(kNoInt8),
    TextField(offsetof(DscFields, positionOrChannel), kDscDigitsSize).blankAs(0),
    TextField(offsetof(DscFields, timeOrTelephone), kDscNumberSize).blankAs(0),
    TextField(offsetof(DscFields, distressMmsiDigits), kDscDigitsSize).blankAs(0),
    Int8Field(offsetof(DscFields, natureOfDistress)).blankAs(kNoInt8),
    CharField(offsetof(DscFields, acknowledgement)),
    CharField(offsetof(DscFields, expansion)),
};
static_assert(CountSentenceFields(kDsc) == 11);

constexpr int kDscDistressFormat = 12;
constexpr int kDscDistressCategory = 112;

bool TenDigits(const char* text) {
    int digits = 0;
    while (text[digits] >= '0' && text[digits] <= '9') {
        ++digits;
    }
    return digits == 10 && text[10] == '\0';
}

// A ten-digit DSC address or MMSI field carries the MMSI in its first nine digits.
std::int32_t DscMmsi(const char* digits) {
    if (!TenDigits(digits)) {
        return kNoNineDigitNumber;
    }
    std::int32_t mmsi = 0;
    for (int i = 0; i < 9; ++i) {
        mmsi = mmsi * 10 + (digits[i] - '0');
    }
    return mmsi;
}

int Digits(const char* text, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// qddmmdddmm: the quadrant (0 NE, 1 NW, 2 SE, 3 SW), then whole degrees and
// minutes of latitude and longitude; any other text gives no position.
LatLon DscPosition(const char* digits) {
    if (!TenDigits(digits) || digits[0] > '3') {
        return {kNoLatitude, kNoLongitude};
    }
    const int quadrant = digits[0] - '0';
    const float latitude = static_cast<float>(Digits(digits + 1, 2)) +
                           static_cast<float>(Digits(digits + 3, 2)) / 60.0f;
    const float longitude = static_cast<float>(Digits(digits + 5, 3)) +
                            static_cast<float>(Digits(digits + 8, 2)) / 60.0f;
    return {quadrant >= 2 ? -latitude : latitude, quadrant % 2 == 1 ? -longitude : longitude};
}

// ---- XDR ---------------------------------------------------------------------
// a,x.x,a,c--c: transducer type, measurement, unit, transducer name
constexpr FieldSpec kXdrQuadruplet[] = {
    CharField(offsetof(XdrMeasurement, type)),
    RealField(offsetof(XdrMeasurement, value)),
    CharField(offsetof(XdrMeasurement, unit)),
    TextField(offsetof(XdrMeasurement, name), kXdrNameSize).blankAs(0),
};
static_assert(CountSentenceFields(kXdrQuadruplet) == 4);

// ---- MOB ---------------------------------------------------------------------

enum class HexField { Stored, TooLong, Bad };

// Up to `maxBytes` bytes from a field of two digits a byte.
HexField ReadHexBytes(const char* field, std::uint8_t* bytes, std::size_t maxBytes,
                      std::size_t& count) {
    const std::size_t length = std::strlen(field);
    if (length > 2 * maxBytes) {
        return HexField::TooLong;
    }
    count = 0;
    for (std::size_t i = 0; i < length; i += 2) {
        const char pair[3] = {field[i], field[i + 1], '\0'}; // an odd tail reads one digit
        if (!ParseHexByte(pair, bytes[count++])) {
            return HexField::Bad;
        }
    }
    return HexField::Stored;
}

// Three bytes from exactly six digits; any other length stores three zeros.
bool DecodeMobCode(const char* field, MobFields& mob) {
    if (std::strlen(field) != 2 * sizeof mob.code) {
        std::memset(mob.code, 0, sizeof mob.code);
        return true;
    }
    std::size_t count = 0;
    return ReadHexBytes(field, mob.code, sizeof mob.code, count) == HexField::Stored;
}

// A field of up to two digits: blank -> not present; longer -> both unchanged.
bool DecodeMobByte(const char* field, std::uint8_t& byte, std::uint8_t& present) {
    if (IsBlankField(field)) {
        present = 0;
        return true;
    }
    std::uint8_t value = 0;
    std::size_t count = 0;
    const HexField result = ReadHexBytes(field, &value, 1, count);
    if (result == HexField::Bad) {
        return false;
    }
    if (result == HexField::Stored) {
        byte = value;
        present = 1;
    }
    return true;
}

void DecodeMobData(const char* field, MobFields& mob) {
    std::uint8_t data[kMobDecodedBytesMax];
    std::size_t count = 0;
    const std::size_t length = std::strlen(field);
    const bool usable = !IsBlankField(field) && length % 2 == 0 &&
                        ReadHexBytes(field, data, kMobDecodedBytesMax, count) == HexField::Stored;
    if (!usable) {
        mob.dataCount = 0;
        return;
    }
    std::memcpy(mob.data, data, count);
    mob.dataCount = static_cast<std::uint8_t>(count);
}

} // namespace

bool DecodeAbm(char* line, SentencePayload& payload) {
    return DecodeEncapsulation(line, payload.bytes, kAbmLeading, sizeof(AbmFields));
}

bool DecodeBbm(char* line, SentencePayload& payload) {
    return DecodeEncapsulation(line, payload.bytes, kBbmLeading, sizeof(BbmFields));
}

bool DecodeVdm(char* line, SentencePayload& payload) {
    return DecodeEncapsulation(line, payload.bytes, kVdmLeading, sizeof(VdmFields));
}

bool DecodeVdmLenient(char* line, SentencePayload& payload) {
    return CountCommas(line, 6) &&
           DecodeEncapsulation(line, payload.bytes, kVdmLeading, sizeof(VdmFields), true);
}

bool DecodeGsv(char* line, SentencePayload& payload) {
    const int satellites = GsvSatellitesInSentence(line);
    return satellites != 0 && DecodeGsvGroups(line, payload, satellites, false);
}

// $--GSV,x,x,xx, then none to four satellites, then maybe the signal ID (NMEA 4.x)
bool DecodeGsvLenient(char* line, SentencePayload& payload) {
    const int commas = CommaCount(line);
    const bool signal = (commas - 3) % 4 == 1;
    const int satellites = (commas - 3 - (signal ? 1 : 0)) / 4;
    if (commas < 3 || (commas - 3) % 4 > 1 || satellites > 4) {
        return false;
    }
    return DecodeGsvGroups(line, payload, satellites, signal);
}

bool DecodeDsc(char* line, SentencePayload& payload) {
    DscFields& dsc = payload.dsc;
    if (NextField(line, ",") == nullptr || !DecodeFieldList(kDsc, payload.bytes, true)) {
        return false;
    }
    dsc.addressMmsi = DscMmsi(dsc.address);
    dsc.distressMmsi = DscMmsi(dsc.distressMmsiDigits);
    const bool distress =
        dsc.formatSpecifier == kDscDistressFormat || dsc.category == kDscDistressCategory;
    dsc.distressPosition =
        distress ? DscPosition(dsc.positionOrChannel) : LatLon{kNoLatitude, kNoLongitude};
    return true;
}

// $--XDR,a,x.x,a,c--c,...   one to any number of quadruplets; the first
// kXdrMeasurements are kept
bool DecodeXdr(char* line, SentencePayload& payload) {
    const int commas = CommaCount(line);
    if (commas < 4 || commas % 4 != 0 || NextField(line, ",") == nullptr) {
        return false;
    }
    XdrFields& xdr = payload.xdr;
    std::memset(&xdr, 0, sizeof xdr);
    const int given = commas / 4;
    for (int i = 0; i < given; ++i) {
        const bool last = i + 1 == given;
        if (static_cast<std::size_t>(i) < kXdrMeasurements) {
            auto* at = reinterpret_cast<unsigned char*>(&xdr.measurements[i]);
            if (!DecodeFieldList(kXdrQuadruplet, at, last)) {
                return false;
            }
            ++xdr.count;
            continue;
        }
        for (int field = 0; field < 4; ++field) {
            if (NextField(nullptr, last && field == 3 ? "*" : ",") == nullptr) {
                return false;
            }
        }
    }
    return true;
}

// $PMOB,hhhhhh,x,hh,hh,h--h
bool DecodeMob(char* line, SentencePayload& payload) {
    MobFields& mob = payload.mob;
    if (NextField(line, ",") == nullptr) {
        return false;
    }
    const char* code = NextField(nullptr, ",");
    if (code == nullptr || !DecodeMobCode(code, mob)) {
        return false;
    }
    const char* number = NextField(nullptr, ",");
    if (number == nullptr || !StoreField(Int8Field(offsetof(MobFields, number)).blankAs(kNoMobByte),
                                         0, number, payload.bytes)) {
        return false;
    }
    const char* first = NextField(nullptr, ",");
    std::uint8_t firstPresent = 0;
    if (first == nullptr || !DecodeMobByte(first, mob.firstByte, firstPresent)) {
        return false;
    }
    if (IsBlankField(first)) {
        mob.firstByte = kNoMobByte;
    }
    const char* second = NextField(nullptr, ",");
    if (second == nullptr || !DecodeMobByte(second, mob.secondByte, mob.secondBytePresent)) {
        return false;
    }
    const char* data = NextField(nullptr, "*");
    if (data == nullptr) {
        return false;
    }
    DecodeMobData(data, mob);
    return true;
}

// $--ccQ,c--c: everything after the address field up to the '*', commas included
bool DecodeQuery(char* line, SentencePayload& payload) {
    if (NextField(line, ",") == nullptr) {
        return false;
    }
    const char* text = NextField(nullptr, "*");
    if (text == nullptr) {
        return false;
    }
    std::memset(payload.query.text, 0, sizeof payload.query.text);
    std::memcpy(payload.query.text, text, strnlen(text, sizeof payload.query.text - 1));
    return true;
}

// $--RMA,A,llll.ll,a,yyyyy.yy,a,...  Only the status and the position are read,
// so the comma count is not fixed; the position group must be followed by a
// further field so that its E/W field ends in a comma.
bool DecodeRma(char* line, SentencePayload& payload) {
    const int commas = CommaCount(line);
    if (commas < 6 || NextField(line, ",") == nullptr) {
        return false;
    }
    const char* status = NextField(nullptr, ",");
    const char* latitude = status != nullptr ? NextField(nullptr, ",") : nullptr;
    if (latitude == nullptr) {
        return false;
    }
    payload.rma.status = status[0];
    ReadLatLonGroup(latitude, payload.rma.position);
    return true;
}

} // namespace varo
