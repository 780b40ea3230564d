// Building commands from DeviceRecord, loading the store back into sentences,
// and the receive-side entry.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ComposeGenerators.h"
#include "ConfigTestSupport.h"
#include "config/CommandSentence.h"
#include "sentence/SentenceParser.h"

namespace varo {
namespace {

class Command : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(&store_, 0, sizeof store_);
        std::memset(&outgoing_, 0, sizeof outgoing_);
    }
    std::string Build(const char* formatter) {
        char buffer[kCommandBufferSize];
        if (!buildCommandSentence(buffer, sizeof buffer, "P", formatter, store_, outgoing_)) {
            return "(not built)";
        }
        return buffer;
    }
    void SetTstRequest(std::uint16_t code) {
        store_.device.tstNumber = 99999;
        store_.device.tstValue = 99;
        store_.device.tstLowerCaseLetter = '@';
        store_.device.tstLetter = '@';
        store_.device.tstCode = code;
    }
    SentenceStore store_;
    SentenceRecord outgoing_;
};

TEST_F(Command, TstRequests) {
    SetTstRequest(2);
    EXPECT_EQ(Build("TST"), "$PTST,,,,,00002*1D\r\n");
    SetTstRequest(65535);
    EXPECT_EQ(Build("TST"), "$PTST,,,,,*2F\r\n");
}

TEST_F(Command, DbgFlowRateFromZeroRecordAndBaudRate) {
    store_.device.dbgPairs.codes[0] = 13;
    store_.device.dbgPairs.values[0] = 3;
    EXPECT_EQ(Build("DBG").substr(0, 30), "$PDBG,013,3,000,0,000,0,000,0*");

    DbgPairs& pairs = store_.device.dbgPairs;
    pairs = {{42, 999, 999, 999}, {}, {4, kNoDbgValue, kNoDbgValue, kNoDbgValue}};
    EXPECT_EQ(Build("DBG").substr(0, 18), "$PDBG,042,4,,,,,,*");
}

TEST_F(Command, CttQueryThenAnswerOverwritesTheMode) {
    DeviceRecord& d = store_.device;
    d.cttMode = 'Q';
    d.cttSubject = 200005;
    for (CttItemEntry& item : d.cttItems) {
        item.identifier = 999999;
    }
    EXPECT_EQ(Build("CTT"), "$PCTT,Q,200005,,,,,,,,,,*45\r\n");

    testing::ReceivedLine answer("$PCTT,R,200005,129025,1,129026,0,,,,,,");
    SentenceRecord received{};
    ASSERT_TRUE(ParseSentence(answer.text, received));
    storeSentence(received, store_);
    EXPECT_EQ(d.cttMode, 'R');
    EXPECT_EQ(Build("CTT"), Build("CTT")); // building twice changes nothing
    EXPECT_EQ(Build("CTT").substr(0, 39), "$PCTT,Q,200005,129025,1,129026,0,,,,,,*");
}

TEST_F(Command, LongestDbgFitsTheCommandBuffer) {
    DbgPairs& pairs = store_.device.dbgPairs;
    pairs = {{-999, -999, -999, -999}, {}, {-99999999, -99999999, -99999999, -99999999}};
    store_.device.dbgCommandChar = 'Z';
    const std::string widest = Build("DBG");
    EXPECT_EQ(widest.size(), 76u);
    EXPECT_EQ(widest.find('*'), 71u);
    EXPECT_EQ(widest.substr(0, 28), "$PZQT,Z,DBG,-999,-99999999,-");

    // Values beyond the width limits still fit the 100 bytes.
    pairs = {
        {-32768, -32768, -32768, -32768}, {}, {-2147483647, -2147483647, -2147483647, -2147483647}};
    EXPECT_LT(Build("DBG").size(), kCommandBufferSize);
    EXPECT_EQ(Build("DBG").substr(0, 19), "$PZQT,Z,DBG,-32768,");
}

TEST_F(Command, LoadOutsideTheTableLeavesTheRecord) {
    testing::SetHeader(outgoing_, "GP", "HDG");
    std::memset(&outgoing_.payload, 0x3C, sizeof outgoing_.payload);
    SentenceRecord before = outgoing_;
    EXPECT_FALSE(loadSentence(outgoing_, store_));
    EXPECT_EQ(std::memcmp(&outgoing_, &before, sizeof before), 0);

    testing::SetHeader(outgoing_, "AI", "VDM"); // stored, but never loaded
    std::memset(&outgoing_.payload, 0x3C, sizeof outgoing_.payload);
    before = outgoing_;
    EXPECT_FALSE(loadSentence(outgoing_, store_));
    EXPECT_EQ(std::memcmp(&outgoing_, &before, sizeof before), 0);
    EXPECT_EQ(Build("XYZ"), "(not built)");
}

// Stored values rebuild the sentence they came from: for every formatter that
// the store mirrors and the composer writes, a received sentence that is
// stored and then loaded gives back the received field set. The RMC variation
// and the HDT reference, which the store does not keep, are carried over by
// hand; CTT modes are C or Q, because the store keeps only the modes the
// gateway answers with.
class StoreRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(StoreRoundTrip, StoredThenLoadedGivesTheReceivedFields) {
    const char* formatter = GetParam();
    testing::FieldGenerator generate(
        static_cast<std::uint32_t>(std::hash<std::string_view>{}(formatter)) + 1);
    for (int sample = 0; sample < 500; ++sample) {
        SentenceRecord original;
        testing::GenerateSentence(formatter, generate, original);
        if (std::strcmp(formatter, "CTT") == 0 && original.payload.ctt.mode == 'A') {
            original.payload.ctt.mode = 'C';
        }
        char line[kLineBufferSize];
        ASSERT_TRUE(composeSentence(line, sizeof line, original));
        const std::string sent = line;

        SentenceStore store{};
        SentenceRecord received;
        std::memset(&received, 0, sizeof received);
        ASSERT_TRUE(ParseSentence(line, received)) << sent;
        storeSentence(received, store);

        SentenceRecord rebuilt;
        testing::SetHeader(rebuilt, original.talker, formatter);
        ASSERT_TRUE(loadSentence(rebuilt, store));
        if (std::strcmp(formatter, "RMC") == 0) {
            rebuilt.payload.rmc.magneticVariation = received.payload.rmc.magneticVariation;
            rebuilt.payload.rmc.variationDirection = received.payload.rmc.variationDirection;
        }
        if (std::strcmp(formatter, "HDT") == 0) {
            rebuilt.payload.hdt.reference = received.payload.hdt.reference;
        }
        EXPECT_EQ(rebuilt.commandChar, received.commandChar) << sent;
        ASSERT_EQ(std::memcmp(&rebuilt.payload, &received.payload, sizeof rebuilt.payload), 0)
            << sent;
    }
}

INSTANTIATE_TEST_SUITE_P(MirroredFormatters, StoreRoundTrip,
                         ::testing::Values("ACK", "ALR", "SSD", "VSD", "GBS", "GSA", "RMC", "HDT",
                                           "MID", "BDY", "TST", "CTT", "FRQ", "BTH", "DBG", "TPS",
                                           "MOB"),
                         [](const auto& info) { return std::string(info.param); });

TEST(ReceiveSentence, CttAnswerFillsDeviceRecord) {
    SentenceRecord record{};
    ASSERT_TRUE(testing::ReceiveIntoClearedStore(
        "$PCTT,C,200000,129025,1,126992,0,129033,1,129539,0,129029,1", record));
    const DeviceRecord& d = ProgramSentenceStore().device;
    EXPECT_EQ(d.cttSubject, 200000u);
    EXPECT_EQ(d.cttValid, 1);
    EXPECT_EQ(d.cttItems[4].identifier, 129029u);
    EXPECT_EQ(d.cttItems[1].flag, 0);
}

TEST(ReceiveSentence, FailedParseStoresNothingAndAisStopsAfterStoring) {
    SentenceRecord record{};
    char bad[kLineBufferSize] = "$PCTT,C,200000,,,,,,,,,,*00\r\n";
    std::memset(&ProgramSentenceStore(), 0, sizeof(SentenceStore));
    EXPECT_FALSE(ReceiveSentence(bad, record));
    EXPECT_EQ(ProgramSentenceStore().device.cttSubject, 0u);
}

// Receives `body` into `store` and `ais`; returns the result and fills `outcome`.
bool ReceiveAis(const std::string& body, SentenceStore& store, AisState& ais,
                ReceiveOutcome& outcome) {
    SentenceRecord record{};
    testing::ReceivedLine line(body);
    return ReceiveSentence(line.text, record, &outcome, store, ais);
}

TEST(ReceiveSentence, EncapsulationSentencesReachTheAisPathAfterTheStore) {
    static SentenceStore store{};
    static AisState ais;
    ReceiveOutcome outcome;

    // A single-sentence message completes at once, is stored and counts for its target.
    EXPECT_TRUE(ReceiveAis("!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0", store, ais, outcome));
    EXPECT_TRUE(outcome.parsed);
    ASSERT_TRUE(outcome.ais.complete);
    ASSERT_GE(outcome.ais.target, 1);
    EXPECT_EQ(ais.decoder.targets.entries[outcome.ais.target].vdmCount, 1u);
    EXPECT_EQ(store.aisShip.channel, 'A');
    EXPECT_STREQ(store.aisShip.payload, "13aEOK?P00PD2wVMdLDRhgvL289?");

    // The first of two sentences parses but completes nothing.
    const std::string first =
        "!AIVDM,2,1,3,B,55P5TL01VIaAL@7WKO@mBplU@<PDhh000000001S;AJ::4A80?4i@E53,0";
    const std::string second = "!AIVDM,2,2,3,B,1@0000000000000,2";
    EXPECT_FALSE(ReceiveAis(first, store, ais, outcome));
    EXPECT_TRUE(outcome.parsed);
    EXPECT_FALSE(outcome.ais.complete);

    // A '$' sentence between the two clears the assembly, so the second completes nothing.
    EXPECT_TRUE(ReceiveAis("$GPHDT,274.07,T", store, ais, outcome));
    EXPECT_FALSE(ReceiveAis(second, store, ais, outcome));
    EXPECT_FALSE(outcome.ais.complete);

    // In order, the two complete the message.
    EXPECT_FALSE(ReceiveAis(first, store, ais, outcome));
    EXPECT_TRUE(ReceiveAis(second, store, ais, outcome));
    EXPECT_TRUE(outcome.ais.complete);
    EXPECT_EQ(ais.message.bytes[0], 5);

    // A '!' sentence of another formatter holds no fragment: parsed, stored, no AIS message.
    EXPECT_FALSE(ReceiveAis("!GPHDT,274.07,T", store, ais, outcome));
    EXPECT_TRUE(outcome.parsed);
    EXPECT_FALSE(outcome.ais.complete);
}

} // namespace
} // namespace varo
