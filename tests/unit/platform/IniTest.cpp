#include "platform/Ini.h"
#include "PtyPair.h"
#include "platform/Settings.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace varo {
namespace {

using namespace platform;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(Ini, LookupRules) {
    const IniDocument doc = IniDocument::Parse("\xEF\xBB\xBF"
                                               "; comment\r\n"
                                               "[Other]\r\n"
                                               "Caption=wrong section\r\n"
                                               "[ other_msg ]\r\n"
                                               "  Warning  =  Warning text  \r\n"
                                               "warning=second, ignored\r\n"
                                               "Quoted=\"  padded  \"\r\n"
                                               "Empty=\r\n"
                                               "Title=警告\r\n"
                                               "[OTHER_MSG]\r\n"
                                               "Error=from a repeated section\r\n"
                                               "Chinese=警告\r\n");
    struct Row {
        const char* Section;
        const char* Key;
        const char* Expected; // nullptr: absent
    };
    const Row rows[] = {
        {"OTHER_MSG", "WARNING", "Warning text"}, // case-insensitive, trimmed, first wins
        {"other", "caption", "wrong section"},
        {"OTHER_MSG", "Quoted", "  padded  "},
        {"OTHER_MSG", "Empty", ""},
        {"OTHER_MSG", "title", "警告"},
        {"OTHER_MSG", "Error", nullptr}, // only the first matching section counts
        {"OTHER_MSG", "Chinese", nullptr},
        {"Missing", "Warning", nullptr},
        {"OTHER_MSG", "Missing", nullptr},
    };
    for (const Row& row : rows) {
        std::string value;
        const bool found = doc.Find(row.Section, row.Key, value);
        EXPECT_EQ(found, row.Expected != nullptr) << row.Section << "/" << row.Key;
        if (found && row.Expected) {
            EXPECT_EQ(value, row.Expected) << row.Section << "/" << row.Key;
        }
    }
}

TEST(Ini, IntegersReadLikeProfileInt) {
    struct Row {
        const char* Text;
        int Expected;
    };
    const Row rows[] = {{"2", 2},
                        {" 7 ", 7},
                        {"12abc", 12},
                        {"-3", -3},
                        {"abc", 99},
                        {"", 99},
                        {"-", 99},
                        {"+4", 4},
                        {"0x10", 0},
                        {"99999999999", 2147483647},
                        {"-99999999999", -2147483647 - 1}};
    for (const Row& row : rows)
        EXPECT_EQ(ParseProfileInt(row.Text, 99), row.Expected) << row.Text;
}

TEST(Ini, MissingFileReadsAsEmpty) {
    EXPECT_EQ(GetPrivateProfileString("A", "B", "dflt", "/nonexistent/x.ini"), "dflt");
    EXPECT_EQ(GetPrivateProfileInt("A", "B", 5, "/nonexistent/x.ini"), 5);
}

TEST(Ini, WriteKeepsEverythingElse) {
    TempFolder folder;
    const std::string path = folder / "a.ini";
    WriteAll(path, "; keep me\r\n[VIEW]\r\nlanguage=1\r\nOther=x\r\n\r\n[MORE]\r\nk=v\r\n");
    ASSERT_TRUE(WritePrivateProfileString("view", "Language", "2", path));
    EXPECT_EQ(ReadAll(path),
              "; keep me\r\n[VIEW]\r\nlanguage=2\r\nOther=x\r\n\r\n[MORE]\r\nk=v\r\n");

    ASSERT_TRUE(WritePrivateProfileString("VIEW", "Added", "y", path));
    ASSERT_TRUE(WritePrivateProfileString("NEW", "Key", "z", path));
    EXPECT_EQ(ReadAll(path), "; keep me\r\n[VIEW]\r\nlanguage=2\r\nOther=x\r\nAdded=y\r\n\r\n"
                             "[MORE]\r\nk=v\r\n\r\n[NEW]\r\nKey=z\r\n");
    EXPECT_EQ(GetPrivateProfileString("new", "KEY", "", path), "z");
}

TEST(Ini, ByteOrderMarkIsKeptOnWriting) {
    TempFolder folder;
    const std::string path = folder / "bom.ini";
    WriteAll(path, "\xEF\xBB\xBF[VIEW]\nLanguage=1\n");
    ASSERT_TRUE(WritePrivateProfileString("VIEW", "Language", "2", path));
    EXPECT_EQ(ReadAll(path), "\xEF\xBB\xBF[VIEW]\nLanguage=2\n");

    // A second mark is text of the first line: writing keeps both, so the
    // first line does not turn into a section header on the next read.
    WriteAll(path, "\xEF\xBB\xBF\xEF\xBB\xBF [VIEW]a\n[VIEW]\nk=v\n");
    ASSERT_TRUE(WritePrivateProfileString("VIEW", "Language", "2", path));
    EXPECT_EQ(GetPrivateProfileInt("VIEW", "Language", 0, path), 2);
}

TEST(Ini, WriteReplacesTheFileAtomically) {
    TempFolder folder;
    const std::string path = folder / "a.ini";
    WriteAll(path, "[S]\nk=old\n");
    // A second name for the old file: an in-place rewrite would change it too.
    ASSERT_EQ(::link(path.c_str(), (folder / "old.ini").c_str()), 0);
    ASSERT_TRUE(WritePrivateProfileString("S", "k", "new", path));
    EXPECT_EQ(ReadAll(path), "[S]\nk=new\n");
    EXPECT_EQ(ReadAll(folder / "old.ini"), "[S]\nk=old\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path),
                            std::filesystem::directory_iterator()),
              2)
        << "temporary file left behind";
    EXPECT_FALSE(WritePrivateProfileString("S", "k", "v", "/nonexistent/dir/a.ini"));
}

TEST(Settings, FirstStartThenStoredLanguage) {
    TempFolder documents;
    const std::string folder = SettingsFolder(documents.Path.string());
    EXPECT_EQ(folder, documents.Path.string() + "/VARO/VARO RZ-60 Configuration/");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    const std::string file = SettingsFile(folder);
    EXPECT_EQ(file, folder + "VaroRZ60Config.ini");
    EXPECT_EQ(ReadSettings(file), 0);
    EXPECT_FALSE(std::filesystem::exists(file)) << "reading must not create the file";

    WriteAll(file, "[View]\nLANGUAGE = 2\n[OTHER]\nKeep=1\n");
    EXPECT_EQ(ReadSettings(file), 2);
    ASSERT_TRUE(WriteSettings(file, 0));
    EXPECT_EQ(ReadSettings(file), 0);
    EXPECT_EQ(GetPrivateProfileInt("OTHER", "Keep", 0, file), 1);
}

TEST(Settings, FolderFallsBackToDocuments) {
    TempFolder documents;
    // A file named VARO blocks the sub-folder.
    WriteAll(documents / "VARO", "");
    EXPECT_EQ(SettingsFolder(documents.Path.string()), documents.Path.string() + "/");
}

} // namespace

} // namespace varo
