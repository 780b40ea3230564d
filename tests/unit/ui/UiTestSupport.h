#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

#include "DataView.h"
#include "DeviceLink.h"
#include "Dialogs.h"
#include "LanguageFiles.h"
#include "Startup.h"
#include "TForm1.h"

namespace varo {

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The windows of a run with a clock that tests set, a scratch folder and the
// save dialog answered by the test.
class UiTest : public testing::Test {
protected:
    UiTest() : windows(CreateApplicationWindows()), form(*windows.form), view(*form.FDataView) {
        view.clock = [this] { return now; };
        SaveFileSeam() = [this](const QString& filter, const QString& extension) {
            askedFilter = filter;
            askedExtension = extension;
            return saveAnswer;
        };
    }
    ~UiTest() override { SaveFileSeam() = AskSaveFileName; }

    QString Path(const QString& name) const { return folder.filePath(name); }

    // A file in the scratch folder (sub-folders made as needed).
    QString WriteFile(const QString& name, const QByteArray& content) const {
        const QString path = Path(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        file.write(content);
        return path;
    }

    static QByteArray ReadAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Declared first so that they outlive the windows: a log still running
    // when the window goes is ended with this clock, in this folder.
    TimeOfDay now{10, 0, 0};
    QTemporaryDir folder;
    QString saveAnswer;
    QString askedFilter;
    QString askedExtension;
    ApplicationWindows windows;
    TForm1& form;
    DataView& view;
};

} // namespace varo
