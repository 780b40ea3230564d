#include "Startup.h"

#include <exception>

#include "Dialogs.h"
#include "TForm1.h"
#include "TfrmAbout.h"

namespace varo {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("varo-config"));
    setApplicationDisplayName(QString::fromUtf8(kApplicationTitle));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ModalMessage(QString::fromLocal8Bit(error.what()), QStringLiteral("Error"),
                     MessageIcon::Error, MessageButtons::Ok);
    }
    return false;
}

ApplicationWindows CreateApplicationWindows() {
    ApplicationWindows windows;
    windows.form = std::make_unique<TForm1>();
    windows.about = new TfrmAbout(windows.form.get());
    windows.form->frmAbout = windows.about;
    windows.form->ApplySavedLanguage();
    return windows;
}

} // namespace varo
