// The bounded line reader over a log of sentence lines and over one endless
// line: bytes a second, and the same flat memory either way.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "platform/LineReader.h"

namespace {

std::string SentenceLog() {
    std::string text;
    while (text.size() < (8u << 20))
        text += "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
    return text;
}

void ReadThroughFile(benchmark::State& state, const std::string& text) {
    std::FILE* file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), file);
    for (auto _ : state) {
        std::rewind(file);
        varo::platform::LineReader reader(file);
        std::size_t lines = 0;
        while (reader.Next())
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    std::fclose(file);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}

void BM_SentenceLines(benchmark::State& state) {
    ReadThroughFile(state, SentenceLog());
}
BENCHMARK(BM_SentenceLines);

void BM_OneEndlessLine(benchmark::State& state) {
    ReadThroughFile(state, std::string(8u << 20, 'A'));
}
BENCHMARK(BM_OneEndlessLine);

} // namespace

BENCHMARK_MAIN();
