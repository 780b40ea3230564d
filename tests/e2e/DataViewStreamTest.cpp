// The data view against the simulated gateway's flood: a raw NMEA log of the
// live stream, played back, gives the same rows, counts, counters and AIS
// targets; the panes below the grid are rendered to PNG files.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <map>
#include <string>
#include <tuple>

#include "DataView.h"
#include "LogReplay.h"
#include "WindowLinkTest.h"
#include "ais/AisState.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

// What the view shows, compared between the live stream and its replay.
struct ViewState {
    std::map<std::string, std::pair<std::uint64_t, std::string>> rows; // pair -> count, newest
    std::uint64_t shown = 0, unknownFormatter = 0;
    std::uint64_t checksum = 0, ending = 0, notSentence = 0;
    std::map<std::uint32_t, std::uint32_t> targets; // MMSI -> messages

    bool operator==(const ViewState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ViewState& state) {
    out << state.rows.size() << " rows, " << state.shown << " shown, " << state.unknownFormatter
        << " unknown, " << state.checksum << "/" << state.ending << "/" << state.notSentence
        << " dropped, " << state.targets.size() << " targets";
    return out;
}

class DataViewStream : public WindowLinkTest {
protected:
    ViewState State() {
        DataView& view = *form.FDataView;
        ViewState state;
        view.Repaint();
        for (int row = 1; row <= view.RowsInUse(); ++row) {
            const QString pair = form.StringGrid1->item(row - 1, DataView::kTalker)->text() +
                                 form.StringGrid1->item(row - 1, DataView::kFormatter)->text();
            state.rows[pair.toStdString()] = {
                view.RowCount(row),
                form.StringGrid1->item(row - 1, DataView::kData)->text().toStdString()};
        }
        state.shown = view.LinesShown();
        state.unknownFormatter = view.DroppedUnknownFormatter();
        const LinkHealth& health = form.FLink->FHealth;
        state.checksum = health.DroppedChecksum() - base.checksum;
        state.ending = health.DroppedEnding() - base.ending;
        state.notSentence = health.DroppedNotSentence() - base.notSentence;
        const AisTargetTable& table = view.Ais().decoder.targets;
        for (int i = 0; i < table.count; ++i)
            if (table.entries[i].mmsi != 0)
                state.targets[table.entries[i].mmsi] =
                    table.entries[i].vdmCount + table.entries[i].vdoCount;
        return state;
    }
    int RowOf(const char* formatter) const {
        for (int row = 0; row < form.StringGrid1->rowCount(); ++row)
            if (const QTableWidgetItem* item = form.StringGrid1->item(row, DataView::kFormatter))
                if (item->text() == QLatin1String(formatter)) return row;
        return -1;
    }
    QString DetailValue(const QString& name) const {
        for (int row = 0; row < form.FDataView->DetailGrid->rowCount(); ++row)
            if (form.FDataView->DetailGrid->item(row, 0)->text().trimmed() == name)
                return form.FDataView->DetailGrid->item(row, 1)->text();
        return QStringLiteral("<missing>");
    }
    void Shot(QWidget& pane, const char* name) {
        form.FDataView->DataPanes->setCurrentWidget(&pane);
        form.FDataView->Repaint();
        QTest::qWait(100);
        const QString path = QDir(QStringLiteral(SCREENSHOT_FOLDER))
                                 .filePath(QStringLiteral("dataview-%1.png").arg(name));
        EXPECT_TRUE(form.grab().save(path)) << path.toStdString();
    }
    ViewState base; // the health figures when the log started
};

TEST_F(DataViewStream, ReplayOfTheRawLogGivesTheLiveView) {
    const QString log = QDir(ports.folder.path()).filePath(QStringLiteral("stream.nmea"));
    SaveFileSeam() = [&](const QString&, const QString&) { return log; };
    sim::SimOptions options;
    options.flood = true;
    StartGateway(91, 38400, options);
    form.resize(1000, 760);
    form.show();
    ChooseManual(91, "38400");
    form.OpenPort->click();
    ASSERT_TRUE(WaitFor([&] { return form.FLink->FLinked; }, 5000ms));
    form.PageControlConf->setCurrentWidget(form.TabSheet2);

    // The log and the view start together, between two reads.
    DataView& view = *form.FDataView;
    view.ClearDataView();
    view.ToggleLogRecording();
    ASSERT_TRUE(view.IsRecording());
    base = {};
    base = State();
    ASSERT_TRUE(WaitFor(
        [&] { return view.LinesShown() > 3000 && view.Ais().decoder.targets.count > 2; }, 20000ms));
    view.ToggleLogRecording();
    const ViewState live = State();
    form.OpenPort->click();
    ASSERT_TRUE(WaitFor([&] { return !Connected(); }, 3000ms));
    SaveFileSeam() = AskSaveFileName;

    // Three damaged lines after the stream: each counted under its reason.
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*77\r\n"
               "$GPHDT,123.4,T\r\n$GPXYZ,1,2*4F\r\n");
    file.close();
    ViewState expected = live;
    ++expected.checksum;
    ++expected.ending;
    ++expected.unknownFormatter;

    LogReplay& replay = view.Replay();
    replay.SetSpeed(LogReplay::Speed::Fastest);
    ASSERT_TRUE(replay.Start(log));
    base = {};
    ASSERT_TRUE(WaitFor([&] { return !replay.Playing(); }, 60000ms));
    EXPECT_EQ(State(), expected);
    EXPECT_TRUE(boxes.asked.empty());

    // The filter keeps the rows that hold its text.
    view.edtViewFilter->setText(QStringLiteral("$gpgga"));
    EXPECT_FALSE(form.StringGrid1->isRowHidden(RowOf("GGA")));
    EXPECT_TRUE(form.StringGrid1->isRowHidden(RowOf("VDM")));
    view.edtViewFilter->clear();

    // The detail of a position and of an AIS row, then the three panes.
    form.StringGrid1->setCurrentCell(RowOf("GGA"), 0);
    view.Repaint();
    EXPECT_TRUE(DetailValue(QStringLiteral("Latitude")).contains(QLatin1Char('\'')));
    EXPECT_NE(DetailValue(QStringLiteral("Time")), QStringLiteral("<missing>"));
    Shot(*view.DetailGrid, "detail-gga");
    form.StringGrid1->setCurrentCell(RowOf("VDM"), 0);
    view.Repaint();
    EXPECT_NE(DetailValue(QStringLiteral("MMSI")), QStringLiteral("<missing>"));
    Shot(*view.DetailGrid, "detail-ais");
    // Depth, wind and heading, as a technician checks them after a conversion.
    for (const auto& [formatter, field, shot] :
         {std::tuple{"DBT", "Depth metres", "detail-dbt"},
          std::tuple{"MWV", "Wind angle", "detail-mwv"},
          std::tuple{"HDG", "Magnetic sensor heading", "detail-hdg"}}) {
        form.StringGrid1->setCurrentCell(RowOf(formatter), 0);
        view.Repaint();
        const QString value = DetailValue(QString::fromLatin1(field));
        EXPECT_NE(value, QStringLiteral("<missing>")) << formatter;
        EXPECT_NE(value, form.FTexts.NotAvailable) << formatter;
        Shot(*view.DetailGrid, shot);
    }
    Shot(*view.AisTargetGrid, "ais-targets");
    EXPECT_EQ(view.AisTargetGrid->rowCount(), static_cast<int>(live.targets.size()));
    Shot(*view.RawMonitorText, "raw-monitor");
    const QString monitor = view.RawMonitorText->toPlainText();
    EXPECT_TRUE(monitor.contains(QStringLiteral("$GPHDT,123.4,T   <")));
    EXPECT_TRUE(monitor.contains(QStringLiteral("$GPXYZ,1,2*4F   <")));
}

} // namespace
} // namespace varo
