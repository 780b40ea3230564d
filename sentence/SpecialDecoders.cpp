#include "sentence/SpecialDecoders.h"

#include <array>
#include <cstring>

#include "sentence/FieldConversions.h"
#include "sentence/FieldDecoders.h"

namespace varo {
namespace {

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
// blank or 0, and 63 when it is 1 to 9.
bool DecodeEncapsulation(char* line, unsigned char* base, std::span<const FieldSpec> leading,
                         std::size_t setSize) {
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
    const std::size_t length = std::strlen(payload);
    if (length > limit) {
        return false;
    }
    std::memcpy(base + offsetof(VdmFields, payload), payload, length + 1);
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

bool DecodeGsv(char* line, SentencePayload& payload) {
    const int satellites = GsvSatellitesInSentence(line);
    if (satellites == 0) {
        return false;
    }
    GsvFields& gsv = payload.gsv;
    std::memset(&gsv, 0x80, sizeof gsv);
    for (GsvSatellite& satellite : gsv.satellites) {
        satellite.azimuth = kNoAzimuth;
    }
    if (NextField(line, ",") == nullptr || !DecodeFieldList(kGsvHead, payload.bytes, false)) {
        return false;
    }
    for (int i = 0; i < satellites; ++i) {
        auto* satellite = reinterpret_cast<unsigned char*>(&gsv.satellites[i]);
        if (!DecodeFieldList(kGsvSatellite, satellite, i + 1 == satellites)) {
            return false;
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
    int commas = 0;
    for (const char* c = line; *c != '\0'; ++c) {
        commas += (*c == ',');
    }
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
