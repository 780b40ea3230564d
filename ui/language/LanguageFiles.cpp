#include "LanguageFiles.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStringDecoder>
#include <QToolButton>
#include <array>
#include <cstring>
#include <string>
#include <utility>

#include "AboutBox.h"
#include "DeviceLink.h"
#include "FieldNames.h"
#include "TForm1.h"
#include "Tag.h"
#include "TfrmAbout.h"
#include "platform/Ini.h"
#include "platform/LineReader.h"

namespace varo {
namespace {

struct LanguageFileNames {
    const char* language;
    const char* readMe;
};

constexpr std::array<LanguageFileNames, 3> kLanguageFiles{{
    {"Lang/Lang-EN.ini", "Lang/ReadMe-EN.txt"},
    {"Lang/Lang-TW.ini", "Lang/ReadMe-TW.txt"},
    {"Lang/Lang-CN.ini", "Lang/ReadMe-CN.txt"},
}};

bool IsLanguage(int language) {
    return language >= 0 && language < static_cast<int>(kLanguageFiles.size());
}

// The sections of the texts that only this program's window reads; the
// specified sections are read in their own order by LoadLanguageFile.
constexpr std::array<const char*, 6> kWindowSections{
    "MAIN_MENU", "TOP_PANEL", "PAGE_PROPERTIES", "PAGE_CONFIGURATION", "PAGE_DATAVIEW", "DIALOG"};

// One open language file. Each lookup gives the file's text for the key, or
// the current text when the key is absent.
class LanguageFile {
public:
    explicit LanguageFile(const QString& path)
        : document(platform::IniDocument::Parse(ReadLanguageText(path).toStdString())) {}

    QString Text(const char* section, const char* key, const QString& current) const {
        std::string value;
        return document.Find(section, key, value) ? QString::fromStdString(value) : current;
    }

    void Caption(const char* section, const char* key, QMenu* menu) const {
        menu->setTitle(Text(section, key, menu->title()));
    }
    void Caption(const char* section, const char* key, QAction* item) const {
        item->setText(Text(section, key, item->text()));
    }
    template <class Button>
    void Caption(const char* section, const char* key, Button* button) const {
        button->setText(Text(section, key, button->text()));
    }
    void Caption(const char* section, const char* key, QGroupBox* group) const {
        group->setTitle(Text(section, key, group->title()));
    }
    // One text for two labels that show the same caption.
    void Caption(const char* section, const char* key, QLabel* first, QLabel* second) const {
        const QString text = Text(section, key, first->text());
        first->setText(text);
        second->setText(text);
    }

    // Every entry of one section of the UI text table.
    void Texts(const char* section, UiTexts& texts) const {
        for (const UiTextEntry& entry : kUiTextTable) {
            if (std::strcmp(entry.section, section) != 0) continue;
            texts.*entry.text = Text(entry.section, entry.key, texts.*entry.text);
        }
    }

private:
    platform::IniDocument document;
};

} // namespace

const char* LegacyEncoding(const QString& path) {
    const QString name = QFileInfo(path).completeBaseName();
    if (name.compare(QLatin1String("Lang-TW"), Qt::CaseInsensitive) == 0) return "Big5";
    if (name.compare(QLatin1String("Lang-CN"), Qt::CaseInsensitive) == 0) return "GBK";
    return nullptr;
}

QByteArray ReadLanguageText(const QString& path) {
    std::vector<std::string> lines;
    std::string reason;
    platform::ReadLines(QFile::encodeName(path).toStdString(), lines, reason);
    QByteArray bytes;
    for (const std::string& line : lines)
        bytes.append(line.data(), static_cast<qsizetype>(line.size())).append('\n');
    if (bytes.startsWith("\xEF\xBB\xBF")) return bytes;
    // A clean UTF-8 decode means UTF-8 (plain ASCII included).
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(bytes);
    const char* legacy = LegacyEncoding(path);
    if (!utf8.hasError() || legacy == nullptr) return bytes;
    QStringDecoder decoder(legacy);
    if (!decoder.isValid()) return bytes;
    return QString(decoder.decode(bytes)).toUtf8();
}

QString LanguageFiles::LanguageFilePath(int language) const {
    return form.AppFolder +
           QString::fromLatin1(kLanguageFiles.at(static_cast<std::size_t>(language)).language);
}

QString LanguageFiles::ReadMePath(int language) const {
    return form.AppFolder +
           QString::fromLatin1(kLanguageFiles.at(static_cast<std::size_t>(language)).readMe);
}

void LanguageFiles::SelectLanguage(QAction* item) {
    if (item == nullptr) return;
    const int language = Tag(item);
    if (!IsLanguage(language)) return;
    form.FLanguage = language;
    const UiTexts before = form.FTexts;
    // No font character set is chosen: Qt text is Unicode and the font
    // database falls back to a font that has the Chinese glyphs.
    LoadLanguageFile(LanguageFilePath(language));
    form.ShowResultTexts(before);
    LoadToolkitTexts(language);
    if (form.frmAbout != nullptr) LoadReadMe(*form.frmAbout, ReadMePath(language));
}

void LanguageFiles::LoadToolkitTexts(int language) {
    static constexpr std::array<const char*, 3> kToolkitFiles{nullptr, "qtbase_zh_TW",
                                                              "qtbase_zh_CN"};
    static const std::array<QLocale, 3> kLocales{QLocale(QLocale::English, QLocale::UnitedStates),
                                                 QLocale(QLocale::Chinese, QLocale::Taiwan),
                                                 QLocale(QLocale::Chinese, QLocale::China)};
    // The toolkit's own words that are not in its translations (the file
    // dialog's kinds of file) follow the default locale.
    QLocale::setDefault(kLocales.at(static_cast<std::size_t>(language)));
    if (toolkitTexts != nullptr) QCoreApplication::removeTranslator(toolkitTexts.get());
    toolkitTexts.reset();
    const char* name = kToolkitFiles.at(static_cast<std::size_t>(language));
    if (name == nullptr) return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QString::fromLatin1(name),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator.get()))
        toolkitTexts = std::move(translator);
}

LanguageFiles::~LanguageFiles() {
    if (toolkitTexts != nullptr) QCoreApplication::removeTranslator(toolkitTexts.get());
}

void LanguageFiles::LoadLanguageFile(const QString& path) {
    const LanguageFile file(path);
    UiTexts& texts = form.FTexts;

    file.Caption("MENU", "File", form.mnuFile);
    file.Caption("MENU", "File_Exit", form.mnuExit);
    file.Caption("MENU", "Option", form.mnuOption);
    file.Caption("MENU", "Option_Language", form.mnuLanguage);
    file.Caption("MENU", "Option_Language_English", form.mnuLangEnglish);
    file.Caption("MENU", "Option_Language_TraChinese", form.mnuLangTraChinese);
    file.Caption("MENU", "Option_Language_SimpChinese", form.mnuLangSimpChinese);
    file.Caption("MENU", "Help", form.mnuHelp);
    file.Caption("MENU", "Help_About", form.mnuAbout);

    file.Texts("SYS_BUTTON", texts);
    form.OpenPort->setText(form.OpenPortCaption(Tag(form.OpenPort)));
    file.Caption("SYS_BUTTON", "EXIT", form.btnExit);

    file.Caption("TAB_BAUD", "Change NMEA Baud Rate", form.spbBaudRate);
    form.BaudButtonCaption = file.Text("TAB_BAUD", "Change NMEA Baud Rate", form.BaudButtonCaption);
    file.Texts("TAB_BAUD", texts);

    file.Caption("CONFIG_SERIAL_PORT", "Serial_Port", form.LabelAutoComPort, form.lblSerialPort);
    file.Caption("CONFIG_SERIAL_PORT", "Baud_Rate", form.LabelAutoBaudRate, form.lblBaudRate);
    file.Caption("CONFIG_SERIAL_PORT", "Setting", form.GroupBoxConnectionMode);
    file.Caption("CONFIG_SERIAL_PORT", "Auto", form.RadioButtonConnectionModeAuto);
    file.Caption("CONFIG_SERIAL_PORT", "Manual", form.RadioButtonConnectionModeManual);
    file.Texts("CONFIG_SERIAL_PORT", texts);
    switch (form.FLink->FLinkState) {
    case 0:
        form.LabelConnectionStatus->setText(texts.DisconnectStatus);
        break;
    case 1:
        form.LabelConnectionStatus->setText(texts.Connecting);
        break;
    case 2:
        form.LabelConnectionStatus->setText(texts.Connected);
        break;
    default:
        break;
    }

    file.Texts("EXIT_QUERY", texts);
    if (form.frmAbout != nullptr) {
        file.Caption("ABOUT", "Product", form.frmAbout->StaticTextProduct);
        file.Caption("ABOUT", "OK", form.frmAbout->btnOK);
    }
    file.Texts("OTHER_MSG", texts);

    for (const char* section : kWindowSections)
        file.Texts(section, texts);
    for (std::size_t i = 0; i < SentenceDescriptionTable.size(); ++i) {
        texts.MessageNames[i] =
            file.Text("MESSAGE_NAME", SentenceDescriptionTable[i].code, texts.MessageNames[i]);
    }
    file.Texts("PROFILE", texts);
    const auto readNames = [&file](const char* section, const std::vector<QString>& english,
                                   QHash<QString, QString>& names) {
        names.clear();
        for (const QString& name : english) {
            const QString text = file.Text(section, name.toUtf8().constData(), name);
            if (text != name) names.insert(name, text);
        }
    };
    readNames("FIELD_NAME", DecodedFieldNames(), texts.FieldNames);
    readNames("UNIT", DecodedFieldUnits(), texts.Units);
    form.ShowTexts();
}

} // namespace varo
