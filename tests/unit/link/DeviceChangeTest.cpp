// Ports that come and go while connected, as the device notifications report them.
#include "LinkTest.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

using DeviceChangeTest = LinkTest;

TEST_F(DeviceChangeTest, RemovingTheConnectedPortDisconnects) {
    sim::SimulatedGateway& gateway = ports.StartGateway(39, 38400);
    LinkManually(39);
    gateway.Stop();
    EXPECT_TRUE(WaitFor([&] { return !link.FLinked; }, 2000ms));
    EXPECT_FALSE(Connected());
    EXPECT_EQ(view.lostPorts, (std::vector<int>{39}));
    // Awaited back for a minute, it stays in the list and chosen, marked absent.
    EXPECT_NE(std::find(view.ports.begin(), view.ports.end(), "39"), view.ports.end());
    EXPECT_FALSE(view.Listed(39));
    EXPECT_EQ(view.chosenPort, "39");
}

TEST_F(DeviceChangeTest, RemovingAnotherPortOnlyRefreshesTheList) {
    ports.StartGateway(39, 38400);
    ports.AddSilentPort(44);
    LinkManually(39);
    ASSERT_TRUE(view.Listed(44));
    ports.RemovePortLink(44);
    EXPECT_TRUE(link.FLinked);
    EXPECT_TRUE(Connected());
    ports.AddSilentPort(45); // an arrival refreshes the list too
}

} // namespace

} // namespace varo
