// The connection manager against simulated gateways and silent ports, one
// Timer1 tick at a time.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <utility>

#include "ConnectionManager.h"
#include "LinkTestSupport.h"
#include "comm/thread_comm.h"

namespace {

using namespace std::chrono_literals;

class ConnectionTest : public LinkTest {
protected:
    void ExpectDisconnected() {
        EXPECT_EQ(ButtonTag(), 0);
        EXPECT_FALSE(form.OpenPort->isChecked());
        EXPECT_FALSE(Connected());
        EXPECT_EQ(form.OpenPort->text(), "Connect");
        EXPECT_EQ(form.LabelConnectionStatus->text(), "Disconnect...");
        EXPECT_TRUE(form.cbxComPort->isEnabled());
    }
    void ExpectOneBox(const char* text, const char* caption, MessageIcon icon) {
        ASSERT_EQ(boxes.asked.size(), 1u);
        EXPECT_EQ(boxes.asked[0].text, text);
        EXPECT_EQ(boxes.asked[0].caption, caption);
        EXPECT_EQ(boxes.asked[0].icon, icon);
    }
};

TEST_F(ConnectionTest, ManualConnectAtTheGatewaysSpeedLinks) {
    StartGateway(37, 38400);
    ChooseManual(37, "38400");
    PressConnect();
    EXPECT_EQ(form.LabelConnectionStatus->text(), "Connecting...");
    EXPECT_EQ(form.OpenPort->text(), "Disconnect");
    EXPECT_FALSE(form.cbxComPort->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return form.FLinked; }, 3000ms));
    EXPECT_EQ(form.FLinkState, kLinkLinked);
    EXPECT_TRUE(form.TabSheet1->isEnabled()) << "link controls on";

    form.FConnection->TimerConnectionTimer();
    EXPECT_EQ(form.LabelConnectionStatus->text(), "Connected...");
    EXPECT_FALSE(form.TimerConnection->isActive());
    EXPECT_TRUE(boxes.asked.empty());
    ASSERT_FALSE(ProbeCodes(37).empty());
    EXPECT_EQ(ProbeCodes(37).front(), kProbeStaticData);
}

TEST_F(ConnectionTest, ManualConnectToAPortThatCannotOpenAsksFirst) {
    ChooseManual(99, "38400"); // no such port: the list shows a port that is held, or "N/A"
    boxes.Answer(MessageResult::Cancel);
    PressConnect();
    ExpectOneBox(
        "Note! Any force connect this serial port may cause unpredictable mistakes. Continue?",
        "Warning", MessageIcon::Warning);
    EXPECT_EQ(boxes.asked[0].buttons, MessageButtons::OkCancel);
    ExpectDisconnected();
    EXPECT_FALSE(form.Timer1->isActive());

    boxes.asked.clear();
    boxes.Answer(MessageResult::Ok);
    PressConnect();
    ASSERT_EQ(boxes.asked.size(), 2u) << "OK goes on and the open fails";
    EXPECT_EQ(boxes.asked[1].text, "Serial port open error! Please check!");
    EXPECT_EQ(boxes.asked[1].caption, "Error");
    Tick();
    ExpectDisconnected();
}

TEST_F(ConnectionTest, ManualConnectTimesOutAfter20Ticks) {
    AddSilentPort(35);
    ChooseManual(35, "9600");
    PressConnect();
    ASSERT_TRUE(Connected());
    EXPECT_EQ(form.FComm->BaudRate(), TBaudRate::br9600);
    for (int tick = 1; tick <= 20; ++tick)
        Tick(0ms);
    EXPECT_TRUE(boxes.asked.empty());
    Tick(0ms);
    ExpectOneBox("Serial port connection time out!", "Error", MessageIcon::Error);
    Tick(0ms);
    ExpectDisconnected();
}

TEST_F(ConnectionTest, AutoModeFindsTheGatewayAt9600OnTheSecondPort) {
    AddSilentPort(33);
    StartGateway(34, 9600);
    ChooseAuto();
    PressConnect();
    int linkedAt = -1;
    for (int tick = 1; tick <= 14 && linkedAt < 0; ++tick) {
        Tick(tick < 12 ? 20ms : 700ms);
        if (form.FLinked) linkedAt = tick;
    }
    EXPECT_GE(linkedAt, 12);
    EXPECT_LE(linkedAt, 14);
    EXPECT_EQ(form.EditAutoDetectComPort->text(), "34");
    EXPECT_EQ(form.EditAutoDetectBaudRate->text(), "9600");
    EXPECT_TRUE(boxes.asked.empty());
}

TEST_F(ConnectionTest, AutoModeVisitsPortsInOrderAtEachSpeedAndWraps) {
    AddSilentPort(100);
    AddSilentPort(30);
    ChooseAuto();
    PressConnect();
    const std::vector<std::pair<QString, QString>> expected = {
        {"30", "38400"}, {"30", "9600"},  {"30", "4800"}, {"100", "38400"},
        {"100", "9600"}, {"100", "4800"}, {"30", "38400"}};
    for (std::size_t step = 0; step < expected.size(); ++step) {
        EXPECT_EQ(form.FComm->DeviceName(), "\\\\.\\COM" + expected[step].first.toStdString())
            << step;
        EXPECT_EQ(form.EditAutoDetectComPort->text(), expected[step].first) << step;
        EXPECT_EQ(form.EditAutoDetectBaudRate->text(), expected[step].second) << step;
        for (int tick = 0; tick < 3; ++tick)
            Tick(0ms);
    }
}

TEST_F(ConnectionTest, AutoModeWithoutAnOpenablePortEndsAtOnce) {
    ChooseAuto();
    PressConnect();
    ExpectOneBox("All serial ports are occupied or no existing!", "Warning", MessageIcon::Warning);
    EXPECT_EQ(form.EditAutoDetectComPort->text(), "N/A");
    Tick(0ms);
    ExpectDisconnected();
}

TEST_F(ConnectionTest, AutoModeBudgetIs20TicksUpToTwoPortsElseNinePerPortPlusTwo) {
    for (const auto& [ports, budget] : {std::pair{2, 20}, std::pair{3, 29}}) {
        for (int number = 1; number <= ports; ++number)
            AddSilentPort(20 * ports + number);
        ChooseAuto();
        boxes.asked.clear();
        PressConnect();
        for (int tick = 1; tick <= budget; ++tick)
            Tick(0ms);
        EXPECT_TRUE(boxes.asked.empty()) << ports;
        Tick(0ms);
        ExpectOneBox("Serial port detecting failed!", "Error", MessageIcon::Error);
        Tick(0ms);
        ExpectDisconnected();
        for (int number = 1; number <= ports; ++number)
            RemovePortLink(20 * ports + number);
    }
}

TEST_F(ConnectionTest, ConnectPressedWhileProbingDisconnects) {
    AddSilentPort(36);
    ChooseManual(36, "38400");
    PressConnect();
    Tick(0ms);
    ASSERT_TRUE(Connected());
    form.OpenPort->click();
    ExpectDisconnected();
    EXPECT_EQ(form.FLinkState, kLinkIdle);
    EXPECT_FALSE(form.Timer1->isActive());
}

TEST_F(ConnectionTest, CommandOnAClosedPort) {
    form.RadioButtonConnectionModeAuto->setChecked(true);
    EXPECT_TRUE(form.SendCommand("P", "TST")) << "Auto mode goes on silently";
    EXPECT_TRUE(boxes.asked.empty());

    form.RadioButtonConnectionModeManual->setChecked(true);
    EXPECT_FALSE(form.SendCommand("P", "TST"));
    ExpectOneBox("Serial port open error! Please check!", "Error", MessageIcon::Error);
    EXPECT_FALSE(form.OpenPort->isChecked());
}

TEST_F(ConnectionTest, PageWatcherTellsTheGatewayAboutTheConfigurationPage) {
    StartGateway(38, 38400);
    ChooseManual(38, "38400");
    PressConnect();
    ASSERT_TRUE(WaitFor([&] { return form.FLinked; }, 3000ms));
    const std::size_t before = ProbeCodes(38).size();
    auto codesSinceLink = [&] {
        const std::vector<int> codes = ProbeCodes(38);
        return std::vector<int>(codes.begin() + static_cast<std::ptrdiff_t>(before), codes.end());
    };
    auto waitForCodes = [&](std::size_t count) {
        WaitFor([&] { return codesSinceLink().size() >= count; }, 1000ms);
    };

    waitForCodes(1);
    EXPECT_EQ(codesSinceLink(), std::vector<int>{0}) << "linked on the data page";
    EXPECT_FALSE(form.PIC_Timer->isActive());
    form.PageControlConf->setCurrentIndex(1);
    waitForCodes(2);
    EXPECT_TRUE(form.PIC_Timer->isActive());
    form.PageControlConf->setCurrentIndex(0);
    waitForCodes(3);
    form.PageControlConf->setCurrentIndex(2);
    WaitFor([] { return false; }, 200ms);
    EXPECT_EQ(codesSinceLink(), (std::vector<int>{0, 2, 0}));
    EXPECT_FALSE(form.PIC_Timer->isActive());
}

} // namespace
