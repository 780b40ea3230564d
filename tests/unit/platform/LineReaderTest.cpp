// The bounded line reader: every line ending, lines split across reads, the
// length bound, and read errors.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/LineReader.h"

namespace varo::platform {
namespace {

struct Read {
    std::vector<std::string> lines;
    std::vector<bool> cut;
};
Read ReadAll(LineReader& reader) {
    Read read;
    while (reader.Next()) {
        read.lines.emplace_back(reader.Line());
        read.cut.push_back(reader.Cut());
    }
    return read;
}

// A file holding `text`, read through the reader's file path.
Read ReadFileText(const std::string& text) {
    std::FILE* file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    LineReader reader(file);
    Read read = ReadAll(reader);
    EXPECT_EQ(reader.Error(), 0);
    EXPECT_EQ(reader.Consumed(), text.size());
    std::fclose(file);
    return read;
}

TEST(LineReader, CrLfLfAndLoneCrEachEndALine) {
    LineReader reader(std::string_view("a\r\nb\nc\rd\r\r\ne"));
    const Read read = ReadAll(reader);
    EXPECT_EQ(read.lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
}

TEST(LineReader, AnEndingSplitAcrossReadsIsOneEnding) {
    // The CR is the last byte of the first 64 KiB read, its LF the first of the next.
    const std::string first(65535, 'x');
    const Read read = ReadFileText(first + "\r\nnext\n");
    ASSERT_EQ(read.lines.size(), 2u);
    EXPECT_TRUE(read.cut[0]);
    EXPECT_EQ(read.lines[1], "next");
}

TEST(LineReader, LongLinesAreCutAtTheBoundWithTheirRestPassedOver) {
    const std::string longLine(3 * 65536 + 7, 'y'); // spans several reads
    const Read read = ReadFileText("short\n" + longLine + "\n" +
                                   std::string(LineReader::kMaxLineLength, 'z') + "\nend");
    ASSERT_EQ(read.lines.size(), 4u);
    EXPECT_EQ(read.lines[1], std::string(LineReader::kMaxLineLength, 'y'));
    EXPECT_EQ(read.cut, (std::vector<bool>{false, true, false, false}))
        << "a line of exactly the bound is whole";
    EXPECT_EQ(read.lines[3], "end") << "a last line without an ending counts";
}

TEST(LineReader, AFolderIsAReadError) {
    std::FILE* folder = std::fopen(std::filesystem::temp_directory_path().c_str(), "rb");
    ASSERT_NE(folder, nullptr);
    LineReader reader(folder);
    EXPECT_FALSE(reader.Next());
    EXPECT_EQ(reader.Error(), EISDIR);
    std::fclose(folder);

    std::vector<std::string> lines;
    std::string reason;
    EXPECT_FALSE(ReadLines(std::filesystem::temp_directory_path().string(), lines, reason));
    EXPECT_FALSE(reason.empty());
}

} // namespace
} // namespace varo::platform
