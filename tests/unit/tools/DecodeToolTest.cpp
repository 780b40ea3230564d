// `varo-nmea decode` end to end on a file holding every decoded formatter, and
// the per-line rules of the decode command.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "../sentence/ExampleSentences.h"
#include "ToolRun.h"
#include "tools/DecodeLine.h"

namespace varo::test {
namespace {

std::string RunTool(const std::string& arguments) {
    return RunNmea(arguments).output;
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
    EXPECT_EQ(lines[examples.size()], "{\"n\":64,\"ok\":false,\"error\":\"not a sentence\"}");
    EXPECT_EQ(lines[examples.size() + 1], "{\"n\":65,\"ok\":false,\"error\":\"too long\"}");
}

TEST_F(DecodeTool, FieldKeysAndValuesAsStored) {
    const auto lines = Lines(RunTool("decode " + path_));
    ASSERT_GE(lines.size(), 63u);
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
    const std::string summary = "{\"lines\":65,\"ok\":63,\"failed\":2,\"errors\":{\"ending\":0,"
                                "\"not a sentence\":1,\"checksum\":0,\"too long\":1,"
                                "\"unknown formatter\":0,\"fields\":0,\"range\":0}}\n";
    EXPECT_EQ(RunTool("decode --quiet " + path_), summary);
    EXPECT_EQ(RunTool("decode --quiet - < " + path_), summary);
}

// Each reason a line fails for, as the line's object and in the summary, and
// the exit status: 0 when every line decoded, 1 when one failed, 2 for usage
// and file errors.
TEST(DecodeErrors, EveryReasonIsNamedAndCounted) {
    const std::string path = ::testing::TempDir() + "varo_decode_errors.nmea";
    {
        std::ofstream out(path, std::ios::binary);
        out << WithChecksum("$GPHDT,123.4,T") << "\n"                    // 1 decodes
            << "hello\n"                                                 // 2 no checksum
            << std::string(83, 'x') << "\n"                              // 3 over 82 characters
            << "$GPHDT,1" << '\0' << "2.4,T*00\n"                        // 4 NUL inside
            << "$GPHDT,123.4,T*00\n"                                     // 5 wrong checksum
            << WithChecksum("$GPXYZ,1,2") << "\n"                        // 6 no such formatter
            << WithChecksum("$GPHDT,123.4,T,1") << "\n"                  // 7 one comma too many
            << WithChecksum("$GPZDA,120000.00,32,06,2024,00,00") << "\n" // 8 day 32
            << WithChecksum("$GPTXT,01,01,02," + std::string(40, ',')) << "\n"; // 9 marked > 98
    }
    const ToolResult json = RunNmea("decode " + path);
    EXPECT_EQ(json.status, 1);
    const auto lines = Lines(json.output);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0].substr(0, 16), "{\"n\":1,\"ok\":true");
    const char* reasons[] = {"not a sentence",    "too long", "ending", "checksum",
                             "unknown formatter", "fields",   "range",  "too long"};
    for (std::size_t i = 0; i < std::size(reasons); ++i) {
        EXPECT_EQ(lines[i + 1], "{\"n\":" + std::to_string(i + 2) + ",\"ok\":false,\"error\":\"" +
                                    reasons[i] + "\"}");
    }
    const ToolResult quiet = RunNmea("decode --quiet " + path);
    EXPECT_EQ(quiet.status, 1);
    EXPECT_EQ(quiet.output, "{\"lines\":9,\"ok\":1,\"failed\":8,\"errors\":{\"ending\":1,"
                            "\"not a sentence\":1,\"checksum\":1,\"too long\":2,"
                            "\"unknown formatter\":1,\"fields\":1,\"range\":1}}\n");
    EXPECT_EQ(RunNmea("decode --quiet < /dev/null").status, 0);
    EXPECT_EQ(RunNmea("decode " + path + ".missing 2>/dev/null").status, 2);
    EXPECT_EQ(RunNmea("decode --loud 2>/dev/null").status, 2);
    std::remove(path.c_str());
}

// Input lines end at CR LF, LF or a lone CR; a line of any length costs no
// more than the bound and fails as too long; a folder is a file error.
TEST(DecodeInput, EndingsEndlessLinesAndFolders) {
    const std::string path = ::testing::TempDir() + "varo_decode_input.nmea";
    {
        std::ofstream out(path, std::ios::binary);
        out << WithChecksum("$GPHDT,1.0,T") << "\r" << WithChecksum("$GPHDT,2.0,T") << "\r\n"
            << std::string(1 << 20, '$') << "\n"
            << WithChecksum("$GPHDT,3.0,T");
    }
    const ToolResult quiet = RunNmea("decode --quiet " + path);
    EXPECT_NE(quiet.output.find("\"lines\":4,\"ok\":3,\"failed\":1"), std::string::npos)
        << quiet.output;
    EXPECT_NE(quiet.output.find("\"too long\":1"), std::string::npos);

    const ToolResult folder = RunNmea("decode " + ::testing::TempDir() + " 2>&1");
    EXPECT_EQ(folder.status, 2);
    EXPECT_NE(folder.output.find("Is a directory"), std::string::npos) << folder.output;
    std::remove(path.c_str());
}

// Logs of other devices: what --lenient reads, and that without it nothing changes.
TEST(DecodeLenient, TagBlocksLongAisAndNewerForms) {
    const std::string path = ::testing::TempDir() + "varo_decode_lenient.nmea";
    const std::string type5 = "56<fpg@2=r248dP4000EHE:1<PTpD00000000016?0N<>5W8NERhCj4jECQh"
                              "00000000000";
    {
        std::ofstream out(path, std::ios::binary);
        out << "\\s:2573535,c:1671620143*0F\\"
            << WithChecksum("!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0")
            << ",s36310,d-081,T59.01777335\r\n"
            << WithChecksum("!AIVDM,1,1,,B," + type5 + ",2") << "\n"
            << WithChecksum("$GPRMC,123519,A,4807.038,N,01131.000,W,022.4,084.4,230394,003.1,"
                            "W,A,V")
            << "\n";
    }
    const ToolResult lenient = RunNmea("decode --lenient " + path);
    EXPECT_EQ(lenient.status, 0);
    const auto lines = Lines(lenient.output);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("\"command\":null,\"tag\":{\"s\":2573535,\"c\":1671620143},"
                            "\"fields\":"),
              std::string::npos)
        << lines[0];
    EXPECT_NE(lines[0].find("\"ais\":{\"type\":1,"), std::string::npos);
    EXPECT_NE(lines[1].find("\"ais\":{\"type\":5,"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("\"destination\":\"KAOHSIUNG"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("\"mode\":\"A\",\"navigational_status\":\"V\"}"), std::string::npos);

    EXPECT_EQ(RunNmea("decode --quiet " + path).output,
              "{\"lines\":3,\"ok\":0,\"failed\":3,\"errors\":{\"ending\":0,"
              "\"not a sentence\":0,\"checksum\":0,\"too long\":2,"
              "\"unknown formatter\":0,\"fields\":1,\"range\":0}}\n");
    EXPECT_NE(RunNmea("targets --lenient " + path).output.find("\"mmsi\":265547250"),
              std::string::npos);
    std::remove(path.c_str());
}

// A log of the simulated gateway: every sentence it sends decodes.
TEST(DecodeGatewayLog, EverySentenceOfTheSimulatedGatewayDecodes) {
    const ToolResult quiet = RunNmea("decode --quiet " GATEWAY_LOG_FILE);
    EXPECT_EQ(quiet.status, 0) << quiet.output;
    EXPECT_NE(quiet.output.find("\"failed\":0,"), std::string::npos) << quiet.output;
}

// Help and version answer with exit 0 in every spelling; each subcommand has its own help.
TEST(NmeaCommandLine, HelpAndVersion) {
    for (const char* help : {"--help", "-h", "help"}) {
        const ToolResult result = RunNmea(help);
        EXPECT_EQ(result.status, 0) << help;
        EXPECT_NE(result.output.find("decode"), std::string::npos) << help;
        EXPECT_NE(result.output.find("compose"), std::string::npos) << help;
    }
    const ToolResult version = RunNmea("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output.rfind("varo-nmea ", 0), 0u) << version.output;
    const ToolResult decodeHelp = RunNmea("decode --help");
    EXPECT_EQ(decodeHelp.status, 0);
    EXPECT_NE(decodeHelp.output.find("--quiet"), std::string::npos);
    const ToolResult dbgHelp = RunNmea("compose dbg --help");
    EXPECT_EQ(dbgHelp.status, 0);
    EXPECT_NE(dbgHelp.output.find("--zqt"), std::string::npos);
    EXPECT_EQ(RunNmea("2>/dev/null").status, 2);
    EXPECT_EQ(RunNmea("unknown 2>/dev/null").status, 2);
}

TEST(DecodeLine, LengthLimitAndJsonEscaping) {
    SentenceRecord record{};
    std::FILE* sink = std::tmpfile();
    ASSERT_NE(sink, nullptr);
    {
        JsonWriter json(sink);
        const std::string longest = WithChecksum("$GPTXT,01,01,02," + std::string(63, 'a'));
        ASSERT_EQ(longest.size(), 82u);
        EXPECT_EQ(DecodeInputLine(longest + "\r\n", 1, record, &json), ParseFailure::None);
        EXPECT_EQ(DecodeInputLine(WithChecksum("$GPTXT,01,01,02," + std::string(64, 'a')), 2,
                                  record, &json),
                  ParseFailure::TooLong);
        EXPECT_EQ(
            DecodeInputLine(WithChecksum("$GPTXT,01,01,02,say \"hi\"\\\x01"), 3, record, &json),
            ParseFailure::None);
    }
    std::rewind(sink);
    std::string output(4096, '\0');
    output.resize(std::fread(output.data(), 1, output.size(), sink));
    std::fclose(sink);
    const auto lines = Lines(output);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "{\"n\":2,\"ok\":false,\"error\":\"too long\"}");
    EXPECT_NE(lines[2].find("\"text\":\"say \\\"hi\\\"\\\\\\u0001\""), std::string::npos)
        << lines[2];
}

// The window's two log formats read back: the data log's time and message
// type are cut off and its other lines passed over, as are the raw log's
// time comments; every sentence decodes.
TEST(DecodeLogs, DataLogAndRawLogDecodeLikeTheirSentences) {
    const std::string gga =
        "$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*76";
    const std::string vtg = "$GPVTG,54.7,T,34.4,M,005.5,N,010.2,K,A*25";
    const std::vector<std::pair<std::string, std::string>> logs = {
        {"data", "Start Time (09:27:50)\r\nTime       Message Type   Data\r\n"
                 "====       ============   ====\r\n09:27:50   NMEA0183       " +
                     gga + "\r\n09:27:51   NMEA0183       " + vtg + "\r\nEnd Time (09:27:52)\r\n"},
        {"raw",
         "# 2026-12-10T09:27:50Z\r\n" + gga + "\r\n# 2026-12-10T09:27:51Z\r\n" + vtg + "\r\n"},
    };
    for (const auto& [name, text] : logs) {
        SCOPED_TRACE(name);
        const std::string path = ::testing::TempDir() + "varo_decode_log_" + name + ".txt";
        std::ofstream(path, std::ios::binary) << text;
        const auto lines = Lines(RunTool("decode " + path));
        std::remove(path.c_str());
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].rfind("{\"n\":1,\"ok\":true,", 0), 0u) << lines[0];
        EXPECT_NE(lines[0].find("\"formatter\":\"GGA\""), std::string::npos) << lines[0];
        EXPECT_NE(lines[1].find("\"formatter\":\"VTG\""), std::string::npos) << lines[1];
    }
}

} // namespace
} // namespace varo::test
