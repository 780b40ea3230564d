// Writes a mixed NMEA 0183 stream for the whole-command decode benchmark, with
// the simulated gateway's own writers, shaped like a busy AIS receiver's
// output: about 40 % VDM, a fifth GSV, the rest GGA, RMC, VTG, ZDA and HDT.
// Each second of the voyage gives GGA, RMC, VTG, ZDA and HDT twice, GSV (three
// sentences) once and every other second twice, and ten VDM sentences: four
// class A and two class B position reports, one class A static report
// (type 5, two sentences) and one class B static report (type 24, parts A and B).
//
// usage: make_stream FILE [LINES]
// Writes exactly LINES lines (default 200000), each ending in CR LF, and
// prints "LINES AIS_MESSAGES" on standard output. A multi-sentence AIS message
// is written whole or not at all, so every AIS message in the file completes.
#include "sim/AisPayload.h"
#include "sim/AisTraffic.h"
#include "sim/ComposedSentences.h"
#include "sim/OutputContext.h"
#include "sim/PlainSentences.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace varo {
namespace {

constexpr int kVesselCount = 40;
constexpr int kClassAReportsPerSecond = 4;
constexpr int kClassBReportsPerSecond = 2;
constexpr int kFixesPerSecond = 2;

struct LineGroup {
    std::vector<std::string> lines;
    bool ais = false; // the lines carry one AIS message
};

std::vector<sim::AisTarget> MakeVessels() {
    std::vector<sim::AisTarget> vessels;
    for (int i = 0; i < kVesselCount; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "VESSEL %02d", i);
        const sim::Vessel motion{22.5 + i * 0.004, 120.1 + i * 0.003, (i * 37) % 360 * 1.0,
                                 4.0 + i % 15, 0.0};
        vessels.push_back({static_cast<std::uint32_t>(416000000 + i * 1013), i % 4 == 3, motion,
                           name, "BK" + std::to_string(10 + i),
                           static_cast<std::uint32_t>(9300000 + i), 70, "KAOHSIUNG"});
    }
    return vessels;
}

LineGroup AisGroup(const std::string& payload, unsigned fillBits, int sequentialId, int channel) {
    LineGroup group{{}, true};
    for (const sim::VdmPart& part :
         sim::SplitIntoSentences(payload, fillBits, sequentialId, channel))
        group.lines.push_back(sim::VdmLine(part));
    return group;
}

// The sentences of one second of the voyage, in the order they are written.
class Voyage {
public:
    std::vector<LineGroup> NextSecond() {
        ++FSecond;
        FShip.AdvanceTo(FSecond);
        const sim::UtcStamp time = sim::ToUtcStamp(FStart + std::chrono::seconds(FSecond));
        const sim::OutputContext context{time, FShip};
        std::vector<LineGroup> groups;
        const auto append = [&](sim::OutputTag tag) {
            LineGroup group;
            if (!sim::AppendPlainSentence(tag, context, group.lines))
                sim::AppendComposedSentence(tag, context, group.lines);
            groups.push_back(std::move(group));
        };
        for (int fix = 0; fix < kFixesPerSecond; ++fix)
            for (const sim::OutputTag tag :
                 {sim::otGGA, sim::otRMC, sim::otVTG, sim::otZDA, sim::otHDT})
                append(tag);
        for (int gsv = FSecond % 2; gsv < 2; ++gsv)
            append(sim::otGSV);
        for (sim::AisTarget& vessel : FVessels)
            sim::AdvanceVessel(vessel.motion, 1.0);
        for (int k = 0; k < kClassAReportsPerSecond; ++k)
            groups.push_back(PositionReport(NextVessel(FClassACursor, false), time.second));
        for (int k = 0; k < kClassBReportsPerSecond; ++k)
            groups.push_back(PositionReport(NextVessel(FClassBCursor, true), time.second));
        groups.push_back(StaticReport());
        for (const unsigned part : {0u, 1u})
            groups.push_back(StaticReportB(NextVessel(FStaticBCursor, true), part));
        return groups;
    }

private:
    // The next vessel of the class in turn.
    const sim::AisTarget& NextVessel(std::size_t& cursor, bool classB) {
        const sim::AisTarget* vessel = nullptr;
        do
            vessel = &FVessels[cursor++ % FVessels.size()];
        while (vessel->classB != classB);
        return *vessel;
    }

    // Message 24 part A (name, 160 bits) or part B (ship type, vendor, call
    // sign, dimensions; 168 bits), one sentence each.
    LineGroup StaticReportB(const sim::AisTarget& vessel, unsigned part) {
        sim::AisBitWriter bits;
        bits.Put(24, 6);
        bits.Put(0, 2);
        bits.Put(vessel.mmsi, 30);
        bits.Put(part, 2);
        if (part == 0) {
            bits.PutText(vessel.name, 20);
        } else {
            bits.Put(vessel.shipType, 8);
            bits.PutText("VARO", 7);
            bits.PutText(vessel.callSign, 7);
            bits.Put((12u << 21) | (4u << 12) | (2u << 6) | 3u, 30);
            bits.Put(0, 6);
        }
        unsigned fillBits = 0;
        const std::string payload = bits.Armored(fillBits);
        return AisGroup(payload, fillBits, -1, FChannel ^= 1);
    }

    LineGroup PositionReport(const sim::AisTarget& vessel, int utcSecond) {
        const sim::Vessel& v = vessel.motion;
        const sim::AisPosition position{v.latitude,
                                        v.longitude,
                                        v.speedKnots,
                                        v.courseDegrees,
                                        static_cast<int>(v.courseDegrees) % 360,
                                        utcSecond};
        unsigned fillBits = 0;
        const std::string payload =
            vessel.classB ? sim::PositionReportB(vessel.mmsi, position, fillBits)
                          : sim::PositionReportA(vessel.mmsi, 0, -128, position, fillBits);
        return AisGroup(payload, fillBits, -1, FChannel ^= 1);
    }

    // Message 5 of the next class A vessel in turn.
    LineGroup StaticReport() {
        const sim::AisTarget* vessel = nullptr;
        do
            vessel = &FVessels[FStaticCursor++ % FVessels.size()];
        while (vessel->classB);
        const sim::AisStaticData data{vessel->imo,
                                      vessel->callSign,
                                      vessel->name,
                                      vessel->shipType,
                                      120,
                                      30,
                                      12,
                                      14,
                                      8.6,
                                      vessel->destination,
                                      6,
                                      14,
                                      8,
                                      30};
        unsigned fillBits = 0;
        const std::string payload = sim::StaticVoyageData(vessel->mmsi, data, fillBits);
        FSequentialId = (FSequentialId + 1) % 10;
        return AisGroup(payload, fillBits, FSequentialId, FChannel ^= 1);
    }

    const std::chrono::system_clock::time_point FStart =
        std::chrono::sys_days{std::chrono::year{2024} / 6 / 15} + std::chrono::hours{8};
    sim::OwnShip FShip;
    std::vector<sim::AisTarget> FVessels = MakeVessels();
    int FSecond = 0;
    std::size_t FClassACursor = 0;
    std::size_t FClassBCursor = 0;
    std::size_t FStaticBCursor = 0;
    std::size_t FStaticCursor = 0;
    int FSequentialId = 0;
    int FChannel = 0;
};

} // namespace

} // namespace varo

int main(int argc, char** argv) {
    using namespace varo;
    if (argc < 2 || argc > 3) {
        std::fputs("usage: make_stream FILE [LINES]\n", stderr);
        return 2;
    }
    const long wanted = argc == 3 ? std::strtol(argv[2], nullptr, 10) : 200000;
    if (wanted <= 0) {
        std::fputs("make_stream: LINES must be a positive number\n", stderr);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    Voyage voyage;
    long written = 0;
    long aisMessages = 0;
    while (written < wanted) {
        for (const LineGroup& group : voyage.NextSecond()) {
            const long size = static_cast<long>(group.lines.size());
            // A group that does not fit is left out whole; the single-sentence
            // groups of the next second fill the last lines.
            if (size == 0 || written + size > wanted) continue;
            for (const std::string& line : group.lines) {
                if (line.empty()) {
                    std::fputs("make_stream: a writer refused its sentence\n", stderr);
                    return 1;
                }
                std::fwrite(line.data(), 1, line.size(), out);
            }
            written += size;
            aisMessages += group.ais ? 1 : 0;
        }
    }
    if (std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    std::printf("%ld %ld\n", written, aisMessages);
    return 0;
}
