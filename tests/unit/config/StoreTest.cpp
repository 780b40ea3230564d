// Filing received sentences in the store: categories, values, validity flags
// and stamps.
#include <gtest/gtest.h>

#include <cstring>

#include "ComposeGenerators.h"
#include "ConfigTestSupport.h"
#include "config/ConversionMap.h"
#include "config/SentenceStore.h"

namespace varo {
namespace {

using testing::ReceiveIntoClearedStore;

const DeviceRecord& Device() {
    return ProgramSentenceStore().device;
}
const GnssRecord& Gnss() {
    return ProgramSentenceStore().gnss;
}

TEST(ClassifySentence, EveryCategoryAndOutsiders) {
    struct Case {
        const char* formatter;
        SentenceCategory category;
    };
    const Case cases[] = {
        {"GGA", SentenceCategory::Gnss},         {"ZDA", SentenceCategory::Gnss},
        {"GNS", SentenceCategory::HeadingSpeed}, {"HDT", SentenceCategory::HeadingSpeed},
        {"LR3", SentenceCategory::LongRange},    {"ABK", SentenceCategory::AisShip},
        {"TXT", SentenceCategory::AisShip},      {"DSR", SentenceCategory::Dsc},
        {"MID", SentenceCategory::Device},       {"MOB", SentenceCategory::Device},
        {"AIR", SentenceCategory::None},         {"HDG", SentenceCategory::None},
        {"Q", SentenceCategory::None},           {"GG", SentenceCategory::None},
        {"gga", SentenceCategory::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(classifySentence(c.formatter), c.category) << c.formatter;
    }
}

TEST(StoreCtt, AnswerFillsModeSubjectAndItems) {
    SentenceRecord record{};
    ASSERT_TRUE(ReceiveIntoClearedStore(
        "$PCTT,R,200005,129025,1,129026,0,129029,1,129033,1,575256,1", record));
    const DeviceRecord& d = Device();
    EXPECT_EQ(d.cttMode, 'R');
    EXPECT_EQ(d.cttSubject, 200005u);
    EXPECT_EQ(d.cttValid, 1);
    const std::uint32_t identifiers[] = {129025, 129026, 129029, 129033, 575256};
    const std::uint8_t flags[] = {1, 0, 1, 1, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(d.cttItems[i].identifier, identifiers[i]);
        EXPECT_EQ(d.cttItems[i].flag, flags[i]);
        EXPECT_EQ(d.cttItems[i].flagValid, 1);
    }
}

TEST(StoreCtt, FlagsAreAssignedBothWays) {
    SentenceRecord record{};
    ASSERT_TRUE(ReceiveIntoClearedStore("$PCTT,X,200000,129025,2,,,,,,,,", record));
    EXPECT_EQ(Device().cttMode, 255);
    EXPECT_EQ(Device().cttSubject, 200000u);
    EXPECT_EQ(Device().cttValid, 1);
    EXPECT_EQ(Device().cttItems[0].flag, 2);
    EXPECT_EQ(Device().cttItems[0].flagValid, 0);
    EXPECT_EQ(Device().cttItems[1].identifier, 999999u);
    EXPECT_EQ(Device().cttItems[1].flagValid, 0); // blank flag: 9

    // A later answer without a subject clears cttValid and item flags it had set.
    ProgramSentenceStore().device.cttItems[2].flagValid = 1;
    testing::ReceivedLine line("$PCTT,Q,,,,,,,,,,,");
    ASSERT_TRUE(ReceiveSentence(line.text, record));
    EXPECT_EQ(Device().cttMode, 'Q');
    EXPECT_EQ(Device().cttValid, 0);
    EXPECT_EQ(Device().cttItems[2].flagValid, 0);
}

TEST(StoreDevice, FlagsStaySetAfterFailingValues) {
    SentenceRecord record{};
    ASSERT_TRUE(ReceiveIntoClearedStore("$PMID,000000012,", record));
    EXPECT_EQ(Device().midNumber1, 12u);
    EXPECT_EQ(Device().midNumber1Valid, 1);
    EXPECT_EQ(Device().midNumber2Valid, 0);
    testing::ReceivedLine again("$PMID,999999999,");
    ASSERT_TRUE(ReceiveSentence(again.text, record));
    EXPECT_EQ(Device().midNumber1, 999999999u);
    EXPECT_EQ(Device().midNumber1Valid, 1);
}

TEST(StoreDevice, TstBthFrqBdyTpsDbg) {
    SentenceRecord record{};
    ASSERT_TRUE(ReceiveIntoClearedStore("$PTST,00012,34,b,7,00016", record));
    EXPECT_EQ(Device().tstNumber, 12u);
    EXPECT_EQ(Device().tstNumberValid, 1);
    EXPECT_EQ(Device().tstLetter, '7');
    EXPECT_EQ(Device().tstLetterValid, 0);
    EXPECT_EQ(Device().tstCode, 16);
    EXPECT_EQ(Device().tstCodeValid, 1);

    ASSERT_TRUE(ReceiveIntoClearedStore("$PBTH,001,-05,255,000,010,020,BOOT", record));
    EXPECT_EQ(Device().bthCodes[1], -5);
    EXPECT_EQ(Device().bthCodesValid, 1);
    EXPECT_STREQ(Device().bthText, "BOOT");
    EXPECT_EQ(Device().bthTextValid, 1);
    ASSERT_TRUE(ReceiveIntoClearedStore("$PBTH,001,256,,,,,", record));
    EXPECT_EQ(Device().bthCodesValid, 0);
    EXPECT_EQ(Device().bthTextValid, 0);

    ASSERT_TRUE(ReceiveIntoClearedStore("$PFRQ,000000100,10,000000200,11", record));
    EXPECT_EQ(Device().frqValid[0], 1);
    EXPECT_EQ(Device().frqValid[1], 0);
    ASSERT_TRUE(ReceiveIntoClearedStore("$PFRQ,000000100,,,", record));
    EXPECT_EQ(Device().frqValid[0], 0); // a blank count (-128) is not at most 10

    ASSERT_TRUE(ReceiveIntoClearedStore("$PBDY,,NAME,,0,1", record));
    EXPECT_EQ(Device().bdyValid, 1);
    EXPECT_STREQ(Device().bdyText1, "NAME");

    ASSERT_TRUE(ReceiveIntoClearedStore("$PTPS,-01,X", record));
    EXPECT_EQ(Device().tpsValid, 0);

    ASSERT_TRUE(ReceiveIntoClearedStore("$PZQT,K,DBG,042,2,-01,5,,,1000,7", record));
    EXPECT_EQ(Device().dbgCommandChar, 'K');
    EXPECT_EQ(Device().dbgPairs.codes[0], 42);
    EXPECT_EQ(Device().dbgPairs.values[0], 2);
    EXPECT_EQ(Device().dbgPairs.codeValid[0], 1);
    EXPECT_EQ(Device().dbgPairs.codeValid[1], 0); // -1
    EXPECT_EQ(Device().dbgPairs.codeValid[3], 0); // 1000
    EXPECT_EQ(Device().dbgPairs.values[2], kNoDbgValue);
}

TEST(StoreDevice, LongTextsAreCutToTheirFields) {
    SentenceStore store{};
    SentenceRecord record;
    testing::SetHeader(record, "P", "BDY");
    std::memset(record.payload.bdy.firstText, 'A',
                sizeof record.payload.bdy.firstText); // no terminator
    storeSentence(record, store);
    EXPECT_EQ(std::strlen(store.device.bdyText1), 20u);

    testing::SetHeader(record, "P", "TPS");
    std::memset(record.payload.tps.text, 'T', sizeof record.payload.tps.text);
    storeSentence(record, store);
    EXPECT_EQ(std::strlen(store.device.tpsText), 24u);
}

TEST(StoreDevice, MobDataCountLimits) {
    SentenceStore store{};
    SentenceRecord record;
    testing::SetHeader(record, "P", "MOB");
    MobFields& mob = record.payload.mob;
    for (std::size_t i = 0; i < kMobDataCapacity; ++i) {
        mob.data[i] = static_cast<std::uint8_t>(i + 1);
    }
    mob.dataCount = 20;
    storeSentence(record, store);
    EXPECT_EQ(store.device.mobDataCount, 0);
    EXPECT_EQ(store.device.mobData[0], 0);

    mob.dataCount = 19;
    mob.secondByte = 0x55;
    mob.secondBytePresent = 0;
    store.device.mobByte2 = 0x11;
    storeSentence(record, store);
    EXPECT_EQ(store.device.mobDataCount, 19);
    EXPECT_EQ(std::memcmp(store.device.mobData, mob.data, 19), 0);
    EXPECT_EQ(store.device.mobByte2, 0x11); // not present: kept
}

TEST(StoreGnss, GsaCountsSatellitesInUse) {
    SentenceRecord record{};
    ASSERT_TRUE(ReceiveIntoClearedStore(
        "$GPGSA,A,3,05,00,12,00,00,00,00,00,00,00,00,00,1.5,1.0,1.1", record));
    EXPECT_EQ(Gnss().satellitesInUse, 2);
    EXPECT_EQ(Gnss().FixDeviceType, 1);
    EXPECT_EQ(std::memcmp(Gnss().formatter, "GSA", 3), 0);
}

TEST(StoreGnss, RmcFlagsAndStamps) {
    SentenceRecord record{};
    ASSERT_TRUE(ReceiveIntoClearedStore(
        "$GNRMC,123456.00,V,2430.0000,N,12115.0000,W,5.5,54.7,000324,,,A", record));
    EXPECT_FLOAT_EQ(Gnss().position.latitude, 24.5f);
    EXPECT_EQ(Gnss().positionValid, 0);
    EXPECT_EQ(Gnss().dateValid, 0);
    EXPECT_EQ(Gnss().timeValid, 0);
    EXPECT_EQ(Gnss().courseValid, 1);
    EXPECT_EQ(Gnss().courseStamp.seconds, testing::kFixedStamp.seconds);
    EXPECT_EQ(Gnss().FixDeviceType, 3);

    SetStampClock(testing::FixedClock);
    testing::ReceivedLine valid("$GPRMC,123456.00,A,2430.0000,S,12115.0000,E,5.5,,090324,,,A");
    ASSERT_TRUE(ReceiveSentence(valid.text, record));
    SetStampClock(nullptr);
    EXPECT_EQ(Gnss().positionValid, 1);
    EXPECT_EQ(Gnss().positionStamp.milliseconds, testing::kFixedStamp.milliseconds);
    EXPECT_EQ(Gnss().dateValid, 1);
    EXPECT_EQ(Gnss().timeValid, 1);
    EXPECT_EQ(Gnss().date.year, 2024);
    EXPECT_FLOAT_EQ(Gnss().position.latitude, -24.5f);
}

TEST(StoreHeading, HdtValidBelow360AndVdoChannel) {
    SentenceRecord record{};
    ASSERT_TRUE(ReceiveIntoClearedStore("$INHDT,360.0,T", record));
    EXPECT_EQ(ProgramSentenceStore().headingSpeed.headingValid, 0);
    EXPECT_EQ(ProgramSentenceStore().headingSpeed.FixDeviceType, 6);
    testing::ReceivedLine below("$INHDT,359.9,T");
    ASSERT_TRUE(ReceiveSentence(below.text, record));
    EXPECT_EQ(ProgramSentenceStore().headingSpeed.headingValid, 1);

    SentenceStore store{};
    testing::SetHeader(record, "AI", "VDO");
    record.payload.vdm.channel = kNoChar;
    storeSentence(record, store);
    EXPECT_EQ(store.aisShip.channel, 'x');
    EXPECT_EQ(store.aisShip.FixDeviceType, 0);
}

TEST(StoreSentence, FormatterOutsideTheTableChangesNothing) {
    SentenceStore store;
    std::memset(&store, 0x5A, sizeof store);
    SentenceStore before;
    std::memcpy(&before, &store, sizeof store);
    SentenceRecord record;
    testing::SetHeader(record, "GP", "HDG");
    std::memset(&record.payload, 0x11, sizeof record.payload);
    storeSentence(record, store);
    EXPECT_EQ(std::memcmp(&store, &before, sizeof store), 0);
}

TEST(ConversionMap, RowsAndMarkers) {
    EXPECT_EQ(ConversionMap.size(), 70u);
    const ConversionRow& rmc = ConversionMap[0];
    EXPECT_EQ(rmc.key, 200005);
    EXPECT_EQ(rmc.related[4], ConversionContinued);
    const ConversionRow* continued = FindConversionRow(200069);
    ASSERT_NE(continued, nullptr);
    EXPECT_EQ(continued->count, 3);
    EXPECT_EQ(FindConversionRow(200028)->related[0], ConversionAll);
    EXPECT_EQ(FindConversionRow(200029)->related[0], ConversionAll);
    EXPECT_EQ(ConversionMap[69].key, 200068);
    EXPECT_EQ(FindConversionRow(200011), &ConversionMap[22]);
    EXPECT_EQ(FindConversionRow(1), nullptr);
}

} // namespace
} // namespace varo
