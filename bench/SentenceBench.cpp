// Parse rate of ParseSentence per formatter and on a mixed receive stream.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "sentence/SentenceParser.h"

namespace varo {
namespace {

const std::vector<std::string>& MixedStream() {
    static const std::vector<std::string> lines = {
        "$GPGGA,123519.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*69\r\n",
        "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W,A*07\r\n",
        "$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00*74\r\n",
        "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A*25\r\n",
        "$GPZDA,201530.00,04,07,2002,00,00*60\r\n",
        "$GPHDT,274.07,T*03\r\n",
        "!AIVDM,1,1,,B,177KQJ5000G?tO`K>RA1wUbN0TKH,0*5C\r\n",
    };
    return lines;
}

// Copies each line into the 100-byte receive buffer first, as the receive path does.
void ParseLines(benchmark::State& state, const std::vector<std::string>& lines) {
    varo::SentenceRecord record{};
    std::array<char, varo::kLineBufferSize> buffer{};
    std::size_t parsed = 0;
    std::size_t failures = 0;
    for (auto _ : state) {
        for (const std::string& line : lines) {
            std::memcpy(buffer.data(), line.c_str(), line.size() + 1);
            failures += !varo::ParseSentence(buffer.data(), record);
        }
        parsed += lines.size();
        benchmark::DoNotOptimize(record);
    }
    if (failures != 0) {
        state.SkipWithError("a benchmark line failed to parse");
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(parsed));
}

void BM_MixedStream(benchmark::State& state) {
    ParseLines(state, MixedStream());
}
BENCHMARK(BM_MixedStream);

void BM_Formatter(benchmark::State& state) {
    ParseLines(state, {MixedStream()[static_cast<std::size_t>(state.range(0))]});
    static const char* names[] = {"GGA", "RMC", "GSV", "VTG", "ZDA", "HDT", "VDM"};
    state.SetLabel(names[state.range(0)]);
}
BENCHMARK(BM_Formatter)->DenseRange(0, 6);

} // namespace

} // namespace varo

BENCHMARK_MAIN();
