// varo-config: the configuration tool's window.
//   --simulate      run the simulated gateway inside the program and select its port
//   --auto-connect  press Connect once the window is shown
#include <QStringList>
#include <QTimer>
#include <QToolButton>
#include <exception>

#include "Dialogs.h"
#include "SimulatedSession.h"
#include "Startup.h"
#include "TForm1.h"

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  const QStringList arguments = TApplication::arguments();
  try {
    // The gateway starts first: the window's port discovery must find it.
    SimulatedSession simulation;
    const bool simulate = arguments.contains(QStringLiteral("--simulate"));
    QString error;
    if (simulate && !simulation.Start(error)) {
      ModalMessage(QStringLiteral("The simulated gateway did not start: %1").arg(error), QStringLiteral("Error"),
                   MessageIcon::Error, MessageButtons::Ok);
      return 1;
    }
    const ApplicationWindows windows = CreateApplicationWindows();
    if (simulate) simulation.Present(*windows.form);
    windows.form->show();
    if (arguments.contains(QStringLiteral("--auto-connect"))) {
      QTimer::singleShot(0, windows.form.get(), [form = windows.form.get()] { form->OpenPort->click(); });
    }
    return TApplication::exec();
  } catch (const std::exception& error) {
    // A failure while starting ends the program after telling the user why.
    ModalMessage(QString::fromLocal8Bit(error.what()), QStringLiteral("Error"), MessageIcon::Error,
                 MessageButtons::Ok);
    return 1;
  }
}
