// The field conversions: equality with the C library's strtol/strtod on their
// edge cases, and the position, time, date and hexadecimal rules.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "sentence/FieldConversions.h"

namespace varo {
namespace {

TEST(Conversion, IntegersMatchStrtolIncludingSaturation) {
    const char* inputs[] = {"",
                            " ",
                            "42",
                            "  -17",
                            "+8",
                            "\t5x",
                            "-",
                            "+-3",
                            "12abc",
                            "0042",
                            "x12",
                            "-0",
                            "9223372036854775807",
                            "9223372036854775808",
                            "-9223372036854775808",
                            "-9223372036854775809",
                            "99999999999999999999999",
                            "3.9",
                            "1e3",
                            "\v\f\r\n7"};
    for (const char* input : inputs) {
        EXPECT_EQ(ParseInteger(input), std::strtoll(input, nullptr, 10)) << '"' << input << '"';
    }
}

TEST(Conversion, NarrowedIntegersKeepTheirLowBits) {
    EXPECT_EQ(static_cast<std::int8_t>(ParseInteger("300")), 44);
    EXPECT_EQ(static_cast<std::int32_t>(ParseInteger("99999999999")),
              static_cast<std::int32_t>(99999999999LL));
}

TEST(Conversion, RealsMatchStrtod) {
    const char* inputs[] = {"",          " ",         "1.5",     "  -2.25",
                            "+3",        "-",         ".5",      "5.",
                            ".",         "1e3",       "1E-2",    "1e",
                            "1e+",       "2.5x",      "abc",     "+-1",
                            "0x1p4",     "0X.8",      "0x",      "0xg",
                            "inf",       "-Infinity", "nan",     "NAN(12)",
                            "1e400",     "-1e400",    "1e-400",  "4.9e-324",
                            "123456.78", "0000.0",    "\t 7.25", "1.7976931348623157e308"};
    for (const char* input : inputs) {
        const double expected = std::strtod(input, nullptr);
        const double actual = ParseDouble(input);
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(actual)) << '"' << input << '"';
        } else {
            EXPECT_EQ(actual, expected) << '"' << input << '"';
            EXPECT_EQ(std::signbit(actual), std::signbit(expected)) << '"' << input << '"';
        }
    }
}

TEST(Conversion, RealsNarrowToFloatWithoutUndefinedBehaviour) {
    EXPECT_EQ(ParseReal("1e39"), INFINITY);
    EXPECT_EQ(ParseReal("-1e39"), -INFINITY);
    EXPECT_EQ(ParseReal("0.1"), 0.1f);
}

TEST(Conversion, NmeaToDegreesLimitsAndConverts) {
    EXPECT_FLOAT_EQ(NmeaToDegrees(4807.038f, 90.0f), 48.1173f);
    EXPECT_EQ(NmeaToDegrees(9130.0f, 90.0f), 91.0f); // 91.5 degrees exceeds 90
    EXPECT_EQ(NmeaToDegrees(9000.0f, 90.0f), 90.0f);
    EXPECT_EQ(NmeaToDegrees(18030.0f, 180.0f), 181.0f);
    EXPECT_FLOAT_EQ(NmeaToDegrees(-4530.0f, 90.0f), -45.5f);
}

struct LatLonCase {
    const char* fields; // latitude,N/S,longitude,E/W,next
    float latitude;
    float longitude;
};

TEST(Conversion, LatLonHemispheresBlanksAndLimits) {
    const LatLonCase cases[] = {
        {"4807.038,N,01131.000,E,x", 48.1173f, 11.516667f},
        {"4807.038,S,01131.000,W,x", -48.1173f, -11.516667f},
        {" ,S, ,W,x", -91.0f, -181.0f},
        {"9130.0000,N,18100.0,E,x", 91.0f, 181.0f},
        {"4807.038,s,01131.000,w,x", 48.1173f, 11.516667f}, // hemisphere letters are upper case
    };
    for (const LatLonCase& c : cases) {
        char line[64];
        std::snprintf(line, sizeof line, "$,%s,", c.fields);
        NextField(line, ",");
        LatLon position{};
        const char* next = ParseLatLon(NextField(nullptr, ","), position);
        EXPECT_FLOAT_EQ(position.latitude, c.latitude) << c.fields;
        EXPECT_FLOAT_EQ(position.longitude, c.longitude) << c.fields;
        ASSERT_NE(next, nullptr);
        EXPECT_STREQ(next, "x");
    }
}

struct TimeCase {
    const char* field;
    int hour, minute, second, hundredths;
};

TEST(Conversion, UtcTimeWithHundredths) {
    const TimeCase cases[] = {
        {"123456.78", 12, 34, 56, 78},  {"000000", 0, 0, 0, 0},
        {"235959.5", 23, 59, 59, 50},   {"123519", 12, 35, 19, 0},
        {"010203.01", 1, 2, 3, 1},      {"123456.99", 12, 34, 56, 99},
        {"123456.999", 12, 34, 56, 99}, // would round up to 100 hundredths
        {"123456.02", 12, 34, 56, 2},   {"123456.70", 12, 34, 56, 70},
        {"123412.30", 12, 34, 12, 30},  {"000000.01", 0, 0, 0, 1},
    };
    for (const TimeCase& c : cases) {
        UtcTime time{};
        ConvertUtcTime(c.field, time);
        EXPECT_EQ(time.hour, c.hour) << c.field;
        EXPECT_EQ(time.minute, c.minute) << c.field;
        EXPECT_EQ(time.second, c.second) << c.field;
        EXPECT_EQ(time.hundredths, c.hundredths) << c.field;
    }
}

TEST(Conversion, BlankTimeLeavesHundredthsAndHugeTimesAreSafe) {
    UtcTime time{1, 2, 3, 42};
    ConvertUtcTime(" ", time);
    EXPECT_EQ(time.hour, 24);
    EXPECT_EQ(time.minute, 60);
    EXPECT_EQ(time.second, 60);
    EXPECT_EQ(time.hundredths, 42);
    for (const char* wild : {"1e300", "-1e300", "nan", "inf", "-123456.5"}) {
        ConvertUtcTime(wild, time); // must not trap (checked under UBSan)
    }
}

TEST(Conversion, Dates) {
    NmeaDate date{};
    ConvertDate("311299", date);
    EXPECT_EQ(date.year, 2099);
    EXPECT_EQ(date.month, 12);
    EXPECT_EQ(date.day, 31);
    ConvertDate("230394", date);
    EXPECT_EQ(date.year, 2094);
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.day, 23);
    ConvertDate(" ", date);
    EXPECT_EQ(date.year, 0);
    EXPECT_EQ(date.month, 0);
    EXPECT_EQ(date.day, 0);
}

TEST(Conversion, HexBytesAcceptUpperCaseOnly) {
    std::uint8_t byte = 7;
    EXPECT_TRUE(ParseHexByte("", byte));
    EXPECT_EQ(byte, 0);
    EXPECT_TRUE(ParseHexByte("A5", byte));
    EXPECT_EQ(byte, 0xA5);
    EXPECT_TRUE(ParseHexByte("1A5", byte)); // keeps the low eight bits
    EXPECT_EQ(byte, 0xA5);
    EXPECT_FALSE(ParseHexByte("a5", byte));
    EXPECT_FALSE(ParseHexByte("G", byte));
    EXPECT_FALSE(ParseHexByte(" 5", byte));
}

TEST(Conversion, NextFieldTrimsLeadingBlanksAndSharesItsCursor) {
    char line[] = "$A,  x,   ,y*";
    EXPECT_STREQ(NextField(line, ","), "$A");
    EXPECT_STREQ(NextField(nullptr, ","), "x");
    EXPECT_STREQ(NextField(nullptr, ","), "   "); // blanks only: unchanged
    EXPECT_STREQ(NextField(nullptr, "*,"), "y");  // only the first delimiter counts
    EXPECT_EQ(NextField(nullptr, ","), nullptr);
    EXPECT_EQ(NextField(nullptr, ","), nullptr); // stays exhausted
    EXPECT_TRUE(CountCommas("a,b,,c", 3));
    EXPECT_FALSE(CountCommas("a,b,,c", 2));
}

} // namespace
} // namespace varo
