#include "platform/PortDiscovery.h"
#include "PtyPair.h"
#include "platform/ComFolder.h"
#include "platform/PortsReport.h"
#include "platform/SerialDevice.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace varo {
namespace {

using namespace platform;

PresentPort Port(int number, std::string name, std::string device, std::string description = {}) {
    PresentPort port;
    port.Number = number;
    port.FriendlyName = std::move(name);
    port.Device = std::move(device);
    port.Description = std::move(description);
    return port;
}

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

// A port another program holds open (here `sleep`, which inherited it) or
// names in a lock file is busy and never offered; a lock of a dead process
// is stale and removed.
TEST_F(DiscoveryTest, PortsHeldByOtherProgramsAreBusyAndNotOpenable) {
    TempFolder locks;
    ::setenv("VARO_LOCK_DIR", locks.Path.c_str(), 1);
    Link(Ptys[0].SlavePath, 3);
    Link(Ptys[1].SlavePath, 4);
    const pid_t child = ::fork();
    if (child == 0) {
        const int held = ::open(Ptys[0].SlavePath.c_str(), O_RDWR | O_NOCTTY);
        ::dup2(held, 3);
        ::execlp("sleep", "sleep", "30", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(child, 0);
    auto present = Discover();
    AddPortUse(present);
    for (int tries = 0; tries < 200 && !(present[0].Busy && present[0].Busy->Program == "sleep");
         ++tries) {
        ::usleep(10000);
        present = Discover();
        AddPortUse(present);
    }
    ASSERT_TRUE(present[0].Busy.has_value());
    EXPECT_EQ(present[0].Busy->Pid, child);
    EXPECT_EQ(present[0].Busy->Program, "sleep");
    EXPECT_EQ(present[0].Description, "pseudo-terminal");
    EXPECT_FALSE(present[1].Busy.has_value()) << "the far end of a pseudo-terminal is no user";
    EXPECT_EQ(ProbeOpenablePorts({3, 4}, Folder.Path.string()), (std::vector<int>{4}));

    // COM4 named in the lock file of the live child, then of a dead process.
    const std::string lock = LockFilePath(Ptys[1].SlavePath);
    { std::ofstream(lock) << "     " << child << "\n"; }
    EXPECT_EQ(ProbeOpenablePorts({3, 4}, Folder.Path.string()), (std::vector<int>{}));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(ProbeOpenablePorts({3, 4}, Folder.Path.string()), (std::vector<int>{3, 4}));
    EXPECT_FALSE(std::filesystem::exists(lock)) << "a stale lock stays";
    ::unsetenv("VARO_LOCK_DIR");
}

// A user outside the serial devices' group may not open the port: "denied".
TEST_F(DiscoveryTest, PortTheUserMayNotOpenIsDenied) {
    Link(Ptys[0].SlavePath, 3);
    ASSERT_EQ(::chmod(Ptys[0].SlavePath.c_str(), 0600), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        // An unprivileged user, as the technician's account would be.
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        ::_exit(MayOpen(Ptys[0].SlavePath) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "cannot become an unprivileged user";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the port reads as open to anyone";
    EXPECT_TRUE(MayOpen(Ptys[0].SlavePath) || ::geteuid() != 0);
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
    const Row rows[] = {{"FT232R USB UART (COM3)", 3}, {"USB Serial Port (COM12)", 12},
                        {"Printer Port (LPT1)", 0},    {"Odd (COMx)", 0},
                        {"Trailing (COM7", 7},         {"Virtual COM Port (COM4)", 4},
                        {"USB COM1 Cable (COM5)", 5}};
    for (const Row& row : rows)
        EXPECT_EQ(FriendlyNameNumber(row.Name).value_or(0), row.Expected) << row.Name;

    std::vector<PresentPort> many;
    for (int n = 300; n >= 1; --n)
        many.push_back(Port(n, "P (COM" + std::to_string(n) + ")", ""));
    many.push_back(Port(0, "Printer Port (LPT1)", ""));
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
    std::vector<PresentPort> one{
        Port(3, "FT232R USB UART (COM3)", "/dev/ttyUSB0", "FTDI FT232R USB UART")};
    const std::string expected =
        R"j({"present":[{"number":3,"name":"FT232R USB UART (COM3)","device":"/dev/ttyUSB0",)j"
        R"j("description":"FTDI FT232R USB UART","busy":null,"access":"ok"}],"openable":[3]})j";
    EXPECT_EQ(PortsReportJson(one, {3}), expected);
    EXPECT_EQ(PortsReportJson({}, {}), R"j({"present":[],"openable":[]})j");

    std::vector<PresentPort> two{Port(1, "A \"B\"\\\x01 (COM1)", "/d"), Port(2, "C (COM2)", "/e")};
    two[1].Busy = PortHolder{42, "minicom"};
    two[1].AccessDenied = true;
    const std::string escaped =
        R"j({"present":[{"number":1,"name":"A \"B\"\\\u0001 (COM1)","device":"/d",)j"
        R"j("description":"","busy":null,"access":"ok"},)j"
        R"j({"number":2,"name":"C (COM2)","device":"/e","description":"",)j"
        R"j("busy":{"pid":42,"program":"minicom"},"access":"denied"}],"openable":[1,2]})j";
    EXPECT_EQ(PortsReportJson(two, {1, 2}), escaped);
}

} // namespace

} // namespace varo
