// What the window says about the link, against the simulated gateway: the
// status display in every state, ports that are absent or held, the health
// bar's figures and notices, checked input and replay beside a live link.
// Each case is also rendered to PNG files, in English and in Traditional
// Chinese where it shows words.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ConnectionStatus.h"
#include "DataView.h"
#include "FaultGateway.h"
#include "LogReplay.h"
#include "PtyPair.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

class LinkTruthTest : public FaultGatewayTest {
protected:
    LinkTruthTest() {
        QDir(program.path()).mkpath(QStringLiteral("Lang"));
        for (const QString& name : QDir(QStringLiteral(LANG_SOURCE_FOLDER)).entryList(QDir::Files))
            QFile::copy(QStringLiteral(LANG_SOURCE_FOLDER "/") + name,
                        program.filePath(QStringLiteral("Lang/") + name));
        form.AppFolder = program.path() + "/";
        form.show();
    }

    // The window as `name`.png, and as `name`-tw.png in Traditional Chinese.
    void Shots(const char* name) {
        const auto shot = [&](const QString& file) {
            QTest::qWait(600); // one health refresh at least
            const QString path = QDir(QStringLiteral(SCREENSHOT_FOLDER)).filePath(file);
            EXPECT_TRUE(form.grab().save(path)) << path.toStdString();
        };
        shot(QStringLiteral("%1.png").arg(name));
        form.mnuLangTraChinese->trigger();
        shot(QStringLiteral("%1-tw.png").arg(name));
        form.mnuLangEnglish->trigger();
    }

    // Picture, label and button agree on `status`.
    void ExpectShown(LinkStatus status) {
        QLabel expected;
        expected.resize(form.ImageConnectToDevice->size());
        DrawStatusImage(&expected, form.ImageListConnectToDevice,
                        status == LinkStatus::Disconnect ? 0 : 1);
        EXPECT_EQ(form.ImageConnectToDevice->pixmap().toImage(), expected.pixmap().toImage());
        const QString label = status == LinkStatus::Disconnect   ? form.FTexts.DisconnectStatus
                              : status == LinkStatus::Connecting ? form.FTexts.Connecting
                                                                 : form.FTexts.Connected;
        EXPECT_EQ(form.LabelConnectionStatus->text(), label);
        EXPECT_EQ(form.OpenPort->isChecked(), status != LinkStatus::Disconnect);
        EXPECT_EQ(ButtonTag(), status == LinkStatus::Disconnect ? 0 : 1);
    }

    QString LastBox() const { return boxes.asked.empty() ? QString() : boxes.asked.back().text; }

    // A program that holds COM `number` open, as a terminal program would.
    pid_t HoldPort(int number, PtyPair& pty) {
        const std::string link =
            ports.folder.path().toStdString() + "/com" + std::to_string(number);
        EXPECT_EQ(::symlink(pty.SlavePath.c_str(), link.c_str()), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            const int held = ::open(pty.SlavePath.c_str(), O_RDWR | O_NOCTTY);
            ::dup2(held, 3);
            ::execlp("sleep", "sleep", "30", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        EXPECT_TRUE(WaitFor(
            [&] {
                form.RefreshPorts();
                return form.cbxComPort->findText(
                           QStringLiteral("%1 (busy: sleep, pid %2)").arg(number).arg(child)) >= 0;
            },
            3000ms));
        return child;
    }

    QTemporaryDir program;
};

// Every transition of the link's state machine, the picture, label and
// button agreeing at each, including a time-out followed by Connect before
// the disconnecting step and a good gateway then.
TEST_F(LinkTruthTest, TheDisplayFollowsEveryTransition) {
    ExpectShown(LinkStatus::Disconnect);
    sim::SimOptions deaf;
    deaf.ignoreCommands = true;
    StartFaultGateway(51, deaf);
    ChooseManual(51, "38400");
    PressConnect();
    ExpectShown(LinkStatus::Connecting); // Idle -> Probing
    for (int tick = 0; tick < 22 && boxes.asked.empty(); ++tick)
        Tick(100ms);
    ASSERT_EQ(boxes.asked.size(), 1u); // Probing -> time-out
    EXPECT_TRUE(LastBox().contains("does not answer the probe")) << LastBox().toStdString();
    EXPECT_EQ(form.LabelConnectionStatus->text(), form.FTexts.DisconnectStatus);
    form.OpenPort->click(); // before the next step: disconnected at once
    ExpectShown(LinkStatus::Disconnect);
    EXPECT_FALSE(Connected());

    StartFaultGateway(52, {});
    ASSERT_TRUE(ConnectTo(52)); // Probing -> Linked, with the real timers
    ASSERT_TRUE(WaitFor([&] { return !form.TimerConnection->isActive(); }, 1000ms));
    ExpectShown(LinkStatus::Connected);
    EXPECT_FALSE(form.Timer1->isActive());
    Shots("link-connected-after-time-out");
    form.OpenPort->click(); // Linked -> Idle
    ExpectShown(LinkStatus::Disconnect);
    EXPECT_FALSE(Connected());
    EXPECT_EQ(form.lblHealth->text(), form.FTexts.HealthIdle);
}

// A port that goes away stays chosen, marked absent, and Connect says so;
// Auto names a port another program holds and passes over it; Manual names
// the holder.
TEST_F(LinkTruthTest, AbsentAndHeldPortsAreMarkedAndNamed) {
    AddSilentPort(53);
    ChooseManual(53, "38400");
    RemovePortLink(53);
    EXPECT_EQ(form.cbxComPort->currentText(), "53 (absent)");
    EXPECT_EQ(form.ChosenPort(), "53");
    form.OpenPort->click();
    EXPECT_TRUE(LastBox().startsWith("COM53 is absent")) << LastBox().toStdString();
    ExpectShown(LinkStatus::Disconnect);
    Shots("port-absent");

    PtyPair pty;
    const pid_t holder = HoldPort(54, pty);
    form.cbxComPort->setCurrentIndex(form.cbxComPort->findData(QStringLiteral("54")));
    form.OpenPort->click();
    EXPECT_EQ(LastBox().toStdString(), QStringLiteral("COM54 is held by another program: sleep "
                                                      "(pid %1). Close that program, then "
                                                      "connect again.")
                                           .arg(holder)
                                           .toStdString());
    ExpectShown(LinkStatus::Disconnect);
    StartFaultGateway(55, {});
    ChooseAuto();
    form.OpenPort->click();
    // The machine's own ports that cannot be opened may be named as well.
    EXPECT_TRUE(form.lblHealth->text().startsWith("Auto skips COM"));
    EXPECT_TRUE(
        form.lblHealth->text().contains(QStringLiteral("COM54 (busy: sleep, pid %1)").arg(holder)))
        << form.lblHealth->text().toStdString();
    Shots("auto-skips-held-port");
    ASSERT_TRUE(WaitFor([&] { return form.FLink->FLinked; }, 8000ms));
    EXPECT_EQ(form.EditAutoDetectComPort->text(), "55");
    // The skipped port's notice ends with its scan.
    ASSERT_TRUE(WaitFor([&] { return !form.lblHealth->text().contains("Auto skips"); }, 1000ms));
    // The Auto read-out shows the speed the link runs at after a change.
    form.ShowChosenBaudItem(1);
    EXPECT_EQ(form.EditAutoDetectBaudRate->text(), "9600");
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
}

// No "Last line" before a first line; a noisy line at the right speed is
// damage, not another speed; the red notice of a lost port ends with the
// next link.
TEST_F(LinkTruthTest, TheHealthBarTellsNoLineNoiseAndLossApart) {
    AddSilentPort(56);
    ChooseManual(56, "38400");
    PressConnect();
    QTest::qWait(600);
    EXPECT_TRUE(form.lblHealth->text().startsWith(form.FTexts.HealthNoLine))
        << form.lblHealth->text().toStdString();
    form.OpenPort->click();

    sim::SimOptions noisy;
    noisy.garbageRate = 0.05;
    StartFaultGateway(57, noisy);
    ChooseManual(57, "38400");
    form.OpenPort->click();
    ASSERT_TRUE(
        WaitFor([&] { return form.lblHealth->text().startsWith("The line is noisy"); }, 8000ms))
        << form.lblHealth->text().toStdString();
    EXPECT_TRUE(form.FConnectionStatus->HealthAmber());
    EXPECT_GT(form.FLink->FHealth.DamagedBytes(), 0u);
    Shots("health-noisy");
    form.OpenPort->click();

    sim::SimOptions dropping;
    dropping.dropAfter = 1.5;
    StartFaultGateway(58, dropping);
    ASSERT_TRUE(ConnectTo(58));
    ASSERT_TRUE(
        WaitFor([&] { return form.lblHealth->text().startsWith("COM58 was lost"); }, 5000ms));
    StartFaultGateway(59, {});
    ASSERT_TRUE(ConnectTo(59));
    QTest::qWait(600);
    EXPECT_FALSE(form.lblHealth->text().contains("was lost"))
        << form.lblHealth->text().toStdString();
}

// The flow-rate box takes digits only; a number beyond the range is told
// with the range. A replay is refused while connected, and a Connect ends
// a replay shown so that live rows never mix with replayed ones.
TEST_F(LinkTruthTest, FlowRateInputAndReplayBesideALiveLink) {
    StartFaultGateway(60, {});
    ASSERT_TRUE(ConnectTo(60));
    form.Edit1->clear();
    QTest::keyClicks(form.Edit1, "a9x");
    EXPECT_EQ(form.Edit1->text(), "9");
    form.Button2->click();
    EXPECT_EQ(LastBox().toStdString(),
              "Out of range!! The flow rate is a whole number of seconds from 0 to 5.");

    QTemporaryDir folder;
    const QString log = folder.filePath("20261210.txt");
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("$GPZDA,201530.00,04,07,2002,00,00*60\r\n");
    file.close();
    EXPECT_FALSE(form.FDataView->Replay().Start(log));
    EXPECT_TRUE(LastBox().startsWith("A log cannot be replayed while connected"));
    Shots("replay-refused");

    form.OpenPort->click();
    ASSERT_TRUE(form.FDataView->Replay().Start(log));
    ASSERT_TRUE(WaitFor([&] { return form.FDataView->RowsInUse() > 0; }, 3000ms));
    form.OpenPort->click();
    EXPECT_FALSE(form.FDataView->Replay().Playing());
    EXPECT_EQ(form.FDataView->RowsInUse(), 0) << "replayed rows stay beside the live ones";
}

} // namespace
} // namespace varo
