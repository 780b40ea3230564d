// The health bar against the simulated gateway, rendered to PNG files in the
// build folder: a healthy link, a silent one, one at the wrong speed, and the
// port box with a port another program holds.
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ConnectionStatus.h"
#include "WindowLinkTest.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

class HealthScreenshots : public WindowLinkTest {
protected:
    void Shot(const char* name) {
        QTest::qWait(600); // one health refresh at least
        const QString path =
            QDir(QStringLiteral(SCREENSHOT_FOLDER)).filePath(QStringLiteral("%1.png").arg(name));
        EXPECT_TRUE(form.grab().save(path)) << path.toStdString();
    }
    void Connect(int number, const char* baud) {
        ChooseManual(number, baud);
        form.OpenPort->click();
    }
};

TEST_F(HealthScreenshots, HealthyThenSilent) {
    sim::SimOptions options;
    options.silentAfter = 3.0;
    StartGateway(81, 38400, options);
    form.show();
    Connect(81, "38400");
    ASSERT_TRUE(WaitFor([&] { return form.FLink->FLinked; }, 5000ms));
    form.PageControlConf->setCurrentIndex(0);
    QTest::qWait(1000);
    EXPECT_FALSE(form.FConnectionStatus->HealthAmber());
    Shot("health-healthy");
    ASSERT_TRUE(WaitFor([&] { return form.FConnectionStatus->HealthAmber(); }, 12000ms));
    Shot("health-silent");
}

TEST_F(HealthScreenshots, WrongSpeed) {
    sim::SimOptions options;
    options.flood = true;
    StartGateway(82, 38400, options);
    form.show();
    Connect(82, "4800");
    ASSERT_TRUE(WaitFor([&] { return form.FConnectionStatus->HealthAmber(); }, 4000ms));
    EXPECT_TRUE(form.lblHealth->text().startsWith("Bytes at another speed"));
    Shot("health-wrong-speed");
}

TEST_F(HealthScreenshots, PortBoxWithABusyPort) {
    PtyPair pty;
    ASSERT_EQ(
        ::symlink(pty.SlavePath.c_str(), (ports.folder.path().toStdString() + "/com85").c_str()),
        0);
    const pid_t child = ::fork();
    if (child == 0) {
        const int held = ::open(pty.SlavePath.c_str(), O_RDWR | O_NOCTTY);
        ::dup2(held, 3);
        ::execlp("sleep", "sleep", "30", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(child, 0);
    form.show();
    ChooseManual(85, "38400");
    ASSERT_TRUE(WaitFor(
        [&] {
            form.RefreshPorts();
            form.cbxComPort->setCurrentIndex(form.cbxComPort->findData("85"));
            return form.lblPortNote->text().contains("busy: sleep");
        },
        3000ms))
        << form.lblPortNote->text().toStdString();
    Shot("port-box-busy");
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

} // namespace
} // namespace varo
