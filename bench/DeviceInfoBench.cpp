// Cost of the device information rules on one received line: every line
// the gateway sends passes them, most of them sentences that hold no key.
#include <benchmark/benchmark.h>

#include <string_view>

#include "config/ProductInfo.h"

namespace varo {
namespace {

void SentenceWithoutKey(benchmark::State& state) {
    constexpr std::string_view line =
        "$GPRMC,092750.000,A,5321.6802,N,00630.3372,W,0.02,31.66,280511,,,A*43\r\n";
    ProductInfo info{};
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadProductInfo(line, info));
}
BENCHMARK(SentenceWithoutKey);

void NumberLine(benchmark::State& state) {
    constexpr std::string_view line = "Database Version = (2100)\r\n";
    ProductInfo info{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadProductInfo(line, info));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(NumberLine);

void TextLine(benchmark::State& state) {
    constexpr std::string_view line = "Software Version Code = (1.0.0.3)\r\n";
    ProductInfo info{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadProductInfo(line, info));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(TextLine);

} // namespace

} // namespace varo

BENCHMARK_MAIN();
