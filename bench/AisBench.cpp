// Messages per second through assembly, de-armoring, unpacking and decoding,
// on a stream of single-sentence position reports and two-sentence static
// reports from a few hundred vessels.
#include "ais/AisState.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace varo {
namespace {

struct StreamSentence {
    int total, number, id;
    std::string payload;
    int fill;
};

AisStamp FixedClock() {
    return {2024, 6, 15, 12, 0, 0};
}

// Re-armors a payload with a different MMSI, so the stream spans many targets.
std::string WithMmsi(const std::string& payload, uint32_t mmsi) {
    auto value = [](char c) { return c - 48 > 40 ? c - 56 : c - 48; };
    auto armor = [](int v) { return static_cast<char>(v < 40 ? v + 48 : v + 56); };
    std::string out = payload;
    // The MMSI takes bits 8 to 37: characters 1 to 6.
    uint64_t bits = 0;
    for (int i = 0; i < 7; ++i)
        bits = (bits << 6) | static_cast<uint64_t>(value(payload[i]));
    bits &= ~(((uint64_t{1} << 30) - 1) << 4);
    bits |= uint64_t{mmsi} << 4;
    for (int i = 6; i >= 0; --i, bits >>= 6)
        out[i] = armor(static_cast<int>(bits & 63));
    return out;
}

std::vector<StreamSentence> MakeStream() {
    const std::string type1 = "15RTgt0PAso;90TKcjM8h6g208CQ";
    const std::string type3 = "38Id705000rRVJhE7cl9n;160000";
    const std::string type18 = "B5O6hr00<veEKmUaMFdEow`UWP06";
    const std::string type5a = "55?MbV02;H;s<HtKR20EHE:0@T4@Dn2222222216L961O5Gf0NSQEp6ClRp8";
    const std::string type5b = "88888888880";
    std::vector<StreamSentence> stream;
    for (uint32_t vessel = 0; vessel < 300; ++vessel) {
        const uint32_t mmsi = 200000000 + vessel * 7919;
        stream.push_back({1, 1, -128, WithMmsi(type1, mmsi), 0});
        stream.push_back({1, 1, -128, WithMmsi(type3, mmsi + 1), 0});
        stream.push_back({1, 1, -128, WithMmsi(type18, mmsi + 2), 0});
        stream.push_back({2, 1, static_cast<int>(vessel % 10), WithMmsi(type5a, mmsi + 3), 0});
        stream.push_back({2, 2, static_cast<int>(vessel % 10), type5b, 2});
    }
    return stream;
}

void BM_AisReceive(benchmark::State& bench) {
    const std::vector<StreamSentence> stream = MakeStream();
    auto ais = std::make_unique<AisState>();
    ais->decoder.clock = FixedClock;
    std::vector<AisFragment> fragments;
    for (const StreamSentence& s : stream) {
        AisFragment f;
        f.total = static_cast<int8_t>(s.total);
        f.number = static_cast<int8_t>(s.number);
        f.sequentialId = static_cast<int8_t>(s.id);
        f.channel = 'A';
        f.payload = s.payload.c_str();
        f.fillBits = static_cast<int8_t>(s.fill);
        std::memcpy(f.formatter, "VDM", 4);
        fragments.push_back(f);
    }
    int64_t messages = 0;
    for (auto _ : bench) {
        for (const AisFragment& f : fragments) {
            const AisReceiveResult result = AisReceiveFragment(f, *ais);
            messages += result.complete ? 1 : 0;
            benchmark::DoNotOptimize(result);
        }
    }
    bench.counters["messages/s"] =
        benchmark::Counter(static_cast<double>(messages), benchmark::Counter::kIsRate);
    bench.counters["targets"] = ais->decoder.targets.count;
}
BENCHMARK(BM_AisReceive);

// The local clock as production uses it, for comparison.
void BM_AisLocalClock(benchmark::State& bench) {
    for (auto _ : bench)
        benchmark::DoNotOptimize(AisLocalClock());
}
BENCHMARK(BM_AisLocalClock);

} // namespace

} // namespace varo

BENCHMARK_MAIN();
