// `varo-nmea decode` end to end on a file holding every decoded formatter, and
// the per-line rules of the decode command.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "../sentence/ExampleSentences.h"
#include "tools/DecodeLine.h"

namespace varo::test {
namespace {

std::string RunTool(const std::string& arguments) {
    const std::string command = std::string(VARO_NMEA_PATH) + " " + arguments;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return {};
    }
    std::string output;
    std::array<char, 4096> chunk{};
    std::size_t got = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) {
        output.append(chunk.data(), got);
    }
    pclose(pipe);
    return output;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = 0; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

class DecodeTool : public ::testing::Test {
protected:
    void SetUp() override {
        // One file per test: ctest runs the tests of this fixture in parallel.
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = ::testing::TempDir() + "varo_decode_" + test->name() + ".nmea";
        std::ofstream out(path_, std::ios::binary);
        for (const ExampleSentence& example : ExampleSentences()) {
            out << WithChecksum(JoinFields(example.header, example.fields)) << "\r\n";
        }
        out << "not a sentence\n" << std::string(83, 'x'); // no final newline
    }
    void TearDown() override { std::remove(path_.c_str()); }
    std::string path_;
};

TEST_F(DecodeTool, EveryFormatterDecodesToOneJsonObjectPerLine) {
    const auto lines = Lines(RunTool("decode " + path_));
    const auto& examples = ExampleSentences();
    ASSERT_EQ(lines.size(), examples.size() + 2);
    for (std::size_t i = 0; i < examples.size(); ++i) {
        const std::string prefix = "{\"n\":" + std::to_string(i + 1) + ",\"ok\":true,";
        EXPECT_EQ(lines[i].rfind(prefix, 0), 0u) << lines[i];
        EXPECT_NE(lines[i].find(std::string("\"formatter\":\"") + examples[i].formatter + "\""),
                  std::string::npos)
            << lines[i];
        EXPECT_EQ(lines[i].back(), '}');
    }
    EXPECT_EQ(lines[examples.size()], "{\"n\":43,\"ok\":false}");
    EXPECT_EQ(lines[examples.size() + 1], "{\"n\":44,\"ok\":false}");
}

TEST_F(DecodeTool, FieldKeysAndValuesAsStored) {
    const auto lines = Lines(RunTool("decode " + path_));
    ASSERT_GE(lines.size(), 42u);
    auto lineOf = [&](const char* formatter) {
        for (const std::string& line : lines) {
            if (line.find(std::string("\"formatter\":\"") + formatter + "\"") !=
                std::string::npos) {
                return line;
            }
        }
        return std::string();
    };
    EXPECT_NE(lineOf("GGA").find(
                  "\"fields\":{\"time\":{\"hour\":12,\"minute\":35,\"second\":19,\"hundredths\":0},"
                  "\"latitude\":48.1173019,\"longitude\":11.5166664,\"quality\":1,\"satellites_in_"
                  "use\":8,"
                  "\"hdop\":0.899999976,\"altitude\":545.400024,\"altitude_unit\":\"M\","
                  "\"geoidal_separation\":46.9000015,\"separation_unit\":\"M\","
                  "\"age_of_differential_data\":-100000,\"reference_station_id\":120}"),
              std::string::npos)
        << lineOf("GGA");
    EXPECT_NE(lineOf("VDM").find("\"fields\":{\"total_sentences\":1,\"sentence_number\":1,"
                                 "\"sequential_identifier\":-128,\"fill_bits\":0,"
                                 "\"payload\":\"177KQJ5000G?tO`K>RA1wUbN0TKH\",\"channel\":\"B\"}"),
              std::string::npos);
    EXPECT_NE(lineOf("ZDA").find("\"year\":2002,\"month\":7,\"day\":4,\"local_zone_hours\":0"),
              std::string::npos);
    EXPECT_NE(
        lineOf("DBG").find("\"pairs\":[{\"code\":42,\"value\":1},{\"code\":13,\"value\":38400},"
                           "{\"code\":999,\"value\":-2147483648}"),
        std::string::npos);
    EXPECT_NE(lineOf("CTT").find("\"items\":[{\"identifier\":129025,\"flag\":1},"),
              std::string::npos);
    EXPECT_NE(lineOf("ACA").find("\"latitude_2\":49,\"longitude_2\":2"), std::string::npos);
    EXPECT_NE(lineOf("GSA").find("\"satellite_ids\":[4,5,-128,9,12,-128"), std::string::npos);
    EXPECT_NE(lineOf("MOB").find("\"data\":[1,2,3,4,5],\"data_count\":5"), std::string::npos);
    EXPECT_NE(lineOf("AIQ").find("\"talker\":\"P\",\"formatter\":\"AIQ\",\"command\":\"A\""),
              std::string::npos);
    EXPECT_NE(lineOf("RMC").find("\"variation_direction\":\"W\",\"mode\":\"A\""),
              std::string::npos);
}

TEST_F(DecodeTool, QuietPrintsOnlyTheSummaryAndStdinWorks) {
    EXPECT_EQ(RunTool("decode --quiet " + path_), "{\"lines\":44,\"ok\":42,\"failed\":2}\n");
    EXPECT_EQ(RunTool("decode --quiet - < " + path_), "{\"lines\":44,\"ok\":42,\"failed\":2}\n");
}

TEST(DecodeLine, LengthLimitAndJsonEscaping) {
    SentenceRecord record{};
    std::FILE* sink = std::tmpfile();
    ASSERT_NE(sink, nullptr);
    {
        JsonWriter json(sink);
        const std::string longest = WithChecksum("$GPTXT,01,01,02," + std::string(63, 'a'));
        ASSERT_EQ(longest.size(), 82u);
        EXPECT_TRUE(DecodeInputLine(longest + "\r\n", 1, record, &json));
        EXPECT_FALSE(DecodeInputLine(WithChecksum("$GPTXT,01,01,02," + std::string(64, 'a')), 2,
                                     record, &json));
        EXPECT_TRUE(
            DecodeInputLine(WithChecksum("$GPTXT,01,01,02,say \"hi\"\\\x01"), 3, record, &json));
    }
    std::rewind(sink);
    std::string output(4096, '\0');
    output.resize(std::fread(output.data(), 1, output.size(), sink));
    std::fclose(sink);
    const auto lines = Lines(output);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "{\"n\":2,\"ok\":false}");
    EXPECT_NE(lines[2].find("\"text\":\"say \\\"hi\\\"\\\\\\u0001\""), std::string::npos)
        << lines[2];
}

} // namespace
} // namespace varo::test
