#include "platform/PortDiscovery.h"
#include "PtyPair.h"
#include "platform/ComFolder.h"
#include "platform/PortsReport.h"
#include "platform/SerialDevice.h"

#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace varo {
namespace {

using namespace platform;

std::vector<int> Numbers(const std::vector<PresentPort>& ports) {
    std::vector<int> numbers;
    for (const PresentPort& port : ports)
        numbers.push_back(port.Number);
    return numbers;
}

class DiscoveryTest : public testing::Test {
protected:
    void Link(const std::string& target, int number) {
        ASSERT_EQ(::symlink(target.c_str(), ComLinkPath(Folder.Path.string(), number).c_str()), 0);
    }
    std::vector<PresentPort> Discover(const std::vector<HardwarePort>& hardware = {}) {
        return DiscoverPorts(Folder.Path.string(), hardware);
    }
    TempFolder Folder;
    PtyPair Ptys[3];
};

TEST_F(DiscoveryTest, PresentPortsAscendingWithFriendlyNames) {
    Link(Ptys[0].SlavePath, 10);
    Link(Ptys[1].SlavePath, 3);
    Link(Ptys[2].SlavePath, 4);
    Link("/dev/nonexistent-ttyUSB9", 5); // adapter unplugged: keeps its number, not present
    Link("/dev/null", 6);                // a character device but no terminal
    ASSERT_EQ(::symlink(Ptys[0].SlavePath.c_str(), (Folder / "notacom").c_str()), 0);

    const auto present = Discover();
    EXPECT_EQ(Numbers(present), (std::vector<int>{3, 4, 10}));
    EXPECT_EQ(PortNumbers(present), (std::vector<int>{3, 4, 10}));
    ASSERT_EQ(present.size(), 3u);
    EXPECT_EQ(present[0].Device, Ptys[1].SlavePath);
    EXPECT_EQ(present[0].FriendlyName, Ptys[1].SlavePath.substr(5) + " (COM3)");

    const auto fill = FillPortList(PortNumbers(present));
    EXPECT_EQ(fill.Items, (std::vector<std::string>{"3", "4", "10"}));
    EXPECT_EQ(fill.Selected, "3");
}

TEST_F(DiscoveryTest, PortHeldElsewhereIsPresentButNotOpenable) {
    Link(Ptys[0].SlavePath, 3);
    Link(Ptys[1].SlavePath, 4);
    const int held = OpenSerialExclusive(Ptys[1].SlavePath);
    ASSERT_GE(held, 0);
    const auto numbers = PortNumbers(Discover());
    EXPECT_EQ(numbers, (std::vector<int>{3, 4}));
    EXPECT_EQ(ProbeOpenablePorts(numbers, Folder.Path.string()), (std::vector<int>{3}));
    CloseSerialExclusive(held);
    EXPECT_EQ(ProbeOpenablePorts(numbers, Folder.Path.string()), (std::vector<int>{3, 4}));
}

TEST_F(DiscoveryTest, NoPortsGivesNotAvailable) {
    EXPECT_TRUE(Discover().empty());
    EXPECT_TRUE(ProbeOpenablePorts({}, Folder.Path.string()).empty());
    const auto fill = FillPortList({});
    EXPECT_EQ(fill.Items, (std::vector<std::string>{"N/A"}));
    EXPECT_EQ(fill.Selected, "N/A");
}

TEST_F(DiscoveryTest, HardwarePortGetsLowestFreeNumberOnce) {
    Link("/dev/nonexistent-ttyUSB9", 1); // taken by an absent adapter
    Link(Ptys[0].SlavePath, 3);
    const HardwarePort usb{"pts", Ptys[1].SlavePath, "", "FT232R USB UART"};
    auto present = Discover({usb});
    EXPECT_EQ(Numbers(present), (std::vector<int>{2, 3}));
    present = Discover({usb}); // already linked: no second number
    EXPECT_EQ(Numbers(present), (std::vector<int>{2, 3}));

    // A port with a stable path is linked through it.
    const std::string stable = Folder / "by-id-adapter";
    ASSERT_EQ(::symlink(Ptys[2].SlavePath.c_str(), stable.c_str()), 0);
    Discover({{"pts", Ptys[2].SlavePath, stable, "X"}});
    EXPECT_EQ(std::filesystem::read_symlink(ComLinkPath(Folder.Path.string(), 4)), stable);
}

TEST(FriendlyNames, NumberAfterCom) {
    struct Row {
        const char* Name;
        int Expected; // 0: none
    };
    const Row rows[] = {{"FT232R USB UART (COM3)", 3},
                        {"USB Serial Port (COM12)", 12},
                        {"Printer Port (LPT1)", 0},
                        {"Odd (COMx)", 0},
                        {"Trailing (COM7", 7}};
    for (const Row& row : rows)
        EXPECT_EQ(FriendlyNameNumber(row.Name).value_or(0), row.Expected) << row.Name;

    std::vector<PresentPort> many;
    for (int n = 300; n >= 1; --n)
        many.push_back({n, "P (COM" + std::to_string(n) + ")", ""});
    many.push_back({0, "Printer Port (LPT1)", ""});
    const auto numbers = PortNumbers(many);
    ASSERT_EQ(numbers.size(), MaxPresentPorts);
    EXPECT_EQ(numbers.front(), 1);
    EXPECT_EQ(numbers.back(), 256);
}

TEST(ComFolder, LocationAndNames) {
    ::setenv("VARO_COM_DIR", "/tmp/com-here", 1);
    EXPECT_EQ(ComFolder(), "/tmp/com-here");
    ::unsetenv("VARO_COM_DIR");
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(ComFolder(), "/tmp/cfg/varo/com");
    ::unsetenv("XDG_CONFIG_HOME");
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/tech", 1);
    EXPECT_EQ(ComFolder(), "/home/tech/.config/varo/com");
    ::setenv("HOME", home.c_str(), 1);

    EXPECT_EQ(ResolveDeviceName("\\\\.\\COM12", "/f"), "/f/com12");
    EXPECT_EQ(ResolveDeviceName("Com2", "/f"), "/f/com2");
    EXPECT_EQ(ResolveDeviceName("/dev/pts/3", "/f"), "/dev/pts/3");
    EXPECT_EQ(ResolveDeviceName("COM0", "/f"), "COM0");
    EXPECT_FALSE(ComLinkNumber("com").has_value());
    EXPECT_FALSE(ComLinkNumber("com3.tmp").has_value());
}

TEST(PortsReport, Json) {
    const std::vector<PresentPort> one{{3, "FT232R USB UART (COM3)", "/dev/ttyUSB0"}};
    const std::string expected =
        R"j({"present":[{"number":3,"name":"FT232R USB UART (COM3)","device":"/dev/ttyUSB0"}],)j"
        R"j("openable":[3]})j";
    EXPECT_EQ(PortsReportJson(one, {3}), expected);
    EXPECT_EQ(PortsReportJson({}, {}), R"j({"present":[],"openable":[]})j");

    const std::vector<PresentPort> two{{1, "A \"B\"\\\x01 (COM1)", "/d"}, {2, "C (COM2)", "/e"}};
    const std::string escaped =
        R"j({"present":[{"number":1,"name":"A \"B\"\\\u0001 (COM1)","device":"/d"},)j"
        R"j({"number":2,"name":"C (COM2)","device":"/e"}],"openable":[1,2]})j";
    EXPECT_EQ(PortsReportJson(two, {1, 2}), escaped);
}

} // namespace

} // namespace varo
