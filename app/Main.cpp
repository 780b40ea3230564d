// varo-config: the configuration tool's window.
#include <QCommandLineParser>
#include <QPixmap>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <exception>
#include <string_view>

#include "DataView.h"
#include "Dialogs.h"
#include "LogReplay.h"
#include "SimulatedSession.h"
#include "Startup.h"
#include "TForm1.h"

namespace varo {
namespace {

struct Options {
    bool simulate = false;
    bool autoConnect = false;
    QString screenshot; // saved, then the program quits, after quitAfterSeconds
    double quitAfterSeconds = 0;
    QString replay; // a log played into the data view once the window is shown
};

Options ParseOptions(const QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Configuration tool for the VARO RZ-60 gateway."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption simulate(
        QStringLiteral("simulate"),
        QStringLiteral("Run the simulated gateway inside the program and select its port."));
    const QCommandLineOption autoConnect(QStringLiteral("auto-connect"),
                                         QStringLiteral("Press Connect once the window is shown."));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the window to <file> before quitting."),
        QStringLiteral("file"));
    const QCommandLineOption quitAfter(
        QStringLiteral("quit-after"),
        QStringLiteral("Quit after <seconds>, without the exit question."),
        QStringLiteral("seconds"));
    const QCommandLineOption replay(
        QStringLiteral("replay"),
        QStringLiteral("Play the raw NMEA file or data log <file> into the data view."),
        QStringLiteral("file"));
    parser.addOptions({simulate, autoConnect, screenshot, quitAfter, replay});
    parser.process(application);
    Options options;
    options.simulate = parser.isSet(simulate);
    options.autoConnect = parser.isSet(autoConnect);
    options.screenshot = parser.value(screenshot);
    options.quitAfterSeconds = parser.value(quitAfter).toDouble();
    options.replay = parser.value(replay);
    if (!options.screenshot.isEmpty() && options.quitAfterSeconds <= 0)
        options.quitAfterSeconds = 5;
    return options;
}

// --help and --version need no display: they are answered before the window's
// application object, which would look for one, is made.
bool AsksForHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h" || argument == "--help-all" ||
            argument == "--version" || argument == "-v") {
            return true;
        }
    }
    return false;
}

} // namespace

} // namespace varo

int main(int argc, char** argv) {
    using namespace varo;
    QCoreApplication::setApplicationName(QStringLiteral("varo-config"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARO_VERSION));
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication console(argc, argv);
        ParseOptions(console); // prints and exits
        return 0;
    }
    TApplication application(argc, argv);
    const Options options = ParseOptions(application);
    try {
        // The gateway starts first: the window's port discovery must find it.
        SimulatedSession simulation;
        QString error;
        if (options.simulate && !simulation.Start(error)) {
            ModalMessage(QStringLiteral("The simulated gateway did not start: %1").arg(error),
                         QStringLiteral("Error"), MessageIcon::Error, MessageButtons::Ok);
            return 1;
        }
        const ApplicationWindows windows = CreateApplicationWindows();
        TForm1* form = windows.form.get();
        if (options.simulate) simulation.Present(*form);
        form->show();
        if (!options.replay.isEmpty()) {
            QTimer::singleShot(
                0, form, [form, path = options.replay] { form->FDataView->Replay().Start(path); });
        }
        if (options.autoConnect) {
            QTimer::singleShot(0, form, [form] { form->OpenPort->click(); });
        }
        if (options.quitAfterSeconds > 0) {
            QTimer::singleShot(
                static_cast<int>(options.quitAfterSeconds * 1000), form, [form, options] {
                    if (!options.screenshot.isEmpty() && !form->grab().save(options.screenshot)) {
                        std::fprintf(stderr, "varo-config: cannot save %s\n",
                                     qPrintable(options.screenshot));
                        TApplication::exit(1);
                        return;
                    }
                    TApplication::exit(0);
                });
        }
        return TApplication::exec();
    } catch (const std::exception& error) {
        // A failure while starting ends the program after telling the user why.
        ModalMessage(QString::fromLocal8Bit(error.what()), QStringLiteral("Error"),
                     MessageIcon::Error, MessageButtons::Ok);
        return 1;
    }
}
