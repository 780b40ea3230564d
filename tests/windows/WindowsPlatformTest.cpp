#include "comm/ThreadComm.h"
#include "platform/AtomicFile.h"
#include "platform/ComFolder.h"
#include "platform/Ini.h"
#include "platform/PortDiscovery.h"
#include "platform/Settings.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace varo {
namespace {

namespace fs = std::filesystem;

TEST(WindowsPorts, NamesResolveToTheDevicePath) {
    EXPECT_EQ(platform::ResolveDeviceName("Com2"), "\\\\.\\COM2");
    EXPECT_EQ(platform::ResolveDeviceName("\\\\.\\com12"), "\\\\.\\COM12");
    EXPECT_EQ(platform::ResolveDeviceName("\\\\.\\pipe\\x"), "\\\\.\\pipe\\x");
    EXPECT_EQ(platform::ComLinkPath(platform::ComFolder(), 7), "\\\\.\\COM7");
}

TEST(WindowsPorts, FriendlyNamesAndPrinterPortsFromTheHardwareList) {
    std::vector<platform::HardwarePort> hardware(3);
    hardware[0].KernelName = "COM10";
    hardware[0].Description = "USB Serial Port";
    hardware[1].KernelName = "LPT1";
    hardware[2].KernelName = "COM3";
    hardware[2].Description = "\\Device\\Serial2";
    const auto present = platform::DiscoverPorts({}, hardware);
    ASSERT_EQ(present.size(), 2u);
    EXPECT_EQ(present[0].Number, 3);
    EXPECT_EQ(present[0].FriendlyName, "\\Device\\Serial2 (COM3)");
    EXPECT_EQ(present[1].Device, "\\\\.\\COM10");
    EXPECT_EQ(present[1].FriendlyName, "USB Serial Port (COM10)");
}

TEST(WindowsPorts, AMissingPortIsNeitherPresentNorOpenable) {
    EXPECT_FALSE(platform::IsPresentTty("\\\\.\\COM250"));
    EXPECT_TRUE(platform::ProbeOpenablePorts({250}).empty());
    TComm port(std::make_shared<TQueueCommSynchronizer>());
    port.SetDeviceName("COM250");
    EXPECT_NO_THROW(port.Open());
    EXPECT_FALSE(port.Connected());
    char buffer[4] = {};
    EXPECT_EQ(port.Read(buffer, sizeof buffer), -1);
    EXPECT_EQ(port.Write("x", 1), -1);
}

TEST(WindowsFiles, AtomicWriteReplacesAndLeavesNoTemporaryFile) {
    const fs::path folder = fs::temp_directory_path() / "varo-atomic-test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string file = (folder / "VaroRZ60Config.ini").string();
    std::ofstream(file, std::ios::binary) << "[VIEW]\r\nLanguage=1\r\n";
    ASSERT_TRUE(platform::WritePrivateProfileString("VIEW", "Language", "2", file));
    EXPECT_EQ(platform::GetPrivateProfileInt("VIEW", "Language", 0, file), 2);
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "[VIEW]\r\nLanguage=2\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    in.close();
    int error = 0;
    EXPECT_FALSE(
        platform::WriteFileAtomically((folder / "missing" / "x.ini").string(), "x", error));
    EXPECT_NE(error, 0);
    fs::remove_all(folder);
}

TEST(WindowsFiles, DocumentsFolderExists) {
    const std::string documents = platform::DocumentsFolder();
    ASSERT_FALSE(documents.empty());
    EXPECT_TRUE(fs::is_directory(documents));
}

} // namespace
} // namespace varo
