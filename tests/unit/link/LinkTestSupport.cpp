#include "LinkTestSupport.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <unistd.h>

#include "ConnectionManager.h"
#include "Tag.h"
#include "comm/thread_comm.h"
#include "platform/com_folder.h"
#include "platform/port_discovery.h"

bool UseComFolder(const QTemporaryDir& folder) {
    qputenv("VARO_COM_DIR", folder.path().toLocal8Bit());
    return folder.isValid();
}

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

LinkTest::LinkTest()
    : folderInUse(UseComFolder(folder)), windows(CreateApplicationWindows()), form(*windows.form) {}

LinkTest::~LinkTest() {
    form.FComm->Close();
    for (Gateway& gateway : FGateways)
        gateway.gateway->Stop();
}

sim::SimulatedGateway& LinkTest::StartGateway(int number, std::uint32_t baud) {
    sim::SimOptions options;
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

void LinkTest::AddSilentPort(int number) {
    auto port = std::make_unique<PtyPair>();
    std::filesystem::create_symlink(port->SlavePath,
                                    platform::ComLinkPath(folder.path().toStdString(), number));
    FSilentPorts.push_back(std::move(port));
    AwaitListed(number);
}

// The window hears of a new port through its notifications; once it lists the
// port, a later rediscovery cannot surprise the test.
void LinkTest::AwaitListed(int number) {
    EXPECT_TRUE(WaitFor([&] { return form.cbxComPort->findText(QString::number(number)) >= 0; },
                        std::chrono::milliseconds(2000)));
    QTest::qWait(20);
}

void LinkTest::RemovePortLink(int number) {
    std::filesystem::remove(platform::ComLinkPath(folder.path().toStdString(), number));
    EXPECT_TRUE(WaitFor([&] { return form.cbxComPort->findText(QString::number(number)) < 0; },
                        std::chrono::milliseconds(2000)));
    QTest::qWait(20);
}

void LinkTest::ChooseManual(int number, const char* baud) {
    form.RefreshPorts();
    if (!form.RadioButtonConnectionModeManual->isChecked())
        form.RadioButtonConnectionModeManual->click();
    form.cbxComPort->setCurrentIndex(form.cbxComPort->findText(QString::number(number)));
    form.cbxBaudRate->setCurrentIndex(form.cbxBaudRate->findText(QString::fromLatin1(baud)));
}

void LinkTest::ChooseAuto() {
    form.RadioButtonConnectionModeAuto->click();
}

void LinkTest::PressConnect() {
    form.OpenPort->click();
    form.Timer1->stop();
    form.TimerConnection->stop();
}

void LinkTest::Tick(std::chrono::milliseconds wait) {
    form.FConnection->Timer1Timer();
    QTest::qWait(static_cast<int>(wait.count()));
}

bool LinkTest::WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    return QTest::qWaitFor(condition, static_cast<int>(limit.count()));
}

std::vector<std::string> LinkTest::Transcript(int number) const {
    std::vector<std::string> lines;
    for (const Gateway& gateway : FGateways) {
        if (gateway.number != number) continue;
        std::ifstream file(gateway.transcript);
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
    }
    return lines;
}

std::vector<int> LinkTest::ProbeCodes(int number) const {
    std::vector<int> codes;
    for (const std::string& line : Transcript(number)) {
        if (line.rfind("$PTST,", 0) != 0) continue;
        const auto star = line.find('*');
        const auto comma = line.rfind(',', star);
        codes.push_back(std::stoi(line.substr(comma + 1, star - comma - 1)));
    }
    return codes;
}

bool LinkTest::Connected() const {
    return form.FComm->Connected();
}

int LinkTest::ButtonTag() const {
    return Tag(form.OpenPort);
}

std::string WithChecksum(const std::string& body) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < body.size(); ++i)
        sum ^= static_cast<unsigned char>(body[i]);
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X\r\n", sum);
    return body + tail;
}
