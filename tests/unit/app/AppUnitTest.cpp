#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ComNumber.h"
#include "UiTexts.h"

namespace varo {
namespace {

TEST(ComNumberOf, ReadsTheNumberAfterTheLastCom) {
    const std::vector<std::pair<std::string, std::optional<int>>> cases = {
        {"\\\\.\\COM1", 1},
        {"\\\\.\\COM12", 12},
        {"COM255", 255},
        {"\\\\.\\COMCOM7", 7},
        {"\\\\.\\COM", std::nullopt},
        {"\\\\.\\COM3x", std::nullopt},
        {"\\\\.\\COM-3", std::nullopt},
        {"\\\\.\\COM+3", std::nullopt},
        {"COM99999999999", std::nullopt},
        {"/dev/ttyUSB0", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(ComNumberOf(name), expected) << name;
}

TEST(UiTexts, EnglishDefaultsFillEveryTextOnce) {
    UiTexts texts;
    SetEnglishTexts(texts);
    std::set<std::string> keys;
    for (const UiTextEntry& entry : kUiTextTable) {
        EXPECT_EQ(texts.*entry.text, QString::fromUtf8(entry.english)) << entry.key;
        EXPECT_TRUE(keys.insert(std::string(entry.section) + "/" + entry.key).second)
            << "twice: " << entry.key;
    }
    // The member behind each entry is its own: no two entries share one.
    for (std::size_t i = 0; i < kUiTextTable.size(); ++i) {
        for (std::size_t j = i + 1; j < kUiTextTable.size(); ++j) {
            EXPECT_NE(kUiTextTable[i].text, kUiTextTable[j].text)
                << kUiTextTable[i].key << " and " << kUiTextTable[j].key;
        }
    }
    // Besides the message names (read by code), every member has an entry.
    EXPECT_EQ((sizeof(UiTexts) - sizeof(texts.MessageNames)) / sizeof(QString),
              kUiTextTable.size())
        << "a text without a table entry";
    EXPECT_EQ(texts.MessageNames[0], "Global position system fixed data");

    EXPECT_EQ(texts.QueryExit, "Are you sure to exit?");
    EXPECT_EQ(texts.Exit_Caption, "Exit!");
    EXPECT_EQ(texts.DisconnectStatus, "Disconnect...");
    EXPECT_EQ(texts.Disconnect, "Disconnect");
}

} // namespace

} // namespace varo
