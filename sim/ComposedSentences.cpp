#include "sim/ComposedSentences.h"

#include "sentence/Composer.h"
#include "sim/PlainSentences.h"

#include <cstdio>
#include <cstring>

namespace varo::sim {
namespace {

constexpr std::size_t kTextSize = varo::kLineBufferSize;

varo::SentenceRecord Header(const char* talker, const char* formatter) {
    varo::SentenceRecord record{};
    std::snprintf(record.talker, sizeof record.talker, "%s", talker);
    std::snprintf(record.formatter, sizeof record.formatter, "%s", formatter);
    return record;
}

varo::UtcTime Time(const UtcStamp& t) {
    return {static_cast<std::uint8_t>(t.hour), static_cast<std::uint8_t>(t.minute),
            static_cast<std::uint8_t>(t.second), static_cast<std::uint8_t>(t.hundredths)};
}

// $--RMC,hhmmss.ss,A,llll.ll,a,yyyyy.yy,a,x.x,x.x,xxxxxx,x.x,a,a
varo::SentenceRecord Rmc(const OutputContext& c) {
    varo::SentenceRecord record = Header("GN", "RMC");
    varo::RmcFields& f = record.payload.rmc;
    const Vessel& v = c.ship.Motion();
    f.time = Time(c.time);
    f.status = 'A';
    f.position = {static_cast<float>(v.latitude), static_cast<float>(v.longitude)};
    f.speedOverGround = static_cast<float>(v.speedKnots);
    f.courseOverGround = static_cast<float>(v.courseDegrees);
    f.date = {static_cast<std::int16_t>(c.time.year), static_cast<std::int8_t>(c.time.month),
              static_cast<std::int8_t>(c.time.day)};
    f.magneticVariation =
        static_cast<float>(kMagneticVariation < 0 ? -kMagneticVariation : kMagneticVariation);
    f.variationDirection = kMagneticVariation < 0 ? 'W' : 'E';
    f.mode = 'A';
    return record;
}

// $--GSA,a,x,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,xx,x.x,x.x,x.x
varo::SentenceRecord Gsa(const OutputContext&) {
    varo::SentenceRecord record = Header("GN", "GSA");
    varo::GsaFields& f = record.payload.gsa;
    f.selectionMode = 'A';
    f.fixMode = 3;
    for (int i = 0; i < 12; ++i)
        f.satelliteIds[i] = static_cast<std::int8_t>(i < kSatellitesInUse ? kSatellites[i].prn : 0);
    f.pdop = 1.6f;
    f.hdop = 0.9f;
    f.vdop = 1.3f;
    return record;
}

// $--HDT,x.x,T
varo::SentenceRecord Hdt(const OutputContext& c) {
    varo::SentenceRecord record = Header("HE", "HDT");
    record.payload.hdt.heading = static_cast<float>(c.ship.HeadingDegrees());
    record.payload.hdt.reference = 'T';
    return record;
}

struct ComposedSentence {
    OutputTag tag;
    varo::SentenceRecord (*fill)(const OutputContext&);
};

constexpr ComposedSentence kComposedSentences[] = {
    {otRMC, Rmc},
    {otGSA, Gsa},
    {otHDT, Hdt},
};

} // namespace

std::string ComposedLine(const varo::SentenceRecord& record) {
    char text[kTextSize];
    return varo::composeSentence(text, sizeof text, record) ? std::string(text) : std::string();
}

std::string FinishedSentence(const char* talker, const char* formatter, const std::string& fields) {
    char text[kTextSize];
    const int written =
        std::snprintf(text, sizeof text, "$%s%s,%s", talker, formatter, fields.c_str());
    if (written < 0 || static_cast<std::size_t>(written) >= sizeof text) return {};
    return varo::finishSentence(text, sizeof text) ? std::string(text) : std::string();
}

bool AppendComposedSentence(OutputTag tag, const OutputContext& context,
                            std::vector<std::string>& lines) {
    for (const ComposedSentence& sentence : kComposedSentences) {
        if (sentence.tag != tag) continue;
        std::string line = ComposedLine(sentence.fill(context));
        if (!line.empty()) lines.push_back(std::move(line));
        return true;
    }
    return false;
}

// !--VDM,x,x,x,a,s--s,x
std::string VdmLine(const VdmPart& part) {
    varo::SentenceRecord record = Header("AI", "VDM");
    varo::VdmFields& f = record.payload.vdm;
    f.totalSentences = static_cast<std::int8_t>(part.total);
    f.sentenceNumber = static_cast<std::int8_t>(part.number);
    f.sequentialIdentifier =
        part.sequentialId < 0 ? varo::kNoInt8 : static_cast<std::int8_t>(part.sequentialId);
    f.fillBits = static_cast<std::int8_t>(part.fillBits);
    std::snprintf(f.payload, sizeof f.payload, "%s", part.payload.c_str());
    f.channel = static_cast<char>(part.channel);
    return ComposedLine(record);
}

} // namespace varo::sim