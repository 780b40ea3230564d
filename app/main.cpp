// varo-config: the configuration tool's window.
#include <exception>

#include "Dialogs.h"
#include "Startup.h"
#include "TForm1.h"

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  try {
    const ApplicationWindows windows = CreateApplicationWindows();
    windows.form->show();
    return TApplication::exec();
  } catch (const std::exception& error) {
    // A failure while starting ends the program after telling the user why.
    ModalMessage(QString::fromLocal8Bit(error.what()), QStringLiteral("Error"), MessageIcon::Error,
                 MessageButtons::Ok);
    return 1;
  }
}
