// Sustained load: the window (offscreen) connected to the simulated gateway
// in this process, the data view showing the stream and a log recording it,
// first with the gateway sending as fast as the terminal carries, then with
// the realistic stream at 38400 baud. Prints one summary table and exits
// non-zero when a target is missed.
//
//   bench_load [--seconds N]   (each phase runs N seconds, default 60)
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "DataView.h"
#include "DeviceLink.h"
#include "Dialogs.h"
#include "Startup.h"
#include "TForm1.h"
#include "TimeOfDay.h"
#include "comm/ThreadComm.h"
#include "sentence/SentenceTables.h"
#include "sim/SimulatedGateway.h"

namespace varo {
namespace {

constexpr int kComNumber = 57;
constexpr int kTickMs = 10;
constexpr double kMaxStallMs = 100.0;
constexpr double kMaxCpuPercent = 3.0;
constexpr long kMaxRssGrowthKb = 4096; // middle to end
constexpr double kMinFloodLinesPerSecond = 50000;
constexpr double kMaxCpuMicrosecondsPerLine = 5.0; // the window's share, flood
constexpr int kCurrentSeconds = 2;

// ---- Process figures ----

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return 0;
}

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::set<int> ThreadIds() {
    std::set<int> ids;
    if (DIR* tasks = opendir("/proc/self/task")) {
        while (const dirent* entry = readdir(tasks)) {
            if (entry->d_name[0] != '.') ids.insert(std::atoi(entry->d_name));
        }
        closedir(tasks);
    }
    return ids;
}

// User plus system time of one thread of this process.
double ThreadCpuSeconds(int id) {
    std::ifstream stat("/proc/self/task/" + std::to_string(id) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t end = text.rfind(')');
    if (end == std::string::npos) return 0;
    // After the name: state is field 3, utime 14 and stime 15.
    std::vector<std::string> fields;
    std::size_t at = end + 2;
    while (at < text.size() && fields.size() < 13) {
        const std::size_t space = text.find(' ', at);
        fields.push_back(text.substr(at, space - at));
        at = space == std::string::npos ? text.size() : space + 1;
    }
    if (fields.size() < 13) return 0;
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (std::atof(fields[11].c_str()) + std::atof(fields[12].c_str())) / ticks;
}

double ThreadsCpuSeconds(const std::set<int>& ids) {
    double total = 0;
    for (int id : ids)
        total += ThreadCpuSeconds(id);
    return total;
}

// ---- The window ----

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// The largest lateness of a 10 ms timer: how long the event loop was busy.
class StallMeter {
public:
    StallMeter() {
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const double gap = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            clock.restart();
            worstMs = std::max(worstMs, gap - kTickMs);
        });
    }
    void Start() {
        worstMs = 0;
        clock.start();
        timer.start(kTickMs);
    }
    void Stop() { timer.stop(); }
    double worstMs = 0;

private:
    QTimer timer;
    QElapsedTimer clock;
};

// What the data view shows: lines of at least six characters that are not
// configuration replies, whose formatter has a description.
bool Showable(const char* line) {
    if (std::strlen(line) < 6 || std::memcmp(line + 1, "PCTT", 4) == 0) return false;
    const char formatter[4] = {line[3], line[4], line[5], '\0'};
    return varo::FindSentenceDescription(formatter) != nullptr;
}

int SecondsOfDay(const QString& text) {
    const QTime time = QTime::fromString(text, QStringLiteral("hh:mm:ss"));
    return time.isValid() ? time.msecsSinceStartOfDay() / 1000 : -1;
}

long LoggedSentences(const QString& path) {
    std::ifstream log(QFile::encodeName(path).toStdString());
    long count = 0;
    for (std::string line; std::getline(log, line);) {
        if (line.find("   NMEA0183       ") == 8) ++count;
    }
    return count;
}

struct PhaseResult {
    std::string name;
    bool ran = false;
    double seconds = 0;
    double worstStallMs = 0;
    long rssStartKb = 0, rssMiddleKb = 0, rssEndKb = 0;
    long linesReceived = 0;
    long linesShown = 0;
    long linesLogged = 0;
    int sentenceTypes = 0;
    std::vector<std::string> staleTypes; // grid row missing or behind the last copy received
    double toolCpuPercent = 0;           // the process without the simulated gateway's thread
    double totalCpuPercent = 0;          // with it
    double toolCpuSeconds = 0;
    int messageBoxes = 0;
};

// The window, with a look at the lines its device link hands it: every
// accepted line passes ParseDeviceInformation, the sentences ShowSentence.
class CountingForm : public TForm1 {
public:
    std::function<void(const char*)> onLine;
    std::function<void(const char*)> onSentence;

    void ParseDeviceInformation(const char* line) override {
        if (onLine) onLine(line);
        TForm1::ParseDeviceInformation(line);
    }
    void ShowSentence(const char* line) override {
        if (onSentence) onSentence(line);
        TForm1::ShowSentence(line);
    }
};

PhaseResult RunPhase(const char* name, bool flood, int seconds) {
    PhaseResult result;
    result.name = name;
    QTemporaryDir folder;
    qputenv("VARO_COM_DIR", folder.path().toLocal8Bit());
    const QString logPath = folder.filePath(QStringLiteral("load-log.txt"));

    int messageBoxes = 0;
    MessageBoxSeam() = [&](const QString& text, const QString&, MessageIcon, MessageButtons) {
        std::fprintf(stderr, "%s: message box: %s\n", name, qPrintable(text));
        ++messageBoxes;
        return MessageResult::Ok;
    };
    SaveFileSeam() = [&](const QString&, const QString&) { return logPath; };

    sim::SimOptions options;
    options.comNumber = kComNumber;
    options.linkFolder = folder.path().toStdString();
    options.nmeaBaud = 38400;
    options.flood = flood;
    sim::SimulatedGateway gateway(options);
    const std::set<int> threadsBefore = ThreadIds();
    std::string error;
    if (!gateway.Start(error)) {
        std::fprintf(stderr, "%s: the simulated gateway did not start: %s\n", name, error.c_str());
        return result;
    }
    std::set<int> gatewayThreads;
    std::ranges::set_difference(ThreadIds(), threadsBefore,
                                std::inserter(gatewayThreads, gatewayThreads.begin()));

    CountingForm form;
    form.show();
    form.RadioButtonConnectionModeManual->click();
    if (!WaitUntil([&] { return form.cbxComPort->findText(QString::number(kComNumber)) >= 0; },
                   5000)) {
        std::fprintf(stderr, "%s: the window does not list COM%d\n", name, kComNumber);
        return result;
    }
    form.cbxComPort->setCurrentIndex(form.cbxComPort->findText(QString::number(kComNumber)));
    form.cbxBaudRate->setCurrentIndex(form.cbxBaudRate->findText(QStringLiteral("38400")));
    form.OpenPort->click();
    if (!WaitUntil([&] { return form.FLink->FLinked; }, 10000)) {
        std::fprintf(stderr, "%s: no link to the simulated gateway\n", name);
        return result;
    }
    form.PageControlConf->setCurrentWidget(form.TabSheet2);

    std::map<std::string, int> lastReceived; // talker and formatter -> second of the day
    bool counting = false;                   // the measured span
    bool logging = false;                    // from the log's start to its end
    form.onLine = [&](const char*) {
        if (counting) ++result.linesReceived;
    };
    form.onSentence = [&](const char* line) {
        if (!Showable(line)) return;
        if (logging) ++result.linesShown;
        // The window's own clock: reading the toolkit's would look up the
        // time zone for every line and count that as the window's work.
        if (counting) {
            const TimeOfDay now = LocalTimeOfDay();
            lastReceived[std::string(line + 1, 5)] = now.hour * 3600 + now.minute * 60 + now.second;
        }
    };

    logging = true;
    form.FDataView->ToggleLogRecording();
    WaitUntil([] { return false; }, 1000); // settle: the static data block and the first batch

    StallMeter stalls;
    QEventLoop loop;
    result.rssStartKb = ResidentKb();
    const double cpuStart = ProcessCpuSeconds();
    const double gatewayCpuStart = ThreadsCpuSeconds(gatewayThreads);
    QElapsedTimer wall;
    wall.start();
    counting = true;
    stalls.Start();
    QTimer::singleShot(seconds * 500, &loop, [&] { result.rssMiddleKb = ResidentKb(); });
    QTimer::singleShot(seconds * 1000, &loop, [&] { loop.quit(); });
    loop.exec();
    stalls.Stop();
    counting = false;
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double processCpu = ProcessCpuSeconds() - cpuStart;
    const double gatewayCpu = ThreadsCpuSeconds(gatewayThreads) - gatewayCpuStart;
    result.rssEndKb = ResidentKb();

    // Each sentence type's row must carry the time of its last copy (the
    // clock may have turned a second between the two readings).
    const QTableWidget& grid = *form.StringGrid1;
    std::map<std::string, int> shownAt;
    for (int row = 0; row < grid.rowCount(); ++row) {
        const QTableWidgetItem* talker = grid.item(row, 1);
        const QTableWidgetItem* formatter = grid.item(row, 2);
        const QTableWidgetItem* current = grid.item(row, 5);
        if (talker == nullptr || formatter == nullptr || current == nullptr) continue;
        shownAt[(talker->text() + formatter->text()).toStdString()] = SecondsOfDay(current->text());
    }
    for (const auto& [type, second] : lastReceived) {
        const auto shown = shownAt.find(type);
        const int behind =
            shown == shownAt.end() ? 86400 : (second - shown->second + 86400) % 86400;
        if (behind > kCurrentSeconds) result.staleTypes.push_back(type);
    }
    result.sentenceTypes = static_cast<int>(lastReceived.size());

    form.FDataView->ToggleLogRecording();
    logging = false;
    form.OpenPort->click();
    WaitUntil([&] { return !form.FLink->FComm->Connected(); }, 3000);
    form.onLine = nullptr;
    form.onSentence = nullptr;
    gateway.Stop();

    result.linesLogged = LoggedSentences(logPath);
    result.seconds = elapsed;
    result.worstStallMs = stalls.worstMs;
    result.totalCpuPercent = 100.0 * processCpu / elapsed;
    result.toolCpuPercent = 100.0 * (processCpu - gatewayCpu) / elapsed;
    result.toolCpuSeconds = processCpu - gatewayCpu;
    result.messageBoxes = messageBoxes;
    result.ran = true;
    MessageBoxSeam() = ShowMessageBox;
    SaveFileSeam() = AskSaveFileName;
    return result;
}

// ---- Summary ----

struct Verdict {
    bool passed = true;
    const char* Mark(bool ok) {
        passed = passed && ok;
        return ok ? "ok" : "MISSED";
    }
};

void PrintSummary(const std::vector<PhaseResult>& phases, Verdict& verdict) {
    std::printf("\n%-40s %-26s %-26s\n", "load", phases[0].name.c_str(), phases[1].name.c_str());
    const auto row = [&](const char* label, auto cell) {
        std::printf("%-40s", label);
        for (const PhaseResult& phase : phases)
            std::printf(" %-26s", phase.ran ? cell(phase).c_str() : "did not run");
        std::printf("\n");
    };
    const auto text = [](const char* format, auto... values) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, format, values...);
        return std::string(buffer);
    };
    for (const PhaseResult& phase : phases)
        verdict.Mark(phase.ran);
    row("seconds measured", [&](const PhaseResult& p) { return text("%.1f", p.seconds); });
    row("longest event-loop stall (<= 100 ms)", [&](const PhaseResult& p) {
        return text("%.1f ms %s", p.worstStallMs, verdict.Mark(p.worstStallMs <= kMaxStallMs));
    });
    row("resident memory start/middle/end", [&](const PhaseResult& p) {
        return text("%ld/%ld/%ld kB", p.rssStartKb, p.rssMiddleKb, p.rssEndKb);
    });
    row("memory growth middle to end (<= 4 MB)", [&](const PhaseResult& p) {
        const long growth = p.rssEndKb - p.rssMiddleKb;
        return text("%+ld kB %s", growth, verdict.Mark(growth <= kMaxRssGrowthKb));
    });
    row("lines received per second", [&](const PhaseResult& p) {
        return text("%.0f (%ld lines)", static_cast<double>(p.linesReceived) / p.seconds,
                    p.linesReceived);
    });
    row("flood lines per second (>= 50000)", [&](const PhaseResult& p) {
        const double rate = static_cast<double>(p.linesReceived) / p.seconds;
        if (p.name.find("flood") == std::string::npos) return std::string("-");
        return text("%.0f %s", rate, verdict.Mark(rate >= kMinFloodLinesPerSecond));
    });
    row("CPU per line, tool (flood <= 5 us)", [&](const PhaseResult& p) {
        const double perLine =
            p.linesReceived > 0 ? 1e6 * p.toolCpuSeconds / static_cast<double>(p.linesReceived) : 0;
        if (p.name.find("flood") == std::string::npos) return text("%.1f us", perLine);
        return text("%.2f us %s", perLine,
                    verdict.Mark(p.linesReceived > 0 && perLine <= kMaxCpuMicrosecondsPerLine));
    });
    row("sentence types current in the grid", [&](const PhaseResult& p) {
        const int current = p.sentenceTypes - static_cast<int>(p.staleTypes.size());
        return text("%d of %d %s", current, p.sentenceTypes,
                    verdict.Mark(p.staleTypes.empty() && p.sentenceTypes > 0));
    });
    row("lines logged / lines shown", [&](const PhaseResult& p) {
        return text("%ld / %ld %s", p.linesLogged, p.linesShown,
                    verdict.Mark(p.linesLogged == p.linesShown && p.linesShown > 0));
    });
    row("message boxes", [&](const PhaseResult& p) {
        return text("%d %s", p.messageBoxes, verdict.Mark(p.messageBoxes == 0));
    });
    row("CPU, tool without gateway thread", [&](const PhaseResult& p) {
        if (p.name.find("flood") != std::string::npos) return text("%.1f %%", p.toolCpuPercent);
        return text("%.2f %% %s", p.toolCpuPercent,
                    verdict.Mark(p.toolCpuPercent < kMaxCpuPercent));
    });
    row("CPU, whole process",
        [&](const PhaseResult& p) { return text("%.2f %%", p.totalCpuPercent); });
    for (const PhaseResult& phase : phases) {
        for (const std::string& type : phase.staleTypes)
            std::printf("%s: %s is not current in the grid\n", phase.name.c_str(), type.c_str());
    }
    std::printf("result: %s\n", verdict.passed ? "all targets met" : "a target was missed");
}

} // namespace

} // namespace varo

int main(int argc, char** argv) {
    using namespace varo;
    int seconds = 60;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
            seconds = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--seconds N]\n", argv[0]);
            return 2;
        }
    }
    if (seconds < 2) {
        std::fprintf(stderr, "--seconds needs 2 or more\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window's settings go to the toolkit's test folders, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);

    std::printf("each phase runs %d s\n", seconds);
    std::fflush(stdout);
    std::vector<PhaseResult> phases;
    phases.push_back(RunPhase("flood", true, seconds));
    phases.push_back(RunPhase("38400 baud", false, seconds));
    Verdict verdict;
    PrintSummary(phases, verdict);
    return verdict.passed ? 0 : 1;
}
