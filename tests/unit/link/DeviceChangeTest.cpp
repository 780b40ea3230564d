// Ports that come and go while connected, as the device notifications report them.
#include <QComboBox>

#include "LinkTestSupport.h"
#include "comm/thread_comm.h"

namespace {

using namespace std::chrono_literals;

class DeviceChangeTest : public LinkTest {
protected:
    void Link(int number) {
        ChooseManual(number, "38400");
        PressConnect();
        ASSERT_TRUE(WaitFor([&] { return form.FLinked; }, 3000ms));
    }
    bool Listed(int number) const {
        return form.cbxComPort->findText(QString::number(number)) >= 0;
    }
};

TEST_F(DeviceChangeTest, RemovingTheConnectedPortDisconnects) {
    sim::SimulatedGateway& gateway = StartGateway(39, 38400);
    Link(39);
    gateway.Stop();
    EXPECT_TRUE(WaitFor([&] { return !form.FLinked; }, 2000ms));
    EXPECT_FALSE(Connected());
    EXPECT_FALSE(Listed(39));
}

TEST_F(DeviceChangeTest, RemovingAnotherPortOnlyRefreshesTheList) {
    StartGateway(39, 38400);
    AddSilentPort(44);
    Link(39);
    ASSERT_TRUE(Listed(44));
    RemovePortLink(44);
    EXPECT_FALSE(Listed(44));
    EXPECT_TRUE(form.FLinked);
    EXPECT_TRUE(Connected());
    AddSilentPort(45);
    EXPECT_TRUE(WaitFor([&] { return Listed(45); }, 2000ms)) << "an arrival refreshes the list too";
}

} // namespace
