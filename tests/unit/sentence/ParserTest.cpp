// The parser's frame: line ending, checksum rules, empty-field marking, header
// forms (queries, proprietary and ZQT sentences) and the reused record.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ExampleSentences.h"
#include "ParseHelpers.h"

namespace varo::test {
namespace {

TEST(Parser, LineMustEndInCrLf) {
    SentenceRecord record{};
    const std::string line = WithChecksum("$GPHDT,274.07,T");
    EXPECT_FALSE(Parse(line, record));
    EXPECT_FALSE(Parse(line + "\n", record));
    EXPECT_FALSE(Parse(line + "\r", record));
    EXPECT_TRUE(Parse(line + "\r\n", record));
    EXPECT_FALSE(Parse("", record));
    EXPECT_FALSE(Parse("\r\n", record));
}

TEST(Parser, ChecksumRules) {
    SentenceRecord record{};
    EXPECT_TRUE(Parse("$GPHDT,274.07,T*03\r\n", record));
    EXPECT_FALSE(Parse("$GPHDT,274.07,T*04\r\n", record));
    EXPECT_FALSE(Parse("$GPHDT,274.07,T\r\n", record));   // no '*'
    EXPECT_FALSE(Parse("$GPHDT,274.07,T*0\r\n", record)); // '*' too near the end
    EXPECT_FALSE(Parse("*\r\n", record));
    // A sentence whose checksum has letters fails when they are written in lower case.
    std::string upper;
    for (int heading = 0; upper.find_first_of("ABCDEF", upper.find('*')) == std::string::npos;
         ++heading) {
        upper = WithChecksum("$GPHDT," + std::to_string(heading) + ".0,T");
    }
    ASSERT_NE(upper.find_first_of("ABCDEF", upper.find('*')), std::string::npos);
    std::string lower = upper;
    for (std::size_t i = lower.find('*'); i < lower.size(); ++i) {
        lower[i] = static_cast<char>(std::tolower(lower[i]));
    }
    EXPECT_TRUE(Parse(upper + "\r\n", record));
    EXPECT_FALSE(Parse(lower + "\r\n", record));
}

TEST(Parser, ChecksumOfTwoDecimalDigitsPasses) {
    SentenceRecord record{};
    int found = 0;
    for (int heading = 0; heading < 360 && found < 3; ++heading) {
        const std::string line = WithChecksum("$GPHDT," + std::to_string(heading) + ".0,T");
        if (line.find_first_of("ABCDEF", line.find('*')) == std::string::npos) {
            EXPECT_TRUE(Parse(line + "\r\n", record)) << line;
            ++found;
        }
    }
    EXPECT_EQ(found, 3);
}

TEST(Parser, EmptyHeadingIsMarkedAndStoredAsNotAvailable) {
    SentenceRecord record{};
    ASSERT_TRUE(Parse(SentenceLine("$GPHDT", {"", "T"}), record));
    EXPECT_EQ(record.payload.hdt.heading, 511.0f);
    EXPECT_EQ(record.payload.hdt.reference, 'T');
}

TEST(Parser, MarkedLineLimitIs98Characters) {
    SentenceRecord record{};
    // "$GPTXT,01,01,02," (16) + text + "*hh\r\n" (5)
    EXPECT_TRUE(Parse(SentenceLine("$GPTXT", {"01", "01", "02", std::string(77, 'x')}), record));
    EXPECT_FALSE(Parse(SentenceLine("$GPTXT", {"01", "01", "02", std::string(78, 'x')}), record));
    // Marks count: the empty identifier gains a blank.
    EXPECT_TRUE(Parse(SentenceLine("$GPTXT", {"01", "01", "", std::string(78, 'x')}), record));
    EXPECT_FALSE(Parse(SentenceLine("$GPTXT", {"01", "01", "", std::string(79, 'x')}), record));
}

TEST(Parser, MarkEmptyFieldsMarksEveryEmptyField) {
    char line[kLineBufferSize] = "$GPXXX,,a,,*00\r\n";
    ASSERT_TRUE(MarkEmptyFields(line));
    EXPECT_STREQ(line, "$GPXXX, ,a, , *00\r\n");
}

TEST(Parser, UnterminatedBufferFailsWithoutOverrun) {
    char buffer[kLineBufferSize];
    std::memset(buffer, ',', sizeof buffer);
    SentenceRecord record{};
    EXPECT_FALSE(ParseSentence(buffer, record));
}

TEST(Parser, ZqtSentenceTakesCommandCharacterAndSubFormatter) {
    SentenceRecord record{};
    ASSERT_TRUE(Parse(SentenceLine("$PZQT,1,TXT", {"01", "01", "02", "HELLO"}), record));
    EXPECT_EQ(record.startChar, '$');
    EXPECT_STREQ(record.talker, "P");
    EXPECT_STREQ(record.formatter, "TXT");
    EXPECT_EQ(record.commandChar, '1');
    EXPECT_STREQ(record.payload.txt.text, "HELLO");

    ASSERT_TRUE(
        Parse(SentenceLine("$PZQT,K,DBG", {"042", "1", "013", "38400", "", "", "", ""}), record));
    EXPECT_EQ(record.commandChar, 'K');
    EXPECT_EQ(record.payload.dbg.values[1], 38400);

    // The command character of a plain proprietary sentence is 0.
    ASSERT_TRUE(Parse(SentenceLine("$PDBG", {"042", "1", "013", "38400", "", "", "", ""}), record));
    EXPECT_EQ(record.commandChar, 0);
    EXPECT_STREQ(record.formatter, "DBG");

    EXPECT_FALSE(
        Parse(WithChecksum("$PZQT,1,T") + "\r\n", record)); // too short for a sub-formatter
}

TEST(Parser, QueriesAndOnlyZqtReachTheAiqDecoder) {
    SentenceRecord record{};
    EXPECT_FALSE(
        Parse(SentenceLine("$GPAIQ", {"Smg", "5"}), record)); // a query, and queries take 9 commas
    EXPECT_STREQ(record.formatter, "Q");
    EXPECT_STREQ(record.talker, "GP");
    ASSERT_TRUE(Parse(SentenceLine("$PZQT,A,AIQ", {"Smg", "5"}), record));
    EXPECT_EQ(record.payload.aiq.value, 5);
    EXPECT_FALSE(Parse(SentenceLine("$PZQT,A,AIQ", {"SMG", "5"}), record));
    EXPECT_FALSE(Parse(SentenceLine("$PZQT,A,AIQ", {"smg", "5"}), record));
}

TEST(Parser, FormattersWithoutDecoderFail) {
    SentenceRecord record{};
    EXPECT_FALSE(Parse(SentenceLine("$GPRTE", {"1", "1", "c", "0", "PBRCPK"}), record));
    EXPECT_FALSE(
        Parse(SentenceLine("$PGRMZ", {"246", "f", "3"}), record)); // another maker's mnemonic
    EXPECT_FALSE(Parse(SentenceLine("$G", {}), record));
}

TEST(Parser, PayloadBytesADecoderDoesNotWriteKeepTheEarlierSentence) {
    SentenceRecord record{};
    ASSERT_TRUE(Parse(
        SentenceLine("!AIVDM", {"1", "1", "", "B", "177KQJ5000G?tO`K>RA1wUbN0TKH", "0"}), record));
    ASSERT_TRUE(Parse(SentenceLine("$GPHDT", {"274.07", "T"}), record));
    // HDT writes its heading and reference character (over the first payload character).
    EXPECT_STREQ(record.payload.vdm.payload + 1, "77KQJ5000G?tO`K>RA1wUbN0TKH");
    EXPECT_FLOAT_EQ(record.payload.hdt.heading, 274.07f);
}

} // namespace
} // namespace varo::test
