// The receive handler fed with scripted reads: line assembly, the echo, the
// baud read-outs, the data-view hand-off and reply matching.
#include <QCoreApplication>
#include <string>
#include <vector>

#include "LinkTest.h"
#include "ReceivePath.h"
#include "ReplyWait.h"
#include "config/SentenceStore.h"

namespace varo {
namespace {

class ReceivePathTest : public LinkTest {
protected:
    // One read delivering `bytes`.
    void Read(const std::string& bytes) {
        link.FReceivePath->Receive(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
    }
    void Await(std::int32_t item) {
        link.WaitingForReply = true;
        link.ExpectedReplyId = item;
    }
    static std::string CttReply(int subject) {
        return WithChecksum("$PCTT,R," + std::to_string(subject) + ",,,,,,,,,,");
    }
};

TEST_F(ReceivePathTest, BytesBecomeLinesAcrossReads) {
    struct Case {
        const char* name;
        std::vector<std::string> reads;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"split across reads", {"abc\r\ndef", "\r\n"}, {"abc", "def"}},
        {"CR alone does not end a line", {std::string("a\rb\n")}, {"ab"}},
        {"NUL inside is dropped", {std::string("x\0y\0\n", 5)}, {"xy"}},
        {"one byte a read", {"1", "2", "\r", "\n"}, {"12"}},
        {"empty line is a line", {"\r\n", "x\n"}, {"", "x"}},
        {"no LF yet", {"pending"}, {}},
    };
    for (const Case& c : cases) {
        view.deviceLines.clear();
        link.FRxLine = LineAssembler{};
        for (const std::string& read : c.reads)
            Read(read);
        std::vector<std::string> expected;
        for (const std::string& line : c.lines)
            expected.push_back(line + "\r\n");
        EXPECT_EQ(view.deviceLines, expected) << c.name;
    }
}

TEST_F(ReceivePathTest, LinesOver82CharactersAreDroppedWhole) {
    link.FLinkSilenceTicks = 40;
    Read(std::string(83, 'x') + "\r\n");
    EXPECT_TRUE(view.received.empty());
    EXPECT_TRUE(view.deviceLines.empty());
    EXPECT_EQ(link.FLinkSilenceTicks, 40) << "a dropped line does not count as traffic";

    Read("$" + std::string(81, 'y') + "\r\n");
    ASSERT_EQ(view.received.size(), 1u);
    EXPECT_EQ(view.received[0].size(), 82u);
    ASSERT_EQ(view.sentences.size(), 1u);
    EXPECT_EQ(view.sentences[0], "$" + std::string(81, 'y') + "\r\n");
    EXPECT_EQ(link.FLinkSilenceTicks, 0);
}

TEST_F(ReceivePathTest, LineWithoutLfStaysBoundedAndIsDroppedAtItsEnd) {
    for (int i = 0; i < 1000; ++i)
        Read(std::string(100, 'z'));
    EXPECT_LE(link.FRxLine.PendingLength(), LineAssembler::kMaxLineLength + 1);
    Read("\nnext\n");
    EXPECT_EQ(view.received, std::vector<std::string>{"next"});
}

TEST_F(ReceivePathTest, BaudReadouts) {
    const QString kept = QStringLiteral("kept");
    struct Case {
        const char* line;
        QString debug, nmea;
    };
    const std::vector<Case> cases = {
        {"Debug Baud Rate = (38400)", "38400", kept},
        {"NMEA Baud Rate = (4800)", kept, "4800"},
        {"Debug Baud Rate = (1234567890)", "123456789", kept},
        {"Debug Baud Rate = (115200", "115200", kept},
        {"Debug Baud", "", kept},
        {"NMEA Baud", kept, kept},
        {"NMEA Baud Rate", kept, ""},
        {"nmea Baud Rate = (4800)", kept, kept},
    };
    for (const Case& c : cases) {
        view.nmeaBaud = kept;
        view.debugBaud = kept;
        Read(std::string(c.line) + "\r\n");
        EXPECT_EQ(view.debugBaud, c.debug) << c.line;
        EXPECT_EQ(view.nmeaBaud, c.nmea) << c.line;
    }
}

TEST_F(ReceivePathTest, OnlySentencesReachTheDataViewButEveryLineTheParser) {
    Read("$GPHDT,1.0,T*2C\r\n!AIVDM,x\r\n[END OF STATIC DATA]\r\nplain\r\n");
    EXPECT_EQ(view.sentences, (std::vector<std::string>{"$GPHDT,1.0,T*2C\r\n", "!AIVDM,x\r\n"}));
    EXPECT_EQ(view.deviceLines.size(), 4u);
    EXPECT_EQ(view.deviceLines[2], "[END OF STATIC DATA]\r\n");
}

TEST_F(ReceivePathTest, ReplyForTheExpectedItemCompletesTheRequest) {
    Await(200000);
    Read(CttReply(200001));
    EXPECT_TRUE(link.WaitingForReply) << "another item's reply does not answer";
    EXPECT_TRUE(view.configItems.empty());
    Read(CttReply(200000));
    EXPECT_FALSE(link.WaitingForReply);
    EXPECT_TRUE(link.ConfigReceived);
    EXPECT_EQ(view.configItems, std::vector<std::int32_t>{200000});
    EXPECT_EQ(view.applyEnabled, 1);
    EXPECT_EQ(view.deviceLines.back(), CttReply(200000))
        << "later consumers get the line as received";
}

// Only the CTT answer about the VDO item answers its query: any other line,
// a stream of output for one, leaves the wait going on.
TEST_F(ReceivePathTest, OnlyTheAnswerAboutTheVdoItemAnswersIt) {
    Await(200029);
    Read("$GPHDT,1.0,T*2C\r\n");
    Read(CttReply(5));
    EXPECT_TRUE(link.WaitingForReply);
    EXPECT_TRUE(view.configItems.empty());
    Read(CttReply(200029));
    EXPECT_EQ(view.configItems, std::vector<std::int32_t>{200029});
    EXPECT_FALSE(link.WaitingForReply);
}

TEST_F(ReceivePathTest, OutputStatesReplyKeepsTheRequestOutstanding) {
    Await(200184);
    Read(CttReply(200184));
    Read(CttReply(200184));
    EXPECT_EQ(view.outputStates, 2);
    EXPECT_TRUE(link.WaitingForReply);
    EXPECT_TRUE(view.configItems.empty());
}

TEST_F(ReceivePathTest, RmcReplyLeavesApplyDisabledAndRequeryMatchesOnlyItsItem) {
    Await(200005);
    Read(CttReply(200005));
    EXPECT_EQ(view.applyEnabled, 0);
    EXPECT_EQ(view.configItems, std::vector<std::int32_t>{200005});

    link.WaitingForRequery = true;
    link.ExpectedReplyId = 200029;
    Read("$GPHDT,1.0,T*2C\r\n");
    EXPECT_TRUE(link.WaitingForRequery) << "a requery has no any-line rule";
    Read(CttReply(200029));
    EXPECT_FALSE(link.WaitingForRequery);
    EXPECT_EQ(view.applyEnabled, 1);
}

// A request ends in exactly one outcome: matched or different when the line
// it waits for comes, no answer after its one resend; the link going down
// ends it with none.
TEST_F(ReceivePathTest, ReplyWaitResendsOnceAndEndsInOneOutcome) {
    ReplyWait& wait = link.FReplyWait;
    int sends = 0;
    std::vector<ReplyOutcome> outcomes;
    auto start = [&](const char* expected) {
        sends = 0;
        return wait.Start(
            [&](int) { return ++sends, true; },
            [expected](std::string_view line) {
                if (line.rfind("$PCTT", 0) != 0) return LineVerdict::Pending;
                return line == expected ? LineVerdict::Matched : LineVerdict::Different;
            },
            [&](ReplyOutcome outcome) { outcomes.push_back(outcome); }, std::chrono::hours(1));
    };
    auto settle = [] { QCoreApplication::processEvents(); };

    ASSERT_TRUE(start("$PCTT,R"));
    Read("$GPHDT,1.0,T*2C\r\n");
    wait.Expire();
    EXPECT_EQ(sends, 2) << "sent again once";
    Read("$PCTT,R\r\n");
    Read("$PCTT,R\r\n");
    settle();
    EXPECT_EQ(outcomes, std::vector<ReplyOutcome>{ReplyOutcome::Matched});

    ASSERT_TRUE(start("$PCTT,R"));
    Read("$PCTT,X\r\n");
    settle();
    EXPECT_EQ(outcomes.back(), ReplyOutcome::Different);

    ASSERT_TRUE(start("$PCTT,R"));
    wait.Expire();
    wait.Expire();
    wait.Expire();
    settle();
    EXPECT_EQ(sends, 2);
    EXPECT_EQ(outcomes.size(), 3u);
    EXPECT_EQ(outcomes.back(), ReplyOutcome::NoAnswer);

    ASSERT_TRUE(start("$PCTT,R"));
    link.WaitingForReply = true;
    link.ConfigReceived = true;
    link.ClearReplyWait();
    Read("$PCTT,R\r\n");
    settle();
    EXPECT_EQ(outcomes.size(), 3u) << "a cleared wait has no outcome";
    EXPECT_FALSE(wait.Waiting() || link.WaitingForReply || link.ConfigReceived);

    EXPECT_FALSE(wait.Start([](int) { return false; }, nullptr, nullptr, std::chrono::hours(1)))
        << "an unsent request waits for nothing";
    EXPECT_FALSE(wait.Waiting());
}

TEST_F(ReceivePathTest, WithoutAnOutstandingRequestNothingIsParsed) {
    ProgramSentenceStore().device.cttSubject = 777;
    Read(CttReply(200000));
    EXPECT_EQ(ProgramSentenceStore().device.cttSubject, 777u);
    EXPECT_TRUE(view.configItems.empty());
}

} // namespace

} // namespace varo
