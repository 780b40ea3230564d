// The composer's sentences written out byte for byte, and its limits.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ComposeGenerators.h"
#include "sentence/Composer.h"

namespace varo {
namespace {

SentenceRecord Record(const char* talker, const char* formatter) {
    SentenceRecord record;
    testing::SetHeader(record, talker, formatter);
    return record;
}

// The sentence without its "*hh\r\n" ending, after checking that ending.
std::string Body(const SentenceRecord& record) {
    char buffer[kLineBufferSize];
    EXPECT_TRUE(composeSentence(buffer, sizeof buffer, record));
    const std::string text = buffer;
    const std::size_t star = text.rfind('*');
    EXPECT_NE(star, std::string::npos);
    EXPECT_EQ(text.size(), star + 5) << text;
    EXPECT_EQ(text.substr(star + 3), "\r\n");
    unsigned checksum = 0;
    for (std::size_t i = 1; i < star; ++i) {
        checksum ^= static_cast<unsigned char>(text[i]);
    }
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", checksum);
    EXPECT_EQ(text.substr(star + 1, 2), digits) << text;
    return text.substr(0, star);
}

std::string Composed(const SentenceRecord& record) {
    char buffer[kLineBufferSize];
    return composeSentence(buffer, sizeof buffer, record) ? buffer : "(not composed)";
}

SentenceRecord Tst(std::int16_t code) {
    SentenceRecord record = Record("P", "TST");
    record.payload.tst = {kNoTestNumber, kNoTestValue, '@', '@', code};
    return record;
}

SentenceRecord Ctt(char mode, std::int32_t subject) {
    SentenceRecord record = Record("P", "CTT");
    record.payload.ctt.mode = mode;
    record.payload.ctt.subject = subject;
    for (CttItem& item : record.payload.ctt.items) {
        item.identifier = kNoCttNumber;
    }
    return record;
}

TEST(Compose, CommandsByteForByte) {
    EXPECT_EQ(Composed(Ctt('Q', 200005)), "$PCTT,Q,200005,,,,,,,,,,*45\r\n");
    EXPECT_EQ(Composed(Tst(2)), "$PTST,,,,,00002*1D\r\n");
    EXPECT_EQ(Composed(Tst(16)), "$PTST,,,,,00016*18\r\n");
    EXPECT_EQ(Composed(Tst(static_cast<std::int16_t>(65535))), "$PTST,,,,,*2F\r\n");

    SentenceRecord dbg = Record("P", "DBG");
    dbg.payload.dbg = {{42, 999, 999, 999}, {2, kNoDbgValue, kNoDbgValue, kNoDbgValue}};
    dbg.commandChar = 'K';
    EXPECT_EQ(Composed(dbg), "$PZQT,K,DBG,042,2,,,,,,*01\r\n");
    dbg.commandChar = 0;
    EXPECT_EQ(Body(dbg), "$PDBG,042,2,,,,,,");
    dbg.commandChar = 'k'; // only "A" to "Z" select the ZQT form
    EXPECT_EQ(Body(dbg), "$PDBG,042,2,,,,,,");
}

TEST(Compose, CttModesAndPairs) {
    EXPECT_EQ(Body(Ctt('R', 200005)), "$PCTT,Q,200005,,,,,,,,,,");
    EXPECT_EQ(Body(Ctt('A', 200183)), "$PCTT,A,200183,,,,,,,,,,");
    EXPECT_EQ(Body(Ctt('C', 999999)), "$PCTT,C,,,,,,,,,,,");
    SentenceRecord change = Ctt('C', 200000);
    change.payload.ctt.items[0] = {129025, 1};
    change.payload.ctt.items[1] = {126992, 0};
    change.payload.ctt.items[4] = {-1, 1}; // compared unsigned: empty
    EXPECT_EQ(Body(change), "$PCTT,C,200000,129025,1,126992,0,,,,,,");
}

TEST(Compose, ProprietaryEmptyRules) {
    SentenceRecord bth = Record("P", "BTH");
    bth.payload.bth = {{1, -5, 300, 4, 5, 6}, "TEXT"};
    EXPECT_EQ(Body(bth), "$PBTH,,,,,,,TEXT");
    bth.payload.bth.codes[2] = 255;
    EXPECT_EQ(Body(bth), "$PBTH,001,-05,255,004,005,006,TEXT");

    SentenceRecord tst = Tst(7);
    tst.payload.tst = {123, 5, 'm', 'Z', 7};
    EXPECT_EQ(Body(tst), "$PTST,00123,05,m,Z,00007");
    tst.payload.tst = {99999, 99, 'n', '1', 7};
    EXPECT_EQ(Body(tst), "$PTST,,,,,00007");

    SentenceRecord mid = Record("P", "MID");
    mid.payload.mid = {42, -1};
    EXPECT_EQ(Body(mid), "$PMID,000000042,");

    SentenceRecord frq = Record("P", "FRQ");
    frq.payload.frq = {{1, 999999999}, {10, 11}};
    EXPECT_EQ(Body(frq), "$PFRQ,000000001,10,,");

    SentenceRecord bdy = Record("P", "BDY");
    bdy.payload.bdy = {999999999, "A", "", 1, 2};
    EXPECT_EQ(Body(bdy), "$PBDY,,A,,1,");

    SentenceRecord tps = Record("P", "TPS");
    tps.payload.tps = {999, "T"};
    EXPECT_EQ(Body(tps), "$PTPS,,T");
    tps.payload.tps.code = 5;
    EXPECT_EQ(Body(tps), "$PTPS,005,T");
}

TEST(Compose, MobFields) {
    SentenceRecord mob = Record("P", "MOB");
    MobFields& f = mob.payload.mob;
    f = {{0x0A, 0xB0, 0xFF}, 7, 0x1C, 0x2D, 1, {0x01, 0xAB}, 2};
    EXPECT_EQ(Body(mob), "$PMOB,0AB0FF,7,1C,2D,01AB");
    f.secondBytePresent = 0;
    f.dataCount = 0;
    EXPECT_EQ(Body(mob), "$PMOB,0AB0FF,7,1C,,");
    f.dataCount = kMobDataCapacity + 1; // beyond the data field: written empty, never read past it
    EXPECT_EQ(Body(mob), "$PMOB,0AB0FF,7,1C,,");
}

TEST(Compose, HeadingLimits) {
    SentenceRecord hdt = Record("IN", "HDT");
    hdt.payload.hdt.heading = 360.0f;
    EXPECT_EQ(Composed(hdt), "$INHDT,360.0,T*20\r\n");
    hdt.payload.hdt.heading = 360.1f;
    EXPECT_EQ(Body(hdt), "$INHDT,,T");
    hdt.payload.hdt.heading = -0.1f;
    EXPECT_EQ(Body(hdt), "$INHDT,,T");
    hdt.payload.hdt.heading = kNoHeading;
    EXPECT_EQ(Body(hdt), "$INHDT,,T");
}

SentenceRecord Rmc() {
    SentenceRecord rmc = Record("GP", "RMC");
    RmcFields& f = rmc.payload.rmc;
    f.time = {12, 34, 56, 78};
    f.status = 'A';
    f.position = {24.5f, -121.25f};
    f.speedOverGround = 5.5f;
    f.courseOverGround = 54.7f;
    f.date = {2024, 3, 9};
    f.magneticVariation = kNoReal;
    f.variationDirection = kNoChar;
    f.mode = 'A';
    return rmc;
}

TEST(Compose, RmcFieldsAndPosition) {
    SentenceRecord rmc = Rmc();
    EXPECT_EQ(Body(rmc), "$GPRMC,123456.78,A,2430.00000,N,12115.00000,W,5.500,54.70,090324,,,A");

    rmc.payload.rmc.position = {0.0f, 0.0f};
    EXPECT_EQ(Body(rmc), "$GPRMC,123456.78,A,0000.00000,S,00000.00000,W,5.500,54.70,090324,,,A");

    rmc.payload.rmc.position = {kNoLatitude, 10.0f};
    EXPECT_EQ(Body(rmc), "$GPRMC,123456.78,A,,,,,5.500,54.70,090324,,,A");
    // A blank latitude with hemisphere S parses as -91: still not available.
    rmc.payload.rmc.position = {-kNoLatitude, -kNoLongitude};
    EXPECT_EQ(Body(rmc), "$GPRMC,123456.78,A,,,,,5.500,54.70,090324,,,A");

    rmc.payload.rmc.magneticVariation = 3.25f;
    rmc.payload.rmc.variationDirection = 'E';
    rmc.payload.rmc.date = {0, 3, 9};
    rmc.payload.rmc.speedOverGround = -99999.5f;
    EXPECT_EQ(Body(rmc), "$GPRMC,123456.78,A,,,,,,54.70,,3.25,E,A");
}

TEST(Compose, TimeEmptyRulesOfRmcAndAlr) {
    SentenceRecord rmc = Rmc();
    SentenceRecord alr = Record("AI", "ALR");
    alr.payload.alr = {{12, 0, 0, 0}, 5, 'A', 'V', "FIRE"};
    EXPECT_EQ(Body(alr), "$AIALR,120000.00,5,A,V,FIRE");

    rmc.payload.rmc.time.hour = 24;
    alr.payload.alr.time.hour = 24;
    EXPECT_EQ(Body(rmc).substr(0, 10), "$GPRMC,,A,");
    EXPECT_EQ(Body(alr), "$AIALR,,5,A,V,FIRE");

    rmc.payload.rmc.time.hour = 25;
    alr.payload.alr.time.hour = 25;
    EXPECT_EQ(Body(rmc).substr(0, 17), "$GPRMC,253456.78,");
    EXPECT_EQ(Body(alr), "$AIALR,,5,A,V,FIRE");
}

TEST(Compose, GsaSatellitesRunIntoPdop) {
    SentenceRecord gsa = Record("GN", "GSA");
    GsaFields& f = gsa.payload.gsa;
    f.selectionMode = 'A';
    f.fixMode = 3;
    f.satelliteIds[0] = 5;
    f.satelliteIds[1] = 12;
    f.satelliteIds[2] = -128;
    f.pdop = 1.5f;
    f.hdop = kNoReal;
    f.vdop = 0.25f;
    EXPECT_EQ(Body(gsa), "$GNGSA,A,3,05,12,,,,,,,,,,,1.50,,0.25");
}

TEST(Compose, AisSentences) {
    SentenceRecord vdm = Record("AI", "VDM");
    vdm.startChar = '$'; // the writer chooses "!", whatever the record says
    vdm.payload.vdm = {1, 1, kNoInt8, 0, "15M67FC000G?ufbE`FepT@3n00Sa", 1};
    EXPECT_EQ(Body(vdm), "!AIVDM,1,1,,B,15M67FC000G?ufbE`FepT@3n00Sa,0");
    vdm.payload.vdm.channel = kNoChar;
    vdm.payload.vdm.sequentialIdentifier = 3;
    EXPECT_EQ(Body(vdm), "!AIVDM,1,1,3,,15M67FC000G?ufbE`FepT@3n00Sa,0");

    SentenceRecord abk = Record("AI", "ABK");
    abk.payload.abk = {0, static_cast<std::int8_t>(0x80), 8, 2, 3};
    EXPECT_EQ(Body(abk), "$AIABK,,,8,2,3");

    SentenceRecord ack = Record("AI", "ACK");
    ack.payload.ack.alarmId = 7;
    EXPECT_EQ(Body(ack), "$AIACK,007");
    ack.payload.ack.alarmId = kNoAlarmId;
    EXPECT_EQ(Body(ack), "$AIACK,");
}

TEST(Compose, NulCharacterIsAnEmptyFieldNotTheEndOfTheSentence) {
    SentenceRecord rmc = Rmc();
    rmc.payload.rmc.status = '\0';
    rmc.payload.rmc.mode = '\0';
    EXPECT_EQ(Body(rmc), "$GPRMC,123456.78,,2430.00000,N,12115.00000,W,5.500,54.70,090324,,,");
}

TEST(Compose, SplitDegrees) {
    const SplitDegrees half = splitDegrees(24.5f);
    EXPECT_EQ(half.degrees, 24);
    EXPECT_EQ(half.minutes, 30);
    EXPECT_EQ(half.fraction, 0);
    const SplitDegrees quarter = splitDegrees(121.25f);
    EXPECT_EQ(quarter.degrees, 121);
    EXPECT_EQ(quarter.minutes, 15);
    EXPECT_EQ(quarter.fraction, 0);
}

TEST(Compose, FormatterOutsideTheTableWritesNothing) {
    for (const char* formatter : {"GGA", "HDG", "Q", "", "TS"}) {
        char buffer[kLineBufferSize];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_FALSE(composeSentence(buffer, sizeof buffer, Record("GP", formatter))) << formatter;
        EXPECT_EQ(buffer[0], '#') << formatter;
        EXPECT_FALSE(canComposeSentence(formatter));
    }
    EXPECT_TRUE(canComposeSentence("VDO"));
}

TEST(Compose, NeverWritesPastTheCallersBuffer) {
    const SentenceRecord tst = Tst(2);
    const std::string full = "$PTST,,,,,00002*1D\r\n";
    for (std::size_t size = 0; size <= full.size() + 1; ++size) {
        char buffer[kLineBufferSize];
        std::memset(buffer, '#', sizeof buffer);
        const bool composed = composeSentence(buffer, size, tst);
        EXPECT_EQ(composed, size > full.size()) << size;
        EXPECT_EQ(buffer[size], '#') << size;
        if (composed) {
            EXPECT_EQ(std::string(buffer), full);
        } else if (size > 0) {
            EXPECT_EQ(buffer[0], '\0') << size;
        }
    }
}

TEST(FinishSentence, AppendsUpperCaseChecksumOrRefuses) {
    char full[16] = "$PTST,,,,,00016"; // no room left for the ending
    EXPECT_FALSE(finishSentence(full, sizeof full));
    EXPECT_STREQ(full, "$PTST,,,,,00016");
    char roomy[32] = "$PTST,,,,,00016";
    ASSERT_TRUE(finishSentence(roomy, sizeof roomy));
    EXPECT_STREQ(roomy, "$PTST,,,,,00016*18\r\n");

    char unterminated[8];
    std::memset(unterminated, 'A', sizeof unterminated);
    EXPECT_FALSE(finishSentence(unterminated, sizeof unterminated));
    char empty[8] = "";
    EXPECT_FALSE(finishSentence(empty, sizeof empty));
}

} // namespace
} // namespace varo
