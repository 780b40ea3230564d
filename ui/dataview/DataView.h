#pragma once

#include <QString>
#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string_view>

#include "DataLog.h"
#include "LinkHealth.h"
#include "RawMonitor.h"
#include "TimeOfDay.h"
#include "ais/AisMessage.h"
#include "gateway/LineAssembler.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTableWidget;
class QTimer;
class QToolButton;

namespace varo {

class LogReplay;
class TForm1;
struct AisState;
struct SentenceDescription;
struct SentenceStore;

// The NMEA0183 DATA VIEW(OUTPUT) page and the data log: StringGrid1 shows one
// row per talker and formatter with the newest sentence, the time it came,
// the time of the copy before, how many came and how many per second; the
// log records every shown sentence. Below the grid: the decoded fields of
// the selected row, the AIS targets, the raw received lines and the stream's
// counters.
//
// A received sentence only updates the row's plain record; the grid, the
// panes and the hidden receive echo are repainted by a timer (kRepaintMs),
// so the cost of a line does not depend on the widgets.
class DataView {
public:
    // The grid's sentence rows. Rows were once counted in a signed 8-bit
    // index; the grid stops growing at its last value. Sentences of pairs
    // beyond it are still logged, only not shown.
    static constexpr int kMaxSentenceRows = 127;
    static constexpr int kRepaintMs = 40;

    // The grid's columns: the seven of the data view, then the count and rate.
    enum Column {
        kLine,
        kTalker,
        kFormatter,
        kName,
        kLastTime,
        kCurrentTime,
        kData,
        kCount,
        kRate
    };

    explicit DataView(TForm1& form);
    ~DataView(); // ends a running log with its end line

    // A complete received line that starts with "$" or "!" and still ends in
    // CR LF. Configuration replies ("$PCTT") and sentences whose formatter has
    // no description are neither shown nor logged.
    void ShowSentence(const char* line);
    // Every line the receive path took or dropped (without CR LF), for the
    // raw monitor, the hidden receive echo and a raw NMEA log.
    void ShowRawLine(std::string_view line, LineDrop drop);

    // Paints what changed since the last repaint: rows, counters, panes.
    void Repaint();

    // R1 and BitBtn1: empties the grid, its counts and the AIS targets; the
    // next sentence lands in row 1.
    void ClearDataView();

    // Savelog1 and SaveSpeedButton: starts a log (asking for its file) when
    // none runs, else stops it. The button, its hint and the menu tick
    // always show whether a log is being written.
    void ToggleLogRecording();

    // Writes the end line and closes the log; the controls return to idle.
    void StopLog();

    bool IsRecording() const { return logRecording; }

    // Greys the rows not updated for more than three of their own usual
    // intervals and shows their age, and samples the rows' rates; called by
    // the health refresh.
    void MarkStaleRows();
    // A new link is confirmed: the rows shown so far are marked as from an
    // earlier connection until their sentence comes again.
    void NewConnection();
    bool RowStale(int row) const { return rows[static_cast<std::size_t>(row - 1)].stale; }
    bool RowEarlier(int row) const { return rows[static_cast<std::size_t>(row - 1)].earlier; }
    // After a language switch: the column headers, the names, the log
    // button's hint and the panes' captions in the new language.
    void ShowTexts();
    // Sentence rows in use (0 .. kMaxSentenceRows).
    int RowsInUse() const { return nextRow - 1; }
    // Sentences of a row so far.
    std::uint64_t RowCount(int row) const { return rows[static_cast<std::size_t>(row - 1)].count; }
    // Sentences shown (given to a row or logged) and those dropped for an
    // unknown formatter.
    std::uint64_t LinesShown() const { return linesShown; }
    std::uint64_t DroppedUnknownFormatter() const { return unknownFormatter; }
    // The targets the view's AIS decoding keeps.
    const AisState& Ais() const { return *ais; }

    // The grid stops repainting while paused; rows and counters go on.
    void SetPaused(bool paused);
    bool Paused() const { return paused; }
    // Shows only rows whose talker, formatter or sentence contains `text`.
    void SetFilter(const QString& text);

    // File -> "Open log...": plays a log into this view.
    LogReplay& Replay() { return *replay; }

    // The data view's and the log's clock.
    TimeOfDayClock clock = LocalTimeOfDay;

    // ---- The panes below the grid ----
    QTabWidget* DataPanes;
    QTableWidget* DetailGrid;       // the selected row's decoded fields
    QTableWidget* AisTargetGrid;    // the AIS target table
    QPlainTextEdit* RawMonitorText; // the raw received lines, dropped ones with their reason
    QLabel* lblDataCounters;
    QToolButton* btnPauseView;
    QLineEdit* edtViewFilter;

private:
    struct Row {
        std::uint64_t key = 0; // talker and formatter, packed
        char line[LineAssembler::kMaxLineLength + 3] = {};
        std::uint8_t length = 0;
        char time[9] = {};
        char lastTime[9] = {};
        std::uint64_t count = 0;
        std::uint64_t sampledCount = 0;
        double rate = 0;
        std::chrono::steady_clock::time_point updated;
        double interval = 0; // the usual interval, 0 until two copies came
        bool stale = false;
        bool earlier = false;
        bool fresh = false; // new since the last repaint: every cell is painted
        bool dirty = false; // a sentence came since the last repaint
        bool hasAis = false;
        AisMessageRecord aisMessage{}; // the newest AIS message its sentences completed
    };

    void StartLog();
    void ShowLogState(bool recording);
    // A write failed: keeps what was written, closes the file, tells the user once.
    void AbandonLog();
    void FeedAis(const char* line, Row& row);
    void PaintRow(int row, bool grey, const QString& note);
    void PaintCells(int row);
    void ApplyFilter();
    void ShowDetail();
    void ShowAisTargets();
    void ShowCounters();
    void BuildPanes();
    // The panes' and the replay bar's captions in the current language.
    void ShowPaneTexts();
    // A sentence's name in the current language.
    QString NameOf(const varo::SentenceDescription& description) const;
    std::array<QString, kLineDropCount> DropReasons() const;

    TForm1& form;
    int nextRow = 1; // the grid row the next new pair gets; rows 1 .. nextRow - 1 are in use
    int paintedRows = 0;
    std::array<Row, kMaxSentenceRows> rows{};
    // The span over which the Rate column counts, in seconds.
    static constexpr double kRateSeconds = 5.0;
    std::chrono::steady_clock::time_point sampledAt = std::chrono::steady_clock::now();
    std::uint64_t linesShown = 0;
    std::uint64_t unknownFormatter = 0;
    bool paused = false;
    QString filter;
    int detailRow = 0; // the row whose fields the detail shows
    std::unique_ptr<AisState> ais;
    std::unique_ptr<SentenceStore> aisStore;
    bool aisChanged = false;
    std::chrono::steady_clock::time_point aisPaintedAt{};
    std::chrono::steady_clock::time_point countersShownAt{};
    RawMonitor raw;
    std::unique_ptr<LogReplay> replay;
    QTimer* repaintTimer;
    bool logIdle = true;       // no log started (or the last one ended)
    bool logRecording = false; // each shown sentence goes to the log
    DataLog log;
};

} // namespace varo
