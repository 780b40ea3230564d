// The receive handler fed with scripted reads: line assembly, the memo echo,
// the baud read-outs, the data-view hand-off and reply matching.
#include <QPlainTextEdit>
#include <string>
#include <vector>

#include "LinkTestSupport.h"
#include "ReceivePath.h"
#include "TLabeledEdit.h"
#include "config/SentenceStore.h"

namespace {

class ReceivePathTest : public LinkTest {
protected:
    ReceivePathTest() {
        form.ShowSentence = [this](const char* line) { shown.emplace_back(line); };
        form.ShowConfigItem = [this](std::int32_t item) { items.push_back(item); };
        form.EnableApplyControls = [this] { ++applyEnabled; };
        form.ShowOutputStates = [this] { ++outputStates; };
        form.ParseDeviceInformation = [this](const char* line) { parsed.emplace_back(line); };
    }

    // One read delivering `bytes`.
    void Read(const std::string& bytes) {
        form.FReceivePath->Receive(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
    }
    std::vector<std::string> MemoLines() const {
        const QString text = form.MemoRecord->toPlainText();
        std::vector<std::string> lines;
        if (text.isEmpty()) return lines;
        for (const QString& line : text.split(QLatin1Char('\n')))
            lines.push_back(line.toStdString());
        return lines;
    }
    void Await(std::int32_t item) {
        form.WaitingForReply = true;
        form.ExpectedReplyId = item;
    }
    static std::string CttReply(int subject) {
        return WithChecksum("$PCTT,R," + std::to_string(subject) + ",,,,,,,,,,");
    }

    std::vector<std::string> shown, parsed;
    std::vector<std::int32_t> items;
    int applyEnabled = 0;
    int outputStates = 0;
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
        parsed.clear();
        form.FRxLine = LineAssembler{};
        for (const std::string& read : c.reads)
            Read(read);
        std::vector<std::string> expected;
        for (const std::string& line : c.lines)
            expected.push_back(line + "\r\n");
        EXPECT_EQ(parsed, expected) << c.name;
    }
}

TEST_F(ReceivePathTest, LinesOver82CharactersAreDroppedWhole) {
    form.FLinkSilenceTicks = 40;
    Read(std::string(83, 'x') + "\r\n");
    EXPECT_TRUE(MemoLines().empty());
    EXPECT_TRUE(parsed.empty());
    EXPECT_EQ(form.FLinkSilenceTicks, 40) << "a dropped line does not count as traffic";

    Read("$" + std::string(81, 'y') + "\r\n");
    ASSERT_EQ(MemoLines().size(), 1u);
    EXPECT_EQ(MemoLines()[0].size(), 82u);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "$" + std::string(81, 'y') + "\r\n");
    EXPECT_EQ(form.FLinkSilenceTicks, 0);
}

TEST_F(ReceivePathTest, LineWithoutLfStaysBoundedAndIsDroppedAtItsEnd) {
    for (int i = 0; i < 1000; ++i)
        Read(std::string(100, 'z'));
    EXPECT_LE(form.FRxLine.PendingLength(), LineAssembler::kMaxLineLength + 1);
    Read("\nnext\n");
    EXPECT_EQ(MemoLines(), std::vector<std::string>{"next"});
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
        form.LabeledEdit1->setText(kept);
        form.LabeledEdit2->setText(kept);
        Read(std::string(c.line) + "\r\n");
        EXPECT_EQ(form.LabeledEdit2->text(), c.debug) << c.line;
        EXPECT_EQ(form.LabeledEdit1->text(), c.nmea) << c.line;
    }
}

TEST_F(ReceivePathTest, OnlySentencesReachTheDataViewButEveryLineTheParser) {
    Read("$GPHDT,1.0,T*2C\r\n!AIVDM,x\r\n[END OF STATIC DATA]\r\nplain\r\n");
    EXPECT_EQ(shown, (std::vector<std::string>{"$GPHDT,1.0,T*2C\r\n", "!AIVDM,x\r\n"}));
    EXPECT_EQ(parsed.size(), 4u);
    EXPECT_EQ(parsed[2], "[END OF STATIC DATA]\r\n");
}

TEST_F(ReceivePathTest, ReplyForTheExpectedItemCompletesTheRequest) {
    Await(200000);
    Read(CttReply(200001));
    EXPECT_TRUE(form.WaitingForReply) << "another item's reply does not answer";
    EXPECT_TRUE(items.empty());
    Read(CttReply(200000));
    EXPECT_FALSE(form.WaitingForReply);
    EXPECT_TRUE(form.ConfigReceived);
    EXPECT_EQ(items, std::vector<std::int32_t>{200000});
    EXPECT_EQ(applyEnabled, 1);
    EXPECT_EQ(parsed.back(), CttReply(200000)) << "later consumers get the line as received";
}

TEST_F(ReceivePathTest, WhileTheVdoItemIsExpectedTheNextLineAnswers) {
    Await(200029);
    Read(CttReply(5));
    EXPECT_EQ(items, std::vector<std::int32_t>{5});
    Await(200029);
    Read("$GPHDT,1.0,T*2C\r\n");
    EXPECT_EQ(items, (std::vector<std::int32_t>{5, 0}));
    EXPECT_FALSE(form.WaitingForReply);
}

TEST_F(ReceivePathTest, OutputStatesReplyKeepsTheRequestOutstanding) {
    Await(200184);
    Read(CttReply(200184));
    Read(CttReply(200184));
    EXPECT_EQ(outputStates, 2);
    EXPECT_TRUE(form.WaitingForReply);
    EXPECT_TRUE(items.empty());
}

TEST_F(ReceivePathTest, RmcReplyLeavesApplyDisabledAndRequeryMatchesOnlyItsItem) {
    Await(200005);
    Read(CttReply(200005));
    EXPECT_EQ(applyEnabled, 0);
    EXPECT_EQ(items, std::vector<std::int32_t>{200005});

    form.WaitingForRequery = true;
    form.ExpectedReplyId = 200029;
    Read("$GPHDT,1.0,T*2C\r\n");
    EXPECT_TRUE(form.WaitingForRequery) << "a requery has no any-line rule";
    Read(CttReply(200029));
    EXPECT_FALSE(form.WaitingForRequery);
    EXPECT_EQ(applyEnabled, 1);
}

TEST_F(ReceivePathTest, WithoutAnOutstandingRequestNothingIsParsed) {
    varo::ProgramSentenceStore().device.cttSubject = 777;
    Read(CttReply(200000));
    EXPECT_EQ(varo::ProgramSentenceStore().device.cttSubject, 777u);
    EXPECT_TRUE(items.empty());
}

} // namespace
