#include "SimulatedPorts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <qtestsupport_core.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/ComFolder.h"
#include "platform/PortDiscovery.h"

namespace varo {

// Tests run in parallel processes: each waits for the lock, so that no port
// becomes openable while a test runs.
HeldHardwarePorts::HeldHardwarePorts() {
    for (const platform::HardwarePort& port : platform::EnumerateHardwarePorts()) {
        const int fd = ::open(port.DevicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        if (::flock(fd, LOCK_EX) == 0) {
            FDescriptors.push_back(fd);
        } else {
            ::close(fd);
        }
    }
}

HeldHardwarePorts::~HeldHardwarePorts() {
    for (int fd : FDescriptors)
        ::close(fd);
}

SimulatedPorts::SimulatedPorts(ListedCheck listed) : FListed(std::move(listed)) {
    EXPECT_TRUE(folder.isValid());
    qputenv("VARO_COM_DIR", folder.path().toLocal8Bit());
}

SimulatedPorts::~SimulatedPorts() {
    for (Gateway& gateway : FGateways)
        gateway.gateway->Stop();
}

sim::SimulatedGateway& SimulatedPorts::StartGateway(int number, std::uint32_t baud,
                                                    sim::SimOptions options) {
    options.comNumber = number;
    options.linkFolder = folder.path().toStdString();
    options.nmeaBaud = baud;
    options.transcriptPath =
        folder.filePath(QStringLiteral("transcript-%1.txt").arg(number)).toStdString();
    auto gateway = std::make_unique<sim::SimulatedGateway>(options);
    std::string error;
    EXPECT_TRUE(gateway->Start(error)) << error;
    FGateways.push_back({number, std::move(gateway), options.transcriptPath});
    AwaitListed(number);
    return *FGateways.back().gateway;
}

void SimulatedPorts::AddSilentPort(int number) {
    auto port = std::make_unique<PtyPair>();
    std::filesystem::create_symlink(port->SlavePath,
                                    platform::ComLinkPath(folder.path().toStdString(), number));
    FSilentPorts.push_back(std::move(port));
    AwaitListed(number);
}

void SimulatedPorts::AwaitListed(int number, bool present) {
    EXPECT_TRUE(WaitFor([&] { return FListed(number, present); }, std::chrono::milliseconds(2000)))
        << "COM" << number << (present ? " listed" : " gone");
    QTest::qWait(20);
}

void SimulatedPorts::RemovePortLink(int number) {
    std::filesystem::remove(platform::ComLinkPath(folder.path().toStdString(), number));
    AwaitListed(number, false);
}

std::vector<std::string> SimulatedPorts::Transcript(int number) const {
    std::vector<std::string> lines;
    for (const Gateway& gateway : FGateways) {
        if (gateway.number != number) continue;
        std::ifstream file(gateway.transcript);
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
    }
    return lines;
}

std::vector<int> SimulatedPorts::ProbeCodes(int number) const {
    std::vector<int> codes;
    for (const std::string& line : Transcript(number)) {
        if (line.rfind("$PTST,", 0) != 0) continue;
        const auto star = line.find('*');
        const auto comma = line.rfind(',', star);
        codes.push_back(std::stoi(line.substr(comma + 1, star - comma - 1)));
    }
    return codes;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    return QTest::qWaitFor(condition, static_cast<int>(limit.count()));
}

std::string WithChecksum(const std::string& body) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < body.size(); ++i)
        sum ^= static_cast<unsigned char>(body[i]);
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
    return body + tail;
}

} // namespace varo
