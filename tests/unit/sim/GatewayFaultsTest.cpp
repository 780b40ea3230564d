// The fault options, seen through the tool's serial object.
#include "SimHarness.h"
#include "platform/ComFolder.h"
#include "sentence/SentenceParser.h"

#include <gtest/gtest.h>
#include <thread>

namespace varo {
namespace {

using namespace simtest;

bool HasValidChecksum(const std::string& line) {
    char text[300] = {};
    line.copy(text, 290);
    return varo::VerifyChecksum(text);
}

TEST(GatewayFaults, SilentAfterStopsAnswersAndOutput) {
    sim::SimOptions options;
    options.silentAfter = 0.4;
    SimHarness sim(options);
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(sim.Connect());
    ASSERT_TRUE(sim.Send("$PTST,,,,,00016"));
    ASSERT_NE(sim.WaitForPrefix("[END OF STATIC DATA]"), "");
    sim.Pump(500ms);
    sim.Raw.clear();
    ASSERT_TRUE(sim.Send("$PTST,,,,,00002"));
    ASSERT_TRUE(sim.Send("$PTST,,,,,00016"));
    sim.Pump(1200ms);
    EXPECT_EQ(sim.Raw, "");
    // The transcript still shows what the tool sent.
    EXPECT_EQ(sim.Transcript().back(), Bare("$PTST,,,,,00016"));
}

TEST(GatewayFaults, GarbageCorruptsOutputBytes) {
    sim::SimOptions options;
    options.garbageRate = 1.0;
    SimHarness sim(options);
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(sim.Connect());
    sim.Pump(1200ms);
    const std::vector<ReceivedLine> lines = sim.TakeLines();
    ASSERT_GT(lines.size(), 10u) << "line ends survive, so the lines still come";
    for (const ReceivedLine& line : lines)
        EXPECT_FALSE(HasValidChecksum(line.text)) << line.text;
}

TEST(GatewayFaults, LongLinesComeBetweenSentences) {
    sim::SimOptions options;
    options.longLines = true;
    SimHarness sim(options);
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(sim.Connect());
    ASSERT_NE(sim.WaitForPrefix("$GPGLL"), "");
    const std::vector<ReceivedLine> lines = sim.TakeLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_TRUE(lines[0].text.starts_with("$GPGGA"));
    EXPECT_GT(lines[1].text.size(), 82u);
    EXPECT_TRUE(lines[2].text.starts_with("$GPGLL"));
}

TEST(GatewayFaults, NoStaticEndLeavesOutTheMarker) {
    sim::SimOptions options;
    options.noStaticEnd = true;
    SimHarness sim(options);
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(sim.Connect());
    ASSERT_TRUE(sim.Send("$PTST,,,,,00016"));
    EXPECT_EQ(sim.WaitForPrefix("Time Interval sec"), "Time Interval sec = (0)");
    EXPECT_EQ(sim.WaitForPrefix("[END OF STATIC DATA]", 1200ms), "");
}

TEST(GatewayFaults, DropAndReturnUnderTheSameNumber) {
    sim::SimOptions options;
    options.dropAfter = 0.3;
    options.returnAfter = 0.4;
    SimHarness sim(options);
    ASSERT_TRUE(sim.Start());
    const int number = sim.Gateway->ComNumber();
    const std::string link = platform::ComLinkPath(sim.Folder.Path.string(), number);
    ASSERT_TRUE(sim.Connect());
    ASSERT_TRUE(platform::IsPresentTty(link));

    std::this_thread::sleep_for(450ms);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
    EXPECT_EQ(sim.Gateway->DevicePath(), "");
    sim.Pump(100ms); // the tool sees its device hang up

    std::this_thread::sleep_for(400ms);
    EXPECT_EQ(sim.Gateway->ComNumber(), number);
    ASSERT_TRUE(platform::IsPresentTty(link));
    ASSERT_TRUE(sim.Connect());
    ASSERT_TRUE(sim.Send("$PTST,,,,,00016"));
    EXPECT_NE(sim.WaitForPrefix("[END OF STATIC DATA]"), "");
}

} // namespace

} // namespace varo
