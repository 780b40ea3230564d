// The simulator's parts on their own: options, AIS packing, output
// selection, pacing, sentences and the command answers.
#include "SimHarness.h"
#include "sentence/SentenceParser.h"
#include "sim/AisPayload.h"
#include "sim/AisTraffic.h"
#include "sim/GatewayCommands.h"
#include "sim/OutputBatch.h"
#include "sim/OutputQueue.h"
#include "sim/SimOptions.h"

#include <gtest/gtest.h>

namespace varo {
namespace {

using namespace std::chrono_literals;

// Reads the bits of an armored payload back.
class BitReader {
public:
    explicit BitReader(const std::string& payload) {
        for (char c : payload) {
            int v = c - 48;
            if (v > 40) v -= 8;
            for (int i = 5; i >= 0; --i)
                FBits.push_back((v >> i) & 1);
        }
    }
    std::int64_t Unsigned(unsigned width) {
        std::int64_t v = 0;
        for (unsigned i = 0; i < width; ++i)
            v = (v << 1) | FBits.at(FPos++);
        return v;
    }
    std::int64_t Signed(unsigned width) {
        const std::int64_t v = Unsigned(width);
        return v >= (std::int64_t{1} << (width - 1)) ? v - (std::int64_t{1} << width) : v;
    }
    std::string Text(unsigned chars) {
        std::string text;
        for (unsigned i = 0; i < chars; ++i) {
            const auto v = static_cast<char>(Unsigned(6));
            text.push_back(v < 32 ? char(v + 64) : v);
        }
        return text;
    }
    void Skip(unsigned width) { FPos += width; }

private:
    std::vector<int> FBits;
    std::size_t FPos = 0;
};

TEST(SimOptions, ReadsEveryKindOfValueAndRefusesBadOnes) {
    sim::SimOptions options;
    bool help = false;
    std::string error;
    ASSERT_TRUE(sim::ParseSimOptions(
        {"--com", "7", "--baud=9600", "--silent-after", "0.25", "--garbage", "0.1", "--long-lines",
         "--drop-after", "1.5", "--return-after", "2", "--model-serial", "X9", "--flood",
         "--ignore-commands", "--drop-commands", "0.5", "--reply-delay=0.3"},
        options, help, error))
        << error;
    EXPECT_EQ(options.comNumber, 7);
    EXPECT_EQ(options.nmeaBaud, 9600u);
    EXPECT_DOUBLE_EQ(options.silentAfter, 0.25);
    EXPECT_DOUBLE_EQ(options.garbageRate, 0.1);
    EXPECT_TRUE(options.longLines && options.flood);
    EXPECT_DOUBLE_EQ(options.returnAfter, 2.0);
    EXPECT_EQ(options.modelSerial, "X9");
    EXPECT_TRUE(options.ignoreCommands);
    EXPECT_DOUBLE_EQ(options.dropCommands, 0.5);
    EXPECT_DOUBLE_EQ(options.replyDelay, 0.3);
    EXPECT_FALSE(help);

    const std::vector<std::vector<std::string>> refused = {
        {"--baud", "19200"},      {"--com", "0"},          {"--garbage", "1.5"},
        {"--silent-after", "-1"}, {"--silent-after", "x"}, {"--flow-rate", "6"},
        {"--model-id", "A)B"},    {"--return-after", "1"}, {"--bogus"},
        {"--transcript"},         {"--flood=1"},           {"--drop-commands", "2"},
        {"--reply-delay", "-1"},
    };
    for (const auto& arguments : refused) {
        sim::SimOptions fresh;
        EXPECT_FALSE(sim::ParseSimOptions(arguments, fresh, help, error)) << arguments[0];
        EXPECT_FALSE(error.empty());
    }
    EXPECT_TRUE(sim::ParseSimOptions({"--help"}, options, help, error));
    EXPECT_TRUE(help);
}

TEST(SimOptions, HelpNamesEveryOption) {
    for (const char* name : {"--com",
                             "--link-dir",
                             "--baud",
                             "--debug-baud",
                             "--flow-rate",
                             "--flood",
                             "--ignore-commands",
                             "--drop-commands",
                             "--reply-delay",
                             "--database-version",
                             "--product-code",
                             "--model-id",
                             "--software-version",
                             "--model-version",
                             "--model-serial",
                             "--certification",
                             "--silent-after",
                             "--garbage",
                             "--long-lines",
                             "--drop-after",
                             "--return-after",
                             "--no-static-end",
                             "--seed",
                             "--transcript",
                             "--help"})
        EXPECT_NE(std::string(sim::SimUsageText()).find(name), std::string::npos) << name;
}

TEST(AisPayload, ArmorsAtTheAlphabetEdges) {
    sim::AisBitWriter bits;
    for (int v : {0, 39, 40, 63})
        bits.Put(v, 6);
    unsigned fill = 9;
    EXPECT_EQ(bits.Armored(fill), "0W`w");
    EXPECT_EQ(fill, 0u);
    bits.Put(2, 2); // two bits more: one character, four fill bits
    EXPECT_EQ(bits.Armored(fill), "0W`wP") << "10 and four fill bits";
    EXPECT_EQ(fill, 4u);
}

TEST(AisPayload, PositionReportsCarryTheirFields) {
    const sim::AisPosition position{-33.8568, 151.2153, 12.3, 359.96, 45, 17};
    unsigned fill = 9;
    const std::string a = sim::PositionReportA(503123456, 5, -128, position, fill);
    EXPECT_EQ(a.size(), 28u);
    EXPECT_EQ(fill, 0u);
    BitReader r(a);
    EXPECT_EQ(r.Unsigned(6), 1);
    r.Skip(2);
    EXPECT_EQ(r.Unsigned(30), 503123456);
    EXPECT_EQ(r.Unsigned(4), 5);
    EXPECT_EQ(r.Signed(8), -128);
    EXPECT_EQ(r.Unsigned(10), 123);
    r.Skip(1);
    EXPECT_EQ(r.Signed(28), 90729180);  // 151.2153 degrees in 1/10000 minute
    EXPECT_EQ(r.Signed(27), -20314080); // south is negative
    EXPECT_EQ(r.Unsigned(12), 0);       // 359.96 rounds to 360.0, which is 0
    EXPECT_EQ(r.Unsigned(9), 45);
    EXPECT_EQ(r.Unsigned(6), 17);

    const std::string b = sim::PositionReportB(338000001, position, fill);
    EXPECT_EQ(b.size(), 28u);
    BitReader rb(b);
    EXPECT_EQ(rb.Unsigned(6), 18);
    rb.Skip(2);
    EXPECT_EQ(rb.Unsigned(30), 338000001);
    rb.Skip(8);
    EXPECT_EQ(rb.Unsigned(10), 123);
}

TEST(AisPayload, StaticDataTakesTwoSentences) {
    const sim::AisStaticData data{9300001, "bkha", "EVER SHINE", 70, 120, 30, 12,
                                  14,      8.6,    "KAOHSIUNG",  6,  14,  8,  30};
    unsigned fill = 0;
    const std::string payload = sim::StaticVoyageData(416004285, data, fill);
    EXPECT_EQ(payload.size(), 71u); // 424 bits
    EXPECT_EQ(fill, 2u);
    BitReader r(payload);
    EXPECT_EQ(r.Unsigned(6), 5);
    r.Skip(2 + 30 + 2);
    EXPECT_EQ(r.Unsigned(30), 9300001);
    EXPECT_EQ(r.Text(7), "BKHA@@@");
    EXPECT_EQ(r.Text(20), "EVER SHINE@@@@@@@@@@");

    const auto parts = sim::SplitIntoSentences(payload, fill, 3, 1);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0].payload.size(), sim::kVdmPayloadChars);
    EXPECT_EQ(parts[0].fillBits, 0u);
    EXPECT_EQ(parts[1].number, 2);
    EXPECT_EQ(parts[1].fillBits, 2u);
    EXPECT_EQ(parts[1].sequentialId, 3);
}

TEST(OutputSelection, PacksTheStatesIntoTheFiveIdentifiers) {
    sim::OutputSelection selection;
    EXPECT_EQ(selection.Pack(),
              (std::array<std::int32_t, 5>{111111, 111110, 111111, 111111, 100000}));
    selection.Unpack({101010, 0, 1, 0, 100000});
    EXPECT_TRUE(selection.IsOn(sim::otGGA));
    EXPECT_FALSE(selection.IsOn(sim::otGLL));
    EXPECT_TRUE(selection.IsOn(sim::otRMC));
    EXPECT_FALSE(selection.IsOn(sim::otVTG));
    EXPECT_TRUE(selection.IsOn(sim::otDBT));
    EXPECT_TRUE(selection.IsOn(sim::otVDR));
    EXPECT_EQ(selection.Pack(), (std::array<std::int32_t, 5>{101010, 0, 1, 0, 100000}));
}

TEST(OutputQueue, RepliesGoFirstAndThePaceHoldsTheLineRate) {
    sim::OutputQueue queue;
    queue.SetRate(100); // bytes per second
    const auto t0 = sim::SimClock::now();
    EXPECT_TRUE(queue.PushOutput(std::string(50, 'a')));
    EXPECT_TRUE(queue.PushOutput(std::string(50, 'b')));
    EXPECT_FALSE(queue.PushOutput("c")) << "more than a second of output is dropped";
    queue.PushReply("reply");
    std::string line;
    bool isReply = false;
    ASSERT_TRUE(queue.Pop(t0, line, isReply));
    EXPECT_TRUE(isReply);
    // After idle time a short burst may go at once; then 50 bytes take 500 ms.
    ASSERT_TRUE(queue.Pop(t0, line, isReply));
    EXPECT_EQ(line[0], 'a');
    EXPECT_FALSE(queue.Pop(t0 + 490ms, line, isReply));
    EXPECT_TRUE(queue.Pop(t0 + 500ms, line, isReply));
    EXPECT_EQ(line[0], 'b');

    queue.SetRate(0); // flood: no pacing, no bound
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(queue.PushOutput(std::string(50, 'x')));
    int popped = 0;
    while (queue.Pop(t0 + 551ms, line, isReply))
        ++popped;
    EXPECT_EQ(popped, 100);
}

TEST(OutputBatch, EverySentenceIsValidAndTheVesselMoves) {
    sim::OutputBatchBuilder builder;
    sim::OutputSelection all;
    const auto now = std::chrono::system_clock::now();
    const auto first = builder.Build(all, 0.0, now);
    const auto later = builder.Build(all, 60.0, now + 60s);
    ASSERT_GT(first.size(), 20u);
    for (const std::string& line : first) {
        ASSERT_LE(line.size(), 84u) << line;
        EXPECT_TRUE(line.ends_with("\r\n")) << line;
        EXPECT_TRUE(varo::VerifyChecksum(line.c_str())) << line;
    }
    EXPECT_NE(first[0].substr(0, 40), later[0].substr(0, 40)) << "time and position advance";

    sim::OutputSelection none;
    none.SetAll(0);
    EXPECT_TRUE(builder.Build(none, 61.0, now).empty());
}

TEST(GatewayCommands, AnswersOnlyWellFormedCommands) {
    sim::SimOptions options;
    sim::GatewayCommands commands(options);
    sim::CommandResult result;
    EXPECT_FALSE(commands.Handle("$PTST,,,,,00016*00", result));
    EXPECT_FALSE(commands.Handle("", result));
    EXPECT_FALSE(commands.Handle(std::string(120, 'A'), result));
    EXPECT_FALSE(commands.Handle(std::string("$PTST,,,,,00016\0*18", 19), result));
    // An unknown DBG code and a speed code outside the table change nothing.
    EXPECT_TRUE(commands.Handle(simtest::Bare("$PDBG,042,3,,,,,,"), result));
    EXPECT_TRUE(result.replies.empty());
    EXPECT_EQ(result.newNmeaBaud, 0u);
}

} // namespace

} // namespace varo
