// Compose rate of the commands the tool sends (through buildCommandSentence)
// and of an RMC sentence (the composer alone).
#include <benchmark/benchmark.h>

#include <cstring>

#include "config/CommandSentence.h"
#include "sentence/Composer.h"

namespace varo {
namespace {

using namespace varo;

void BuildCommand(benchmark::State& state, const char* formatter, void (*fill)(DeviceRecord&)) {
    SentenceStore store{};
    SentenceRecord outgoing{};
    fill(store.device);
    char buffer[kCommandBufferSize];
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            buildCommandSentence(buffer, sizeof buffer, "P", formatter, store, outgoing));
        benchmark::DoNotOptimize(buffer);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_BuildTst(benchmark::State& state) {
    BuildCommand(state, "TST", [](DeviceRecord& d) {
        d.tstNumber = 99999;
        d.tstValue = 99;
        d.tstLowerCaseLetter = '@';
        d.tstLetter = '@';
        d.tstCode = 2;
    });
}

void BM_BuildCtt(benchmark::State& state) {
    BuildCommand(state, "CTT", [](DeviceRecord& d) {
        d.cttMode = 'C';
        d.cttSubject = 200005;
        const std::uint32_t identifiers[] = {129025, 129026, 129029, 129033, 575256};
        for (int i = 0; i < 5; ++i) {
            d.cttItems[i].identifier = identifiers[i];
            d.cttItems[i].flag = static_cast<std::uint8_t>(i % 2);
        }
    });
}

void BM_BuildDbg(benchmark::State& state) {
    BuildCommand(state, "DBG", [](DeviceRecord& d) {
        d.dbgPairs = {{42, 999, 999, 999}, {}, {2, kNoDbgValue, kNoDbgValue, kNoDbgValue}};
        d.dbgCommandChar = 'K';
    });
}

void BM_ComposeRmc(benchmark::State& state) {
    SentenceRecord rmc{};
    std::memcpy(rmc.talker, "GP", 2);
    std::memcpy(rmc.formatter, "RMC", 3);
    rmc.payload.rmc = {
        {12, 34, 56, 78}, 'A', {24.5f, -121.25f}, 5.5f, 54.7f, {2024, 3, 9}, 3.1f, 'E', 'A'};
    char buffer[kLineBufferSize];
    for (auto _ : state) {
        benchmark::DoNotOptimize(composeSentence(buffer, sizeof buffer, rmc));
        benchmark::DoNotOptimize(buffer);
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_BuildTst);
BENCHMARK(BM_BuildCtt);
BENCHMARK(BM_BuildDbg);
BENCHMARK(BM_ComposeRmc);

} // namespace

} // namespace varo

BENCHMARK_MAIN();
