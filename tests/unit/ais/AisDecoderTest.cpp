#include "AisTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

namespace varo {
namespace {

AisStamp gNow{2024, 6, 15, 12, 0, 0};
AisStamp TestClock() {
    return gNow;
}

class AisDecoderTest : public ::testing::Test {
protected:
    void SetUp() override {
        gNow = {2024, 6, 15, 12, 0, 0};
        state->decoder.clock = TestClock;
    }
    AisTarget& Entry(int i) { return state->decoder.targets.entries[i]; }
    int Count() const { return state->decoder.targets.count; }

    std::unique_ptr<AisState> state = NewAisState();
};

AisBitWriter StaticPartA(uint32_t mmsi, const std::string& name) {
    AisBitWriter w;
    return w.Put(24, 6).Put(0, 2).Put(mmsi, 30).Put(0, 2).Text(name, 20);
}

AisBitWriter StaticPartB(uint32_t mmsi, unsigned part, uint32_t dimensions) {
    AisBitWriter w;
    w.Put(24, 6).Put(0, 2).Put(mmsi, 30).Put(part, 2).Put(36, 8).Text("SRT", 7);
    return w.Text("CALL12", 7).Put(dimensions, 30).Put(0, 6);
}

TEST_F(AisDecoderTest, StartValues) {
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(state->decoder.lastTarget, -1);
    EXPECT_EQ(state->decoder.lastKind, -1);
    const AisTarget& own = Entry(0);
    EXPECT_EQ(own.targetClass, tcClassA);
    EXPECT_EQ(own.mmsi, 0u);
    EXPECT_EQ(own.longitude, 150.0f);
    EXPECT_EQ(own.latitude, -30.0f);
    EXPECT_EQ(own.speed, 15.0f);
    EXPECT_EQ(own.course, 301.0f);
    EXPECT_EQ(own.heading, 62.0f);
    EXPECT_EQ(own.rateOfTurn, 5.0f);
    EXPECT_EQ(Entry(kAisTargetCapacity - 1).targetClass, tcUnknown);
    EXPECT_EQ(Entry(kAisTargetCapacity - 1).longitude, 181.0f);
    EXPECT_EQ(Entry(kAisTargetCapacity - 1).latitude, 91.0f);
}

TEST_F(AisDecoderTest, OwnVesselIsEntryZero) {
    Entry(0).vdoCount = 7;
    PositionReport r;
    r.mmsi = 244123000;
    r.speedTenths = 55;
    AisReceiveResult result = Receive(*state, Type1(r), "VDO");
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.target, 0);
    EXPECT_EQ(Entry(0).mmsi, 244123000u);
    EXPECT_EQ(Entry(0).vdoCount, 1u) << "a new own vessel starts counting from 0";
    EXPECT_EQ(Entry(0).vdmCount, 0u);
    EXPECT_EQ(Entry(0).firstSeen.hour, 12);
    EXPECT_FLOAT_EQ(Entry(0).speed, 5.5f);
    EXPECT_EQ(Count(), 1);

    // A VDM from the own vessel's MMSI is the own vessel.
    gNow.minute = 5;
    EXPECT_EQ(Receive(*state, Type1(r)).target, 0);
    EXPECT_EQ(Entry(0).vdmCount, 1u);
    EXPECT_EQ(Entry(0).lastUpdate.minute, 5);
    EXPECT_EQ(Entry(0).firstSeen.minute, 0);

    // A VDO with another MMSI still updates entry 0 and keeps its MMSI.
    r.mmsi = 1;
    r.speedTenths = 70;
    EXPECT_EQ(Receive(*state, Type1(r), "VDO").target, 0);
    EXPECT_EQ(Entry(0).mmsi, 244123000u);
    EXPECT_EQ(Entry(0).vdoCount, 2u);
    EXPECT_FLOAT_EQ(Entry(0).speed, 7.0f);
}

TEST_F(AisDecoderTest, MmsiZeroDoesNotOverwriteAnUnknownOwnVessel) {
    PositionReport r;
    r.mmsi = 0;
    EXPECT_EQ(Receive(*state, Type1(r)).target, 1);
    EXPECT_EQ(Entry(0).longitude, 150.0f);
    EXPECT_EQ(Receive(*state, Type1(r)).target, 1);
    EXPECT_EQ(Count(), 2);
}

TEST_F(AisDecoderTest, PositionReportUpdatesKinematics) {
    PositionReport r;
    r.mmsi = 366123456;
    r.navStatus = 7;
    r.rateOfTurn = 127;
    r.speedTenths = 101;
    r.lonTenThousandthMinutes = 600000 * 10;
    r.latTenThousandthMinutes = -600000 * 5;
    r.courseTenths = 3599;
    r.heading = 360;
    r.raim = 1;
    const AisReceiveResult result = Receive(*state, Type1(r, 3));
    ASSERT_EQ(result.target, 1);
    const AisTarget& t = Entry(1);
    EXPECT_EQ(t.targetClass, tcClassA);
    EXPECT_EQ(t.mmsi, 366123456u);
    EXPECT_EQ(t.status >> 4, 7);
    EXPECT_EQ(t.flags & 0x03, 0x03); // position accuracy and RAIM
    EXPECT_FLOAT_EQ(t.longitude, 10.0f);
    EXPECT_FLOAT_EQ(t.latitude, -5.0f);
    EXPECT_FLOAT_EQ(t.speed, 10.1f);
    EXPECT_FLOAT_EQ(t.course, 359.9f);
    EXPECT_EQ(t.heading, 511.0f);
    EXPECT_NEAR(t.rateOfTurn, 720.0, 1.0);
    EXPECT_EQ(t.vdmCount, 1u);
    EXPECT_EQ(state->decoder.lastTarget, 1);
    EXPECT_EQ(state->decoder.lastKind, 3);
}

TEST_F(AisDecoderTest, StaticReportPartsAddToOneTarget) {
    ASSERT_EQ(Receive(*state, StaticPartA(338000001, "DREAMER")).target, 1);
    EXPECT_EQ(Entry(1).targetClass, tcClassB);
    EXPECT_STREQ(Entry(1).name, "DREAMER@@@@@@@@@@@@@");
    EXPECT_STREQ(Entry(1).callSign, "");
    EXPECT_EQ(state->decoder.lastKind, 24);

    ASSERT_EQ(Receive(*state, StaticPartB(338000001, 1, (12u << 21) | (3u << 12) | (2u << 6) | 4u))
                  .target,
              1);
    const AisTarget& t = Entry(1);
    EXPECT_STREQ(t.name, "DREAMER@@@@@@@@@@@@@");
    EXPECT_STREQ(t.callSign, "CALL12@");
    EXPECT_STREQ(t.vendor, "SRT@@@@");
    EXPECT_EQ(t.shipType, 36);
    EXPECT_EQ(t.toBow, 12);
    EXPECT_EQ(t.toStern, 3);
    EXPECT_EQ(t.toPort, 2);
    EXPECT_EQ(t.toStarboard, 4);
    EXPECT_EQ(t.vdmCount, 2u);
    EXPECT_EQ(state->decoder.lastKind, 25);
    EXPECT_EQ(Count(), 2);
}

TEST_F(AisDecoderTest, UndefinedStaticReportPartsAreIgnored) {
    for (unsigned part : {2u, 3u}) {
        const AisReceiveResult result = Receive(*state, StaticPartB(338000002, part, 0));
        EXPECT_TRUE(result.complete);
        EXPECT_EQ(result.target, -1);
    }
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(state->decoder.lastKind, -1);
}

AisBitWriter BaseStation(unsigned type, uint32_t mmsi) {
    AisBitWriter w;
    w.Put(type, 6).Put(0, 2).Put(mmsi, 30).Put(2024, 14).Put(6, 4).Put(15, 5).Put(12, 5);
    w.Put(0, 6).Put(0, 6).Put(1, 1).PutSigned(600000, 28).PutSigned(600000, 27).Put(7, 4);
    return w.Put(0, 10).Put(0, 1).Put(0, 19);
}

TEST_F(AisDecoderTest, UtcResponseKeepsTheClass) {
    PositionReport r;
    r.mmsi = 211000001;
    Receive(*state, Type1(r));
    EXPECT_EQ(Receive(*state, BaseStation(11, 211000001)).target, 1);
    EXPECT_EQ(Entry(1).targetClass, tcClassA);
    EXPECT_EQ(Entry(1).longitude, 0.0f) << "type 11 stores no position";

    EXPECT_EQ(Receive(*state, BaseStation(11, 211000002)).target, 2);
    EXPECT_EQ(Entry(2).targetClass, tcUnknown);
    EXPECT_EQ(Entry(2).longitude, 181.0f);

    EXPECT_EQ(Receive(*state, BaseStation(4, 2111000)).target, 3);
    EXPECT_EQ(Entry(3).targetClass, tcBaseStation);
    EXPECT_FLOAT_EQ(Entry(3).longitude, 1.0f);
    EXPECT_EQ(Entry(3).status & 0x0F, 7);
    EXPECT_EQ(Entry(3).flags & 1, 1);
}

TEST_F(AisDecoderTest, AidToNavigationKeepsItsNameExtension) {
    AisBitWriter w;
    w.Put(21, 6).Put(0, 2).Put(993672001, 30).Put(14, 5).Text("NORTH PIER LIGHT", 20).Put(0, 1);
    w.PutSigned(-600000, 28)
        .PutSigned(1200000, 27)
        .Put((1u << 21) | (1u << 12) | (1u << 6) | 1u, 30);
    w.Put(7, 4).Put(60, 6).Put(1, 1).Put(0, 8).Put(0, 1).Put(1, 1).Put(0, 1).Put(0, 1);
    w.Text("EXTENSION", 14).Put(0, 4);
    ASSERT_EQ(Receive(*state, w).target, 1);
    const AisTarget& t = Entry(1);
    EXPECT_EQ(t.targetClass, tcAidToNavigation);
    EXPECT_STREQ(t.name, "NORTH PIER LIGHT@@@@");
    EXPECT_STREQ(reinterpret_cast<const char*>(t.altitudeOrNameExtension), "EXTENSION@@@@@");
    EXPECT_EQ(t.atonFlags, (14 << 1) | 1 | (1 << 6));
    EXPECT_FLOAT_EQ(t.longitude, -1.0f);
    EXPECT_FLOAT_EQ(t.latitude, 2.0f);
    EXPECT_EQ(t.toBow + t.toStern + t.toPort + t.toStarboard, 4);
}

TEST_F(AisDecoderTest, StaticAndVoyageInTwoSentences) {
    AisBitWriter w;
    w.Put(5, 6).Put(0, 2).Put(351759000, 30).Put(0, 2).Put(9134270, 30).Text("3FOF8", 7);
    w.Text("EVER DIADEM", 20).Put(70, 8).Put((225u << 21) | (70u << 12) | (1u << 6) | 31u, 30);
    w.Put(1, 4).Put((5u << 16) | (15u << 11) | (14u << 6) | 0u, 20).Put(122, 8);
    w.Text("NEW YORK", 20).Put(0, 1).Put(0, 1);
    int8_t fill = 0;
    const std::string payload = w.Armor(fill);
    ASSERT_EQ(payload.size(), 71u);
    ASSERT_EQ(fill, 2);
    const std::string first = payload.substr(0, 60), second = payload.substr(60);
    EXPECT_FALSE(
        AisReceiveFragment(MakeFragment("VDM", 2, 1, 3, first.c_str(), 0), *state).complete);
    const AisReceiveResult result =
        AisReceiveFragment(MakeFragment("VDM", 2, 2, 3, second.c_str(), fill), *state);
    ASSERT_TRUE(result.complete);
    ASSERT_EQ(result.target, 1);
    const AisTarget& t = Entry(1);
    EXPECT_EQ(t.targetClass, tcClassA);
    EXPECT_EQ(t.imo, 9134270u);
    EXPECT_STREQ(t.callSign, "3FOF8@@");
    EXPECT_STREQ(t.name, "EVER DIADEM@@@@@@@@@");
    EXPECT_STREQ(t.destination, "NEW YORK@@@@@@@@@@@@");
    EXPECT_EQ(t.shipType, 70);
    EXPECT_EQ(t.toBow, 225);
    EXPECT_EQ(t.toStern, 70);
    EXPECT_EQ(t.toPort, 1);
    EXPECT_EQ(t.toStarboard, 31);
    EXPECT_EQ(t.status & 0x0F, 1);
    EXPECT_EQ(t.etaMonth, 5);
    EXPECT_EQ(t.etaDay, 15);
    EXPECT_EQ(t.etaHour, 14);
    EXPECT_EQ(t.etaMinute, 0);
    EXPECT_FLOAT_EQ(t.draught, 12.2f);
    EXPECT_EQ(t.flags & 0x04, 0);
}

TEST_F(AisDecoderTest, ClassBAndSearchAndRescueReports) {
    AisBitWriter b;
    b.Put(18, 6).Put(0, 2).Put(367430530, 30).Put(0, 8).Put(3, 10).Put(0, 1);
    b.PutSigned(-600000, 28).PutSigned(600000, 27).Put(1200, 12).Put(511, 9).Put(20, 6);
    // regional, unit, display, DSC, band, message 22, assigned, RAIM, selector, state
    b.Put(0, 2).Put(1, 1).Put(0, 1).Put(1, 1).Put(1, 1).Put(1, 1).Put(0, 1).Put(0, 1).Put(1, 1);
    b.Put(0, 19);
    ASSERT_EQ(Receive(*state, b).target, 1);
    EXPECT_EQ(Entry(1).targetClass, tcClassB);
    EXPECT_EQ(Entry(1).classBFlags, 0b111010);
    EXPECT_EQ(Entry(1).heading, 511.0f);
    EXPECT_FLOAT_EQ(Entry(1).course, 120.0f);

    AisBitWriter sar;
    sar.Put(9, 6).Put(0, 2).Put(111232511, 30).Put(303, 12).Put(42, 10).Put(0, 1);
    sar.PutSigned(0, 28).PutSigned(0, 27).Put(1540, 12).Put(10, 6).Put(0, 8).Put(1, 1);
    sar.Put(0, 3).Put(0, 1).Put(1, 1).Put(0, 1).Put(0, 19);
    ASSERT_EQ(Receive(*state, sar).target, 2);
    float altitude = 0;
    std::memcpy(&altitude, Entry(2).altitudeOrNameExtension, sizeof altitude);
    EXPECT_EQ(Entry(2).targetClass, tcSarAircraft);
    EXPECT_EQ(altitude, 303.0f);
    EXPECT_EQ(Entry(2).speed, 42.0f);
    EXPECT_EQ(Entry(2).flags & 0x06, 0x06); // RAIM and DTE
}

AisBitWriter AddressedChannelManagement() {
    AisBitWriter w;
    w.Put(22, 6).Put(0, 2).Put(2268120, 30).Put(0, 2).Put(2087, 12).Put(2088, 12).Put(0, 4);
    w.Put(0, 1).Put(123456789, 30).Put(0, 5).Put(987654321, 30).Put(0, 5).Put(1, 1);
    return w.PadTo(168);
}

TEST_F(AisDecoderTest, BroadcastMessagesAreKeptWhole) {
    AisBitWriter interrogation;
    interrogation.Put(15, 6).Put(0, 2).Put(3669720, 30).Put(0, 2).Put(367014320, 30).Put(3, 6);
    interrogation.PadTo(160);
    ASSERT_EQ(Receive(*state, interrogation).target, 1);
    const auto& kept = state->decoder.buffers.type15;
    EXPECT_TRUE(kept.stored);
    EXPECT_EQ(kept.bytes[0], 15);
    EXPECT_EQ(kept.channelValue, 'A' - '0');
    EXPECT_EQ(kept.secondValue, 0);
    EXPECT_EQ(Entry(1).targetClass, tcUnknown);
    EXPECT_FALSE(state->decoder.buffers.type20.stored);

    AisBitWriter management;
    management.Put(20, 6).Put(0, 2).Put(3669720, 30).PadTo(160);
    ASSERT_EQ(Receive(*state, management).target, 1);
    EXPECT_TRUE(state->decoder.buffers.type20.stored);
    EXPECT_EQ(Entry(1).targetClass, tcBaseStation);

    ASSERT_EQ(Receive(*state, AddressedChannelManagement()).target, 2);
    EXPECT_TRUE(state->decoder.buffers.type22.stored);
    uint32_t destination = 0;
    std::memcpy(&destination, state->decoder.buffers.type22.bytes + kAisType22DestinationsOffset,
                4);
    EXPECT_EQ(destination, 123456789u);
}

TEST(AisStampSeconds, CommonYearDayCount) {
    struct Case {
        AisStamp stamp;
        int64_t seconds;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0}, 0},
        {{2024, 1, 1, 0, 0, 1}, (24 * 365 + 1) * 86400LL + 1},
        {{2024, 3, 1, 1, 2, 3}, (24 * 365 + 59 + 1) * 86400LL + 3723},
        {{2099, 12, 31, 23, 59, 59}, (99 * 365 + 334 + 31) * 86400LL + 86399},
        {{2100, 1, 1, 0, 0, 0}, 1 * 86400LL},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AisStampSeconds(c.stamp), c.seconds);
}

void FillTable(AisState& state, uint32_t firstMmsi) {
    for (int i = 1; i < kAisTargetCapacity; ++i) {
        gNow.second = static_cast<uint8_t>(i % 60);
        gNow.minute = static_cast<uint8_t>(i / 60 % 60);
        PositionReport r;
        r.mmsi = firstMmsi + static_cast<uint32_t>(i);
        ASSERT_EQ(Receive(state, Type1(r)).target, i);
    }
}

TEST_F(AisDecoderTest, FullTableReusesTheOldestEntry) {
    gNow.hour = 1;
    FillTable(*state, 200000000);
    ASSERT_EQ(Count(), kAisTargetCapacity);

    // Refresh entry 1, so entry 2 is now the oldest; give it data to lose.
    gNow.hour = 2;
    PositionReport r;
    r.mmsi = 200000001;
    Receive(*state, Type1(r));
    std::strcpy(Entry(2).name, "OLD NAME");
    std::strcpy(Entry(2).destination, "OLD PORT");
    Entry(2).toBow = 99;
    Entry(2).imo = 9999999;

    gNow.hour = 3;
    r.mmsi = 300000000;
    r.speedTenths = 10;
    const AisReceiveResult result = Receive(*state, Type1(r));
    ASSERT_EQ(result.target, 2);
    const AisTarget& t = Entry(2);
    EXPECT_EQ(t.mmsi, 300000000u);
    EXPECT_STREQ(t.name, "");
    EXPECT_STREQ(t.destination, "");
    EXPECT_EQ(t.toBow, 0);
    EXPECT_EQ(t.imo, 0u);
    EXPECT_EQ(t.targetClass, tcClassA);
    EXPECT_EQ(t.flags & 0x04, 0x04) << "DTE resets to 1";
    EXPECT_EQ(t.vdmCount, 1u);
    EXPECT_EQ(t.firstSeen.hour, 3);
    EXPECT_EQ(Count(), kAisTargetCapacity);
}

TEST_F(AisDecoderTest, FullTableWithEqualStampsReusesEntryOne) {
    FillTable(*state, 400000000);
    for (int i = 1; i < kAisTargetCapacity; ++i)
        Entry(i).lastUpdate = gNow;
    PositionReport r;
    r.mmsi = 1;
    EXPECT_EQ(Receive(*state, Type1(r)).target, 1);
    EXPECT_EQ(Entry(1).mmsi, 1u);
    // The table is searched before anything is reused.
    r.mmsi = 400000002;
    EXPECT_EQ(Receive(*state, Type1(r)).target, 2);
}

// The plain search the target table is specified with: entries in table order,
// entry 0 only once the own vessel's MMSI is known; else a new entry while
// there is room, else the first of the entries updated longest ago.
int ExpectedTarget(const AisTargetTable& table, uint32_t mmsi) {
    for (int i = table.entries[0].mmsi == 0 ? 1 : 0; i < table.count; ++i)
        if (table.entries[i].mmsi == mmsi) return i;
    if (table.count < kAisTargetCapacity) return std::max(table.count, 1);
    int oldest = 1;
    for (int i = 2; i < table.count; ++i)
        if (AisStampSeconds(table.entries[i].lastUpdate) <
            AisStampSeconds(table.entries[oldest].lastUpdate))
            oldest = i;
    return oldest;
}

TEST_F(AisDecoderTest, LookupAgreesWithAPlainSearchThroughReuse) {
    // More MMSIs than the table holds, drawn at random, so entries are reused
    // in a shifting order; MMSI 0 and own-vessel messages mixed in.
    std::mt19937 random(20240615);
    std::uniform_int_distribution<uint32_t> pick(0, 2599);
    for (int tick = 0; tick < 12000; ++tick) {
        gNow = {2024,
                6,
                15,
                static_cast<uint8_t>(tick / 3600),
                static_cast<uint8_t>(tick / 60 % 60),
                static_cast<uint8_t>(tick % 60)};
        const uint32_t drawn = pick(random);
        PositionReport r;
        r.mmsi = drawn < 5 ? 0 : 211000000 + drawn * 37;
        const bool own = drawn % 97 == 0;
        const AisTargetTable& table = state->decoder.targets;
        const int expected = own ? 0 : ExpectedTarget(table, r.mmsi);
        ASSERT_EQ(Receive(*state, Type1(r), own ? "VDO" : "VDM").target, expected)
            << "message " << tick << ", MMSI " << r.mmsi;
        if (!own) {
            ASSERT_EQ(table.entries[expected].mmsi, r.mmsi);
        }
    }
    EXPECT_EQ(Count(), kAisTargetCapacity);
}

// Messages whose bit count is no multiple of 8 (and of every fill-bit count)
// decode whole: the de-armoring keeps every bit, the unpacker what is there.
AisBitWriter LongRange(uint32_t mmsi, unsigned status, int lonTenthMinutes, int latTenthMinutes,
                       unsigned speed, unsigned course) {
    AisBitWriter w;
    w.Put(27, 6).Put(0, 2).Put(mmsi, 30).Put(1, 1).Put(1, 1).Put(status, 4);
    w.PutSigned(lonTenthMinutes, 18).PutSigned(latTenthMinutes, 17).Put(speed, 6);
    return w.Put(course, 9).Put(0, 1).Put(0, 1);
}

TEST_F(AisDecoderTest, LongRangeBroadcastAtEveryFillBitCount) {
    for (unsigned extra = 0; extra < 6; ++extra) { // 96 to 101 bits: fill 0, 5, 4, 3, 2, 1
        SCOPED_TRACE(extra);
        AisBitWriter w = LongRange(227006760 + extra, 5, -73620, 29558, 11, 254);
        w.PadTo(96 + extra);
        const AisReceiveResult result = Receive(*state, w);
        ASSERT_TRUE(result.complete);
        ASSERT_GE(result.target, 1);
        const AisTarget& t = Entry(result.target);
        EXPECT_EQ(t.mmsi, 227006760 + extra);
        EXPECT_EQ(t.targetClass, tcClassA);
        EXPECT_EQ(t.status >> 4, 5);
        EXPECT_FLOAT_EQ(t.longitude, -122.7f);
        EXPECT_FLOAT_EQ(t.latitude, 49.263332f);
        EXPECT_FLOAT_EQ(t.speed, 11.0f);
        EXPECT_FLOAT_EQ(t.course, 254.0f);
        EXPECT_EQ(t.flags & 3, 3); // position accuracy and RAIM
    }
    // Not available: type 1's values in the table.
    const AisReceiveResult result =
        Receive(*state, LongRange(227006999, 15, 108600, 54600, 63, 511));
    ASSERT_TRUE(result.complete);
    EXPECT_FLOAT_EQ(Entry(result.target).speed, 102.3f);
    EXPECT_FLOAT_EQ(Entry(result.target).course, 360.0f);
    EXPECT_FLOAT_EQ(Entry(result.target).longitude, 181.0f);
    EXPECT_FLOAT_EQ(Entry(result.target).latitude, 91.0f);
}

TEST_F(AisDecoderTest, StaticAndVoyageOf420BitsKeepsItsDestination) {
    AisBitWriter w;
    w.Put(5, 6).Put(0, 2).Put(351759000, 30).Put(0, 2).Put(9134270, 30).Text("3FOF8", 7);
    w.Text("EVER DIADEM", 20).Put(70, 8).Put((225u << 21) | (70u << 12) | (1u << 6) | 31u, 30);
    w.Put(1, 4).Put((5u << 16) | (15u << 11) | (14u << 6), 20).Put(122, 8).Text("NEW YORK", 20);
    ASSERT_EQ(w.Size(), 422u);
    for (const std::size_t bits : {420u, 422u, 424u}) { // fill 0, 4 and 2
        SCOPED_TRACE(bits);
        AisBitWriter message = w;
        const AisReceiveResult result = Receive(*state, message.PadTo(bits).CutTo(bits));
        ASSERT_TRUE(result.complete);
        const AisTarget& t = Entry(result.target);
        EXPECT_EQ(t.imo, 9134270u);
        EXPECT_EQ(std::string(t.callSign).substr(0, 5), "3FOF8");
        EXPECT_EQ(std::string(t.name).substr(0, 11), "EVER DIADEM");
        EXPECT_EQ(t.toBow, 225);
        EXPECT_EQ(t.toStarboard, 31);
        EXPECT_EQ(t.etaHour, 14);
        EXPECT_FLOAT_EQ(t.draught, 12.2f);
        EXPECT_EQ(std::string(t.destination).substr(0, 8), "NEW YORK");
    }
}

TEST_F(AisDecoderTest, TextMessagesOfAnyLength) {
    // Type 14 with 1 to 6 characters: 46 to 76 bits, fill 2.
    for (const std::string text : {"A", "SOS", "HELP", "MAYDAY"}) {
        AisBitWriter w;
        w.Put(14, 6).Put(0, 2).Put(351809000, 30).Put(0, 2).Text(text, text.size());
        ASSERT_TRUE(Receive(*state, w).complete) << text;
        EXPECT_STREQ(AisText(state->message, AisFieldOf(13, "safety related text")), text.c_str());
    }
    // Type 8 with 0 to 17 bits of binary data: the whole six-bit groups are
    // kept, the rest is dropped.
    for (unsigned extra = 0; extra < 18; ++extra) {
        AisBitWriter w;
        w.Put(8, 6).Put(0, 2).Put(2300050, 30).Put(0, 2).Put(1, 6).Put(235, 10);
        w.Put(0x3FFFF, extra);
        ASSERT_TRUE(Receive(*state, w).complete) << extra;
        EXPECT_EQ(AisU16(state->message, AisFieldOf(7, "application identifier, second part")),
                  235);
        EXPECT_EQ(std::string(AisText(state->message, AisFieldOf(7, "binary data"))),
                  std::string(extra / 6, '?'))
            << extra;
    }
}

} // namespace

} // namespace varo
