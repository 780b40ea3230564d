// The window against a gateway that misbehaves: its adapter pulled and put
// back, and a line full of corrupted bytes and over-long lines.
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

#include "ConnectionStatus.h"
#include "DataView.h"
#include "DeviceWatch.h"
#include "FaultGateway.h"
#include "Tag.h"
#include "sentence/SentenceParser.h"
#include "sentence/SentenceTables.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

using LinkFaultTest = FaultGatewayTest;

TEST_F(LinkFaultTest, UnpluggedAdapterIsToldKeepsItsRowsAndReconnectsByItself) {
    sim::SimOptions options;
    options.dropAfter = 2.5;
    options.returnAfter = 1.0;
    StartFaultGateway(61, options);
    ASSERT_TRUE(ConnectTo(61));
    ASSERT_TRUE(form.TabSheet1->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return form.FDataView->RowsInUse() > 0; }, 3000ms));

    ASSERT_TRUE(WaitFor([&] { return !Connected(); }, 4000ms)) << "the port stays open";
    EXPECT_FALSE(form.OpenPort->isChecked());
    EXPECT_EQ(ButtonTag(), 0);
    EXPECT_FALSE(form.FLink->FLinked);
    EXPECT_FALSE(form.TabSheet1->isEnabled());
    EXPECT_TRUE(form.lblHealth->text().contains("COM61 was lost"))
        << form.lblHealth->text().toStdString();
    EXPECT_FALSE(form.StringGrid1->isHidden()) << "the rows of the lost link are thrown away";
    EXPECT_EQ(form.cbxComPort->currentText(), "61 (absent)");

    // Back within the minute: connected again at the last speed, unasked.
    ASSERT_TRUE(WaitFor([&] { return form.FLink->FLinked; }, 8000ms)) << "no reconnect";
    EXPECT_TRUE(form.OpenPort->isChecked());
    EXPECT_EQ(form.cbxBaudRate->currentText(), "38400");
    EXPECT_TRUE(form.FDataView->RowEarlier(1) || form.FDataView->RowsInUse() > 0);
    EXPECT_TRUE(boxes.asked.empty());
}

// A gateway that dies without any notice of removal (no udev, no change in
// the COM folder): the hang-up alone disconnects and tells the user.
TEST_F(LinkFaultTest, KilledGatewayDisconnectsAtOnceWithTheMessage) {
    StartFaultGateway(63, {});
    ASSERT_TRUE(ConnectTo(63));
    form.FLink->FDeviceWatch.reset();
    faultGateways.front()->Stop();
    ASSERT_TRUE(WaitFor([&] { return !Connected(); }, 3000ms)) << "still \"Connected...\"";
    EXPECT_FALSE(form.OpenPort->isChecked());
    EXPECT_EQ(form.LabelConnectionStatus->text().toStdString(), "Disconnect...");
    EXPECT_TRUE(form.lblHealth->text().startsWith("COM63 was lost"))
        << form.lblHealth->text().toStdString() << " "
        << (boxes.asked.empty() ? "" : boxes.asked.front().text.toStdString());
}

// Outside the CONFIGURATION page a silent link is noticed by the health bar.
TEST_F(LinkFaultTest, SilentGatewayTurnsTheHealthBarAmberOnProperties) {
    sim::SimOptions options;
    options.silentAfter = 2.0;
    StartFaultGateway(64, options);
    ASSERT_TRUE(ConnectTo(64));
    form.PageControlConf->setCurrentIndex(0);
    EXPECT_FALSE(form.FConnectionStatus->HealthAmber());
    ASSERT_TRUE(WaitFor([&] { return form.FConnectionStatus->HealthAmber(); }, 12000ms));
    EXPECT_TRUE(form.lblHealth->text().startsWith("Silent for"));
    EXPECT_TRUE(Connected()) << "the health bar only warns";
}

// A time-out says which of its cases it was (the unanswered probe: LinkTruthTest).
TEST_F(LinkFaultTest, TimeOutsTellNothingFromAnotherSpeedFromNoStaticEnd) {
    sim::SimOptions atSpeed;
    atSpeed.flood = true;
    StartFaultGateway(65, atSpeed);
    sim::SimOptions noEnd;
    noEnd.noStaticEnd = true;
    StartFaultGateway(66, noEnd);
    AddSilentPort(67);
    const auto timeOut = [&](int number, const char* baud) {
        boxes.asked.clear();
        ChooseManual(number, baud);
        PressConnect();
        for (int tick = 0; tick < 22 && boxes.asked.empty(); ++tick)
            Tick(100ms);
        Tick(0ms);
        return boxes.asked.empty() ? QString() : boxes.asked.front().text;
    };
    EXPECT_TRUE(timeOut(67, "38400")
                    .startsWith("Serial port connection time out!\nNothing was received from the "
                                "port. Check the cable"));
    EXPECT_EQ(timeOut(65, "4800").toStdString(),
              "Serial port connection time out!\nData arrived at another "
              "speed: try Auto or another baud rate.");
    EXPECT_TRUE(timeOut(66, "38400")
                    .startsWith("Serial port connection time out!\nThe gateway "
                                "sent part of its static data but no"));
    EXPECT_FALSE(Connected());
}

// Ports come and go while Auto mode scans: the scan keeps its own list.
TEST_F(LinkFaultTest, HotPlugDuringAnAutoScanIsHarmless) {
    AddSilentPort(71);
    AddSilentPort(72);
    StartFaultGateway(73, {});
    ChooseAuto();
    PressConnect();
    Tick();
    RemovePortLink(71);
    AddSilentPort(74);
    RemovePortLink(72);
    for (int tick = 0; tick < 40 && !form.FLink->FLinked; ++tick)
        Tick(100ms);
    EXPECT_TRUE(form.FLink->FLinked);
    EXPECT_EQ(form.EditAutoDetectComPort->text(), "73");
}

// A row must hold a real sentence: a two-letter talker, a formatter of the
// table, and the line itself in printable characters with a good checksum.
::testing::AssertionResult RowIsSound(const QTableWidget& grid, int row) {
    const auto cell = [&](int column) {
        const QTableWidgetItem* item = grid.item(row, column);
        return item != nullptr ? item->text() : QString();
    };
    const QString talker = cell(1), formatter = cell(2), data = cell(6);
    static const QRegularExpression printable(QStringLiteral("^[\\x20-\\x7E]*$"));
    static const QRegularExpression letters(QStringLiteral("^[A-Z]{2}$"));
    if (!letters.match(talker).hasMatch())
        return ::testing::AssertionFailure() << "row " << row << " talker " << talker.toStdString();
    if (varo::FindSentenceDescription(formatter.toLatin1().constData()) == nullptr)
        return ::testing::AssertionFailure()
               << "row " << row << " formatter " << formatter.toStdString();
    if (data.size() > 82 || !printable.match(data).hasMatch() ||
        data.mid(1, 5) != talker + formatter || !varo::VerifyChecksum(data.toLatin1().constData()))
        return ::testing::AssertionFailure() << "row " << row << " data " << data.toStdString();
    return ::testing::AssertionSuccess();
}

class GarbledLineTest : public FaultGatewayTest {
protected:
    // A flooding gateway that damages bytes and sends over-long lines
    // between its sentences, linked and streaming for a while.
    void StreamGarbage() {
        sim::SimOptions options;
        options.flood = true;
        options.garbageRate = 0.002;
        options.longLines = true;
        StartFaultGateway(62, options);
        ASSERT_TRUE(ConnectTo(62));
        QTest::qWait(1500);
    }
};

TEST_F(GarbledLineTest, TheToolKeepsWorking) {
    StreamGarbage();
    const QTableWidget& grid = *form.StringGrid1;
    ASSERT_GT(form.FDataView->RowsInUse(), 0);
    EXPECT_LE(form.FDataView->RowsInUse(), DataView::kMaxSentenceRows);
    const auto gga = grid.findItems(QStringLiteral("GGA"), Qt::MatchExactly);
    ASSERT_FALSE(gga.isEmpty()) << "sentences after over-long lines are lost";
    EXPECT_EQ(grid.item(gga.front()->row(), 1)->text(), "GP");

    // It disconnects and links again.
    form.OpenPort->click();
    ASSERT_TRUE(WaitFor([&] { return !Connected(); }, 2000ms));
    EXPECT_TRUE(ConnectTo(62));
}

// Damaged bytes fail the sentence's checksum; such a line must neither open
// a row of its own (garbage would fill the grid's rows for good) nor
// overwrite the good copy.
TEST_F(GarbledLineTest, DamagedSentencesNeverReachTheGrid) {
    StreamGarbage();
    for (int row = 0; row < form.FDataView->RowsInUse(); ++row)
        EXPECT_TRUE(RowIsSound(*form.StringGrid1, row));
}

} // namespace

} // namespace varo
