// What the composer writes, the parser reads back unchanged: for every
// formatter both know, random field sets (not-available values included) are
// composed, parsed and compared byte for byte.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "ComposeGenerators.h"
#include "sentence/Composer.h"
#include "sentence/SentenceParser.h"

namespace varo {
namespace {

constexpr const char* kComposedFormatters[] = {
    "ABK", "ABM", "ACK", "ALR", "BBM", "SSD", "VDM", "VDO", "VSD", "GBS", "GSA",
    "RMC", "HDT", "MID", "BDY", "TST", "CTT", "FRQ", "BTH", "DBG", "TPS", "MOB"};
constexpr int kSamplesPerFormatter = 3000;

// Positions pass through ddmm.mmmmm and the parser's single-precision
// arithmetic, so they come back within a few metres, not bit for bit.
constexpr float kPositionTolerance = 1e-4f;

void AcceptNearPosition(const LatLon& composed, LatLon& parsed) {
    if (std::fabs(composed.latitude - parsed.latitude) <= kPositionTolerance &&
        std::fabs(composed.longitude - parsed.longitude) <= kPositionTolerance) {
        parsed = composed;
    }
}

class ComposeRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(ComposeRoundTrip, ParsesBackToTheComposedValues) {
    const char* formatter = GetParam();
    testing::FieldGenerator generate(
        static_cast<std::uint32_t>(std::hash<std::string_view>{}(formatter)));
    for (int sample = 0; sample < kSamplesPerFormatter; ++sample) {
        SentenceRecord composed{};
        testing::GenerateSentence(formatter, generate, composed);
        char line[kLineBufferSize];
        ASSERT_TRUE(composeSentence(line, sizeof line, composed)) << formatter;
        const std::string text = line;

        SentenceRecord parsed;
        std::memset(&parsed, 0, sizeof parsed);
        ASSERT_TRUE(ParseSentence(line, parsed)) << text;
        EXPECT_STREQ(parsed.talker, composed.talker) << text;
        EXPECT_STREQ(parsed.formatter, composed.formatter) << text;
        EXPECT_EQ(parsed.commandChar, composed.commandChar) << text;
        if (std::strcmp(formatter, "RMC") == 0) {
            AcceptNearPosition(composed.payload.rmc.position, parsed.payload.rmc.position);
        }
        ASSERT_EQ(std::memcmp(&parsed.payload, &composed.payload, sizeof parsed.payload), 0)
            << text;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryComposedFormatter, ComposeRoundTrip,
                         ::testing::ValuesIn(kComposedFormatters),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace varo
