// The PROPERTIES page, the baud-rate and flow-rate commands and the link
// watchdog against the simulated gateway; what the gateway heard is read
// from its transcript.
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "ConnectionManager.h"
#include "LinkWatchdog.h"
#include "TLabeledEdit.h"
#include "WindowLinkTest.h"
#include "comm/ThreadComm.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

constexpr int kPropertiesPage = 0;
constexpr int kConfigurationPage = 1;

std::vector<std::string> LinesStarting(const std::vector<std::string>& lines, const char* start) {
    std::vector<std::string> found;
    for (const std::string& line : lines)
        if (line.rfind(start, 0) == 0) found.push_back(line);
    return found;
}

// The transcript's form of a sentence: with its checksum, without CR LF.
std::string Sent(const std::string& body) {
    const std::string line = WithChecksum(body);
    return line.substr(0, line.size() - 2);
}

class DeviceCommandsTest : public WindowLinkTest {
protected:
    // Unanswered requests end sooner: the tests wait less.
    DeviceCommandsTest() { form.FLink->Engine().SetReplyBase(200ms); }
    ~DeviceCommandsTest() override {
        form.FLink->FComm->Close();
        if (quiet) quiet->Stop();
    }

    // Connects in Manual mode at `baud`; true once the static data block ended.
    bool Connect(int number, const char* baud) {
        ChooseManual(number, baud);
        PressConnect();
        return WaitFor([&] { return form.FLink->FLinked; }, 3000ms);
    }

    std::vector<std::string> DbgLines(int number) const {
        return LinesStarting(Transcript(number), "$PDBG,");
    }

    // A gateway on COM `number` that stops talking `silentAfter` seconds after its start.
    void StartQuietGateway(int number, double silentAfter) {
        sim::SimOptions options;
        options.comNumber = number;
        options.linkFolder = ports.folder.path().toStdString();
        options.silentAfter = silentAfter;
        options.transcriptPath = ports.folder.filePath(QStringLiteral("quiet.txt")).toStdString();
        quietTranscript = options.transcriptPath;
        quiet = std::make_unique<sim::SimulatedGateway>(options);
        std::string error;
        ASSERT_TRUE(quiet->Start(error)) << error;
        ports.AwaitListed(number);
    }

    // The TST probes with code 2 that the quiet gateway heard.
    long QuietConfigurationProbes() const {
        std::ifstream file(quietTranscript);
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        const std::vector<std::string> probes = LinesStarting(lines, "$PTST,");
        return std::count(probes.begin(), probes.end(), Sent("$PTST,,,,,00002"));
    }

    void ExpectBaudChangeIdle() {
        EXPECT_FALSE(form.baudChangeArmed);
        EXPECT_FALSE(form.spbBaudRate->isChecked());
        EXPECT_EQ(form.spbBaudRate->text(), "Change NMEA Baud Rate");
        EXPECT_TRUE(form.Label2->isHidden());
        EXPECT_TRUE(form.cbxBaud_NMEA->isHidden());
    }

    std::unique_ptr<sim::SimulatedGateway> quiet;
    std::string quietTranscript;
};

TEST_F(DeviceCommandsTest, PropertiesPageFilledAfterConnecting) {
    StartGateway(50, 4800);
    ASSERT_TRUE(Connect(50, "4800"));
    EXPECT_EQ(form.LabeledEdit1->text(), "4800");
    EXPECT_EQ(form.LabeledEdit2->text(), "115200");
    EXPECT_EQ(form.LabelEdit_NMEA2000_Database_Version->text(), "2.100");
    EXPECT_EQ(form.LabelEdit_NMEA2000_Product_Code->text(), "1260");
    EXPECT_EQ(form.LabelEdit_Manufacturers_Model_ID->text(), "RZ-60");
    EXPECT_EQ(form.LabelEdit_Manufacturers_Software_Version_Code->text(), "1.0.0.3");
    EXPECT_EQ(form.LabelEdit_Manufacturers_Mode_Version->text(), "A");
    EXPECT_EQ(form.LabelEdit_Manufacturers_Model_Serial_Code->text(), "0000001");
    EXPECT_EQ(form.LabelEdit_Certification_Level->text(), "Level B");
    EXPECT_EQ(form.Edit1->text(), "0");
    EXPECT_EQ(form.cbxBaud_NMEA->currentText(), "4800");
    EXPECT_EQ(form.cbxBaud_RS232->currentText(), "115200");

    form.FLink->FConnection->TimerConnectionTimer(); // the status the running timer would show
    form.resize(904, 640);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.PageControlConf->setCurrentIndex(kPropertiesPage);
    QTest::qWait(50);
    const QString path =
        QDir(QStringLiteral(SCREENSHOT_FOLDER)).filePath("properties-connected.png");
    EXPECT_TRUE(form.grab().save(path)) << path.toStdString();
}

TEST_F(DeviceCommandsTest, FlowRateFromZeroToFiveIsSentAndConfirmedOtherTextIsRefused) {
    StartGateway(52, 38400);
    ASSERT_TRUE(Connect(52, "38400"));
    for (const char* refused : {"6", "-1", "abc", "2.5", ""}) {
        boxes.asked.clear();
        form.Edit1->setText(refused);
        form.Button2->click();
        EXPECT_EQ(form.Edit1->text(), "0") << refused << ": the gateway's value is back";
        ASSERT_EQ(boxes.asked.size(), 1u) << refused;
        EXPECT_TRUE(boxes.asked[0].text.startsWith("Out of range!!"));
        EXPECT_EQ(boxes.asked[0].caption, "Message");
        EXPECT_EQ(boxes.asked[0].icon, MessageIcon::Exclamation);
    }
    for (const char* accepted : {"4", " 5 "}) {
        boxes.asked.clear();
        form.Edit1->setText(accepted);
        form.Button2->click();
        EXPECT_TRUE(boxes.asked.empty()) << "no result before the read-back";
        ASSERT_TRUE(WaitFor([&] { return !boxes.asked.empty(); }, 3000ms)) << accepted;
        EXPECT_EQ(boxes.asked[0].text, "Change successfully!!");
        EXPECT_EQ(boxes.asked[0].caption, "Message");
        EXPECT_EQ(boxes.asked[0].icon, MessageIcon::None);
        EXPECT_EQ(form.Edit1->text(), QString(accepted).trimmed()) << "as the gateway reports";
    }
    // The refused ones went first: had any been sent, it would lead the list.
    // Pairs 2 to 4 go out empty, whatever the record held.
    const std::vector<std::string> sent = DbgLines(52);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], Sent("$PDBG,013,4,,,,,,"));
    EXPECT_EQ(sent[1], Sent("$PDBG,013,5,,,,,,"));
    EXPECT_TRUE(Connected());
}

// The PC follows the gateway to the new rate and confirms it there with the
// static data block; the link stays up. The rate in use sends nothing.
TEST_F(DeviceCommandsTest, BaudChangeIsFollowedTo9600AndBack) {
    StartGateway(51, 38400);
    ASSERT_TRUE(Connect(51, "38400"));
    auto change = [&](const char* rate) {
        boxes.asked.clear();
        form.spbBaudRate->click();
        EXPECT_TRUE(form.baudChangeArmed);
        EXPECT_EQ(form.spbBaudRate->text(), "Apply");
        form.cbxBaud_NMEA->setCurrentText(rate);
        form.spbBaudRate->click();
        ExpectBaudChangeIdle();
        EXPECT_TRUE(WaitFor([&] { return !boxes.asked.empty(); }, 6000ms)) << rate;
    };
    change("9600");
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text,
              "Device's baud rate has been changed.\nThe link is back at 9600 baud.");
    EXPECT_EQ(boxes.asked[0].caption, "Baud Rate Changed");
    EXPECT_TRUE(Connected());
    EXPECT_EQ(form.cbxBaudRate->currentText(), "9600");
    EXPECT_EQ(form.cbxBaud_NMEA->currentText(), "9600") << "from the block read at 9600";
    EXPECT_EQ(DbgLines(51), std::vector<std::string>{Sent("$PDBG,042,4,,,,,,")});

    change("9600");
    EXPECT_EQ(boxes.asked.at(0).text, "The gateway already uses 9600 baud. Nothing was sent.");
    EXPECT_EQ(DbgLines(51).size(), 1u);

    change("38400");
    EXPECT_EQ(boxes.asked.at(0).text,
              "Device's baud rate has been changed.\nThe link is back at 38400 baud.");
    EXPECT_EQ(form.cbxBaudRate->currentText(), "38400");
    EXPECT_TRUE(Connected());
    EXPECT_TRUE(form.spbBaudRate->isEnabled());
}

TEST_F(DeviceCommandsTest, AnArmedBaudChangeEndsWithTheLink) {
    StartGateway(53, 38400);
    ASSERT_TRUE(Connect(53, "38400"));
    form.spbBaudRate->click();
    ASSERT_TRUE(form.baudChangeArmed);
    EXPECT_TRUE(form.spbBaudRate->isChecked());

    form.cbxBaud_NMEA->setCurrentIndex(-1);
    form.spbBaudRate->click();
    EXPECT_TRUE(form.baudChangeArmed) << "nothing chosen, nothing sent";
    EXPECT_FALSE(form.spbBaudRate->isChecked());

    form.OpenPort->click();
    EXPECT_FALSE(Connected());
    ExpectBaudChangeIdle();
    QTest::qWait(100);
    EXPECT_TRUE(DbgLines(53).empty());
    EXPECT_TRUE(boxes.asked.empty());
}

TEST_F(DeviceCommandsTest, WatchdogProbesAndDropsASilentGatewayOnlyOnTheConfigurationPage) {
    constexpr double kSilentAfter = 2.0;
    QElapsedTimer clock;
    clock.start();
    StartQuietGateway(55, kSilentAfter);
    ASSERT_TRUE(Connect(55, "38400"));
    ASSERT_LT(clock.elapsed(), 1800) << "linked before the gateway went quiet";

    // Silent for half a second on PROPERTIES: a running watchdog would count.
    form.PageControlConf->setCurrentIndex(kPropertiesPage);
    WaitFor([&] { return clock.elapsed() > 2600; }, 3000ms);
    EXPECT_FALSE(form.PIC_Timer->isActive());
    EXPECT_EQ(form.FLink->FLinkSilenceTicks, 0);
    EXPECT_TRUE(Connected());

    form.PageControlConf->setCurrentIndex(kConfigurationPage);
    EXPECT_TRUE(form.PIC_Timer->isActive());
    form.PIC_Timer->stop(); // the test takes the ticks itself
    ASSERT_TRUE(WaitFor([&] { return QuietConfigurationProbes() == 1; }, 1000ms))
        << "the page watcher's probe";

    LinkWatchdog& watchdog = *form.FLinkWatchdog;
    for (int tick = 1; tick <= 50; ++tick)
        watchdog.OnWatchdogTimer();
    QTest::qWait(100);
    EXPECT_EQ(QuietConfigurationProbes(), 1) << "no probe within 5 seconds";
    watchdog.OnWatchdogTimer();
    EXPECT_TRUE(WaitFor([&] { return QuietConfigurationProbes() == 2; }, 1000ms)) << "tick 51";

    for (int tick = 52; tick <= 70; ++tick)
        watchdog.OnWatchdogTimer();
    EXPECT_TRUE(Connected());
    EXPECT_TRUE(boxes.asked.empty());
    watchdog.OnWatchdogTimer();
    EXPECT_FALSE(Connected()) << "tick 71";
    EXPECT_EQ(ButtonTag(), 0);
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "Please check RZ-60 connection");
    EXPECT_EQ(QuietConfigurationProbes(), 2) << "one probe per silence";
}

} // namespace

} // namespace varo
