#include <QAction>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>
#include <map>
#include <string>
#include <utility>

#include "FieldNames.h"
#include "Tag.h"
#include "TfrmAbout.h"
#include "UiTestSupport.h"
#include "platform/Ini.h"

namespace varo {
namespace {

QString SourceLanguageFile(const char* name) {
    return QDir(QStringLiteral(LANG_SOURCE_FOLDER)).filePath(QString::fromLatin1(name));
}

class LanguageFilesTest : public UiTest {
protected:
    // Every caption and text that a language file can set, by its section/key.
    std::map<std::string, QString> Texts() const {
        std::map<std::string, QString> texts = {
            {"MENU/File", form.mnuFile->title()},
            {"MENU/File_Exit", form.mnuExit->text()},
            {"MENU/Option", form.mnuOption->title()},
            {"MENU/Option_Language", form.mnuLanguage->title()},
            {"MENU/Option_Language_English", form.mnuLangEnglish->text()},
            {"MENU/Option_Language_TraChinese", form.mnuLangTraChinese->text()},
            {"MENU/Option_Language_SimpChinese", form.mnuLangSimpChinese->text()},
            {"MENU/Help", form.mnuHelp->title()},
            {"MENU/Help_About", form.mnuAbout->text()},
            {"SYS_BUTTON/EXIT", form.btnExit->text()},
            {"TAB_BAUD/Change NMEA Baud Rate", form.spbBaudRate->text()},
            {"CONFIG_SERIAL_PORT/Serial_Port", form.LabelAutoComPort->text()},
            {"CONFIG_SERIAL_PORT/Baud_Rate", form.LabelAutoBaudRate->text()},
            {"CONFIG_SERIAL_PORT/Setting", form.GroupBoxConnectionMode->title()},
            {"CONFIG_SERIAL_PORT/Auto", form.RadioButtonConnectionModeAuto->text()},
            {"CONFIG_SERIAL_PORT/Manual", form.RadioButtonConnectionModeManual->text()},
            {"ABOUT/Product", form.frmAbout->StaticTextProduct->text()},
            {"ABOUT/OK", form.frmAbout->btnOK->text()},
        };
        for (const UiTextEntry& entry : kUiTextTable) {
            texts[std::string(entry.section) + "/" + entry.key] = form.FTexts.*entry.text;
        }
        for (std::size_t i = 0; i < SentenceDescriptionTable.size(); ++i) {
            texts[std::string("MESSAGE_NAME/") + SentenceDescriptionTable[i].code] =
                form.FTexts.MessageNames[i];
        }
        // Labels that follow another caption or a text.
        EXPECT_EQ(form.lblSerialPort->text(), texts["CONFIG_SERIAL_PORT/Serial_Port"]);
        EXPECT_EQ(form.lblBaudRate->text(), texts["CONFIG_SERIAL_PORT/Baud_Rate"]);
        EXPECT_EQ(form.OpenPort->text(), form.OpenPortCaption(Tag(form.OpenPort)));
        return texts;
    }

    // Copies the shipped language and read-me files into Lang/ of a program
    // folder in the scratch folder; names not listed are left out.
    void InstallProgramFolder(const QStringList& names) {
        for (const QString& name : names) {
            WriteFile("program/Lang/" + name,
                      ReadAll(SourceLanguageFile(name.toLatin1().constData())));
        }
        form.AppFolder = Path("program") + "/";
    }
};

TEST_F(LanguageFilesTest, AFileWithOnlyOneKeyChangesOnlyThatCaption) {
    std::map<std::string, QString> expected = Texts();
    form.FLanguageFiles->LoadLanguageFile(WriteFile("one.ini", "[MENU]\nFile=Datei(&D)\n"));
    expected["MENU/File"] = "Datei(&D)";
    EXPECT_EQ(Texts(), expected);

    // A missing file changes nothing at all.
    form.FLanguageFiles->LoadLanguageFile(Path("missing.ini"));
    EXPECT_EQ(Texts(), expected);
}

TEST_F(LanguageFilesTest, ShippedChineseFilesReplaceEveryCaptionAndText) {
    const std::map<std::string, QString> english = Texts();
    for (const char* name : {"Lang-TW.ini", "Lang-CN.ini"}) {
        SCOPED_TRACE(name);
        form.FLanguageFiles->LoadLanguageFile(SourceLanguageFile(name));
        const std::map<std::string, QString> chinese = Texts();
        ASSERT_EQ(chinese.size(), english.size());
        for (const auto& [key, text] : chinese) {
            EXPECT_NE(text, english.at(key)) << key << " is not translated";
            EXPECT_FALSE(text.isEmpty()) << key;
        }
        form.FLanguageFiles->LoadLanguageFile(SourceLanguageFile("Lang-EN.ini"));
    }
}

TEST_F(LanguageFilesTest, EveryShippedFileHoldsExactlyTheKeysTheProgramReads) {
    const std::map<std::string, QString> keys = Texts();
    for (const char* name : {"Lang-EN.ini", "Lang-TW.ini", "Lang-CN.ini"}) {
        SCOPED_TRACE(name);
        const std::string path = QFile::encodeName(SourceLanguageFile(name)).toStdString();
        const platform::IniDocument file = platform::IniDocument::Load(path);
        for (const auto& [sectionAndKey, text] : keys) {
            const std::size_t slash = sectionAndKey.find('/');
            std::string value;
            EXPECT_TRUE(
                file.Find(sectionAndKey.substr(0, slash), sectionAndKey.substr(slash + 1), value))
                << sectionAndKey;
        }
        // No key that the program would not read (a misspelt one). The field
        // names and units are looked up by their English text instead: each
        // has its key.
        std::size_t keyLines = 0;
        bool named = false;
        for (const QByteArray& line : ReadAll(SourceLanguageFile(name)).split('\n')) {
            const QByteArray trimmed = line.trimmed();
            if (trimmed.startsWith('['))
                named = trimmed == "[FIELD_NAME]" || trimmed == "[UNIT]";
            else if (!named && !trimmed.isEmpty() && !trimmed.startsWith(';'))
                ++keyLines;
        }
        EXPECT_EQ(keyLines, keys.size());
        for (const auto& [section, english] : {std::pair{"FIELD_NAME", DecodedFieldNames()},
                                               std::pair{"UNIT", DecodedFieldUnits()}}) {
            for (const QString& key : english) {
                // "Offset 3" is translated as "Offset" and its number.
                const QString base = QString(key).remove(QRegularExpression(" \\d+(\\.\\d+)?$"));
                std::string value;
                EXPECT_TRUE(file.Find(section, base.toStdString(), value)) << key.toStdString();
            }
        }
    }
}

TEST_F(LanguageFilesTest, SwitchingBackWithAnIncompleteFileKeepsTheChineseText) {
    form.FLanguageFiles->LoadLanguageFile(SourceLanguageFile("Lang-TW.ini"));
    const std::map<std::string, QString> chinese = Texts();
    const QString partialEnglish = WriteFile(
        "partial-en.ini",
        "[MENU]\nFile=File(&F)\n[EXIT_QUERY]\nExit_Caption=Exit!\n[OTHER_MSG]\nError=Error\n");
    form.FLanguageFiles->LoadLanguageFile(partialEnglish);

    std::map<std::string, QString> expected = chinese;
    expected["MENU/File"] = "File(&F)";
    expected["EXIT_QUERY/Exit_Caption"] = "Exit!";
    expected["OTHER_MSG/Error"] = "Error";
    EXPECT_EQ(Texts(), expected);
    EXPECT_EQ(form.FTexts.QueryExit, QString::fromUtf8("確定要結束程式嗎？"));
}

TEST_F(LanguageFilesTest, ConnectButtonAndStatusFollowTheConnectionAtOnce) {
    const QString file = WriteFile("states.ini", "[SYS_BUTTON]\nConnect=Link\nDisconnect=Unlink\n"
                                                 "[CONFIG_SERIAL_PORT]\nConnecting=Linking\n"
                                                 "Connected=Linked\nDisconnect=Unlinked\n");
    struct Case {
        int tag;
        int linkState;
        const char* caption;
        const char* status;
    };
    for (const Case& state : {Case{0, 0, "Link", "Unlinked"}, Case{1, 1, "Unlink", "Linking"},
                              Case{1, 2, "Unlink", "Linked"}}) {
        SCOPED_TRACE(state.linkState);
        SetTag(form.OpenPort, state.tag);
        form.FLink->FLinkState = state.linkState;
        form.OpenPort->setText("stale");
        form.FLanguageFiles->LoadLanguageFile(file);
        EXPECT_EQ(form.OpenPort->text(), state.caption);
        EXPECT_EQ(form.LabelConnectionStatus->text(), state.status);
    }
}

TEST_F(LanguageFilesTest, MenuItemsSelectByTagAndOtherLanguagesMeanEnglish) {
    InstallProgramFolder({"Lang-EN.ini", "Lang-TW.ini", "Lang-CN.ini"});
    form.mnuLangTraChinese->trigger();
    EXPECT_EQ(form.FLanguage, 1);
    EXPECT_EQ(form.mnuFile->title(), QString::fromUtf8("檔案(&F)"));

    form.mnuLangSimpChinese->trigger();
    EXPECT_EQ(form.FLanguage, 2);
    EXPECT_EQ(form.mnuFile->title(), QString::fromUtf8("文件(&F)"));

    // A stored index of 7 picks the English item.
    form.FLanguage = 7;
    form.ApplySavedLanguage();
    EXPECT_EQ(form.FLanguage, 0);
    EXPECT_TRUE(form.mnuLangEnglish->isChecked());
    EXPECT_EQ(form.mnuFile->title(), "File(&F)");
    EXPECT_EQ(form.FTexts.QueryExit, "Are you sure to exit?");

    // An item whose tag is no language does nothing.
    QAction stranger;
    SetTag(&stranger, 3);
    form.FLanguageFiles->SelectLanguage(&stranger);
    SetTag(&stranger, -1);
    form.FLanguageFiles->SelectLanguage(&stranger);
    EXPECT_EQ(form.FLanguage, 0);
    EXPECT_EQ(form.mnuFile->title(), "File(&F)");
}

// Files saved by older editors: Big5 for Traditional and GBK for Simplified
// Chinese, without a byte order mark; a UTF-8 file with one still reads as UTF-8.
TEST_F(LanguageFilesTest, ChineseFilesInBig5AndGbkReadAsTheirUtf8Originals) {
    for (const auto& [name, encoding] :
         {std::pair{"Lang-TW.ini", "BIG5"}, {"Lang-CN.ini", "GBK"}}) {
        SCOPED_TRACE(name);
        form.FLanguageFiles->LoadLanguageFile(SourceLanguageFile(name));
        const std::map<std::string, QString> expected = Texts();
        form.FLanguageFiles->LoadLanguageFile(SourceLanguageFile("Lang-EN.ini"));

        QProcess iconv;
        iconv.setStandardInputFile(SourceLanguageFile(name));
        iconv.start("iconv", {"-f", "UTF-8", "-t", encoding});
        ASSERT_TRUE(iconv.waitForFinished());
        const QByteArray legacy = iconv.readAllStandardOutput();
        ASSERT_EQ(iconv.exitCode(), 0);
        ASSERT_NE(legacy, ReadAll(SourceLanguageFile(name)));
        form.FLanguageFiles->LoadLanguageFile(WriteFile(QStringLiteral("old/") + name, legacy));
        EXPECT_EQ(Texts(), expected);

        form.FLanguageFiles->LoadLanguageFile(SourceLanguageFile("Lang-EN.ini"));
        form.FLanguageFiles->LoadLanguageFile(WriteFile(
            QStringLiteral("bom/") + name, "\xEF\xBB\xBF" + ReadAll(SourceLanguageFile(name))));
        EXPECT_EQ(Texts(), expected);
    }
}

TEST(Fonts, ChineseTextHasAFont) {
    EXPECT_FALSE(QFontDatabase::families(QFontDatabase::TraditionalChinese).isEmpty());
    EXPECT_FALSE(QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty());
}

} // namespace

} // namespace varo
