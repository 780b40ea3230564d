// The health figures fed with lines and bytes at chosen times.
#include <gtest/gtest.h>

#include <string>

#include "LinkHealth.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

constexpr const char* kGga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";

class LinkHealthTest : public testing::Test {
protected:
    LinkHealthTest() { health.Reset(start); }
    void Bytes(const std::string& bytes) {
        health.NoteBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    LinkHealth::Clock::time_point start{};
    LinkHealth health;
};

// A gateway sending 50 lines in one batch a second reads 50 lines/s at every
// half-second refresh, not 100 and 0 by turns.
TEST_F(LinkHealthTest, LinesPerSecondIsSteadyOverTheWindow) {
    for (int half = 1; half <= 30; ++half) {
        const auto now = start + half * 500ms;
        for (int line = 0; half % 2 == 1 && line < 50; ++line)
            health.NoteLine(kGga, now);
        health.Sample(now);
        if (half >= 12) {
            EXPECT_NEAR(health.LinesPerSecond(), 50.0, 5.5) << half;
        }
    }
}

// Bytes that are no text count as another speed until a good sentence shows
// the speed is right; after that they are damage, and the damaged share
// covers only the last window.
TEST_F(LinkHealthTest, BadBytesAtTheRightSpeedAreDamageAndTheShareForgetsOldNoise) {
    Bytes("\x81\x92\xF3");
    EXPECT_EQ(health.OtherSpeedBytes(), 3u);
    EXPECT_EQ(health.NoteLine(kGga, start), LineDrop::None);
    const std::string noisy = std::string(kGga) + "\xFF\xFE\r\n";
    for (int second = 1; second <= 5; ++second) {
        Bytes(noisy);
        health.Sample(start + second * 1s);
    }
    EXPECT_EQ(health.OtherSpeedBytes(), 3u);
    EXPECT_EQ(health.DamagedBytes(), 10u);
    EXPECT_GT(health.DamagedShare(), 0.01);
    for (int second = 6; second <= 12; ++second) {
        Bytes(std::string(kGga) + "\r\n");
        health.Sample(start + second * 1s);
    }
    EXPECT_EQ(health.DamagedShare(), 0.0);
}

TEST_F(LinkHealthTest, FailureCausesAreToldApart) {
    EXPECT_EQ(health.FailureCause(), LinkHealth::Cause::NothingReceived);
    EXPECT_FALSE(health.AnyLine());
    Bytes("\x81\x92");
    EXPECT_EQ(health.FailureCause(), LinkHealth::Cause::OtherSpeed);
    health.NoteLine(kGga, start);
    EXPECT_EQ(health.FailureCause(), LinkHealth::Cause::NoProbeAnswer);
    health.NoteLine("Model ID = (RZ-60)", start);
    EXPECT_EQ(health.FailureCause(), LinkHealth::Cause::NoStaticDataEnd);
}

} // namespace
} // namespace varo
