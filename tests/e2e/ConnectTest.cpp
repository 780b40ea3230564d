// The window finds the simulated gateway with its own timers running, and
// says how long that took.
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <cstdio>

#include "SimulatedSession.h"
#include "WindowLinkTest.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

using ConnectTest = WindowLinkTest;

bool ShowsConnected(const TForm1& form) {
    return form.LabelConnectionStatus->text() == "Connected...";
}

TEST_F(ConnectTest, ManualConnectShowsConnected) {
    StartGateway(43, 38400);
    ChooseManual(43, "38400");
    QElapsedTimer clock;
    clock.start();
    form.OpenPort->click();
    ASSERT_TRUE(WaitFor([&] { return ShowsConnected(form); }, 5000ms));
    std::printf("manual connect at 38400: %lld ms from Connect to \"Connected...\"\n",
                static_cast<long long>(clock.elapsed()));
    EXPECT_TRUE(form.OpenPort->isChecked());
    EXPECT_TRUE(boxes.asked.empty());
}

// Port 2 opens at tick 9 and reaches 4800 at tick 15: about 16 seconds.
TEST_F(ConnectTest, AutoConnectFindsTheGatewayAt4800OnTheSecondPort) {
    AddSilentPort(45);
    StartGateway(46, 4800);
    ChooseAuto();
    QElapsedTimer clock;
    clock.start();
    form.OpenPort->click();
    ASSERT_TRUE(WaitFor([&] { return ShowsConnected(form); }, 25000ms));
    std::printf("auto connect, 4800 on the second of two ports: %lld ms\n",
                static_cast<long long>(clock.elapsed()));
    EXPECT_EQ(form.EditAutoDetectComPort->text(), "46");
    EXPECT_EQ(form.EditAutoDetectBaudRate->text(), "4800");
    EXPECT_TRUE(boxes.asked.empty());
}

} // namespace

namespace {

TEST(SimulatedSessionTest, SelectsTheSimulatedPortAndConnects) {
    RecordingMessageBoxes boxes(MessageResult::Ok);
    SimulatedSession session;
    QString error;
    ASSERT_TRUE(session.Start(error)) << error.toStdString();
    const ApplicationWindows windows = CreateApplicationWindows();
    TForm1& form = *windows.form;
    session.Present(form);
    const QString port = QString::number(session.ComNumber());
    EXPECT_EQ(form.windowTitle(), "VARO NMEA Configuration - simulated gateway COM" + port);
    EXPECT_EQ(form.cbxComPort->currentText(), port);
    EXPECT_TRUE(form.RadioButtonConnectionModeManual->isChecked());

    form.OpenPort->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ShowsConnected(form); }, 5000));
    EXPECT_TRUE(boxes.asked.empty());
    form.OpenPort->click();
}

} // namespace

} // namespace varo
