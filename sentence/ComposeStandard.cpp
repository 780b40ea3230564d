// Writers of the AIS, alarm, GNSS and heading sentences.
#include <cmath>
#include <cstdint>

#include "sentence/ComposeFields.h"
#include "sentence/ComposeWriters.h"
#include "sentence/Composer.h"

namespace varo {
namespace {

// Single-character AIS fields use 128 (the byte 0x80) for "not given".
constexpr std::uint8_t kNotGiven = 128;

bool IsGiven(std::int8_t value) {
    return static_cast<std::uint8_t>(value) != kNotGiven;
}
bool IsGiven(char value) {
    return static_cast<std::uint8_t>(value) != kNotGiven;
}

// A value written as one character counted from `base` ("0" plus the value, "A" plus the value).
FieldText OffsetCharText(int value, bool given, char base) {
    return given ? CharText(static_cast<char>(base + value)) : FieldText{};
}

// Four sentence fields: ddmm.mmmmm,N,dddmm.mmmmm,E, or four empty fields when
// either value is not available (magnitude over 90.1 / 180.1, which covers
// the -91 / -181 a blank value with an S or W hemisphere gives).
FieldText PositionText(const LatLon& position) {
    const float latitude = std::fabs(position.latitude);
    const float longitude = std::fabs(position.longitude);
    if (!(latitude <= 90.1f) || !(longitude <= 180.1f)) {
        return FieldIf(true, ",,,");
    }
    const SplitDegrees lat = splitDegrees(latitude);
    const SplitDegrees lon = splitDegrees(longitude);
    return FieldIf(true, "%02d%02d.%05d,%c,%03d%02d.%05d,%c", lat.degrees, lat.minutes,
                   lat.fraction, position.latitude > 0.0f ? 'N' : 'S', lon.degrees, lon.minutes,
                   lon.fraction, position.longitude > 0.0f ? 'E' : 'W');
}

} // namespace

// $--ABK,xxxxxxxxx,a,x.x,x,x
bool WriteAbk(char* buffer, std::size_t size, const SentenceRecord& s) {
    const AbkFields& f = s.payload.abk;
    return PrintSentence(buffer, size, "$%.2s%.3s,%s,%s,%d,%d,%d", s.talker, s.formatter,
                         FieldIf(f.mmsi != 0, "%d", f.mmsi).text,
                         OffsetCharText(f.channel, IsGiven(f.channel), 'A').text, f.messageId,
                         f.sequenceNumber, f.acknowledgementType);
}

// !--ABM,x,x,x,xxxxxxxxx,x,x.x,s--s,x
bool WriteAbm(char* buffer, std::size_t size, const SentenceRecord& s) {
    const AbmFields& f = s.payload.abm;
    return PrintSentence(
        buffer, size, "!%.2s%.3s,%d,%d,%s,%d,%s,%d,%.*s,%d", s.talker, s.formatter,
        f.totalSentences, f.sentenceNumber,
        OffsetCharText(f.sequentialIdentifier, IsGiven(f.sequentialIdentifier), '0').text,
        f.destinationMmsi, OffsetCharText(f.channel, IsGiven(f.channel), '0').text, f.messageId,
        TextLength(f.payload, sizeof f.payload), f.payload, f.fillBits);
}

// $--ACK,xxx
bool WriteAck(char* buffer, std::size_t size, const SentenceRecord& s) {
    const auto alarm = static_cast<std::uint16_t>(s.payload.ack.alarmId);
    return PrintSentence(buffer, size, "$%.2s%.3s,%s", s.talker, s.formatter,
                         FieldIf(alarm < 1000, "%03d", alarm).text);
}

// $--ALR,hhmmss.ss,xxx,A,A,c--c
bool WriteAlr(char* buffer, std::size_t size, const SentenceRecord& s) {
    const AlrFields& f = s.payload.alr;
    return PrintSentence(buffer, size, "$%.2s%.3s,%s,%d,%s,%s,%.*s", s.talker, s.formatter,
                         TimeText(f.time, f.time.hour < 24).text, f.alarmNumber,
                         CharText(f.condition).text, CharText(f.acknowledgeState).text,
                         TextLength(f.description, sizeof f.description), f.description);
}

// !--BBM,x,x,x,x,x.x,s--s,x
bool WriteBbm(char* buffer, std::size_t size, const SentenceRecord& s) {
    const BbmFields& f = s.payload.bbm;
    return PrintSentence(
        buffer, size, "!%.2s%.3s,%d,%d,%s,%d,%d,%.*s,%d", s.talker, s.formatter, f.totalSentences,
        f.sentenceNumber,
        OffsetCharText(f.sequentialIdentifier, IsGiven(f.sequentialIdentifier), '0').text,
        f.channel, f.messageId, TextLength(f.payload, sizeof f.payload), f.payload, f.fillBits);
}

// !--VDM,x,x,x,a,s--s,x  and VDO
bool WriteVdm(char* buffer, std::size_t size, const SentenceRecord& s) {
    const VdmFields& f = s.payload.vdm;
    return PrintSentence(
        buffer, size, "!%.2s%.3s,%d,%d,%s,%s,%.*s,%d", s.talker, s.formatter, f.totalSentences,
        f.sentenceNumber,
        OffsetCharText(f.sequentialIdentifier, IsGiven(f.sequentialIdentifier), '0').text,
        OffsetCharText(f.channel, IsGiven(f.channel), 'A').text,
        TextLength(f.payload, sizeof f.payload), f.payload, f.fillBits);
}

// $--SSD,c--c,c--c,xxx,xxx,xx,xx,c,aa
bool WriteSsd(char* buffer, std::size_t size, const SentenceRecord& s) {
    const SsdFields& f = s.payload.ssd;
    return PrintSentence(
        buffer, size, "$%.2s%.3s,%.*s,%.*s,%s,%s,%s,%s,%s,%.*s", s.talker, s.formatter,
        TextLength(f.callSign, sizeof f.callSign), f.callSign, TextLength(f.name, sizeof f.name),
        f.name, FieldIf(f.referenceA < 512, "%d", f.referenceA).text,
        FieldIf(f.referenceB < 512, "%d", f.referenceB).text,
        FieldIf(f.referenceC < 64, "%d", f.referenceC).text,
        FieldIf(f.referenceD < 64, "%d", f.referenceD).text,
        FieldIf(f.dteIndicator < 2, "%d", f.dteIndicator).text,
        TextLength(f.sourceIdentifier, sizeof f.sourceIdentifier), f.sourceIdentifier);
}

// $--VSD,x.x,x.x,x.x,c--c,hhmmss.ss,xx,xx,x.x,x.x
// The 8-bit fields compare unsigned, so their -128 marker is empty as well.
bool WriteVsd(char* buffer, std::size_t size, const SentenceRecord& s) {
    const VsdFields& f = s.payload.vsd;
    const auto day = static_cast<std::uint8_t>(f.arrivalDay);
    const auto month = static_cast<std::uint8_t>(f.arrivalMonth);
    const auto status = static_cast<std::uint8_t>(f.navigationalStatus);
    const auto flags = static_cast<std::uint8_t>(f.regionalFlags);
    return PrintSentence(
        buffer, size, "$%.2s%.3s,%s,%s,%s,%.*s,%s,%s,%s,%s,%s", s.talker, s.formatter,
        FieldIf(f.shipType < 256, "%d", f.shipType).text,
        FieldIf(f.maximumDraught >= 0.0f && f.maximumDraught <= 25.5f, "%4.1f",
                static_cast<double>(f.maximumDraught))
            .text,
        FieldIf(f.personsOnBoard < 8192, "%d", f.personsOnBoard).text,
        TextLength(f.destination, sizeof f.destination), f.destination,
        TimeText(f.arrivalTime, f.arrivalTime.hour < 24).text, FieldIf(day < 32, "%02d", day).text,
        FieldIf(month < 13, "%02d", month).text, FieldIf(status < 16, "%d", status).text,
        FieldIf(flags < 16, "%d", flags).text);
}

// $--RMC,hhmmss.ss,A,llll.ll,a,yyyyy.yy,a,x.x,x.x,xxxxxx,x.x,a,a
// Only hour 24 (the not-available marker) empties the time; other hours print.
bool WriteRmc(char* buffer, std::size_t size, const SentenceRecord& s) {
    const RmcFields& f = s.payload.rmc;
    return PrintSentence(
        buffer, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s,%s,%s,%s", s.talker, s.formatter,
        TimeText(f.time, f.time.hour != kNoHour).text, CharText(f.status).text,
        PositionText(f.position).text, RealText(f.speedOverGround, 5, 3).text,
        RealText(f.courseOverGround, 4, 2).text,
        FieldIf(f.date.year != 0, "%02d%02d%02d", f.date.day, f.date.month, f.date.year - 2000)
            .text,
        RealText(f.magneticVariation, 4, 2).text,
        IsGiven(f.variationDirection) ? CharText(f.variationDirection).text : "",
        CharText(f.mode).text);
}

// $--GBS,hhmmss.ss,x.x,x.x,x.x,xx,x.x,x.x,x.x
bool WriteGbs(char* buffer, std::size_t size, const SentenceRecord& s) {
    const GbsFields& f = s.payload.gbs;
    return PrintSentence(
        buffer, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s,%s,%s", s.talker, s.formatter,
        TimeText(f.time, f.time.hour != kNoHour).text, RealText(f.latitudeError, 4, 2).text,
        RealText(f.longitudeError, 4, 2).text, RealText(f.altitudeError, 4, 2).text,
        FieldIf(f.failedSatelliteId >= 0 && f.failedSatelliteId <= 99, "%d", f.failedSatelliteId)
            .text,
        RealText(f.probabilityOfMissedDetection, 4, 2).text, RealText(f.biasEstimate, 4, 2).text,
        RealText(f.biasStandardDeviation, 4, 2).text);
}

// $--GSA,a,x,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,x.x,x.x,x.x
// The twelve satellites are one text of "nn," pieces (just "," for none), and
// the PDOP follows it directly.
bool WriteGsa(char* buffer, std::size_t size, const SentenceRecord& s) {
    const GsaFields& f = s.payload.gsa;
    char satellites[12 * 5 + 1] = "";
    std::size_t length = 0;
    for (const std::int8_t id : f.satelliteIds) {
        const FieldText piece = id > 0 ? FieldIf(true, "%02d,", id) : FieldIf(true, ",");
        for (const char* c = piece.text; *c != '\0'; ++c) {
            satellites[length++] = *c;
        }
    }
    satellites[length] = '\0';
    return PrintSentence(buffer, size, "$%.2s%.3s,%s,%d,%s%s,%s,%s", s.talker, s.formatter,
                         CharText(f.selectionMode).text, f.fixMode, satellites,
                         RealText(f.pdop, 4, 2).text, RealText(f.hdop, 4, 2).text,
                         RealText(f.vdop, 4, 2).text);
}

// $--HDT,x.x,T
bool WriteHdt(char* buffer, std::size_t size, const SentenceRecord& s) {
    const float heading = s.payload.hdt.heading;
    return PrintSentence(
        buffer, size, "$%.2s%.3s,%s,T", s.talker, s.formatter,
        FieldIf(heading >= 0.0f && heading <= 360.0f, "%3.1f", static_cast<double>(heading)).text);
}

} // namespace varo
