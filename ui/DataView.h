#pragma once

#include <QString>
#include <array>
#include <chrono>
#include <cstdint>

#include "DataLog.h"
#include "TimeOfDay.h"

namespace varo {

class TForm1;
struct SentenceDescription;

// The NMEA0183 DATA VIEW(OUTPUT) page and the data log: StringGrid1 shows one
// row per talker and formatter with the newest sentence, the time it came and
// the time of the copy before; the log records every shown sentence.
class DataView {
public:
    // The grid's sentence rows. Rows were once counted in a signed 8-bit
    // index; the grid stops growing at its last value. Sentences of pairs
    // beyond it are still logged, only not shown.
    static constexpr int kMaxSentenceRows = 127;

    explicit DataView(TForm1& form);
    ~DataView(); // ends a running log with its end line

    // A complete received line that starts with "$" or "!" and still ends in
    // CR LF. Configuration replies ("$PCTT") and sentences whose formatter has
    // no description are neither shown nor logged.
    void ShowSentence(const char* line);

    // R1 and BitBtn1: empties the grid; the next sentence lands in row 1.
    void ClearDataView();

    // Savelog1 and SaveSpeedButton: starts a log (asking for its file) when
    // none runs, else stops it. The button, its hint and the menu tick
    // always show whether a log is being written.
    void ToggleLogRecording();

    // Writes the end line and closes the log; the controls return to idle.
    void StopLog();

    bool IsRecording() const { return logRecording; }

    // Greys the rows not updated for more than three of their own usual
    // intervals and shows their age; called by the health refresh.
    void MarkStaleRows();
    // A new link is confirmed: the rows shown so far are marked as from an
    // earlier connection until their sentence comes again.
    void NewConnection();
    bool RowStale(int row) const { return rowState[static_cast<std::size_t>(row - 1)].stale; }
    bool RowEarlier(int row) const { return rowState[static_cast<std::size_t>(row - 1)].earlier; }
    // After a language switch: the column headers, the names and the log
    // button's hint in the new language.
    void ShowTexts();
    // Sentence rows in use (0 .. kMaxSentenceRows).
    int RowsInUse() const { return nextRow - 1; }

    // The data view's and the log's clock.
    TimeOfDayClock clock = LocalTimeOfDay;

private:
    void StartLog();
    void ShowLogState(bool recording);
    // A write failed: keeps what was written, closes the file, tells the user once.
    void AbandonLog();
    void ShowRow(int row, std::uint64_t key, const QString& now, const char* line,
                 std::size_t length, const varo::SentenceDescription* description);
    // A sentence's name in the current language.
    QString NameOf(const varo::SentenceDescription& description) const;
    const QString& TimeText(const char (&time)[9]);

    TForm1& form;
    int nextRow = 1; // the grid row the next new pair gets; rows 1 .. nextRow - 1 are in use
    // Talker and formatter of each row in use, packed, so that finding a
    // row costs no cell reads and no allocation.
    std::array<std::uint64_t, kMaxSentenceRows> rowKeys{};
    // When each row was last updated and its usual interval (0 until two copies came).
    struct RowState {
        std::chrono::steady_clock::time_point updated;
        double interval = 0;
        bool stale = false;
        bool earlier = false;
        QString time; // the Current Time cell without the age
    };
    std::array<RowState, kMaxSentenceRows> rowState{};
    void PaintRow(int row, bool grey, const QString& note);
    bool logIdle = true;       // no log started (or the last one ended)
    bool logRecording = false; // each shown sentence goes to the log
    DataLog log;
    // The time cell's text, reused while the second does not change.
    char lastTime[9] = {};
    QString lastTimeText;
};

} // namespace varo
