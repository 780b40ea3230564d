#include <gtest/gtest.h>

#include "Dialogs.h"

namespace varo {
namespace {

TEST(DialogSeams, FilterTextsBecomeQtNameFilters) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"Text files (*.txt)|*.txt", "Text files (*.txt)"},
        {"Text files|*.txt", "Text files (*.txt)"},
        {"Logs|*.txt;*.log|All files|*", "Logs (*.txt *.log);;All files (*)"},
        {"", ""},
        {"Dangling description", ""},
    };
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(ToQtNameFilter(filter), expected) << filter.toStdString();
}

TEST(DialogSeams, SaveDialogAsksThroughTheSeamAndKeepsTheLastChoice) {
    QString askedFilter;
    QString askedExtension;
    QString answer = "/tmp/log.txt";
    SaveFileSeam() = [&](const QString& filter, const QString& extension) {
        askedFilter = filter;
        askedExtension = extension;
        return answer;
    };
    TSaveDialog dialog{"Text files (*.txt)|*.txt", "txt", {}};
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, "/tmp/log.txt");
    EXPECT_EQ(askedFilter, "Text files (*.txt)|*.txt");
    EXPECT_EQ(askedExtension, "txt");

    answer.clear();
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, "/tmp/log.txt") << "a cancelled dialog keeps the previous name";
    SaveFileSeam() = AskSaveFileName;
}

TEST(DialogSeams, MessagesGoThroughTheReplaceableSeam) {
    int asked = 0;
    MessageBoxSeam() = [&](const QString&, const QString&, MessageIcon, MessageButtons buttons) {
        ++asked;
        return buttons == MessageButtons::YesNo ? MessageResult::Yes : MessageResult::Cancel;
    };
    EXPECT_EQ(ModalMessage("q", "c", MessageIcon::Question, MessageButtons::YesNo),
              MessageResult::Yes);
    EXPECT_EQ(ModalMessage("q", "c", MessageIcon::None, MessageButtons::OkCancel),
              MessageResult::Cancel);
    EXPECT_EQ(asked, 2);
    MessageBoxSeam() = ShowMessageBox;
}

} // namespace

} // namespace varo
