#include "DataView.h"

#include <QAction>
#include <QBrush>
#include <QFile>
#include <QFont>
#include <QTableWidget>
#include <QToolButton>
#include <cstring>

#include "Dialogs.h"
#include "TForm1.h"
#include "sentence/SentenceParser.h"
#include "sentence/SentenceTables.h"

namespace varo {
namespace {

enum Column { kLine, kTalker, kFormatter, kName, kLastTime, kCurrentTime, kData };

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
        item->setText(text);
    } else {
        grid.setItem(row, column, new QTableWidgetItem(text));
    }
}

void ReportLogWriteError(const UiTexts& texts, int error) {
    ModalMessage(texts.LogWriteError.arg(QString::fromLocal8Bit(std::strerror(error))), texts.Error,
                 MessageIcon::Error, MessageButtons::Ok);
}

} // namespace

DataView::DataView(TForm1& form) : form(form) {
    form.Savelog1->setCheckable(true);
    // A sentence is one line of text, clipped at the cell's edge: wrapping
    // or eliding it would cut it back to its first fields.
    form.StringGrid1->setWordWrap(false);
    form.StringGrid1->setTextElideMode(Qt::ElideNone);
}

DataView::~DataView() {
    if (!logRecording) return;
    char time[9];
    FormatTimeOfDay(clock(), time);
    log.WriteEndAndClose(time);
}

const QString& DataView::TimeText(const char (&time)[9]) {
    if (std::memcmp(time, lastTime, sizeof lastTime) != 0) {
        std::memcpy(lastTime, time, sizeof lastTime);
        lastTimeText = QString::fromLatin1(time, 8);
    }
    return lastTimeText;
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
    // copy of its sentence.
    if (!varo::VerifyChecksum(line)) return;
    const char formatter[4] = {line[3], line[4], line[5], '\0'};
    const varo::SentenceDescription* description = varo::FindSentenceDescription(formatter);
    if (description == nullptr) return;

    char time[9];
    FormatTimeOfDay(clock(), time);
    if (logRecording && !log.WriteSentence(time, line)) AbandonLog();

    // The grid shows the sentence without its line end.
    while (length > 0 && (line[length - 1] == '\r' || line[length - 1] == '\n'))
        --length;
    const std::uint64_t key = PairKey(line);
    for (int row = 1; row < nextRow; ++row) {
        if (rowKeys[static_cast<std::size_t>(row - 1)] == key) {
            ShowRow(row, key, TimeText(time), line, length, nullptr);
            return;
        }
    }
    if (nextRow > kMaxSentenceRows) return;
    form.StringGrid1->setRowCount(nextRow);
    ShowRow(nextRow, key, TimeText(time), line, length, description);
    ++nextRow;
}

// Grid row r is table row r - 1 (the header is the table's own). A new row
// (description given) gets every cell; a known one moves its Current Time
// to Last Time and takes the new time and data.
void DataView::ShowRow(int row, std::uint64_t key, const QString& now, const char* line,
                       std::size_t length, const varo::SentenceDescription* description) {
    QTableWidget& grid = *form.StringGrid1;
    const int index = row - 1;
    if (description != nullptr) {
        rowKeys[static_cast<std::size_t>(index)] = key;
        SetCell(grid, index, kLine, QString::number(row));
        SetCell(grid, index, kTalker, QString::fromLatin1(line + 1, 2));
        SetCell(grid, index, kFormatter, QString::fromLatin1(line + 3, 3));
        SetCell(grid, index, kName, NameOf(*description));
        SetCell(grid, index, kLastTime, QString());
    }
    RowState& state = rowState[static_cast<std::size_t>(index)];
    const auto at = std::chrono::steady_clock::now();
    if (description != nullptr) {
        state = RowState{};
    } else {
        const double gap = std::chrono::duration<double>(at - state.updated).count();
        state.interval = state.interval == 0 ? gap : 0.75 * state.interval + 0.25 * gap;
        SetCell(grid, index, kLastTime, state.time);
    }
    state.updated = at;
    state.time = now;
    SetCell(grid, index, kCurrentTime, now);
    SetCell(grid, index, kData, QString::fromLatin1(line, static_cast<qsizetype>(length)));
    if (state.stale || state.earlier) {
        state.stale = state.earlier = false;
        PaintRow(row, false, QString());
    }
}

void DataView::PaintRow(int row, bool grey, const QString& note) {
    QTableWidget& grid = *form.StringGrid1;
    for (int column = kLine; column <= kData; ++column) {
        QTableWidgetItem* item = grid.item(row - 1, column);
        if (item == nullptr) continue;
        item->setForeground(grey ? QBrush(Qt::gray) : QBrush());
        item->setToolTip(note);
        if (!grey) item->setFont(QFont());
    }
}

void DataView::MarkStaleRows() {
    const auto now = std::chrono::steady_clock::now();
    for (int row = 1; row < nextRow; ++row) {
        RowState& state = rowState[static_cast<std::size_t>(row - 1)];
        if (state.earlier) continue;
        const double age = std::chrono::duration<double>(now - state.updated).count();
        const bool stale = state.interval > 0 && age > 3 * state.interval;
        if (!stale && !state.stale) continue;
        const QString ageText = form.FTexts.RowAge.arg(static_cast<int>(age));
        state.stale = stale;
        SetCell(*form.StringGrid1, row - 1, kCurrentTime,
                stale ? state.time + QStringLiteral(" (") + ageText + QLatin1Char(')')
                      : state.time);
        PaintRow(row, stale, stale ? ageText : QString());
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
}

void DataView::NewConnection() {
    for (int row = 1; row < nextRow; ++row) {
        rowState[static_cast<std::size_t>(row - 1)].earlier = true;
        rowState[static_cast<std::size_t>(row - 1)].stale = false;
        SetCell(*form.StringGrid1, row - 1, kCurrentTime,
                rowState[static_cast<std::size_t>(row - 1)].time);
        PaintRow(row, true, form.FTexts.RowEarlier);
        QTableWidgetItem* item = form.StringGrid1->item(row - 1, kCurrentTime);
        if (item == nullptr) continue;
        QFont font = item->font();
        font.setItalic(true);
        for (int column = kLine; column <= kData; ++column)
            if (QTableWidgetItem* cell = form.StringGrid1->item(row - 1, column))
                cell->setFont(font);
    }
}

void DataView::ClearDataView() {
    nextRow = 1;
    rowState.fill(RowState{});
    form.StringGrid1->clearContents();
    form.StringGrid1->setRowCount(1);
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
    if (!log.Open(QFile::encodeName(dialog.FileName).toStdString())) {
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
