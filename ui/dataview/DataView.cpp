#include "DataView.h"

#include <QAction>
#include <QBrush>
#include <QFile>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <ctime>

#include "Dialogs.h"
#include "LogReplay.h"
#include "TForm1.h"
#include "ais/AisState.h"
#include "config/ReceiveSentence.h"
#include "config/SentenceStore.h"
#include "sentence/SentenceParser.h"
#include "sentence/SentenceTables.h"

namespace varo {
namespace {

// Talker (characters 2 and 3) and formatter (characters 4 to 6) of a line
// of at least six characters, packed into one number.
std::uint64_t PairKey(const char* line) {
    std::uint64_t key = 0;
    for (int i = 1; i <= 5; ++i)
        key = (key << 8) | static_cast<unsigned char>(line[i]);
    return key;
}

void SetCell(QTableWidget& grid, int row, int column, const QString& text) {
    if (QTableWidgetItem* item = grid.item(row, column)) {
        if (item->text() != text) item->setText(text);
    } else {
        grid.setItem(row, column, new QTableWidgetItem(text));
    }
}

void ReportLogWriteError(const UiTexts& texts, int error) {
    ModalMessage(texts.LogWriteError.arg(QString::fromLocal8Bit(std::strerror(error))), texts.Error,
                 MessageIcon::Error, MessageButtons::Ok);
}

QString TimeCell(const char (&time)[9]) {
    return QString::fromLatin1(time, static_cast<qsizetype>(strnlen(time, sizeof time)));
}

double Seconds(std::chrono::steady_clock::duration span) {
    return std::chrono::duration<double>(span).count();
}

} // namespace

DataView::DataView(TForm1& form)
    : form(form), ais(std::make_unique<AisState>()), aisStore(std::make_unique<SentenceStore>()),
      repaintTimer(new QTimer(&form)) {
    form.Savelog1->setCheckable(true);
    // A sentence is one line of text, clipped at the cell's edge: wrapping
    // or eliding it would cut it back to its first fields.
    form.StringGrid1->setWordWrap(false);
    form.StringGrid1->setTextElideMode(Qt::ElideNone);
    BuildPanes();
    replay = std::make_unique<LogReplay>(form);
    repaintTimer->setObjectName(QStringLiteral("DataViewRepaintTimer"));
    QObject::connect(repaintTimer, &QTimer::timeout, &form, [this] { Repaint(); });
    repaintTimer->start(kRepaintMs);
}

DataView::~DataView() {
    replay.reset();
    if (!logRecording) return;
    char time[9];
    FormatTimeOfDay(clock(), time);
    log.WriteEndAndClose(time);
}

void DataView::ShowSentence(const char* line) {
    if (line == nullptr) return;
    std::size_t length = std::strlen(line);
    // Shorter lines hold no talker and formatter; their description lookup
    // would fail anyway.
    if (length < 6) return;
    // The gateway's answers to configuration requests are not traffic.
    if (std::memcmp(line + 1, "PCTT", 4) == 0) return;
    // A line whose checksum fails is line noise: shown, it would open rows
    // under damaged talkers (filling the grid for good) or overwrite the good
    // copy of its sentence. The health figures count it.
    if (!varo::VerifyChecksum(line)) return;
    // A pair with a row has a known formatter; only a new pair is looked up.
    const std::uint64_t key = PairKey(line);
    int found = 0;
    for (int row = 1; row < nextRow; ++row) {
        if (rows[static_cast<std::size_t>(row - 1)].key == key) {
            found = row;
            break;
        }
    }
    const char formatter[4] = {line[3], line[4], line[5], '\0'};
    if (found == 0 && varo::FindSentenceDescription(formatter) == nullptr) {
        ++unknownFormatter;
        raw.MarkNewest(LineDrop::UnknownFormatter);
        return;
    }
    ++linesShown;

    char time[9];
    FormatTimeOfDay(clock(), time);
    if (logRecording && log.LogFormat() == DataLog::Format::Data && !log.WriteSentence(time, line))
        AbandonLog();

    // The grid shows the sentence without its line end.
    while (length > 0 && (line[length - 1] == '\r' || line[length - 1] == '\n'))
        --length;
    const auto at = std::chrono::steady_clock::now();
    if (found == 0) {
        if (nextRow > kMaxSentenceRows) {
            if (line[0] == '!') FeedAis(line, rows[0]);
            return;
        }
        found = nextRow++;
        Row& row = rows[static_cast<std::size_t>(found - 1)];
        row = Row{};
        row.key = key;
        row.fresh = true;
    } else {
        Row& row = rows[static_cast<std::size_t>(found - 1)];
        const double gap = Seconds(at - row.updated);
        row.interval = row.interval == 0 ? gap : 0.75 * row.interval + 0.25 * gap;
        std::memcpy(row.lastTime, row.time, sizeof row.lastTime);
    }
    Row& row = rows[static_cast<std::size_t>(found - 1)];
    row.updated = at;
    std::memcpy(row.time, time, sizeof row.time);
    length = std::min(length, sizeof row.line - 1);
    std::memcpy(row.line, line, length);
    row.line[length] = '\0';
    row.length = static_cast<std::uint8_t>(length);
    ++row.count;
    row.dirty = true;
    if (line[0] == '!') FeedAis(line, row);
}

void DataView::ShowRawLine(std::string_view line, LineDrop drop) {
    raw.Add(line, drop);
    // A line cut for its length is not what came; the raw log leaves it out.
    if (!logRecording || log.LogFormat() != DataLog::Format::Raw || drop == LineDrop::TooLong)
        return;
    if (!log.WriteRawLine(line, static_cast<std::int64_t>(std::time(nullptr)))) AbandonLog();
}

// Encapsulated sentences go through the AIS decoding of the receive path,
// into the view's own target table.
void DataView::FeedAis(const char* line, Row& row) {
    char copy[kLineBufferSize] = {};
    std::strncpy(copy, line, sizeof copy - 1);
    SentenceRecord record{};
    ReceiveOutcome outcome;
    ReceiveSentence(copy, record, &outcome, *aisStore, *ais);
    if (!outcome.ais.complete) return;
    aisChanged = true;
    if (&row == &rows[0] && row.key != PairKey(line)) return; // a pair without a row
    row.aisMessage = ais->message;
    row.hasAis = true;
}

// Grid row r is table row r - 1 (the header is the table's own). A new row
// gets every cell; a known one its times, data and counts.
void DataView::PaintCells(int gridRow) {
    QTableWidget& grid = *form.StringGrid1;
    const int index = gridRow - 1;
    Row& row = rows[static_cast<std::size_t>(index)];
    if (row.fresh) {
        const char formatter[4] = {row.line[3], row.line[4], row.line[5], '\0'};
        const varo::SentenceDescription* description = varo::FindSentenceDescription(formatter);
        SetCell(grid, index, kLine, QString::number(gridRow));
        SetCell(grid, index, kTalker, QString::fromLatin1(row.line + 1, 2));
        SetCell(grid, index, kFormatter, QString::fromLatin1(row.line + 3, 3));
        SetCell(grid, index, kName, description != nullptr ? NameOf(*description) : QString());
        row.fresh = false;
    }
    SetCell(grid, index, kLastTime, TimeCell(row.lastTime));
    SetCell(grid, index, kCurrentTime, TimeCell(row.time));
    SetCell(grid, index, kData, QString::fromLatin1(row.line, row.length));
    SetCell(grid, index, kCount, QString::number(row.count));
    if (row.stale || row.earlier) {
        row.stale = row.earlier = false;
        PaintRow(gridRow, false, QString());
    }
    row.dirty = false;
}

void DataView::Repaint() {
    if (logRecording && !log.FlushLines()) AbandonLog();
    const bool rawShown = DataPanes->isVisible() && DataPanes->currentWidget() == RawMonitorText;
    // The receive echo is hidden: it takes its lines from the ring when shown.
    if (rawShown || form.MemoRecord->isVisible())
        raw.Flush(form.MemoRecord->isVisible() ? form.MemoRecord : nullptr,
                  rawShown ? RawMonitorText : nullptr, DropReasons());
    const auto now = std::chrono::steady_clock::now();
    // A label's new text lays the page out again: four times a second is enough.
    if (Seconds(now - countersShownAt) >= 0.25) {
        countersShownAt = now;
        ShowCounters();
    }
    if (aisChanged && Seconds(now - aisPaintedAt) >= 0.5) {
        aisPaintedAt = now;
        if (AisTargetGrid->isVisible()) {
            aisChanged = false;
            ShowAisTargets();
        }
    }
    if (paused) return;
    QTableWidget& grid = *form.StringGrid1;
    const int used = nextRow - 1;
    if (used != paintedRows) {
        grid.setRowCount(std::max(used, 1));
        paintedRows = used;
        ApplyFilter();
    }
    bool detailChanged = false;
    bool anyChanged = false;
    for (int row = 1; row < nextRow; ++row) {
        if (!rows[static_cast<std::size_t>(row - 1)].dirty) continue;
        PaintCells(row);
        anyChanged = true;
        detailChanged = detailChanged || row == detailRow;
    }
    if (anyChanged && !filter.isEmpty()) ApplyFilter();
    const int selected = grid.currentRow() + 1;
    if (selected != detailRow || detailChanged) {
        detailRow = selected >= 1 && selected < nextRow ? selected : 0;
        ShowDetail();
    }
}

void DataView::SetPaused(bool on) {
    paused = on;
    btnPauseView->setChecked(on);
    if (!on) Repaint();
}

void DataView::SetFilter(const QString& text) {
    filter = text.trimmed();
    ApplyFilter();
}

void DataView::ApplyFilter() {
    QTableWidget& grid = *form.StringGrid1;
    for (int row = 1; row < nextRow; ++row) {
        const Row& data = rows[static_cast<std::size_t>(row - 1)];
        const bool shown =
            filter.isEmpty() ||
            QString::fromLatin1(data.line, data.length).contains(filter, Qt::CaseInsensitive);
        if (grid.isRowHidden(row - 1) == shown) grid.setRowHidden(row - 1, !shown);
    }
}

void DataView::PaintRow(int row, bool grey, const QString& note) {
    QTableWidget& grid = *form.StringGrid1;
    for (int column = kLine; column <= kRate; ++column) {
        QTableWidgetItem* item = grid.item(row - 1, column);
        if (item == nullptr) continue;
        item->setForeground(grey ? QBrush(Qt::gray) : QBrush());
        item->setToolTip(note);
        if (!grey) item->setFont(QFont());
    }
}

void DataView::MarkStaleRows() {
    const auto now = std::chrono::steady_clock::now();
    // Rates are counted over a few seconds: a sentence sent once a second
    // would otherwise read 0 and 2 by turns at the half-second tick.
    const double span = Seconds(now - sampledAt);
    const bool sampleRates = span >= kRateSeconds;
    if (sampleRates) sampledAt = now;
    QTableWidget& grid = *form.StringGrid1;
    for (int gridRow = 1; gridRow < nextRow; ++gridRow) {
        Row& row = rows[static_cast<std::size_t>(gridRow - 1)];
        if (sampleRates) {
            row.rate = static_cast<double>(row.count - row.sampledCount) / span;
            row.sampledCount = row.count;
            if (!paused && !row.fresh)
                SetCell(grid, gridRow - 1, kRate, QString::number(row.rate, 'f', 1));
        }
        if (row.earlier || paused || row.fresh) continue;
        const double age = Seconds(now - row.updated);
        // Sentences that come in bursts (GSV, a flood read in batches) have
        // near-zero gaps: under a second of age is never stale.
        const bool stale = row.interval > 0 && age > std::max(3 * row.interval, 1.0);
        if (!stale && !row.stale) continue;
        const QString ageText = form.FTexts.RowAge.arg(static_cast<int>(age));
        row.stale = stale;
        SetCell(grid, gridRow - 1, kCurrentTime,
                stale ? TimeCell(row.time) + QStringLiteral(" (") + ageText + QLatin1Char(')')
                      : TimeCell(row.time));
        PaintRow(gridRow, stale, stale ? ageText : QString());
    }
}

QString DataView::NameOf(const varo::SentenceDescription& description) const {
    return MessageName(form.FTexts,
                       static_cast<std::size_t>(&description - SentenceDescriptionTable.data()));
}

void DataView::ShowTexts() {
    const UiTexts& texts = form.FTexts;
    QTableWidget& grid = *form.StringGrid1;
    grid.setHorizontalHeaderLabels({texts.ColumnLine, texts.ColumnTalker, texts.ColumnFormatter,
                                    texts.ColumnName, texts.ColumnLastTime, texts.ColumnCurrentTime,
                                    texts.ColumnData});
    for (int row = 1; row < nextRow; ++row) {
        const QTableWidgetItem* formatter = grid.item(row - 1, kFormatter);
        const varo::SentenceDescription* description =
            formatter ? FindSentenceDescription(formatter->text().toLatin1().constData()) : nullptr;
        if (description != nullptr) SetCell(grid, row - 1, kName, NameOf(*description));
    }
    form.SaveSpeedButton->setToolTip(logRecording ? texts.StopLogHint : texts.StartLogHint);
    ShowPaneTexts();
    if (form.FLink != nullptr) ShowCounters();
}

void DataView::NewConnection() {
    Repaint();
    for (int row = 1; row < nextRow; ++row) {
        Row& data = rows[static_cast<std::size_t>(row - 1)];
        data.earlier = true;
        data.stale = false;
        SetCell(*form.StringGrid1, row - 1, kCurrentTime, TimeCell(data.time));
        PaintRow(row, true, form.FTexts.RowEarlier);
        QTableWidgetItem* item = form.StringGrid1->item(row - 1, kCurrentTime);
        if (item == nullptr) continue;
        QFont font = item->font();
        font.setItalic(true);
        for (int column = kLine; column <= kRate; ++column)
            if (QTableWidgetItem* cell = form.StringGrid1->item(row - 1, column))
                cell->setFont(font);
    }
}

void DataView::ClearDataView() {
    nextRow = 1;
    paintedRows = 0;
    detailRow = 0;
    rows.fill(Row{});
    linesShown = unknownFormatter = 0;
    ais = std::make_unique<AisState>();
    aisChanged = true;
    form.StringGrid1->clearContents();
    form.StringGrid1->setRowCount(1);
    form.StringGrid1->setRowHidden(0, false);
    ShowDetail();
}

void DataView::ToggleLogRecording() {
    if (!logIdle) {
        StopLog();
        return;
    }
    logIdle = false;
    ShowLogState(true);
    StartLog();
}

void DataView::StartLog() {
    TSaveDialog& dialog = form.SaveLogFileDialog;
    dialog.Filter = form.FTexts.LogFileFilter + QStringLiteral("|*.txt");
    dialog.DefaultExt = QStringLiteral("txt");
    if (!dialog.Execute()) {
        logIdle = true;
        ShowLogState(false);
        return;
    }
    // A file named *.nmea (typed over the dialog's .txt) gets the raw NMEA
    // format, any other the data log.
    const DataLog::Format format =
        dialog.FileName.endsWith(QStringLiteral(".nmea"), Qt::CaseInsensitive)
            ? DataLog::Format::Raw
            : DataLog::Format::Data;
    if (!log.Open(QFile::encodeName(dialog.FileName).toStdString(), format)) {
        // Buttons that showed a recording which writes nothing would mislead.
        logIdle = true;
        ShowLogState(false);
        ModalMessage(form.FTexts.NoLogFileName, form.FTexts.Error, MessageIcon::Error,
                     MessageButtons::Ok);
        return;
    }
    char time[9];
    FormatTimeOfDay(clock(), time);
    if (!log.WriteHeader(time)) {
        AbandonLog();
        return;
    }
    logRecording = true;
}

void DataView::StopLog() {
    const bool wasRecording = logRecording;
    logIdle = true;
    logRecording = false;
    ShowLogState(false);
    if (!wasRecording) return;
    char time[9];
    FormatTimeOfDay(clock(), time);
    if (!log.WriteEndAndClose(time)) ReportLogWriteError(form.FTexts, log.LastError());
}

void DataView::AbandonLog() {
    // The state is idle before the message box opens, so sentences that
    // arrive while it is shown are not written and not reported again.
    logIdle = true;
    logRecording = false;
    ShowLogState(false);
    const int error = log.LastError();
    log.Close();
    ReportLogWriteError(form.FTexts, error);
}

void DataView::ShowLogState(bool recording) {
    // A running log can always be stopped, link or not: its controls stay
    // while it records and follow the link once it stops.
    const bool linked = form.TabSheetStatic->isEnabled();
    form.SaveSpeedButton->setVisible(linked || recording);
    form.Savelog1->setEnabled(linked || recording);
    form.SaveSpeedButton->setChecked(recording);
    form.SaveSpeedButton->setToolTip(recording ? form.FTexts.StopLogHint
                                               : form.FTexts.StartLogHint);
    form.Savelog1->setChecked(recording);
}

} // namespace varo
