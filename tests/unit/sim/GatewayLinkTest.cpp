// The simulated gateway seen through the tool's serial object.
#include "SimHarness.h"
#include "platform/ComFolder.h"
#include "sentence/SentenceParser.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace varo {
namespace {

using namespace simtest;

const std::vector<std::string> kStaticBlock = {
    "NMEA Baud Rate = (38400)", "Debug Baud Rate = (115200)",   "Database Version = (2100)",
    "Product Code = (1260)",    "Model ID = (RZ-60)",           "Software Version Code = (2.0.1)",
    "Model Version = (B)",      "Model Serial Code = (SN-777)", "Certification = (1)",
    "Time Interval sec = (0)",  "[END OF STATIC DATA]",
};

sim::SimOptions IdentityOptions() {
    sim::SimOptions options;
    options.softwareVersion = "2.0.1";
    options.modelVersion = "B";
    options.modelSerial = "SN-777";
    return options;
}

bool IsValidSentence(const std::string& line) {
    if (line.size() > 82) return false;
    char text[100] = {};
    line.copy(text, 96);
    std::strcat(text, "\r\n");
    return varo::VerifyChecksum(text);
}

// The static block lines received after a probe, up to and including the end marker.
std::vector<std::string> StaticLines(SimHarness& sim) {
    std::vector<std::string> block;
    const std::string end = sim.WaitForPrefix("[END OF STATIC DATA]");
    for (const ReceivedLine& line : sim.TakeLines())
        if (line.text.find(" = (") != std::string::npos || line.text == end)
            block.push_back(line.text);
    return block;
}

TEST(GatewayLink, PublishesItsPortAndRemovesItOnStop) {
    SimHarness sim;
    ASSERT_TRUE(sim.Start());
    const std::string link =
        platform::ComLinkPath(sim.Folder.Path.string(), sim.Gateway->ComNumber());
    EXPECT_EQ(sim.Gateway->ComNumber(), 1);
    EXPECT_TRUE(platform::IsPresentTty(link));
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), sim.Gateway->DevicePath());
    sim.Gateway->Stop();
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

TEST(GatewayLink, ProbeAtTheRightSpeedYieldsTheStaticBlock) {
    SimHarness sim(IdentityOptions());
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(sim.Connect(TBaudRate::br38400));
    sim.TakeLines();
    ASSERT_TRUE(sim.Send("$PTST,,,,,00016"));
    EXPECT_EQ(StaticLines(sim), kStaticBlock);

    // Entering and leaving the configuration page is acknowledged silently.
    sim.Lines.clear();
    sim.Taken = 0;
    ASSERT_TRUE(sim.Send("$PTST,,,,,00002"));
    ASSERT_TRUE(sim.Send("$PTST,,,,,00000"));
    EXPECT_EQ(sim.WaitForPrefix("NMEA Baud", 600ms), "");
}

TEST(GatewayLink, AtTheWrongSpeedNothingIsUnderstoodOrUsable) {
    SimHarness sim;
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(sim.Connect(TBaudRate::br9600));
    ASSERT_TRUE(sim.Send("$PTST,,,,,00016"));
    sim.Pump(1300ms);
    EXPECT_FALSE(sim.Raw.empty()) << "the output turns into noise, not silence";
    // As from a real UART: short junk lines, none of them a sentence.
    EXPECT_NE(sim.Raw.find("\r\n"), std::string::npos);
    EXPECT_EQ(sim.Raw.find("$GP"), std::string::npos);
    const std::vector<std::string> transcript = sim.Transcript();
    ASSERT_EQ(transcript.size(), 1u);
    EXPECT_EQ(transcript[0], "# wrong speed: " + Bare("$PTST,,,,,00016"));
}

TEST(GatewayLink, CttQueriesAnswerTheFilterRowsAndTheOutputStates) {
    SimHarness sim;
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(sim.Connect());
    const struct {
        const char* query;
        const char* answer;
    } cases[] = {
        {"$PCTT,Q,200005,,,,,,,,,,", "$PCTT,R,200005,129025,1,129026,1,129029,1,129033,1,575256,1"},
        {"$PCTT,Q,200069,,,,,,,,,,", "$PCTT,R,200069,126992,1,127250,1,127258,1,,,,"},
        {"$PCTT,Q,200184,,,,,,,,,,", "$PCTT,R,200184,111111,0,111110,0,111111,0,111111,0,100000,0"},
        {"$PCTT,Q,200028,,,,,,,,,,", "$PCTT,R,200028,210028,1,,,,,,,,"},
        {"$PCTT,Q,123456,,,,,,,,,,", "$PCTT,R,123456,,,,,,,,,,"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(sim.Send(c.query));
        EXPECT_EQ(sim.WaitForPrefix("$PCTT"), Bare(c.answer)) << c.query;
        sim.TakeLines();
        sim.Lines.clear();
        sim.Taken = 0;
    }
}

TEST(GatewayLink, ChangesAreKeptUntilTheDefaultsAreRestored) {
    SimHarness sim;
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(sim.Connect());
    const auto answerFor = [&](const std::string& command) {
        sim.Lines.clear();
        sim.Taken = 0;
        EXPECT_TRUE(sim.Send(command));
        return sim.WaitForPrefix("$PCTT");
    };
    // The change answers like a query; a later query returns it.
    const std::string changed = "$PCTT,R,200000,129025,0,126992,1,129033,0,129539,1,129029,1";
    EXPECT_EQ(answerFor("$PCTT,C,200000,129025,0,126992,1,129033,0,129539,1,129029,1"),
              Bare(changed));
    EXPECT_EQ(answerFor("$PCTT,Q,200000,,,,,,,,,,"), Bare(changed));
    // A pair whose identifier is not the row's is ignored; the AIS alias is accepted.
    answerFor("$PCTT,C,200010,999,0,,,,,,,,");
    EXPECT_EQ(answerFor("$PCTT,Q,200010,,,,,,,,,,"), Bare("$PCTT,R,200010,127250,1,,,,,,,,"));
    EXPECT_EQ(answerFor("$PCTT,C,200029,210028,0,,,,,,,,"),
              Bare("$PCTT,R,200029,210028,0,,,,,,,,"));
    // The output states: applied, then reported.
    sim.Send("$PCTT,A,200183,101010,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(answerFor("$PCTT,Q,200184,,,,,,,,,,"),
              Bare("$PCTT,R,200184,101010,0,0,0,0,0,0,0,0,0"));

    answerFor("$PCTT,C,32767,,,,,,,,,,");
    EXPECT_EQ(answerFor("$PCTT,Q,200000,,,,,,,,,,"),
              Bare("$PCTT,R,200000,129025,1,126992,1,129033,1,129539,1,129029,1"));
    EXPECT_EQ(answerFor("$PCTT,Q,200029,,,,,,,,,,"), Bare("$PCTT,R,200029,210028,1,,,,,,,,"));
    EXPECT_EQ(answerFor("$PCTT,Q,200184,,,,,,,,,,"),
              Bare("$PCTT,R,200184,111111,0,111110,0,111111,0,111111,0,100000,0"));
}

TEST(GatewayLink, Dbg42AnswersAtTheOldSpeedThenSwitches) {
    SimHarness sim;
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(sim.Connect(TBaudRate::br38400));
    ASSERT_TRUE(sim.Send("$PDBG,042,4,,,,,,"));
    EXPECT_EQ(sim.WaitForPrefix("NMEA Baud Rate"), "NMEA Baud Rate = (9600)");
    sim.Pump(200ms);
    sim.Raw.clear();
    ASSERT_TRUE(sim.Send("$PTST,,,,,00016"));
    sim.Pump(1200ms);
    EXPECT_EQ(sim.Raw.find("Baud Rate"), std::string::npos) << "38400 no longer works";

    // The ZQT form switches too, once reconnected at the new speed.
    ASSERT_TRUE(sim.Connect(TBaudRate::br9600));
    ASSERT_TRUE(sim.Send("$PZQT,K,DBG,042,5,,,,,,"));
    EXPECT_EQ(sim.WaitForPrefix("NMEA Baud Rate"), "NMEA Baud Rate = (4800)");
    ASSERT_TRUE(sim.Connect(TBaudRate::br4800));
    ASSERT_TRUE(sim.Send("$PTST,,,,,00016"));
    EXPECT_EQ(sim.WaitForPrefix("NMEA Baud Rate"), "NMEA Baud Rate = (4800)");
}

TEST(GatewayLink, Dbg13SetsTheFlowRateWithinItsRange) {
    SimHarness sim;
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(sim.Connect());
    const auto reported = [&] {
        sim.Lines.clear();
        sim.Taken = 0;
        sim.Send("$PTST,,,,,00016");
        return sim.WaitForPrefix("Time Interval sec");
    };
    sim.Send("$PDBG,013,3,000,0,000,0,000,0");
    EXPECT_EQ(reported(), "Time Interval sec = (3)");
    sim.Send("$PDBG,013,6,,,,,,");
    sim.Send("$PZQT,A,DBG,013,-1,,,,,,");
    EXPECT_EQ(reported(), "Time Interval sec = (3)");
}

TEST(GatewayLink, OutputFollowsTheStatesAndTheFlowRate) {
    SimHarness sim;
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(sim.Connect());
    // All on at start: every line is a valid sentence, both GNSS talkers and AIS appear.
    ASSERT_NE(sim.WaitForPrefix("!AIVDM"), "");
    std::vector<std::string> formatters;
    for (const ReceivedLine& line : sim.TakeLines()) {
        EXPECT_TRUE(IsValidSentence(line.text)) << line.text;
        formatters.push_back(line.text.substr(1, 5));
    }
    for (const char* expected :
         {"GPGGA", "GPGLL", "GNGSA", "GPGSV", "GNRMC", "GPVTG", "GPZDA", "HEHDT", "HCHDG", "TIROT",
          "SDDPT", "SDDBT", "WIMWV", "YXMTW", "VWVHW", "AIVDM"})
        EXPECT_NE(std::find(formatters.begin(), formatters.end(), expected), formatters.end())
            << expected;

    // Only GGA and HDT on, one batch every two seconds.
    sim.Send("$PCTT,A,200183,100000,0,001000,0,0,0,0,0,0,0");
    sim.Send("$PDBG,013,2,,,,,,");
    sim.Pump(1100ms); // the batch already due may still come
    sim.TakeLines();
    sim.Pump(2600ms);
    std::vector<ReceivedLine> gga;
    for (const ReceivedLine& line : sim.TakeLines()) {
        EXPECT_TRUE(line.text.starts_with("$GPGGA") || line.text.starts_with("$HEHDT"))
            << line.text;
        if (line.text.starts_with("$GPGGA")) gga.push_back(line);
    }
    ASSERT_GE(gga.size(), 1u);
    EXPECT_LE(gga.size(), 2u);
    if (gga.size() == 2) {
        EXPECT_GT(gga[1].at - gga[0].at, 1700ms);
    }
}

TEST(GatewayLink, TranscriptRecordsEveryLineAndMarksTheUnreadable) {
    SimHarness sim;
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(sim.Connect());
    sim.SendRaw(Sentence("$PTST,,,,,00016"));
    sim.SendRaw("$PTST,,,,,00016*00\r\n");
    sim.SendRaw("hello\r\n");
    sim.SendRaw("$GPHDT,12.0,T");
    sim.SendRaw(std::string("*") + "\r\n");
    ASSERT_NE(sim.WaitForPrefix("[END OF STATIC DATA]"), "");
    sim.Pump(100ms);
    const std::vector<std::string> expected = {Bare("$PTST,,,,,00016"),
                                               "# rejected: $PTST,,,,,00016*00",
                                               "# rejected: hello", "# rejected: $GPHDT,12.0,T*"};
    EXPECT_EQ(sim.Transcript(), expected);
}

} // namespace

} // namespace varo
