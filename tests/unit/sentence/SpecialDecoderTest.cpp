// The decoders that are not plain field lists, and the text limits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleSentences.h"
#include "ParseHelpers.h"

namespace varo::test {
namespace {

using Fields = std::vector<std::string>;

Fields Gsv(int satellites) {
    Fields fields = {"3", "1", "11"};
    for (int i = 0; i < satellites; ++i) {
        fields.insert(fields.end(), {std::to_string(10 + i), "45", "180", "40"});
    }
    return fields;
}

TEST(GsvDecoder, SatellitesFollowTheCommaCountAndTheRestKeepFillValues) {
    SentenceRecord record{};
    ASSERT_TRUE(Parse(SentenceLine("$GPGSV", Gsv(4)), record));
    ASSERT_TRUE(Parse(SentenceLine("$GPGSV", Gsv(3)), record));
    const GsvFields& gsv = record.payload.gsv;
    EXPECT_EQ(gsv.satellites[2].prn, 12);
    EXPECT_EQ(gsv.satellites[2].azimuth, 180);
    EXPECT_EQ(gsv.satellites[3].prn, -128);
    EXPECT_EQ(gsv.satellites[3].elevation, -128);
    EXPECT_EQ(gsv.satellites[3].azimuth, -1);
    EXPECT_EQ(gsv.satellites[3].snr, -128);
    for (int satellites = 1; satellites <= 4; ++satellites) {
        EXPECT_TRUE(Parse(SentenceLine("$GPGSV", Gsv(satellites)), record)) << satellites;
    }
    Fields twelveCommas = Gsv(2);
    twelveCommas.push_back("");
    EXPECT_FALSE(Parse(SentenceLine("$GPGSV", twelveCommas), record));
}

TEST(GsvDecoder, AnyOutOfRangeSatelliteFailsTheSentence) {
    SentenceRecord record{};
    for (int position = 0; position < 4; ++position) {
        const std::size_t first = 3 + 4 * position;
        struct Bad {
            std::size_t offset;
            const char* value;
        } bads[] = {{1, "91"}, {2, "360"}, {3, "100"}, {1, "-1"}};
        for (const Bad& bad : bads) {
            Fields fields = Gsv(4);
            fields[first + bad.offset] = bad.value;
            EXPECT_FALSE(Parse(SentenceLine("$GPGSV", fields), record))
                << position << " " << bad.value;
        }
        Fields blanks = Gsv(4);
        blanks[first] = blanks[first + 1] = blanks[first + 2] = blanks[first + 3] = "";
        ASSERT_TRUE(Parse(SentenceLine("$GPGSV", blanks), record));
        EXPECT_EQ(record.payload.gsv.satellites[position].azimuth, -1);
    }
    Fields total = Gsv(1);
    total[0] = "10";
    EXPECT_FALSE(Parse(SentenceLine("$GPGSV", total), record));
}

const std::string kPayload62(62, '0');

TEST(EncapsulationDecoder, PayloadLengthFollowsTheSequentialIdentifier) {
    SentenceRecord record{};
    const std::string payload63 = kPayload62 + "1";
    EXPECT_TRUE(Parse(SentenceLine("!AIVDM", {"2", "1", "", "A", kPayload62, "0"}), record));
    EXPECT_TRUE(Parse(SentenceLine("!AIVDM", {"2", "1", "0", "A", kPayload62, "0"}), record));
    EXPECT_FALSE(Parse(SentenceLine("!AIVDM", {"2", "1", "", "A", payload63, "0"}), record));
    EXPECT_FALSE(Parse(SentenceLine("!AIVDM", {"2", "1", "0", "A", payload63, "0"}), record));
    ASSERT_TRUE(Parse(SentenceLine("!AIVDM", {"2", "1", "3", "A", payload63, "0"}), record));
    EXPECT_EQ(record.payload.vdm.payload, payload63);
    EXPECT_FALSE(Parse(SentenceLine("!AIVDM", {"2", "1", "3", "A", payload63 + "1", "0"}), record));
}

TEST(EncapsulationDecoder, FillBitsAndCounts) {
    SentenceRecord record{};
    EXPECT_FALSE(
        Parse(SentenceLine("!AIVDM", {"1", "1", "", "A", "13", ""}), record)); // no fill bits
    EXPECT_FALSE(Parse(SentenceLine("!AIVDM", {"1", "1", "", "A", "13", "6"}), record));
    EXPECT_TRUE(Parse(SentenceLine("!AIVDM", {"1", "1", "", "A", "13", "5"}), record));
    EXPECT_FALSE(Parse(SentenceLine("!AIVDO", {"10", "1", "", "A", "13", "0"}), record));
    EXPECT_FALSE(Parse(SentenceLine("!AIVDO", {"1", "1", "10", "A", "13", "0"}), record));
    ASSERT_TRUE(Parse(SentenceLine("!AIVDO", {"1", "1", "", "", "13", "0"}), record));
    EXPECT_EQ(static_cast<unsigned char>(record.payload.vdm.channel), 0x80);
    EXPECT_EQ(record.payload.vdm.sequentialIdentifier, -128);
}

TEST(EncapsulationDecoder, AbmAndBbmClearTheirSetAndStoreTheirOwnOrder) {
    SentenceRecord record{};
    ASSERT_TRUE(Parse(SentenceLine("$GPTXT", {"01", "01", "02", std::string(61, 'z')}), record));
    ASSERT_TRUE(
        Parse(SentenceLine("!AIABM", {"1", "1", "3", "211444000", "", "12", "ABC", "2"}), record));
    const AbmFields& abm = record.payload.abm;
    EXPECT_EQ(abm.destinationMmsi, 211444000);
    EXPECT_EQ(static_cast<unsigned char>(abm.channel), 0x80);
    EXPECT_EQ(abm.messageId, 12);
    EXPECT_EQ(abm.fillBits, 2);
    EXPECT_STREQ(abm.payload, "ABC");
    EXPECT_EQ(abm.payload[10], '\0'); // the earlier TXT text is gone

    ASSERT_TRUE(Parse(SentenceLine("!AIBBM", {"1", "1", "", "2", "8", "XYZ", "0"}), record));
    EXPECT_EQ(record.payload.bbm.channel, 2); // an integer, not a character
    EXPECT_EQ(record.payload.bbm.messageId, 8);
}

TEST(TextLimits, TxtKeeps61CharactersAndOtherTextsAreCutToTheirFields) {
    SentenceRecord record{};
    const std::string text62 = std::string(61, 'a') + "b";
    ASSERT_TRUE(Parse(SentenceLine("$GPTXT", {"01", "01", "02", text62}), record));
    EXPECT_EQ(std::string(record.payload.txt.text), std::string(61, 'a'));
    EXPECT_FALSE(Parse(SentenceLine("$GPTXT", {"00", "01", "02", "x"}), record));

    ASSERT_TRUE(Parse(SentenceLine("$PBDY", {"1", std::string(30, 's'), "M", "1", "0"}), record));
    EXPECT_EQ(std::string(record.payload.bdy.firstText), std::string(20, 's'));
    EXPECT_STREQ(record.payload.bdy.secondText, "M");
    ASSERT_TRUE(Parse(SentenceLine("$PTPS", {"016", std::string(40, 't')}), record));
    EXPECT_EQ(std::string(record.payload.tps.text), std::string(24, 't'));
    ASSERT_TRUE(Parse(SentenceLine("$AIALR", {"", "006", "A", "V", std::string(75, 'd')}), record));
    EXPECT_EQ(std::string(record.payload.alr.description), std::string(59, 'd'));
    ASSERT_TRUE(Parse(
        SentenceLine("$CCGPQ", {std::string(70, 'q'), "", "", "", "", "", "", "", ""}), record));
    EXPECT_EQ(std::string(record.payload.query.text), std::string(70, 'q') + ", , , , , , , , ");
}

TEST(VtgDecoder, UnitsMustBeOneCharacter) {
    SentenceRecord record{};
    ASSERT_TRUE(Parse(
        SentenceLine("$GPVTG", {"054.7", "", "034.4", "", "005.5", "", "010.2", "", "A"}), record));
    EXPECT_EQ(static_cast<unsigned char>(record.payload.vtg.courseTrueUnit), 0x80);
    EXPECT_EQ(static_cast<unsigned char>(record.payload.vtg.courseMagneticUnit), 0x80);
    EXPECT_EQ(static_cast<unsigned char>(record.payload.vtg.speedKnotsUnit), 0x80);
    EXPECT_EQ(static_cast<unsigned char>(record.payload.vtg.speedKmhUnit), 0x80);
    EXPECT_EQ(record.payload.vtg.courseTrue, 54.7f);
    EXPECT_FALSE(Parse(
        SentenceLine("$GPVTG", {"054.7", "T", "034.4", "M", "005.5", "N", "010.2", "KM", "A"}),
        record));
}

TEST(MobDecoder, HexFieldsAndDataCount) {
    SentenceRecord record{};
    ASSERT_TRUE(
        Parse(SentenceLine("$PMOB", {"A1B2C3", "5", "0F", "7", "0102030405060708AB"}), record));
    const MobFields& mob = record.payload.mob;
    EXPECT_EQ(mob.code[0], 0xA1);
    EXPECT_EQ(mob.code[2], 0xC3);
    EXPECT_EQ(mob.number, 5);
    EXPECT_EQ(mob.firstByte, 0x0F);
    EXPECT_EQ(mob.secondByte, 0x07);
    EXPECT_EQ(mob.secondBytePresent, 1);
    EXPECT_EQ(mob.dataCount, 9);
    EXPECT_EQ(mob.data[8], 0xAB);

    // Longer byte fields leave the stored bytes; blanks give 255 / not present.
    ASSERT_TRUE(Parse(SentenceLine("$PMOB", {"A1B2", "", "123", "456", "01"}), record));
    EXPECT_EQ(mob.code[0], 0);
    EXPECT_EQ(mob.number, 255);
    EXPECT_EQ(mob.firstByte, 0x0F);
    EXPECT_EQ(mob.secondByte, 0x07);
    EXPECT_EQ(mob.secondBytePresent, 1);
    ASSERT_TRUE(Parse(SentenceLine("$PMOB", {"", "1", "", "", "01"}), record));
    EXPECT_EQ(mob.firstByte, 255);
    EXPECT_EQ(mob.secondBytePresent, 0);

    // Bad data digits, odd lengths, blanks and more than nine bytes give count 0.
    for (const char* data : {"0G", "012", "", "0102030405060708090A"}) {
        ASSERT_TRUE(Parse(SentenceLine("$PMOB", {"A1B2C3", "5", "0F", "", data}), record)) << data;
        EXPECT_EQ(mob.dataCount, 0) << data;
    }
    // Bad digits in the byte fields fail.
    EXPECT_FALSE(Parse(SentenceLine("$PMOB", {"A1B2CX", "5", "0F", "", "01"}), record));
    EXPECT_FALSE(Parse(SentenceLine("$PMOB", {"A1B2C3", "5", "0f", "", "01"}), record));
    EXPECT_FALSE(Parse(SentenceLine("$PMOB", {"A1B2C3", "5", "0F", "Z", "01"}), record));
}

TEST(RmaDecoder, ReadsStatusAndPositionAndNeedsTheFullGroup) {
    SentenceRecord record{};
    ASSERT_TRUE(Parse(SentenceLine("$GPRMA", {"A", "4916.45", "S", "12311.12", "W", "", "", "12.0",
                                              "090.0", "5.0", "E"}),
                      record));
    EXPECT_EQ(record.payload.rma.status, 'A');
    EXPECT_FLOAT_EQ(record.payload.rma.position.latitude, -49.274167f);
    EXPECT_FLOAT_EQ(record.payload.rma.position.longitude, -123.18533f);
    EXPECT_TRUE(Parse(SentenceLine("$GPRMA", {"A", "4916.45", "N", "12311.12", "W", ""}), record));
    EXPECT_FALSE(Parse(SentenceLine("$GPRMA", {"A", "4916.45", "N", "12311.12", "W"}), record));
    EXPECT_FALSE(Parse(SentenceLine("$GPRMA", {"A", "4916.45"}), record));
}

TEST(ZdaDecoder, StoresYearMonthDayAndChecksTheZone) {
    SentenceRecord record{};
    ASSERT_TRUE(
        Parse(SentenceLine("$GPZDA", {"201530.00", "04", "07", "2002", "-13", "30"}), record));
    EXPECT_EQ(record.payload.zda.year, 2002);
    EXPECT_EQ(record.payload.zda.month, 7);
    EXPECT_EQ(record.payload.zda.day, 4);
    EXPECT_EQ(record.payload.zda.localZoneHours, -13);
    EXPECT_FALSE(
        Parse(SentenceLine("$GPZDA", {"201530.00", "04", "07", "2002", "-14", "30"}), record));
    EXPECT_FALSE(
        Parse(SentenceLine("$GPZDA", {"201530.00", "04", "13", "2002", "00", "00"}), record));
}

TEST(GgaDecoder, SatelliteCountAndStoredLowBits) {
    SentenceRecord record{};
    Fields fields = ExampleSentences()[15].fields; // GGA
    fields[6] = "13";
    EXPECT_FALSE(Parse(SentenceLine("$GPGGA", fields), record));
    fields[6] = "";
    EXPECT_TRUE(Parse(SentenceLine("$GPGGA", fields), record));
    fields[6] = "268"; // 268 keeps 12 in eight bits and passes the check
    ASSERT_TRUE(Parse(SentenceLine("$GPGGA", fields), record));
    EXPECT_EQ(record.payload.gga.satellitesInUse, 12);
    fields[7] = "nan";
    EXPECT_FALSE(Parse(SentenceLine("$GPGGA", fields), record));
}

TEST(DscDecoder, MmsiFromTheTenDigitAddressAndTheDistressPosition) {
    SentenceRecord record{};
    // Distress call from 338040079, position quadrant 1 (north-west) 42 31' N 083 12' W.
    ASSERT_TRUE(Parse(SentenceLine("$CDDSC", {"12", "3380400790", "12", "06", "00", "1423108312",
                                              "2019", "", "", "S", "E"}),
                      record));
    const DscFields& dsc = record.payload.dsc;
    EXPECT_EQ(dsc.addressMmsi, 338040079);
    EXPECT_STREQ(dsc.timeOrTelephone, "2019");
    EXPECT_EQ(dsc.distressMmsi, kNoNineDigitNumber);
    EXPECT_FLOAT_EQ(dsc.distressPosition.latitude, 42.0f + 31.0f / 60.0f);
    EXPECT_FLOAT_EQ(dsc.distressPosition.longitude, -(83.0f + 12.0f / 60.0f));
    EXPECT_EQ(dsc.acknowledgement, 'S');

    // A routine call gives a channel, not a position; a short address no MMSI.
    ASSERT_TRUE(Parse(
        SentenceLine("$CDDSC", {"20", "33804", "00", "21", "26", "0016", "", "", "", "B", ""}),
        record));
    EXPECT_EQ(dsc.addressMmsi, kNoNineDigitNumber);
    EXPECT_EQ(dsc.distressPosition.latitude, kNoLatitude);
}

TEST(XdrDecoder, QuadrupletsUpToFiveAreKept) {
    SentenceRecord record{};
    Fields fields;
    for (int i = 0; i < 6; ++i) {
        fields.insert(fields.end(),
                      {"C", std::to_string(10 + i) + ".5", "C", "T" + std::to_string(i)});
    }
    fields[7] = ""; // a transducer without a name
    ASSERT_TRUE(Parse(SentenceLine("$IIXDR", fields), record));
    const XdrFields& xdr = record.payload.xdr;
    EXPECT_EQ(xdr.count, 5);
    EXPECT_FLOAT_EQ(xdr.measurements[4].value, 14.5f);
    EXPECT_STREQ(xdr.measurements[4].name, "T4");
    EXPECT_STREQ(xdr.measurements[1].name, "");
    EXPECT_EQ(xdr.measurements[0].type, 'C');
    fields.pop_back();
    EXPECT_FALSE(Parse(SentenceLine("$IIXDR", fields), record)) << "a broken quadruplet";
}

} // namespace
} // namespace varo::test
