// The receive handler fed with scripted reads: line assembly, the echo, the
// data-view hand-off and the static data block through the engine.
#include <cstring>
#include <string>
#include <vector>

#include "LinkTest.h"
#include "ReceivePath.h"

namespace varo {
namespace {

class ReceivePathTest : public LinkTest {
protected:
    // One read delivering `bytes`.
    void Read(const std::string& bytes) {
        link.FReceivePath->Receive(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
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
        view.received.clear();
        link.FRxLine = LineAssembler{};
        for (const std::string& read : c.reads)
            Read(read);
        EXPECT_EQ(view.received, c.lines) << c.name;
    }
}

TEST_F(ReceivePathTest, LinesOver82CharactersAreDroppedWhole) {
    link.FLinkSilenceTicks = 40;
    Read(std::string(83, 'x') + "\r\n");
    EXPECT_TRUE(view.received.empty());
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

TEST_F(ReceivePathTest, OnlySentencesReachTheDataView) {
    Read("$GPHDT,1.0,T*2C\r\n!AIVDM,x\r\n[END OF STATIC DATA]\r\nplain\r\n");
    EXPECT_EQ(view.sentences, (std::vector<std::string>{"$GPHDT,1.0,T*2C\r\n", "!AIVDM,x\r\n"}));
    EXPECT_EQ(view.received.size(), 4u);
}

// The PROPERTIES page shows a static data block only once it came whole.
TEST_F(ReceivePathTest, StaticDataIsShownOnlyWhole) {
    const std::string block = "NMEA Baud Rate = (4800)\r\nDebug Baud Rate = (115200)\r\n"
                              "Database Version = (2100)\r\nProduct Code = (1260)\r\n"
                              "Model ID = (RZ-60)\r\nSoftware Version Code = (1.0.0.3)\r\n"
                              "Model Version = (A)\r\nModel Serial Code = (0000001)\r\n"
                              "Certification = (1)\r\nTime Interval sec = (2)\r\n"
                              "[END OF STATIC DATA]\r\n";
    std::string damaged = block;
    damaged.replace(damaged.find("(2)"), 3, "(x)");
    Read(damaged);
    EXPECT_TRUE(view.staticData.empty()) << "a damaged value line spoils the block";
    Read(block);
    ASSERT_EQ(view.staticData.size(), 1u);
    EXPECT_EQ(view.staticData[0].nmeaBaudRate, 4800);
    EXPECT_EQ(view.staticData[0].flowRateSeconds, 2);
    EXPECT_STREQ(view.staticData[0].modelId, "RZ-60");
}

} // namespace

} // namespace varo
