// The connection manager against simulated gateways and silent ports on a
// fake screen, one Timer1 tick at a time.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

#include "CommandSender.h"
#include "LinkTest.h"
#include "PageWatcher.h"
#include "platform/ComFolder.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

class ConnectionTest : public LinkTest {
protected:
    void ExpectDisconnected() {
        EXPECT_FALSE(view.buttonDown);
        EXPECT_FALSE(link.ConnectPressed());
        EXPECT_FALSE(Connected());
        EXPECT_EQ(view.status, LinkStatus::Disconnect);
        EXPECT_TRUE(view.modeControls);
        EXPECT_FALSE(link.FConnection->Timer1.isActive());
    }
    void ExpectOneFailure(LinkFailure failure) {
        ASSERT_EQ(view.failures.size(), 1u);
        EXPECT_EQ(view.failures[0], failure);
    }
};

TEST_F(ConnectionTest, ManualConnectAtTheGatewaysSpeedLinks) {
    ports.StartGateway(37, 38400);
    view.ChooseManual(37, "38400");
    PressConnect();
    EXPECT_EQ(view.status, LinkStatus::Connecting);
    EXPECT_TRUE(view.buttonDown);
    EXPECT_FALSE(view.modeControls);
    ASSERT_TRUE(WaitFor([&] { return link.FLinked; }, 3000ms));
    EXPECT_EQ(link.FLinkState, kLinkLinked);
    EXPECT_TRUE(view.linkControls);

    link.FConnection->TimerConnectionTimer();
    EXPECT_EQ(view.status, LinkStatus::Connected);
    EXPECT_FALSE(link.FConnection->TimerConnection.isActive());
    EXPECT_TRUE(view.failures.empty());
    ASSERT_FALSE(ports.ProbeCodes(37).empty());
    EXPECT_EQ(ports.ProbeCodes(37).front(), kProbeStaticData);
}

// An absent port is refused outright; a present one that cannot be opened
// (here locked by the test itself) is asked about, and forcing it fails.
TEST_F(ConnectionTest, ManualConnectRefusesAnAbsentPortAndAsksBeforeForcingALockedOne) {
    view.ChooseManual(99, "38400"); // no such port
    PressConnect();
    EXPECT_EQ(view.forcedConnectQuestions, 0);
    ExpectOneFailure(LinkFailure::PortAbsent);
    ExpectDisconnected();

    ports.AddSilentPort(38);
    const int held = ::open(platform::ComLinkPath(ports.folder.path().toStdString(), 38).c_str(),
                            O_RDWR | O_NOCTTY);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    link.RefreshPorts();
    view.failures.clear();
    view.ChooseManual(38, "38400");
    view.forceConnect = false;
    PressConnect();
    EXPECT_EQ(view.forcedConnectQuestions, 1);
    EXPECT_TRUE(view.failures.empty());
    ExpectDisconnected();

    view.forceConnect = true;
    PressConnect();
    EXPECT_EQ(view.forcedConnectQuestions, 2);
    ExpectOneFailure(LinkFailure::PortOpenError); // OK goes on and the open fails
    Tick();
    ExpectDisconnected();
    ::close(held);
}

TEST_F(ConnectionTest, ManualConnectTimesOutAfter20Ticks) {
    ports.AddSilentPort(35);
    view.ChooseManual(35, "9600");
    PressConnect();
    ASSERT_TRUE(Connected());
    EXPECT_EQ(link.FComm->BaudRate(), TBaudRate::br9600);
    for (int tick = 1; tick <= 20; ++tick)
        Tick(0ms);
    EXPECT_TRUE(view.failures.empty());
    Tick(0ms);
    ExpectOneFailure(LinkFailure::ManualConnectTimeOut);
    Tick(0ms);
    ExpectDisconnected();
}

TEST_F(ConnectionTest, AutoModeFindsTheGatewayAt9600OnTheSecondPort) {
    ports.AddSilentPort(33);
    ports.StartGateway(34, 9600);
    view.automatic = true;
    PressConnect();
    int linkedAt = -1;
    for (int tick = 1; tick <= 14 && linkedAt < 0; ++tick) {
        Tick(tick < 12 ? 20ms : 700ms);
        if (link.FLinked) linkedAt = tick;
    }
    EXPECT_GE(linkedAt, 12);
    EXPECT_LE(linkedAt, 14);
    EXPECT_EQ(view.autoPort, "34");
    EXPECT_EQ(view.autoBaud, "9600");
    EXPECT_TRUE(view.failures.empty());
}

TEST_F(ConnectionTest, AutoModeVisitsPortsInOrderAtEachSpeedAndWraps) {
    ports.AddSilentPort(100);
    ports.AddSilentPort(30);
    view.automatic = true;
    PressConnect();
    const std::vector<std::pair<QString, QString>> expected = {
        {"30", "38400"}, {"30", "9600"},  {"30", "4800"}, {"100", "38400"},
        {"100", "9600"}, {"100", "4800"}, {"30", "38400"}};
    for (std::size_t step = 0; step < expected.size(); ++step) {
        EXPECT_EQ(link.FComm->DeviceName(), "\\\\.\\COM" + expected[step].first.toStdString())
            << step;
        EXPECT_EQ(view.autoPort, expected[step].first) << step;
        EXPECT_EQ(view.autoBaud, expected[step].second) << step;
        for (int tick = 0; tick < 3; ++tick)
            Tick(0ms);
    }
}

TEST_F(ConnectionTest, AutoModeWithoutAnOpenablePortEndsAtOnce) {
    view.automatic = true;
    PressConnect();
    ExpectOneFailure(LinkFailure::NoSerialPortExist);
    EXPECT_EQ(view.autoPort, "N/A");
    Tick(0ms);
    ExpectDisconnected();
}

TEST_F(ConnectionTest, AutoModeBudgetIs20TicksUpToTwoPortsElseNinePerPortPlusTwo) {
    for (const auto& [ports, budget] : {std::pair{2, 20}, std::pair{3, 29}}) {
        for (int number = 1; number <= ports; ++number)
            this->ports.AddSilentPort(20 * ports + number);
        view.automatic = true;
        view.failures.clear();
        PressConnect();
        for (int tick = 1; tick <= budget; ++tick)
            Tick(0ms);
        EXPECT_TRUE(view.failures.empty()) << ports;
        Tick(0ms);
        ExpectOneFailure(LinkFailure::AutoDetectTimeOut);
        Tick(0ms);
        ExpectDisconnected();
        for (int number = 1; number <= ports; ++number)
            this->ports.RemovePortLink(20 * ports + number);
    }
}

TEST_F(ConnectionTest, ConnectPressedWhileProbingDisconnects) {
    ports.AddSilentPort(36);
    view.ChooseManual(36, "38400");
    PressConnect();
    Tick(0ms);
    ASSERT_TRUE(Connected());
    link.OpenPortClick();
    ExpectDisconnected();
    EXPECT_EQ(link.FLinkState, kLinkIdle);
}

TEST_F(ConnectionTest, CommandOnAClosedPort) {
    view.automatic = true;
    link.FLinkState = kLinkProbing;
    EXPECT_TRUE(link.FCommandSender->SendCommand("$PTST,99999,99,,,,016*00\r\n"))
        << "the Auto scan goes on silently";
    EXPECT_TRUE(view.failures.empty());

    // Outside the scan a failed write is a failure, in Auto mode as well.
    link.FLinkState = kLinkIdle;
    EXPECT_FALSE(link.FCommandSender->SendCommand("$PTST,99999,99,,,,016*00\r\n"));
    ExpectOneFailure(LinkFailure::PortOpenError);
    view.failures.clear();

    view.automatic = false;
    EXPECT_FALSE(link.FCommandSender->SendCommand("$PTST,99999,99,,,,016*00\r\n"));
    ExpectOneFailure(LinkFailure::PortOpenError);
    EXPECT_FALSE(view.buttonDown);
}

TEST_F(ConnectionTest, PageWatcherTellsTheGatewayAboutTheConfigurationPage) {
    ports.StartGateway(38, 38400);
    LinkManually(38);
    const std::size_t before = ports.ProbeCodes(38).size();
    auto codesSinceLink = [&] {
        const std::vector<int> codes = ports.ProbeCodes(38);
        return std::vector<int>(codes.begin() + static_cast<std::ptrdiff_t>(before), codes.end());
    };
    auto waitForCodes = [&](std::size_t count) {
        WaitFor([&] { return codesSinceLink().size() >= count; }, 1000ms);
    };

    waitForCodes(1);
    EXPECT_EQ(codesSinceLink(), std::vector<int>{0}) << "linked on the data page";
    EXPECT_FALSE(view.watchdog);
    view.configurationPage = true;
    link.PageChanged();
    waitForCodes(2);
    EXPECT_TRUE(view.watchdog);
    view.configurationPage = false;
    link.PageChanged();
    waitForCodes(3);
    link.PageChanged(); // another page that is not CONFIGURATION
    WaitFor([] { return false; }, 200ms);
    EXPECT_EQ(codesSinceLink(), (std::vector<int>{0, 2, 0}));
    EXPECT_FALSE(view.watchdog);
}

} // namespace

} // namespace varo
