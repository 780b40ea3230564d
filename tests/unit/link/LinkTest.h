#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <qtestsupport_core.h>

#include "ConnectionManager.h"
#include "DeviceLink.h"
#include "FakeLinkView.h"
#include "SimulatedPorts.h"
#include "comm/ThreadComm.h"

namespace varo {

// The device link on a fake screen, in a COM folder of the test's own with
// the ports the test adds. The connection timers are driven by hand.
class LinkTest : public testing::Test {
protected:
    LinkTest()
        : ports([this](int number, bool present) { return view.Listed(number) == present; }) {
        link.RefreshPorts();
    }
    ~LinkTest() override { link.Close(); }

    // Presses Connect and stops the timers it started, so the test takes the steps.
    void PressConnect() {
        link.OpenPortClick();
        link.FConnection->Timer1.stop();
        link.FConnection->TimerConnection.stop();
    }
    // One Timer1 tick, then the events of `wait`.
    void Tick(std::chrono::milliseconds wait = std::chrono::milliseconds(20)) {
        link.FConnection->Timer1Timer();
        QTest::qWait(static_cast<int>(wait.count()));
    }
    void LinkManually(int number) {
        view.ChooseManual(number, QStringLiteral("38400"));
        PressConnect();
        ASSERT_TRUE(WaitFor([&] { return link.FLinked; }, std::chrono::milliseconds(3000)));
    }
    bool Connected() const { return link.FComm->Connected(); }

    FakeLinkView view;
    SimulatedPorts ports;
    DeviceLink link{view};
};

} // namespace varo
