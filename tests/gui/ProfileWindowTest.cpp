// The window's File menu profile actions against the simulated gateway:
// save, compare (with a screenshot of the differences table) and apply.
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <nlohmann/json.hpp>

#include "LanguageFiles.h"
#include "ProfileActions.h"
#include "WindowLinkTest.h"

namespace varo {
namespace {

using namespace std::chrono_literals;
using Json = nlohmann::ordered_json;

class ProfileWindow : public WindowLinkTest {
protected:
    ProfileWindow() : previousOpen(ProfileActions::OpenFileSeam()) {
        SaveFileSeam() = [this](const QString&, const QString&) { return path; };
        ProfileActions::OpenFileSeam() = [this](const QString&) { return path; };
    }
    ~ProfileWindow() override {
        SaveFileSeam() = AskSaveFileName;
        ProfileActions::OpenFileSeam() = previousOpen;
    }
    ProfileActions& Actions() { return *form.FProfileActions; }
    // Triggers `action` and waits until a message box or the table shows up.
    void Trigger(QAction* action) {
        const std::size_t before = boxes.asked.size();
        QDialog* table = Actions().DifferencesDialog;
        action->trigger();
        ASSERT_TRUE(WaitFor(
            [&] { return boxes.asked.size() > before || Actions().DifferencesDialog != table; },
            20000ms));
    }
    QString LastMessage() const {
        return boxes.asked.empty() ? QString() : boxes.asked.back().text;
    }

    ProfileActions::OpenFileFunction previousOpen;
    QString path = ports.folder.filePath(QStringLiteral("boat.json"));
};

TEST_F(ProfileWindow, SavesComparesAndAppliesWhileConnected) {
    StartGateway(41, 38400);
    EXPECT_FALSE(Actions().SaveAction->isEnabled()) << "disabled while not connected";
    ChooseManual(41, "38400");
    form.OpenPort->click();
    ASSERT_TRUE(WaitFor([&] { return Actions().SaveAction->isEnabled(); }, 5000ms));

    Trigger(Actions().SaveAction);
    EXPECT_EQ(LastMessage(),
              QStringLiteral("The gateway's configuration was saved to %1.").arg(path));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    Json profile = Json::parse(saved.readAll().toStdString());
    saved.close();
    profile["nmea0183_inputs"]["VDM"]["AIS"] = false;
    profile["nmea2000_inputs"]["129025"]["RMC"] = false;
    profile["nmea0183_outputs"]["MWV"] = false;
    profile["flow_rate"] = 2;
    QFile changed(path);
    ASSERT_TRUE(changed.open(QIODevice::WriteOnly | QIODevice::Truncate));
    changed.write(QByteArray::fromStdString(profile.dump()));
    changed.close();

    Trigger(Actions().CompareAction);
    QTableWidget* table = Actions().DifferencesTable;
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->item(0, 0)->text(), "flow_rate");
    EXPECT_EQ(table->item(1, 0)->text(), "nmea0183_inputs.VDM.AIS");
    EXPECT_EQ(table->item(1, 1)->text(), "true");
    EXPECT_EQ(table->item(1, 2)->text(), "false");
    const QString shot =
        QDir(QStringLiteral(SCREENSHOT_FOLDER)).filePath(QStringLiteral("profile-compare.png"));
    EXPECT_TRUE(Actions().DifferencesDialog->grab().save(shot)) << shot.toStdString();

    Trigger(Actions().ApplyAction);
    EXPECT_EQ(LastMessage(), "The gateway now matches the file.");
    Trigger(Actions().CompareAction);
    EXPECT_EQ(LastMessage(), "The gateway matches the file.");
}

TEST_F(ProfileWindow, ADamagedFileIsRefusedAndCancelStopsTheWork) {
    StartGateway(42, 38400);
    ChooseManual(42, "38400");
    form.OpenPort->click();
    ASSERT_TRUE(WaitFor([&] { return Actions().CompareAction->isEnabled(); }, 5000ms));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "varo-rz60-profile", "version": 1, "identity": []})");
    file.close();
    Actions().CompareAction->trigger();
    EXPECT_FALSE(Actions().Running());
    EXPECT_EQ(LastMessage(),
              QStringLiteral("%1 cannot be used: identity: not an object").arg(path));

    // The same refusals and warnings as the command line, in the user's language.
    auto compareWith = [&](const char* text) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        Actions().CompareAction->trigger();
    };
    form.FLanguageFiles->LoadLanguageFile(QStringLiteral(LANG_SOURCE_FOLDER "/Lang-TW.ini"));
    compareWith(R"({"format": "varo-rz60-profile", "format": "other"})");
    EXPECT_FALSE(Actions().Running());
    EXPECT_EQ(LastMessage(), QString::fromUtf8("無法使用 %1：format: 重複出現").arg(path))
        << LastMessage().toStdString();
    form.FLanguageFiles->LoadLanguageFile(QStringLiteral(LANG_SOURCE_FOLDER "/Lang-EN.ini"));
    const std::size_t warned = boxes.asked.size();
    Profile profile = FilledProfile(1);
    profile.identity.nmeaBaudRate = 38400;
    profile.identity.debugBaudRate = 115200;
    Json extra = Json::parse(ProfileJson(profile));
    extra["comment"] = "by hand";
    compareWith(extra.dump().c_str());
    ASSERT_EQ(boxes.asked.size(), warned + 1);
    EXPECT_EQ(boxes.asked.back().icon, MessageIcon::Warning);
    EXPECT_TRUE(boxes.asked.back().text.endsWith("they were ignored: comment"))
        << boxes.asked.back().text.toStdString();
    ASSERT_TRUE(Actions().Running()) << "a warning does not stop the comparison";
    Actions().Progress->findChild<QPushButton*>()->click(); // Cancel

    const std::size_t asked = boxes.asked.size();
    Actions().SaveAction->trigger();
    ASSERT_TRUE(Actions().Running());
    Actions().Progress->findChild<QPushButton*>()->click(); // Cancel
    EXPECT_FALSE(Actions().Running());
    EXPECT_FALSE(WaitFor([&] { return boxes.asked.size() > asked; }, 1500ms))
        << "a cancelled job reports nothing";
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().startsWith("{\"format\"")) << "not overwritten";
}

} // namespace
} // namespace varo
