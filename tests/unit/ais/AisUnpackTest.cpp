#include "AisTestSupport.h"
#include "ais/AisFieldValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace varo {
namespace {

AisBitBuffer BitsOf(const AisBitWriter& w) {
    int8_t fill = 0;
    const std::string payload = w.Armor(fill);
    AisAssembly assembly;
    AddFragment(MakeFragment("VDM", 1, 1, -128, payload.c_str(), fill), assembly);
    AisBitBuffer bits;
    EXPECT_TRUE(Dearmor(assembly, bits));
    return bits;
}

constexpr int kType1 = 0;

TEST(AisUnpack, PositionReportFields) {
    PositionReport r;
    r.mmsi = 371798000;
    r.navStatus = 5;
    r.rateOfTurn = -10;
    r.speedTenths = 123;
    r.lonTenThousandthMinutes = -74037230; // -123.3953833 degrees
    r.latTenThousandthMinutes = 29028980;  // 48.3816333 degrees
    r.courseTenths = 2240;
    r.heading = 215;
    r.raim = 1;
    AisMessageRecord m;
    ASSERT_TRUE(UnpackMessage(BitsOf(Type1(r)), m));
    EXPECT_EQ(m.bytes[0], 1);
    EXPECT_EQ(AisU32(m, AisFieldOf(kType1, "MMSI")), 371798000u);
    EXPECT_EQ(AisU8(m, AisFieldOf(kType1, "navigational status")), 5);
    const double rate = 10 * 0.2112824846820198761;
    EXPECT_FLOAT_EQ(AisFloat(m, AisFieldOf(kType1, "rate of turn")), float(-rate * rate));
    EXPECT_FLOAT_EQ(AisFloat(m, AisFieldOf(kType1, "speed over ground")), 12.3f);
    EXPECT_NEAR(AisFloat(m, AisFieldOf(kType1, "longitude")), -123.3953833, 1e-5);
    EXPECT_NEAR(AisFloat(m, AisFieldOf(kType1, "latitude")), 48.3816333, 1e-5);
    EXPECT_FLOAT_EQ(AisFloat(m, AisFieldOf(kType1, "course over ground")), 224.0f);
    EXPECT_EQ(AisU16(m, AisFieldOf(kType1, "true heading")), 215);
    EXPECT_EQ(AisU8(m, AisFieldOf(kType1, "time stamp")), 30);
    EXPECT_EQ(AisU8(m, AisFieldOf(kType1, "RAIM flag")), 1);
    EXPECT_EQ(AisU32(m, AisFieldOf(kType1, "communication state")), 0x12345u);
}

TEST(AisUnpack, HeadingOf360OrMoreIsNotAvailable) {
    for (const auto& [raw, stored] :
         {std::pair{359u, 359}, {360u, 511}, {400u, 511}, {511u, 511}}) {
        PositionReport r;
        r.heading = raw;
        AisMessageRecord m;
        ASSERT_TRUE(UnpackMessage(BitsOf(Type1(r)), m));
        EXPECT_EQ(AisU16(m, AisFieldOf(kType1, "true heading")), stored) << raw;
    }
}

TEST(AisUnpack, ShortMessageStopsAtTheFirstFieldItCannotHold) {
    PositionReport r;
    r.mmsi = 1;
    r.lonTenThousandthMinutes = 600000;
    r.latTenThousandthMinutes = 600000;
    r.courseTenths = 100;
    r.heading = 10;
    AisBitBuffer bits = BitsOf(Type1(r));
    bits.bitCount = 100; // the longitude ends at bit 89, the latitude at 116
    AisMessageRecord m;
    m.bytes[100] = 0xEE;
    ASSERT_TRUE(UnpackMessage(bits, m));
    EXPECT_FLOAT_EQ(AisFloat(m, AisFieldOf(kType1, "longitude")), 1.0f);
    EXPECT_EQ(AisFloat(m, AisFieldOf(kType1, "latitude")), 0.0f);
    EXPECT_EQ(AisFloat(m, AisFieldOf(kType1, "course over ground")), 0.0f);
    EXPECT_EQ(AisU16(m, AisFieldOf(kType1, "true heading")), 0);
    EXPECT_EQ(AisU32(m, AisFieldOf(kType1, "communication state")), 0u);
    EXPECT_EQ(m.bytes[100], 0) << "the record is cleared first";
}

TEST(AisUnpack, InvalidMessageTypeFails) {
    for (unsigned type : {0u, 28u, 63u}) {
        AisMessageRecord m;
        EXPECT_FALSE(UnpackMessage(BitsOf(AisBitWriter().Put(type, 6).PadTo(168)), m)) << type;
    }
}

// The named values of a record, as decode prints them.
std::string ValueOf(const AisMessageRecord& m, std::string_view name) {
    for (const AisNamedValue& named : AisMessageValues(m)) {
        if (named.field->name != name) continue;
        if (named.value.kind == AisFieldValue::Kind::Binary)
            return std::to_string(named.value.integer) + ":" + AisBinaryHex(named.value);
        return std::to_string(named.value.integer);
    }
    return "absent";
}

TEST(AisUnpack, BinaryMessagesFollowTheirFlags) {
    // Type 25, addressed and structured: 40 + 32 + 16 bits, then 12 bits of data.
    AisBitWriter single;
    single.Put(25, 6).Put(0, 2).Put(123456789, 30).Put(1, 1).Put(1, 1);
    single.Put(987654321, 30).Put(0, 2).Put(235, 10).Put(10, 6).Put(0xABC, 12);
    AisMessageRecord m;
    ASSERT_TRUE(UnpackMessage(BitsOf(single), m));
    EXPECT_EQ(AisRecordLayout(m), &AisFieldLayoutTable[kAisLayoutType25 + 3]);
    EXPECT_EQ(ValueOf(m, "destination MMSI"), "987654321");
    EXPECT_EQ(ValueOf(m, "designated area code"), "235");
    EXPECT_EQ(ValueOf(m, "function identifier"), "10");
    EXPECT_EQ(ValueOf(m, "binary data"), "12:ABC0");

    // Type 26, neither: the data, then the radio status in the last 20 bits.
    AisBitWriter multiple;
    multiple.Put(26, 6).Put(1, 2).Put(211000001, 30).Put(0, 1).Put(0, 1);
    multiple.Put(0xBEEF, 16).Put(1, 1).Put(0x12345, 19);
    ASSERT_TRUE(UnpackMessage(BitsOf(multiple), m));
    EXPECT_EQ(AisRecordLayout(m), &AisFieldLayoutTable[kAisLayoutType26]);
    EXPECT_EQ(ValueOf(m, "destination MMSI"), "absent");
    EXPECT_EQ(ValueOf(m, "binary data"), "16:BEEF");
    EXPECT_EQ(ValueOf(m, "communication state selector"), "1");
    EXPECT_EQ(ValueOf(m, "communication state"), std::to_string(0x12345));

    // Too short for its radio status: the fields before the data only.
    ASSERT_TRUE(UnpackMessage(BitsOf(AisBitWriter(multiple).CutTo(50)), m));
    EXPECT_EQ(ValueOf(m, "source MMSI"), "211000001");
    EXPECT_EQ(ValueOf(m, "binary data"), "0:");
}

TEST(AisUnpack, StaticReportPartSelectsTheLayout) {
    AisBitWriter partA;
    partA.Put(24, 6).Put(0, 2).Put(338123456, 30).Put(0, 2).Text("SEA BREEZE", 20);
    AisMessageRecord m;
    ASSERT_TRUE(UnpackMessage(BitsOf(partA), m));
    EXPECT_EQ(m.bytes[6], 0);
    EXPECT_STREQ(AisText(m, AisFieldOf(23, "name")), "SEA BREEZE@@@@@@@@@@");

    AisBitWriter partB;
    partB.Put(24, 6).Put(0, 2).Put(338123456, 30).Put(1, 2).Put(37, 8).Text("VEND", 7);
    partB.Text("WDE1234", 7).Put((10u << 21) | (5u << 12) | (2u << 6) | 3u, 30).Put(0, 6);
    ASSERT_TRUE(UnpackMessage(BitsOf(partB), m));
    EXPECT_EQ(m.bytes[6], 1);
    EXPECT_EQ(AisRecordLayout(m), &AisFieldLayoutTable[kAisLayoutPartB]);
    EXPECT_EQ(AisU8(m, AisFieldOf(24, "type of ship and cargo")), 37);
    EXPECT_STREQ(AisText(m, AisFieldOf(24, "vendor identifier")), "VEND@@@");
    EXPECT_STREQ(AisText(m, AisFieldOf(24, "call sign")), "WDE1234");
}

AisBitWriter ChannelManagement(unsigned addressed) {
    AisBitWriter w;
    w.Put(22, 6).Put(0, 2).Put(2268120, 30).Put(0, 2).Put(2087, 12).Put(2088, 12).Put(0, 4);
    w.Put(0, 1);
    if (addressed)
        w.Put(211000001, 30).Put(0, 5).Put(211000002, 30).Put(0, 5);
    else
        w.PutSigned(-600, 18).PutSigned(300, 17).PutSigned(-1200, 18).PutSigned(-300, 17);
    w.Put(addressed, 1).Put(0, 1).Put(1, 1).Put(4, 3).Put(0, 23);
    return w;
}

TEST(AisUnpack, ChannelManagementKeepsTheDestinationsOfAnAddressedMessage) {
    AisMessageRecord m;
    ASSERT_TRUE(UnpackMessage(BitsOf(ChannelManagement(1)), m));
    EXPECT_EQ(m.bytes[29], 1);
    uint32_t first = 0, second = 0;
    std::memcpy(&first, m.bytes + kAisType22DestinationsOffset, 4);
    std::memcpy(&second, m.bytes + kAisType22DestinationsOffset + 4, 4);
    EXPECT_EQ(first, 211000001u);
    EXPECT_EQ(second, 211000002u);

    ASSERT_TRUE(UnpackMessage(BitsOf(ChannelManagement(0)), m));
    EXPECT_EQ(m.bytes[29], 0);
    std::memcpy(&first, m.bytes + kAisType22DestinationsOffset, 4);
    EXPECT_EQ(first, 0u);
    EXPECT_FLOAT_EQ(AisFloat(m, AisFieldOf(21, "north-east longitude")), -1.0f);
    EXPECT_FLOAT_EQ(AisFloat(m, AisFieldOf(21, "south-west latitude")), -0.5f);
    EXPECT_EQ(AisU8(m, AisFieldOf(21, "transitional zone size")), 4);
}

TEST(AisUnpack, TextToEndTakesWholeCharactersLeft) {
    AisBitWriter w;
    w.Put(14, 6).Put(0, 2).Put(351809000, 30).Put(0, 2).Text("RCVD YR TEST MSG", 16);
    // 144 bits: 104 after the fixed fields, 17 characters and 2 bits.
    AisBitBuffer bits = BitsOf(w.PadTo(144));
    AisMessageRecord m;
    ASSERT_TRUE(UnpackMessage(bits, m));
    EXPECT_STREQ(AisText(m, AisFieldOf(13, "safety related text")), "RCVD YR TEST MSG@");

    bits.bitCount = 45; // one bit short of the first character
    ASSERT_TRUE(UnpackMessage(bits, m));
    EXPECT_STREQ(AisText(m, AisFieldOf(13, "safety related text")), "");

    // The longest message fills the record exactly.
    AisBitWriter longest;
    longest.Put(8, 6).Put(0, 2).Put(1, 30).Put(0, 2).Put(1, 6).Put(2, 10);
    longest.Text(std::string(160, 'Z'), 160);
    bits = BitsOf(longest);
    ASSERT_EQ(bits.bitCount, kAisBitCapacity);
    ASSERT_TRUE(UnpackMessage(bits, m));
    EXPECT_EQ(std::string(AisText(m, AisFieldOf(7, "binary data"))), std::string(160, 'Z'));
}

TEST(AisUnpack, BitCountBeyondTheDataAreaIsBounded) {
    AisBitBuffer bits = BitsOf(AisBitWriter().Put(8, 6).PadTo(168));
    bits.bitCount = 65535;
    AisMessageRecord m;
    ASSERT_TRUE(UnpackMessage(bits, m));
    EXPECT_EQ(std::strlen(AisText(m, AisFieldOf(7, "binary data"))), 160u);
}

} // namespace

} // namespace varo
