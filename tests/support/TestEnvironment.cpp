#include "TestEnvironment.h"

#include <QDir>
#include <QStandardPaths>

namespace varo {

TestEnvironment::TestEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QDir folder(FFolder.path());
    for (const char* name : {"home", "config", "com", "lock"})
        folder.mkpath(QString::fromLatin1(name));
    qputenv("HOME", folder.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("VARO_COM_DIR", folder.filePath(QStringLiteral("com")).toLocal8Bit());
    qputenv("VARO_LOCK_DIR", folder.filePath(QStringLiteral("lock")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
}

} // namespace varo
