// The window against a gateway that misbehaves: its adapter pulled and put
// back, and a line full of corrupted bytes and over-long lines.
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

#include "DataView.h"
#include "FaultGateway.h"
#include "Tag.h"
#include "sentence/SentenceParser.h"
#include "sentence/SentenceTables.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

using LinkFaultTest = FaultGatewayTest;

TEST_F(LinkFaultTest, UnpluggedAdapterDisconnectsCleanlyAndReconnectsOnReturn) {
    sim::SimOptions options;
    options.dropAfter = 2.5;
    options.returnAfter = 0.5;
    StartFaultGateway(61, options);
    ASSERT_TRUE(ConnectTo(61));
    ASSERT_TRUE(form.TabSheet1->isEnabled());

    ASSERT_TRUE(WaitFor([&] { return !Connected(); }, 4000ms)) << "the port stays open";
    EXPECT_FALSE(form.OpenPort->isChecked());
    EXPECT_EQ(ButtonTag(), 0);
    EXPECT_EQ(form.OpenPort->text(), "Connect");
    EXPECT_FALSE(form.FLink->FLinked);
    EXPECT_FALSE(form.TabSheet1->isEnabled());
    EXPECT_FALSE(form.TabSheetStatic->isEnabled());
    EXPECT_FALSE(form.Savelog1->isEnabled());
    EXPECT_TRUE(form.StringGrid1->isHidden());

    ports.AwaitListed(61);
    ASSERT_TRUE(ConnectTo(61)) << "no link after the adapter returned";
    EXPECT_TRUE(form.TabSheet1->isEnabled());
    EXPECT_TRUE(form.OpenPort->isChecked());
    EXPECT_TRUE(boxes.asked.empty());
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
