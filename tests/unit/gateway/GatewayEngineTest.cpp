// The gateway engine as a conversation written out line by line: what it
// sends, what it is told, and the one outcome each request ends in.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "config/FilterCatalog.h"
#include "gateway/GatewayEngine.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

constexpr std::int32_t kGga = 200000;
constexpr std::int32_t kRmc = 200005;

std::string Sentence(const std::string& body) {
    unsigned sum = 0;
    for (char c : body.substr(1))
        sum ^= static_cast<unsigned char>(c);
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X", sum);
    return body + tail;
}

// "$PCTT,R,200000,129025,1,..." from pairs of identifier and flag.
std::string CttAnswer(std::int32_t subject, const std::vector<std::pair<int, int>>& items) {
    std::string body = "$PCTT,R," + std::to_string(subject);
    for (std::size_t i = 0; i < 5; ++i) {
        if (i < items.size())
            body += "," + std::to_string(items[i].first) + "," + std::to_string(items[i].second);
        else
            body += ",,";
    }
    return Sentence(body);
}

std::vector<std::string> StaticBlock(int flowRate = 1, int nmeaBaud = 38400) {
    return {"NMEA Baud Rate = (" + std::to_string(nmeaBaud) + ")",
            "Debug Baud Rate = (115200)",
            "Database Version = (2100)",
            "Product Code = (1260)",
            "Model ID = (RZ-60)",
            "Software Version Code = (1.0.0.3)",
            "Model Version = (A)",
            "Model Serial Code = (0000001)",
            "Certification = (1)",
            "Time Interval sec = (" + std::to_string(flowRate) + ")",
            "[END OF STATIC DATA]"};
}

// The command's text without "$P" and checksum: "CTT,Q,200000,,,,,,,,,,".
std::string Bare(const std::string& line) {
    return line.substr(2, line.find('*') - 2);
}

class GatewayEngineTest : public ::testing::Test {
protected:
    GatewayEngine::Clock::time_point now{};
    GatewayEngine engine{38400, 1000ms};
    std::vector<GatewayOutcome> outcomes;

    void Submit(GatewayRequest request) {
        engine.Submit(
            std::move(request),
            [this](const GatewayOutcome& outcome) { outcomes.push_back(outcome); }, now);
    }
    std::vector<std::string> Sent() {
        std::vector<std::string> bare;
        for (const std::string& line : engine.TakeOutgoing())
            bare.push_back(Bare(line));
        return bare;
    }
    void Tell(const std::string& line) { engine.OnLine(line, now); }
    void Tell(const std::vector<std::string>& lines) {
        for (const std::string& line : lines)
            Tell(line);
    }
    void Wait(std::chrono::milliseconds time) {
        now += time;
        engine.OnTime(now);
    }
    // GGA's five outputs, all on but the ones named off.
    std::string GgaAnswer(int off = 0) {
        std::vector<std::pair<int, int>> items{
            {129025, 1}, {126992, 1}, {129033, 1}, {129539, 1}, {129029, 1}};
        for (auto& item : items)
            if (item.first == off) item.second = 0;
        return CttAnswer(kGga, items);
    }
    const GatewayOutcome& Last() const { return outcomes.back(); }
};

TEST_F(GatewayEngineTest, IdentifyReadsAWholeStaticDataBlock) {
    int shown = 0;
    engine.onStaticData = [&](const ProductInfo&) { ++shown; };
    Submit(GatewayRequest::Identify());
    EXPECT_EQ(Sent(), std::vector<std::string>{"TST,,,,,00016"});
    Tell(StaticBlock(3));
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(Last().outcome, Outcome::Confirmed);
    EXPECT_EQ(Last().info.flowRateSeconds, 3);
    EXPECT_STREQ(Last().info.modelId, "RZ-60");
    EXPECT_EQ(shown, 1);
}

// Noise that damages or loses a value line must not pass for the
// gateway's settings: the block is asked for once more, then reported lost.
TEST_F(GatewayEngineTest, ABlockWithALostOrDamagedValueLineIsAskedForOnceMoreThenNotRead) {
    std::vector<std::string> lost = StaticBlock();
    lost.erase(lost.begin() + 4); // Model ID
    std::vector<std::string> joined = StaticBlock();
    joined[6] = "Model Version = (A)Model Serial Code = (0000001)"; // a lost CR LF
    joined.erase(joined.begin() + 7);

    Submit(GatewayRequest::Identify());
    Sent();
    Tell(lost);
    EXPECT_TRUE(outcomes.empty());
    EXPECT_EQ(Sent(), std::vector<std::string>{"TST,,,,,00016"}) << "asked again at once";
    Tell(joined);
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(Last().outcome, Outcome::NoAnswer);
    EXPECT_EQ(StaticValueNames(Last().missing), "Model Version, Model Serial Code");
    EXPECT_FALSE(engine.LastInfo().has_value()) << "nothing was taken for the gateway's";

    Submit(GatewayRequest::Identify());
    Tell(lost);
    Tell(StaticBlock());
    EXPECT_EQ(Last().outcome, Outcome::Confirmed);
}

// A change is compared with the gateway's last report, never with what a
// screen believed, and confirmed only by its read-back.
TEST_F(GatewayEngineTest, FilterChangesAreSentAgainstTheLastReportAndReadBack) {
    Submit(GatewayRequest::QueryFilter(kGga));
    EXPECT_EQ(Sent(), std::vector<std::string>{"CTT,Q,200000,,,,,,,,,,"});
    Tell(GgaAnswer());
    ASSERT_EQ(Last().outcome, Outcome::Confirmed);
    EXPECT_EQ(Last().filter.flags, (std::vector<std::uint8_t>{1, 1, 1, 1, 1}));

    Submit(GatewayRequest::ChangeFilter(kGga, {1, 0, 1, 1, 1}));
    EXPECT_EQ(Sent(),
              (std::vector<std::string>{"CTT,C,200000,129025,1,126992,0,129033,1,129539,1,129029,1",
                                        "CTT,Q,200000,,,,,,,,,,"}));
    Tell(GgaAnswer(126992));
    EXPECT_EQ(Last().outcome, Outcome::Confirmed);

    // Ticked again: the gateway reported it off, so it is sent.
    Submit(GatewayRequest::ChangeFilter(kGga, {1, 1, 1, 1, 1}));
    EXPECT_EQ(Sent().size(), 2u);
    Tell(GgaAnswer());
    EXPECT_EQ(Last().outcome, Outcome::Confirmed);

    Submit(GatewayRequest::ChangeFilter(kGga, {1, 1, 1, 1, 1}));
    EXPECT_EQ(Last().outcome, Outcome::Refused);
    EXPECT_EQ(Last().refusal, Refusal::NothingToChange);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(GatewayEngineTest, AChangeTheReadBackDoesNotShowIsNotTaken) {
    Submit(GatewayRequest::QueryFilter(kGga));
    Tell(GgaAnswer());
    Submit(GatewayRequest::ChangeFilter(kGga, {1, 1, 0, 1, 1}));
    Tell(GgaAnswer()); // the change was lost on the line
    EXPECT_EQ(Last().outcome, Outcome::NotTaken);
    EXPECT_EQ(Last().filterDiffers, std::vector<std::size_t>{2});
    EXPECT_EQ(engine.ConfigReceived(kGga)->flags[2], 1) << "the report is the read-back";

    const FilterInput& gll = FilterInputs(true)[1];
    Submit(GatewayRequest::ChangeFilter(gll.input, std::vector<std::uint8_t>(gll.outputs.size())));
    EXPECT_EQ(Last().refusal, Refusal::NotReported) << "never read: nothing to compare with";
}

// RMC's seven outputs travel in two CTT items; only the item that differs is changed.
TEST_F(GatewayEngineTest, RmcIsReadInTwoItemsAndOnlyTheChangedItemIsSent) {
    Submit(GatewayRequest::QueryFilter(kRmc));
    EXPECT_EQ(Sent(), std::vector<std::string>{"CTT,Q,200005,,,,,,,,,,"});
    Tell(CttAnswer(kRmc, {{129025, 1}, {129026, 1}, {129029, 1}, {129033, 1}, {575256, 1}}));
    EXPECT_EQ(Sent(), std::vector<std::string>{"CTT,Q,200069,,,,,,,,,,"});
    Tell(CttAnswer(200069, {{126992, 1}, {127250, 0}, {127258, 1}}));
    ASSERT_EQ(Last().outcome, Outcome::Confirmed);
    EXPECT_EQ(Last().filter.flags, (std::vector<std::uint8_t>{1, 1, 1, 1, 1, 0, 1}));

    Submit(GatewayRequest::ChangeFilter(kRmc, {1, 1, 1, 1, 1, 1, 1}));
    const std::vector<std::string> sent = Sent();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].substr(0, 14), "CTT,C,200069,1");
    Tell(CttAnswer(200069, {{126992, 1}, {127250, 1}, {127258, 1}}));
    EXPECT_EQ(Last().outcome, Outcome::Confirmed);
}

// A request waits for the one before it; neither replaces the other, and
// each ends with its own outcome, in order.
TEST_F(GatewayEngineTest, ASecondRequestWaitsForTheFirst) {
    Submit(GatewayRequest::QueryFilter(kGga));
    Submit(GatewayRequest::QueryOutputs());
    EXPECT_EQ(Sent(), std::vector<std::string>{"CTT,Q,200000,,,,,,,,,,"});
    EXPECT_EQ(engine.ExpectedReplyId(), kGga);
    Tell(CttAnswer(200184, {{111111, 0}}));
    EXPECT_TRUE(outcomes.empty()) << "an answer about another item answers nothing";
    Tell(GgaAnswer());
    EXPECT_EQ(Sent(), std::vector<std::string>{"CTT,Q,200184,,,,,,,,,,"});
    Tell(CttAnswer(200184, {{111111, 0}, {111110, 0}, {111111, 0}, {111111, 0}, {100000, 0}}));
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(outcomes[0].request, GatewayRequest::Kind::QueryFilter);
    EXPECT_EQ(outcomes[1].request, GatewayRequest::Kind::QueryOutputs);
    EXPECT_TRUE(engine.Idle());
}

TEST_F(GatewayEngineTest, AnUnansweredRequestIsSentAgainOnceThenEndsWithNoAnswer) {
    Submit(GatewayRequest::QueryFilter(kGga));
    Sent();
    const auto deadline = *engine.Deadline();
    EXPECT_EQ(deadline - now, 1000ms + 520ms) << "the base and 2000 characters at 38400 baud";
    Wait(1519ms);
    EXPECT_TRUE(Sent().empty());
    Wait(1ms);
    EXPECT_EQ(Sent(), std::vector<std::string>{"CTT,Q,200000,,,,,,,,,,"});
    Wait(1520ms);
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(Last().outcome, Outcome::NoAnswer);
    Tell(GgaAnswer());
    EXPECT_EQ(outcomes.size(), 1u) << "a late answer has no second outcome";
}

// The defaults are every output on: a read-back with one still off is not
// a success, whatever it answered.
TEST_F(GatewayEngineTest, DefaultIsConfirmedOnlyWhenTheReadBackShowsTheDefaults) {
    Submit(GatewayRequest::RestoreDefaults(kGga));
    EXPECT_EQ(Sent(),
              (std::vector<std::string>{"CTT,C,32767,,,,,,,,,,", "CTT,Q,200184,,,,,,,,,,"}));
    Tell(CttAnswer(200184, {{111111, 0}, {111110, 0}, {111111, 0}, {111111, 0}, {100000, 0}}));
    Tell(GgaAnswer());
    EXPECT_EQ(Last().outcome, Outcome::Confirmed);

    Submit(GatewayRequest::RestoreDefaults());
    Sent();
    Tell(CttAnswer(200184, {{101111, 0}, {111110, 0}, {111111, 0}, {111111, 0}, {100000, 0}}));
    EXPECT_EQ(Last().outcome, Outcome::NotTaken);
    EXPECT_EQ(Last().outputDiffers, std::vector<int>{1}) << "GLL still off";
}

TEST_F(GatewayEngineTest, OutputChangesAreRefusedWhenThereIsNothingToSendOrTheStatesAreUnknown) {
    Submit(GatewayRequest::QueryOutputs());
    Sent();
    Tell(CttAnswer(200184, {{111111, 0}, {111110, 0}, {111111, 0}, {111111, 0}}));
    OutputReport report = Last().outputs;
    EXPECT_FALSE(report.known[24]) << "slot 5 left blank";

    SentenceStateTable states = report.states;
    states[24] = 9; // unknown, and nobody set it
    Submit(GatewayRequest::ChangeOutputs(states));
    EXPECT_EQ(Last().refusal, Refusal::StatesUnknown);
    states[24] = 1;
    Submit(GatewayRequest::ChangeOutputs(states));
    EXPECT_EQ(Sent(),
              (std::vector<std::string>{"CTT,A,200183,111111,0,111110,0,111111,0,111111,0,100000,0",
                                        "CTT,Q,200184,,,,,,,,,,"}));
    Tell(CttAnswer(200184, {{111111, 0}, {111110, 0}, {111111, 0}, {111111, 0}, {100000, 0}}));
    EXPECT_EQ(Last().outcome, Outcome::Confirmed);
    Submit(GatewayRequest::ChangeOutputs(states));
    EXPECT_EQ(Last().refusal, Refusal::NothingToChange);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(GatewayEngineTest, ALostPortEndsEveryRequestAtOnce) {
    Submit(GatewayRequest::QueryFilter(kGga));
    Submit(GatewayRequest::QueryOutputs());
    engine.OnPortLost();
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(outcomes[0].outcome, Outcome::PortLost);
    EXPECT_EQ(outcomes[1].outcome, Outcome::PortLost);
    EXPECT_TRUE(engine.Idle());
    EXPECT_FALSE(engine.Deadline().has_value());
}

// The flow rate is read back from the static data block; a block that was
// already on its way with the old rate is not taken for a refusal.
TEST_F(GatewayEngineTest, FlowRateIsConfirmedByTheStaticDataBlock) {
    Submit(GatewayRequest::SetFlowRate(6));
    EXPECT_EQ(Last().refusal, Refusal::OutOfRange);
    Submit(GatewayRequest::SetFlowRate(3));
    EXPECT_EQ(Sent(), (std::vector<std::string>{"DBG,013,3,,,,,,", "TST,,,,,00016"}));
    Tell(StaticBlock(1));
    EXPECT_EQ(outcomes.size(), 1u) << "the old rate: asked once more";
    EXPECT_EQ(Sent(), std::vector<std::string>{"TST,,,,,00016"});
    Tell(StaticBlock(1));
    EXPECT_EQ(Last().outcome, Outcome::NotTaken);
    EXPECT_EQ(Last().info.flowRateSeconds, 1);
    Submit(GatewayRequest::SetFlowRate(1));
    EXPECT_EQ(Last().refusal, Refusal::NothingToChange);
}

// The port follows the gateway to its new speed; without an answer there it
// goes back to see whether the gateway kept the old one.
TEST_F(GatewayEngineTest, BaudChangeFollowsTheGatewayAndComesBackWhenItDidNotTake) {
    Submit(GatewayRequest::SetBaudRate(9600));
    EXPECT_EQ(Sent(), std::vector<std::string>{"DBG,042,4,,,,,,"});
    EXPECT_FALSE(engine.TakeSpeedChange());
    Tell("NMEA Baud Rate = (9600)");
    EXPECT_EQ(engine.TakeSpeedChange(), 9600u);
    EXPECT_EQ(Sent(), std::vector<std::string>{"TST,,,,,00016"});
    Tell(StaticBlock(1, 9600));
    ASSERT_EQ(Last().outcome, Outcome::Confirmed);
    EXPECT_EQ(Last().baud, 9600u);

    Submit(GatewayRequest::SetBaudRate(4800));
    Wait(1000ms); // no echo
    EXPECT_EQ(engine.TakeSpeedChange(), 4800u);
    Wait(5200ms);
    Wait(5200ms); // nothing at 4800, asked twice
    EXPECT_EQ(engine.TakeSpeedChange(), 9600u);
    Tell(StaticBlock(1, 9600));
    EXPECT_EQ(Last().outcome, Outcome::NotTaken);
    EXPECT_EQ(Last().baud, 9600u);
    EXPECT_EQ(engine.BaudRate(), 9600u);
}

} // namespace
} // namespace varo
