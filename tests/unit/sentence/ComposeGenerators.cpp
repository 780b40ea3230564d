#include "ComposeGenerators.h"

#include <cstring>
#include <limits>
#include <string_view>

namespace varo::testing {
namespace {

using Generator = void (*)(FieldGenerator&, SentenceRecord&);

constexpr long long kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr long long kInt32Max = std::numeric_limits<std::int32_t>::max();

template <typename T> T Small(FieldGenerator& g, long long low, long long high, long long absent) {
    return static_cast<T>(g.Absent() ? absent : g.Between(low, high));
}

std::int8_t AnyInt8(FieldGenerator& g) {
    return static_cast<std::int8_t>(g.Between(-128, 127));
}
std::int8_t Sequential(FieldGenerator& g) {
    return Small<std::int8_t>(g, 0, 9, kNoInt8);
}

template <typename Fields> void Encapsulation(FieldGenerator& g, Fields& f, std::size_t payload) {
    f.totalSentences = static_cast<std::int8_t>(g.Between(0, 9));
    f.sentenceNumber = static_cast<std::int8_t>(g.Between(0, 9));
    f.sequentialIdentifier = Sequential(g);
    f.fillBits = static_cast<std::int8_t>(g.Between(0, 5));
    g.Payload(f.payload, payload);
}

void Abk(FieldGenerator& g, SentenceRecord& s) {
    AbkFields& f = s.payload.abk;
    f.mmsi = static_cast<std::int32_t>(g.OneIn(4) ? 0 : g.Between(kInt32Min, kInt32Max));
    f.channel = 0;
    f.messageId = AnyInt8(g);
    f.sequenceNumber = AnyInt8(g);
    f.acknowledgementType = AnyInt8(g);
}

void Abm(FieldGenerator& g, SentenceRecord& s) {
    AbmFields& f = s.payload.abm;
    Encapsulation(g, f, 40);
    f.channel = kNoChar;
    f.messageId = AnyInt8(g);
    f.destinationMmsi = static_cast<std::int32_t>(g.Between(0, 999999999));
}

void Bbm(FieldGenerator& g, SentenceRecord& s) {
    BbmFields& f = s.payload.bbm;
    Encapsulation(g, f, 50);
    f.channel = AnyInt8(g);
    f.messageId = AnyInt8(g);
}

void Vdm(FieldGenerator& g, SentenceRecord& s) {
    VdmFields& f = s.payload.vdm;
    Encapsulation(g, f, 62);
    f.channel = kNoChar;
}

void Ack(FieldGenerator& g, SentenceRecord& s) {
    s.payload.ack.alarmId = Small<std::int16_t>(g, 0, 999, kNoAlarmId);
}

void Alr(FieldGenerator& g, SentenceRecord& s) {
    AlrFields& f = s.payload.alr;
    f.time = g.Time();
    f.alarmNumber = static_cast<std::int16_t>(g.Between(-32768, 32767));
    f.condition = g.Letter('A', 'Z');
    f.acknowledgeState = g.Letter('A', 'Z');
    g.Text(f.description, 1, 40);
}

void Ssd(FieldGenerator& g, SentenceRecord& s) {
    SsdFields& f = s.payload.ssd;
    g.Text(f.callSign, 0, 7);
    g.Text(f.name, 0, 20);
    f.referenceA = Small<std::int16_t>(g, -99, 511, kNoReferenceDistanceAB);
    f.referenceB = Small<std::int16_t>(g, -99, 511, kNoReferenceDistanceAB);
    f.referenceC = Small<std::int8_t>(g, -99, 63, kNoReferenceDistanceCD);
    f.referenceD = Small<std::int8_t>(g, -99, 63, kNoReferenceDistanceCD);
    f.dteIndicator = Small<std::int8_t>(g, 0, 1, kNoDteIndicator);
    g.Text(f.sourceIdentifier, 1, 20);
}

void Vsd(FieldGenerator& g, SentenceRecord& s) {
    VsdFields& f = s.payload.vsd;
    f.shipType = Small<std::int16_t>(g, 0, 255, kNoShipType);
    f.maximumDraught = g.RealOrAbsent(0, 255, 1);
    f.personsOnBoard = Small<std::int16_t>(g, 0, 8191, kNoPersonsOnBoard);
    g.Text(f.destination, 0, 20);
    f.arrivalTime = g.Time();
    f.arrivalDay = Small<std::int8_t>(g, 0, 31, kNoArrivalDay);
    f.arrivalMonth = Small<std::int8_t>(g, 0, 12, kNoArrivalMonth);
    f.navigationalStatus = Small<std::int8_t>(g, 0, 15, kNoInt8);
    f.regionalFlags = static_cast<std::int8_t>(g.Between(0, 15));
}

LatLon Position(FieldGenerator& g) {
    if (g.Absent()) {
        return {kNoLatitude, kNoLongitude};
    }
    return {g.Decimal(-9000000, 9000000, 5), g.Decimal(-18000000, 18000000, 5)};
}

void Rmc(FieldGenerator& g, SentenceRecord& s) {
    RmcFields& f = s.payload.rmc;
    f.time = g.Time();
    f.status = g.OneIn(2) ? 'A' : 'V';
    f.position = Position(g);
    f.speedOverGround = g.RealOrAbsent(0, 999999, 3);
    f.courseOverGround = g.RealOrAbsent(0, 35999, 2);
    if (!g.Absent()) {
        f.date = {static_cast<std::int16_t>(g.Between(2000, 2099)),
                  static_cast<std::int8_t>(g.Between(1, 12)),
                  static_cast<std::int8_t>(g.Between(1, 31))};
    }
    f.magneticVariation = g.RealOrAbsent(-18000, 18000, 2);
    f.variationDirection = g.Absent() ? kNoChar : (g.OneIn(2) ? 'E' : 'W');
    f.mode = "ADEN"[g.Between(0, 3)];
}

void Gbs(FieldGenerator& g, SentenceRecord& s) {
    GbsFields& f = s.payload.gbs;
    f.time = g.Time();
    f.latitudeError = g.RealOrAbsent(-999999, 999999, 2);
    f.longitudeError = g.RealOrAbsent(-999999, 999999, 2);
    f.altitudeError = g.RealOrAbsent(-999999, 999999, 2);
    f.failedSatelliteId = Small<std::int8_t>(g, 0, 99, kNoFailedSatellite);
    f.probabilityOfMissedDetection = g.RealOrAbsent(0, 100, 2);
    f.biasEstimate = g.RealOrAbsent(-99999, 99999, 2);
    f.biasStandardDeviation = g.RealOrAbsent(0, 99999, 2);
}

void Gsa(FieldGenerator& g, SentenceRecord& s) {
    GsaFields& f = s.payload.gsa;
    f.selectionMode = g.OneIn(2) ? 'A' : 'M';
    f.fixMode = static_cast<std::int8_t>(g.Between(1, 3));
    for (std::int8_t& id : f.satelliteIds) {
        id = Small<std::int8_t>(g, 1, 99, kNoInt8);
    }
    f.pdop = g.RealOrAbsent(0, 999999, 2);
    f.hdop = g.RealOrAbsent(0, 999999, 2);
    f.vdop = g.RealOrAbsent(0, 999999, 2);
}

void Hdt(FieldGenerator& g, SentenceRecord& s) {
    s.payload.hdt.heading = g.Absent() ? kNoHeading : g.Decimal(0, 3600, 1);
    s.payload.hdt.reference = 'T';
}

std::int32_t NineDigits(FieldGenerator& g) {
    return static_cast<std::int32_t>(g.Absent() ? kNoNineDigitNumber
                                                : g.Between(0, kNoNineDigitNumber - 1));
}

void Mid(FieldGenerator& g, SentenceRecord& s) {
    s.payload.mid.firstNumber = NineDigits(g);
    s.payload.mid.secondNumber = NineDigits(g);
}

void Bdy(FieldGenerator& g, SentenceRecord& s) {
    BdyFields& f = s.payload.bdy;
    f.number = NineDigits(g);
    g.Text(f.firstText, 0, 20);
    g.Text(f.secondText, 0, 20);
    f.firstFlag = Small<std::int8_t>(g, 0, 1, kNoFlag);
    f.secondFlag = Small<std::int8_t>(g, 0, 1, kNoFlag);
}

void Tst(FieldGenerator& g, SentenceRecord& s) {
    TstFields& f = s.payload.tst;
    f.number = Small<std::int32_t>(g, 0, kNoTestNumber - 1, kNoTestNumber);
    f.value = Small<std::int8_t>(g, 0, kNoTestValue - 1, kNoTestValue);
    f.lowerCaseLetter = g.Absent() ? kBlankChar : g.Letter('a', 'm');
    f.letter = g.Absent() ? kBlankChar : g.Letter('A', 'Z');
    f.code = Small<std::int16_t>(g, 0, 65534, kNoTestCode);
}

void Ctt(FieldGenerator& g, SentenceRecord& s) {
    CttFields& f = s.payload.ctt;
    f.mode = "ACQ"[g.Between(0, 2)];
    f.subject = Small<std::int32_t>(g, 0, kNoCttNumber - 1, kNoCttNumber);
    for (CttItem& item : f.items) {
        const bool absent = g.Absent();
        item.identifier =
            absent ? kNoCttNumber : static_cast<std::int32_t>(g.Between(0, kNoCttNumber - 1));
        item.flag = absent ? kNoFlag : static_cast<std::int8_t>(g.Between(0, 9));
    }
}

void Frq(FieldGenerator& g, SentenceRecord& s) {
    FrqFields& f = s.payload.frq;
    for (int i = 0; i < 2; ++i) {
        f.values[i] = NineDigits(g);
        f.counts[i] = Small<std::int8_t>(g, 0, 10, kNoInt8);
    }
}

void Bth(FieldGenerator& g, SentenceRecord& s) {
    BthFields& f = s.payload.bth;
    const bool absent = g.Absent();
    for (std::int16_t& code : f.codes) {
        code = static_cast<std::int16_t>(absent ? kNoBthCode : g.Between(-99, 255));
    }
    g.Text(f.text, 0, 24);
}

void Dbg(FieldGenerator& g, SentenceRecord& s) {
    DbgFields& f = s.payload.dbg;
    for (int i = 0; i < 4; ++i) {
        f.codes[i] = Small<std::int16_t>(g, -99, 998, kNoDbgCode);
        f.values[i] = static_cast<std::int32_t>(g.Absent() ? kNoDbgValue
                                                           : g.Between(kInt32Min + 1, kInt32Max));
    }
    s.commandChar = g.OneIn(2) ? '\0' : g.Letter('A', 'Z');
}

void Tps(FieldGenerator& g, SentenceRecord& s) {
    s.payload.tps.code = Small<std::int16_t>(g, -99, 998, kNoTpsCode);
    g.Text(s.payload.tps.text, 0, 24);
}

void Mob(FieldGenerator& g, SentenceRecord& s) {
    MobFields& f = s.payload.mob;
    for (std::uint8_t& byte : f.code) {
        byte = static_cast<std::uint8_t>(g.Between(0, 255));
    }
    f.number = static_cast<std::uint8_t>(g.Between(0, 255));
    f.firstByte = static_cast<std::uint8_t>(g.Between(0, 255));
    f.secondBytePresent = g.Absent() ? 0 : 1;
    f.secondByte = f.secondBytePresent != 0 ? static_cast<std::uint8_t>(g.Between(0, 255)) : 0;
    f.dataCount = static_cast<std::uint8_t>(g.Between(0, kMobDecodedBytesMax));
    for (std::size_t i = 0; i < f.dataCount; ++i) {
        f.data[i] = static_cast<std::uint8_t>(g.Between(0, 255));
    }
}

struct GeneratorEntry {
    std::string_view formatter;
    const char* talker;
    Generator generate;
};

constexpr GeneratorEntry kGenerators[] = {
    {"ABK", "AI", Abk}, {"ABM", "AI", Abm}, {"ACK", "AI", Ack}, {"ALR", "AI", Alr},
    {"BBM", "AI", Bbm}, {"SSD", "AI", Ssd}, {"VDM", "AI", Vdm}, {"VDO", "AI", Vdm},
    {"VSD", "AI", Vsd}, {"GBS", "GP", Gbs}, {"GSA", "GN", Gsa}, {"RMC", "GP", Rmc},
    {"HDT", "IN", Hdt}, {"MID", "P", Mid},  {"BDY", "P", Bdy},  {"TST", "P", Tst},
    {"CTT", "P", Ctt},  {"FRQ", "P", Frq},  {"BTH", "P", Bth},  {"DBG", "P", Dbg},
    {"TPS", "P", Tps},  {"MOB", "P", Mob},
};

} // namespace

void GenerateSentence(const char* formatter, FieldGenerator& generate, SentenceRecord& record) {
    for (const GeneratorEntry& entry : kGenerators) {
        if (entry.formatter == formatter) {
            SetHeader(record, entry.talker,
                      formatter); // padding zeroed too: records compare byte for byte
            entry.generate(generate, record);
            return;
        }
    }
}

} // namespace varo::testing
