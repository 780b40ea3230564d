// Table sweeps over every formatter: the example decodes, a comma more or less
// fails, and every range-checked field of a field list rejects values just
// outside its range.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <set>
#include <string>

#include "ExampleSentences.h"
#include "ParseHelpers.h"
#include "sentence/FieldDecoders.h"

namespace varo::test {
namespace {

TEST(DecoderSweep, EveryFormatterHasAnExampleThatDecodes) {
    std::set<std::string> covered;
    for (const ExampleSentence& example : ExampleSentences()) {
        SentenceRecord record{};
        EXPECT_TRUE(Parse(SentenceLine(example.header, example.fields), record))
            << example.formatter;
        EXPECT_STREQ(record.formatter, example.formatter);
        covered.insert(example.formatter);
    }
    for (const DecoderEntry& entry : DecoderTable()) {
        EXPECT_TRUE(covered.count(entry.formatter)) << "no example for " << entry.formatter;
    }
    EXPECT_EQ(DecoderTable().size(), 63u);
}

TEST(DecoderSweep, OneCommaTooManyOrTooFewFails) {
    for (const ExampleSentence& example : ExampleSentences()) {
        if (std::string(example.formatter) == "RMA") {
            continue; // reads only its first five fields; see the RMA cases
        }
        auto more = example.fields;
        more.push_back("");
        auto fewer = example.fields;
        fewer.pop_back();
        SentenceRecord record{};
        EXPECT_FALSE(Parse(SentenceLine(example.header, more), record))
            << example.formatter << " +1";
        EXPECT_FALSE(Parse(SentenceLine(example.header, fewer), record))
            << example.formatter << " -1";
    }
}

std::string Number(double value, FieldKind kind) {
    if (kind == FieldKind::Real) {
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", value);
        return text;
    }
    return std::to_string(static_cast<long long>(value));
}

TEST(DecoderSweep, RangeCheckedFieldsRejectValuesJustOutside) {
    int checked = 0;
    for (const ExampleSentence& example : ExampleSentences()) {
        const DecoderEntry* entry = FindDecoder(example.formatter);
        ASSERT_NE(entry, nullptr);
        std::size_t fieldIndex = 0;
        for (const FieldSpec& spec : entry->fields) {
            for (int element = 0; element < spec.repeat; ++element) {
                if (spec.ranged) {
                    const double step = spec.kind == FieldKind::Real ? 0.1 : 1.0;
                    for (const double outside : {spec.minimum - step, spec.maximum + step}) {
                        auto fields = example.fields;
                        fields[fieldIndex] = Number(outside, spec.kind);
                        SentenceRecord record{};
                        EXPECT_FALSE(Parse(SentenceLine(example.header, fields), record))
                            << example.formatter << " field " << fieldIndex + 1 << " = "
                            << fields[fieldIndex];
                        ++checked;
                    }
                    for (const double inside : {spec.minimum, spec.maximum}) {
                        auto fields = example.fields;
                        fields[fieldIndex] = Number(inside, spec.kind);
                        SentenceRecord record{};
                        EXPECT_TRUE(Parse(SentenceLine(example.header, fields), record))
                            << example.formatter << " field " << fieldIndex + 1 << " = "
                            << fields[fieldIndex];
                    }
                }
                fieldIndex += spec.kind == FieldKind::LatLon ? 4 : 1;
            }
        }
    }
    EXPECT_GE(checked, 2 * 10); // GGA 3, GNS 1, TXT 3, ZDA 4 at least
}

// Blank fields store the per-field markers (independent of the tables above).
struct BlankCase {
    const char* formatter;
    std::size_t field; // 0-based sentence field
    std::function<bool(const SentencePayload&)> holds;
};

TEST(DecoderSweep, BlankFieldsStoreTheirNotAvailableValues) {
    const BlankCase cases[] = {
        {"GGA", 0,
         [](const SentencePayload& p) {
             return p.gga.time.hour == 24 && p.gga.time.minute == 60 && p.gga.time.second == 60;
         }},
        {"GGA", 1, [](const SentencePayload& p) { return p.gga.position.latitude == 91.0f; }},
        {"GGA", 3, [](const SentencePayload& p) { return p.gga.position.longitude == 181.0f; }},
        {"GGA", 5, [](const SentencePayload& p) { return p.gga.quality == -128; }},
        {"GGA", 6, [](const SentencePayload& p) { return p.gga.satellitesInUse == -128; }},
        {"GGA", 7, [](const SentencePayload& p) { return p.gga.hdop == -100000.0f; }},
        {"GGA", 13, [](const SentencePayload& p) { return p.gga.referenceStationId == -1; }},
        {"HDT", 0, [](const SentencePayload& p) { return p.hdt.heading == 511.0f; }},
        {"RMC", 8,
         [](const SentencePayload& p) {
             return p.rmc.date.year == 0 && p.rmc.date.month == 0 && p.rmc.date.day == 0;
         }},
        {"RMC", 10,
         [](const SentencePayload& p) {
             return static_cast<unsigned char>(p.rmc.variationDirection) == 0x80;
         }},
        {"RMC", 11, [](const SentencePayload& p) { return p.rmc.mode == ' '; }},
        {"VTG", 7,
         [](const SentencePayload& p) {
             return static_cast<unsigned char>(p.vtg.speedKmhUnit) == 0x80;
         }},
        {"ZDA", 3, [](const SentencePayload& p) { return p.zda.year == -1; }},
        {"ACK", 0, [](const SentencePayload& p) { return p.ack.alarmId == 1000; }},
        {"BDY", 0, [](const SentencePayload& p) { return p.bdy.number == 999999999; }},
        {"BDY", 1, [](const SentencePayload& p) { return p.bdy.firstText[0] == '\0'; }},
        {"BDY", 4, [](const SentencePayload& p) { return p.bdy.secondFlag == 9; }},
        {"BTH", 2, [](const SentencePayload& p) { return p.bth.codes[2] == 256; }},
        {"CTT", 1, [](const SentencePayload& p) { return p.ctt.subject == 999999; }},
        {"CTT", 11, [](const SentencePayload& p) { return p.ctt.items[4].flag == 9; }},
        {"DBG", 4,
         [](const SentencePayload& p) {
             return p.dbg.codes[2] == 999 && p.dbg.values[2] == INT32_MIN;
         }},
        {"FRQ", 3, [](const SentencePayload& p) { return p.frq.counts[1] == -128; }},
        {"GBS", 4,
         [](const SentencePayload& p) {
             return static_cast<std::uint8_t>(p.gbs.failedSatelliteId) == 255;
         }},
        {"GSA", 3, [](const SentencePayload& p) { return p.gsa.satelliteIds[1] == -128; }},
        {"MID", 1, [](const SentencePayload& p) { return p.mid.secondNumber == 999999999; }},
        {"OSD", 0, [](const SentencePayload& p) { return p.osd.heading == 0.0f; }},
        {"SSD", 2, [](const SentencePayload& p) { return p.ssd.referenceA == 512; }},
        {"SSD", 5, [](const SentencePayload& p) { return p.ssd.referenceD == 64; }},
        {"SSD", 6, [](const SentencePayload& p) { return p.ssd.dteIndicator == 2; }},
        {"TPS", 0, [](const SentencePayload& p) { return p.tps.code == 999; }},
        {"TST", 0, [](const SentencePayload& p) { return p.tst.number == 99999; }},
        {"TST", 1, [](const SentencePayload& p) { return p.tst.value == 99; }},
        {"TST", 4, [](const SentencePayload& p) { return p.tst.code == -1; }},
        {"TXT", 2, [](const SentencePayload& p) { return p.txt.textIdentifier == -128; }},
        {"VSD", 0, [](const SentencePayload& p) { return p.vsd.shipType == 256; }},
        {"VSD", 2, [](const SentencePayload& p) { return p.vsd.personsOnBoard == 8192; }},
        {"VSD", 5, [](const SentencePayload& p) { return p.vsd.arrivalDay == 32; }},
        {"VSD", 6, [](const SentencePayload& p) { return p.vsd.arrivalMonth == 13; }},
        {"VSD", 9 - 1, [](const SentencePayload& p) { return p.vsd.regionalFlags == 0; }},
        {"ABK", 1, [](const SentencePayload& p) { return p.abk.channel == 0; }},
    };
    for (const BlankCase& blank : cases) {
        for (const ExampleSentence& example : ExampleSentences()) {
            if (std::string(example.formatter) != blank.formatter) {
                continue;
            }
            auto fields = example.fields;
            fields.at(blank.field) = "";
            SentenceRecord record{};
            ASSERT_TRUE(Parse(SentenceLine(example.header, fields), record))
                << blank.formatter << " " << blank.field;
            EXPECT_TRUE(blank.holds(record.payload)) << blank.formatter << " field " << blank.field;
        }
    }
}

} // namespace
} // namespace varo::test
