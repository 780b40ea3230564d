// Damaged files on the user's disk: a corrupt settings file or language
// file must leave the tool starting in English.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QToolButton>
#include <random>
#include <string>

#include "WindowLinkTest.h"

namespace varo {
namespace {

QByteArray RandomBytes(qsizetype size, unsigned seed) {
    std::mt19937 random(seed);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

// HOME (and with it the documents folder) points into a scratch folder while alive.
class ScratchHome {
public:
    ScratchHome() : savedHome(qgetenv("HOME")), savedConfig(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("HOME", folder.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral(".config")).toLocal8Bit());
    }
    ~ScratchHome() {
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    }
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;

    QString SettingsFile() const {
        return folder.filePath(
            QStringLiteral("Documents/VARO/VARO RZ-60 Configuration/VaroRZ60Config.ini"));
    }

    QTemporaryDir folder;

private:
    QByteArray savedHome;
    QByteArray savedConfig;
};

struct SettingsCase {
    const char* name;
    QByteArray content;
};

TEST(CorruptSettings, StartInEnglish) {
    const SettingsCase cases[] = {
        {"binary garbage", RandomBytes(4096, 1)},
        {"a huge file", RandomBytes(16 * 1024 * 1024, 2)},
        {"letters for the language", "[VIEW]\r\nLanguage=abc\r\n"},
        {"a language out of range", "[VIEW]\r\nLanguage=99\r\n"},
        {"a negative language", "[VIEW]\r\nLanguage=-1\r\n"},
        {"a language past the integer range", "[VIEW]\r\nLanguage=99999999999999999999\r\n"},
    };
    for (const SettingsCase& settings : cases) {
        SCOPED_TRACE(settings.name);
        ScratchHome home;
        QTemporaryDir comFolder;
        qputenv("VARO_COM_DIR", comFolder.path().toLocal8Bit());
        WriteFile(home.SettingsFile(), settings.content);
        RecordingMessageBoxes boxes(MessageResult::Ok);
        const ApplicationWindows windows = CreateApplicationWindows();
        ASSERT_EQ(windows.form->SettingsFile, home.SettingsFile()) << "the test reads another file";
        EXPECT_EQ(windows.form->FLanguage, 0);
        EXPECT_TRUE(windows.form->mnuLangEnglish->isChecked());
        EXPECT_EQ(windows.form->OpenPort->text(), "Connect");
        EXPECT_TRUE(boxes.asked.empty());
    }
}

// The program itself, copied into a folder whose Lang/ holds damaged files,
// starts and runs until told to quit.
struct LanguageCase {
    const char* name;
    QByteArray english;
};

QByteArray LongValues() {
    QByteArray text = "[MENU]\r\n";
    const QByteArray value(200000, 'W');
    for (const char* key : {"File", "File_Exit", "Option", "Help", "Help_About"})
        text += QByteArray(key) + "=" + value + "\r\n";
    return text + "[SYS_BUTTON]\r\nEXIT=" + value + "\r\n";
}

TEST(CorruptLanguageFile, TheProgramStartsAndRuns) {
    const LanguageCase cases[] = {
        {"binary garbage", RandomBytes(8192, 3)},
        {"no sections", "File=Archivo\r\nExit\r\n=\r\n[\r\n"},
        {"very long values", LongValues()},
    };
    for (const LanguageCase& language : cases) {
        SCOPED_TRACE(language.name);
        ScratchHome home;
        WriteFile(home.SettingsFile(), RandomBytes(512, 4));
        const QString programFolder = home.folder.filePath(QStringLiteral("program"));
        QDir().mkpath(programFolder);
        const QString program = programFolder + QStringLiteral("/varo-config");
        ASSERT_TRUE(QFile::copy(QStringLiteral(VARO_CONFIG_PROGRAM), program));
        WriteFile(programFolder + QStringLiteral("/Lang/Lang-EN.ini"), language.english);
        WriteFile(programFolder + QStringLiteral("/Lang/ReadMe-EN.txt"), RandomBytes(2048, 5));

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("VARO_COM_DIR"),
                           home.folder.filePath(QStringLiteral("com")));
        process.setProcessEnvironment(environment);
        process.start(program, {QStringLiteral("--quit-after"), QStringLiteral("0.5")});
        ASSERT_TRUE(process.waitForFinished(10000)) << "still running";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }
}

} // namespace

} // namespace varo
