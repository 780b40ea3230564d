// `varo-nmea compose` end to end: the sentences it prints, and the arguments
// it refuses because the composer would write them wrong or not at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolRun.h"

namespace varo::test {
namespace {

TEST(ComposeCommand, PrintsTheCommandSentences) {
    struct Case {
        const char* arguments;
        const char* printed;
    };
    const Case cases[] = {
        {"tst 2", "$PTST,,,,,00002*1D\r\n"},
        {"ctt Q 200005", "$PCTT,Q,200005,,,,,,,,,,*45\r\n"},
        {"dbg 42 2 --zqt K", "$PZQT,K,DBG,042,2,,,,,,*01\r\n"},
    };
    for (const Case& c : cases) {
        const ToolResult result = RunNmea(std::string("compose ") + c.arguments);
        EXPECT_EQ(result.status, 0) << c.arguments;
        EXPECT_EQ(result.output, c.printed);
    }
    ToolResult result = RunNmea("compose ctt C 200000 129025 1 126992 0");
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(result.output.substr(0, 38), "$PCTT,C,200000,129025,1,126992,0,,,,,,");
    result = RunNmea("compose dbg 13 3 1 -7");
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(result.output.substr(0, 22), "$PDBG,013,3,001,-7,,,,");
}

// Exit 2, nothing on standard output, and one line that names the argument.
TEST(ComposeCommand, RefusesWhatItCannotWrite) {
    struct Case {
        const char* arguments;
        const char* named; // in the message; "" for a usage error
    };
    const Case cases[] = {
        {"", ""},
        {"xyz", ""},
        {"tst", ""},
        {"tst 2 3", ""},
        {"ctt Q", ""},
        {"dbg", ""},
        {"tst 65535", "CODE '65535' must be a number from 0 to 65534"},
        {"tst 2x", "CODE '2x'"},
        {"ctt X 200000", "MODE 'X' must be Q, C or A"},
        {"ctt QQ 1", "MODE 'QQ'"},
        {"ctt Q 999999", "SUBJECT '999999' must be a number from 0 to 999998"},
        {"ctt Q 1 2", "ID FLAG pairs"},
        {"ctt Q 1 2 2", "FLAG '2' must be 0 or 1"},
        {"ctt Q 1 999999 1", "ID '999999'"},
        {"ctt C 1 1 1 2 1 3 1 4 1 5 1 6 1", "ID FLAG pairs"},
        {"dbg 42", "CODE VALUE pairs"},
        {"dbg -5 1", "CODE '-5' must be a number from 0 to 998"},
        {"dbg 999 1", "CODE '999'"},
        {"dbg 42 2147483648", "VALUE '2147483648' must be a number from -2147483647"},
        {"dbg 42 -2147483648", "VALUE '-2147483648'"},
        {"dbg 42 2 --zqt k", "--zqt 'k' must be one letter from A to Z"},
        {"dbg 1 1 2 2 3 3 4 4 5 5", "CODE VALUE pairs"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const ToolResult out = RunNmea(std::string("compose ") + c.arguments + " 2>/dev/null");
        EXPECT_EQ(out.status, 2);
        EXPECT_EQ(out.output, "");
        const ToolResult message =
            RunNmea(std::string("compose ") + c.arguments + " 2>&1 >/dev/null");
        EXPECT_NE(message.output.find(c.named), std::string::npos) << message.output;
    }
}

} // namespace
} // namespace varo::test
