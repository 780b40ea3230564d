// Cost of one received line in the data view: a known row updated, a new
// pair appended after a refresh, a line without a description dropped, and
// a shown line written through to the log. Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "DataView.h"
#include "Dialogs.h"
#include "TForm1.h"
#include "sentence/Composer.h"

namespace varo {
namespace {

// A gateway's mixed output: thirty pairs, so every lookup passes rows.
std::vector<std::string> Traffic() {
    std::vector<std::string> lines;
    for (const char* talker : {"GP", "GN", "GL", "II", "HE", "SD"}) {
        for (const char* body :
             {"GGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,",
              "RMC,092750.000,A,5321.6802,N,00630.3372,W,0.02,31.66,280511,,,A",
              "VTG,31.66,T,,M,0.02,N,0.04,K,A", "HDT,274.07,T", "MWV,214.8,R,0.1,K,A"}) {
            char line[varo::kLineBufferSize] = {};
            std::snprintf(line, sizeof line, "$%s%s", talker, body);
            varo::finishSentence(line, sizeof line);
            lines.emplace_back(line);
        }
    }
    return lines;
}

struct Window {
    Window() {
        form.FDataView->clock = [] { return TimeOfDay{12, 34, 56}; };
    }
    TForm1 form;
    DataView& view = *form.FDataView;
};

void UpdateKnownRows(benchmark::State& state) {
    Window window;
    const std::vector<std::string> lines = Traffic();
    for (const std::string& line : lines)
        window.view.ShowSentence(line.c_str());
    std::size_t next = 0;
    for (auto _ : state) {
        window.view.ShowSentence(lines[next].c_str());
        next = next + 1 == lines.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(UpdateKnownRows);

void AppendRowsAfterRefresh(benchmark::State& state) {
    Window window;
    const std::vector<std::string> lines = Traffic();
    for (auto _ : state) {
        for (const std::string& line : lines)
            window.view.ShowSentence(line.c_str());
        state.PauseTiming();
        window.view.ClearDataView();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}
BENCHMARK(AppendRowsAfterRefresh);

void DropLineWithoutDescription(benchmark::State& state) {
    Window window;
    for (auto _ : state)
        window.view.ShowSentence("$GPTXT,01,01,02,ANTSTATUS=OK*3B\r\n");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(DropLineWithoutDescription);

void UpdateAndLog(benchmark::State& state) {
    QTemporaryDir folder;
    Window window;
    SaveFileSeam() = [&folder](const QString&, const QString&) {
        return folder.filePath("bench.txt");
    };
    window.view.ToggleLogRecording();
    const std::vector<std::string> lines = Traffic();
    std::size_t next = 0;
    for (auto _ : state) {
        window.view.ShowSentence(lines[next].c_str());
        next = next + 1 == lines.size() ? 0 : next + 1;
    }
    window.view.StopLog();
    SaveFileSeam() = AskSaveFileName;
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(UpdateAndLog);

} // namespace

} // namespace varo

int main(int argc, char** argv) {
    using namespace varo;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
