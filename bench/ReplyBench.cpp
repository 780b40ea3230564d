// The time from Apply to the confirmed result: the window (offscreen)
// connected to the simulated gateway in this process at 38400 and at 4800
// baud, an output of GGA changed and read back (Button1), and the flow rate
// sent and read back from the static data block (Button2). Prints the median
// and the longest of each.
//
//   bench_reply [--rounds N]   (default 5 per figure)
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "DeviceLink.h"
#include "Dialogs.h"
#include "MessageTree.h"
#include "Startup.h"
#include "TForm1.h"
#include "sim/SimulatedGateway.h"

namespace varo {
namespace {

constexpr int kComNumber = 58;

bool WaitUntil(const std::function<bool()>& condition, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > limitMs) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

struct Figures {
    std::vector<double> apply;
    std::vector<double> flowRate;
};

void Print(const char* what, unsigned baud, std::vector<double> times) {
    if (times.empty()) {
        std::printf("%-28s %6u baud: no result\n", what, baud);
        return;
    }
    std::sort(times.begin(), times.end());
    std::printf("%-28s %6u baud: median %7.1f ms, longest %7.1f ms (%zu rounds)\n", what, baud,
                times[times.size() / 2], times.back(), times.size());
}

Figures Run(unsigned baud, int rounds) {
    Figures figures;
    QTemporaryDir folder;
    qputenv("VARO_COM_DIR", folder.path().toLocal8Bit());
    QString lastMessage;
    MessageBoxSeam() = [&](const QString& text, const QString&, MessageIcon, MessageButtons) {
        lastMessage = text;
        return MessageResult::Ok;
    };
    sim::SimOptions options;
    options.comNumber = kComNumber;
    options.linkFolder = folder.path().toStdString();
    options.nmeaBaud = baud;
    sim::SimulatedGateway gateway(options);
    std::string error;
    if (!gateway.Start(error)) {
        std::fprintf(stderr, "the simulated gateway did not start: %s\n", error.c_str());
        return figures;
    }
    ApplicationWindows windows = CreateApplicationWindows();
    TForm1& form = *windows.form;
    form.show();
    form.RadioButtonConnectionModeManual->click();
    const QString number = QString::number(kComNumber);
    if (!WaitUntil(
            [&] {
                form.RefreshPorts();
                return form.cbxComPort->findText(number) >= 0;
            },
            5000))
        return figures;
    form.cbxComPort->setCurrentIndex(form.cbxComPort->findText(number));
    form.cbxBaudRate->setCurrentIndex(form.cbxBaudRate->findText(QString::number(baud)));
    form.OpenPort->click();
    if (!WaitUntil([&] { return form.FLink->FLinked; }, 20000)) {
        std::fprintf(stderr, "no link at %u baud\n", baud);
        return figures;
    }
    form.PageControlConf->setCurrentWidget(form.TabSheet1);
    form.TreeView1->expandAll();
    const QList<QTreeWidgetItem*> gga =
        form.TreeView1->findItems(QStringLiteral("GGA"), Qt::MatchExactly | Qt::MatchRecursive);
    form.TreeView1->setCurrentItem(gga.front());
    form.FMessageTree->OnTreeSelect();
    if (!WaitUntil([&] { return form.Button1->isVisible() && form.Button1->isEnabled(); }, 20000))
        return figures;

    for (int round = 0; round < rounds; ++round) {
        form.CheckBox2->click();
        QElapsedTimer clock;
        clock.start();
        form.Button1->click();
        if (WaitUntil([&] { return !form.Label4->text().isEmpty(); }, 30000) &&
            form.Label4->text() == QStringLiteral("Modified successfully"))
            figures.apply.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);

        lastMessage.clear();
        form.Edit1->setText(QString::number(round % 2 + 1)); // 0 is the gateway's own rate
        clock.restart();
        form.Button2->click();
        if (WaitUntil([&] { return !lastMessage.isEmpty(); }, 30000) &&
            lastMessage == QStringLiteral("Change successfully!!"))
            figures.flowRate.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    form.OpenPort->click();
    return figures;
}

} // namespace
} // namespace varo

int main(int argc, char** argv) {
    using namespace varo;
    int rounds = 5;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
            rounds = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--rounds N]\n", argv[0]);
            return 2;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    for (unsigned baud : {38400u, 4800u}) {
        const Figures figures = Run(baud, rounds);
        Print("Apply (CTT change, read back)", baud, figures.apply);
        Print("Set New Flow Rate (TST 16)", baud, figures.flowRate);
    }
    return 0;
}
