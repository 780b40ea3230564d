#include <QAction>
#include <QTableWidget>
#include <QToolButton>
#include <string>
#include <vector>

#include "RecordingDialogs.h"
#include "UiTestSupport.h"
#include "sentence/Composer.h"

namespace varo {
namespace {

// `body` ("$GPDPT,...") finished with its checksum and CR LF.
std::string WithChecksum(const std::string& body) {
    char line[varo::kLineBufferSize] = {};
    body.copy(line, sizeof line - 6);
    varo::finishSentence(line, sizeof line);
    return line;
}

class DataViewTest : public UiTest {
protected:
    // The menu item and the buttons work while the link controls are on.
    DataViewTest() { form.SetLinkControls(true); }

    QString Cell(int gridRow, int column) const {
        const QTableWidgetItem* item = form.StringGrid1->item(gridRow - 1, column);
        return item != nullptr ? item->text() : QString();
    }
    QStringList Row(int gridRow) const {
        QStringList cells;
        for (int column = 0; column < 7; ++column)
            cells << Cell(gridRow, column);
        return cells;
    }
    void Show(const char* line, TimeOfDay at) {
        now = at;
        view.ShowSentence(line);
        view.Repaint();
    }
    void ExpectIdle() const {
        EXPECT_FALSE(view.IsRecording());
        EXPECT_FALSE(form.SaveSpeedButton->isChecked());
        EXPECT_EQ(form.SaveSpeedButton->toolTip(), "Start recording Log");
        EXPECT_FALSE(form.Savelog1->isChecked());
    }
    // The log's lines, split at CR LF; a final CR LF leaves no empty line.
    static QStringList LogLines(const QString& path) {
        QString text = QString::fromLatin1(ReadAll(path));
        EXPECT_TRUE(text.endsWith("\r\n"));
        text.chop(2);
        return text.split("\r\n");
    }
};

const char* const kGpGga =
    "$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*76\r\n";
const char* const kGnGga =
    "$GNGGA,092751.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*69\r\n";
const char* const kGpGga2 =
    "$GPGGA,092752.000,5321.6803,N,00630.3373,W,1,8,1.03,61.7,M,55.2,M,,*74\r\n";

TEST_F(DataViewTest, OneRowPerTalkerAndFormatterAndARepeatMovesTheTime) {
    Show(kGpGga, {9, 5, 59});
    Show(kGnGga, {9, 6, 0});
    Show(kGpGga2, {10, 11, 12});

    EXPECT_EQ(form.StringGrid1->rowCount(), 2);
    const QString name = "Global position system fixed data";
    EXPECT_EQ(Row(1), QStringList({"1", "GP", "GGA", name, "09:05:59", "10:11:12",
                                   QString(kGpGga2).chopped(2)}));
    EXPECT_EQ(Row(2),
              QStringList({"2", "GN", "GGA", name, "", "09:06:00", QString(kGnGga).chopped(2)}));

    // The row of an encapsulated AIS sentence is found like any other.
    Show("!AIVDM,1,1,,A,13aEOK?P00PD2wVMdLDRhgvL289?,0*26\r\n", {10, 11, 13});
    EXPECT_EQ(Cell(3, 3), "AIS VHF data-link message");
}

TEST_F(DataViewTest, RepliesUnknownFormattersAndShortLinesAreNeitherShownNorLogged) {
    saveAnswer = Path("dropped.txt");
    form.SaveSpeedButton->click();
    ASSERT_TRUE(view.IsRecording());
    for (const char* line :
         {"$PCTT,A,200000,126992,1*3A\r\n", "$GPTXT,01,01,02,ANTSTATUS=OK*3B\r\n",
          "$PZQTDBG,42,1*79\r\n", "$GPGG\r\n", "$G\r\n", "", "$GPXYZ,1,2*4F\r\n",
          // A damaged copy of a known sentence: its checksum fails.
          "$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*77\r\n"}) {
        view.ShowSentence(line);
    }
    view.ShowSentence(nullptr);
    EXPECT_EQ(view.RowsInUse(), 0);
    EXPECT_EQ(form.StringGrid1->rowCount(), 1);
    EXPECT_EQ(Cell(1, 0), "");
    view.StopLog();
    EXPECT_EQ(LogLines(saveAnswer).size(), 4) << "start line, two headings, end line";
}

TEST_F(DataViewTest, RefreshEmptiesTheGridAndTheNextSentenceIsLineOne) {
    const std::vector<std::pair<const char*, std::function<void()>>> refreshes = {
        {"BitBtn1", [this] { form.BitBtn1->click(); }},
        {"R1", [this] { form.R1->trigger(); }},
    };
    for (const auto& [how, refresh] : refreshes) {
        SCOPED_TRACE(how);
        Show(kGpGga, {1, 2, 3});
        Show("$IIMTW,17.5,C*10\r\n", {1, 2, 4});
        ASSERT_EQ(form.StringGrid1->rowCount(), 2);

        refresh();
        EXPECT_EQ(form.StringGrid1->rowCount(), 1);
        EXPECT_EQ(Row(1), QStringList(7, QString()));

        Show(kGnGga, {1, 2, 5});
        EXPECT_EQ(Row(1), QStringList({"1", "GN", "GGA", "Global position system fixed data", "",
                                       "01:02:05", QString(kGnGga).chopped(2)}));
        refresh();
    }
}

TEST_F(DataViewTest, GridStopsAtItsLastRowButKeepsUpdatingAndLogging) {
    saveAnswer = Path("many.txt");
    form.Savelog1->trigger();
    ASSERT_TRUE(view.IsRecording());
    std::vector<std::string> lines;
    for (int pair = 0; pair < DataView::kMaxSentenceRows + 3; ++pair) {
        const char talker[3] = {static_cast<char>('A' + pair / 26),
                                static_cast<char>('A' + pair % 26), '\0'};
        lines.push_back(WithChecksum(std::string("$") + talker + "DPT,3.4,0.2"));
        view.ShowSentence(lines.back().c_str());
    }
    view.Repaint();
    EXPECT_EQ(view.RowsInUse(), DataView::kMaxSentenceRows);
    EXPECT_EQ(form.StringGrid1->rowCount(), DataView::kMaxSentenceRows);
    EXPECT_EQ(Cell(127, 0), "127");
    EXPECT_EQ(Cell(127, 6), QString::fromStdString(lines[126]).chopped(2));

    // A known pair still updates its row once the grid is full.
    Show(lines[0].c_str(), {11, 0, 0});
    EXPECT_EQ(Cell(1, 5), "11:00:00");
    EXPECT_EQ(Cell(1, 4), "10:00:00");

    view.StopLog();
    const QStringList log = LogLines(saveAnswer);
    EXPECT_EQ(log.size(), 3 + static_cast<qsizetype>(lines.size()) + 1 + 1)
        << "every sentence is logged, shown in the grid or not";
}

TEST_F(DataViewTest, RecordedLogHoldsExactlyTheShownSentences) {
    saveAnswer = Path("log.txt");
    now = {8, 7, 6};
    form.SaveSpeedButton->click();
    EXPECT_EQ(askedFilter, "Text files (*.txt)|*.txt");
    EXPECT_EQ(askedExtension, "txt");
    EXPECT_TRUE(view.IsRecording());
    EXPECT_TRUE(form.SaveSpeedButton->isChecked());
    EXPECT_EQ(form.SaveSpeedButton->toolTip(), "Stop recording Log");
    EXPECT_TRUE(form.Savelog1->isChecked());

    Show(kGpGga, {8, 7, 7});
    Show("$PCTT,A,200000*00\r\n", {8, 7, 8});
    Show(kGnGga, {8, 7, 9});
    Show("$GPTXT,01,01,02,X*00\r\n", {8, 7, 10});
    Show(kGpGga2, {23, 59, 59});
    // Every line is on disk as soon as it is shown, before the log is stopped.
    EXPECT_TRUE(ReadAll(saveAnswer).endsWith(kGpGga2));

    now = {0, 0, 1};
    form.Savelog1->trigger();
    ExpectIdle();

    const QStringList expected = {
        "Start Time (08:07:06)",
        "Time       Message Type   Data",
        "====       ============   ====",
        "08:07:07   NMEA0183       " + QString(kGpGga).chopped(2),
        "08:07:09   NMEA0183       " + QString(kGnGga).chopped(2),
        "23:59:59   NMEA0183       " + QString(kGpGga2).chopped(2),
        "End Time (00:00:01)",
    };
    EXPECT_EQ(LogLines(saveAnswer), expected);

    // A stopped log takes nothing more; a new one empties the file.
    Show(kGpGga, {1, 1, 1});
    EXPECT_EQ(LogLines(saveAnswer).size(), expected.size());
    form.SaveSpeedButton->click();
    EXPECT_EQ(LogLines(saveAnswer).size(), 3);
}

TEST_F(DataViewTest, CancelledOrUnopenableLogReturnsToIdle) {
    RecordingMessageBoxes boxes(MessageResult::Ok);
    saveAnswer.clear();
    form.SaveSpeedButton->click();
    ExpectIdle();
    EXPECT_TRUE(boxes.asked.empty());

    saveAnswer = Path("no-such-folder/log.txt");
    form.Savelog1->trigger();
    ExpectIdle();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].text, "Please input the name of the output file");
    EXPECT_EQ(boxes.asked[0].caption, "Error");
    EXPECT_EQ(boxes.asked[0].icon, MessageIcon::Error);

    // The next press starts a new log rather than ending the failed one.
    saveAnswer = Path("log.txt");
    form.SaveSpeedButton->click();
    EXPECT_TRUE(view.IsRecording());
    EXPECT_EQ(boxes.asked.size(), 1u);
}

TEST_F(DataViewTest, WriteFailureIsReportedOnceAndStopsTheLog) {
    if (!QFile::exists("/dev/full")) GTEST_SKIP() << "needs /dev/full";
    RecordingMessageBoxes boxes(MessageResult::Ok);
    saveAnswer = "/dev/full";
    form.SaveSpeedButton->click();
    ExpectIdle();
    Show(kGpGga, {1, 1, 1});
    Show(kGpGga2, {1, 1, 2});
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_EQ(boxes.asked[0].caption, "Error");
    EXPECT_TRUE(boxes.asked[0].text.contains("could not be written"))
        << boxes.asked[0].text.toStdString();
    EXPECT_EQ(view.RowsInUse(), 1) << "the grid goes on without the log";
}

TEST_F(DataViewTest, ClosingTheWindowEndsARunningLog) {
    RecordingMessageBoxes boxes(MessageResult::Ok);
    saveAnswer = Path("exit.txt");
    form.SaveSpeedButton->click();
    Show(kGpGga, {12, 0, 0});
    now = {12, 0, 5};
    form.show();
    form.btnExit->click();
    EXPECT_FALSE(form.isVisible());
    ExpectIdle();
    EXPECT_EQ(LogLines(saveAnswer).last(), "End Time (12:00:05)");

    // A window destroyed with a log running also ends it.
    const QString second = Path("destroyed.txt");
    {
        ApplicationWindows other = CreateApplicationWindows();
        saveAnswer = second;
        other.form->SaveSpeedButton->click();
        other.form->FDataView->ShowSentence(kGnGga);
    }
    EXPECT_TRUE(LogLines(second).last().startsWith("End Time ("));
}

TEST(TimeOfDay, FormatsTwoDigitsEachAndStaysInItsField) {
    const std::vector<std::pair<TimeOfDay, const char*>> cases = {{{9, 5, 59}, "09:05:59"},
                                                                  {{0, 0, 0}, "00:00:00"},
                                                                  {{23, 59, 60}, "23:59:60"},
                                                                  {{123, -4, 7}, "23:00:07"}};
    for (const auto& [time, expected] : cases) {
        char text[9];
        FormatTimeOfDay(time, text);
        EXPECT_STREQ(text, expected);
    }
}

} // namespace

} // namespace varo
