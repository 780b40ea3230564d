#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/LineReader.h"

class QAction;
class QComboBox;
class QLabel;
class QProgressBar;
class QToolButton;
class QWidget;

namespace varo {

class TForm1;

// Plays a raw NMEA file or a data log of this tool into the receive path, as
// if its lines came from the port: the data view, its counters and the AIS
// targets fill as they would live, without a gateway. Lines go at the
// recorded pace (the log's times, the raw log's time comments), ten times
// faster, or as fast as the window takes them, a bounded batch per tick so
// that the window stays responsive.
class LogReplay {
public:
    enum class Speed { Recorded, Ten, Fastest };
    static constexpr int kTickMs = 10;
    static constexpr int kLinesPerTick = 2000;

    explicit LogReplay(TForm1& form);
    ~LogReplay();
    LogReplay(const LogReplay&) = delete;
    LogReplay& operator=(const LogReplay&) = delete;

    // The captions in the window's language.
    void ShowTexts();
    // File -> "Open log...": asks for the file, then starts.
    void OpenLogClick();
    // Empties the data view and the line figures and starts playing `path`;
    // false (and a message) when the file cannot be read.
    bool Start(const QString& path);
    void Stop();
    // A connection starts: the replay and its rows go, so that the live rows
    // never mix with them. Nothing when no replay was shown.
    void EndForLink();
    void SetPaused(bool paused);
    void SetSpeed(Speed speed);
    // A replay is loaded and has lines left.
    bool Playing() const { return file != nullptr; }
    // Lines handed to the receive path so far.
    std::uint64_t LinesPlayed() const { return played; }

    QAction* mnuOpenLog;
    QWidget* ReplayBar; // on the data view page while a replay is loaded
    QLabel* lblReplayFile;
    QComboBox* cbxReplaySpeed;
    QToolButton* btnReplayPause;
    QToolButton* btnReplayStop;
    QProgressBar* ReplayProgress;

private:
    void Tick();
    // Reads the next line into `pending`; false at the end of the file.
    bool ReadLine();
    void Finish();

    TForm1& form;
    QTimer timer;
    QElapsedTimer wall;
    std::FILE* file = nullptr;
    std::unique_ptr<platform::LineReader> reader; // over `file`: lines of a bounded length
    QString replayPath;
    long size = 0;
    std::string pending; // the next line, read but not yet due
    bool hasPending = false;
    std::int64_t pendingTime = -1;
    std::int64_t firstTime = -1; // the recorded time of the first timed line
    std::int64_t lastTime = -1;  // the latest recorded time, days unrolled
    double position = 0;         // recorded seconds played since firstTime
    Speed speed = Speed::Recorded;
    bool paused = false;
    QString replayName; // the file's name, for the caption in each language
    std::uint64_t played = 0;
};

} // namespace varo
