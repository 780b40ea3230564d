#include "sim/OutputBatch.h"

#include "sim/ComposedSentences.h"
#include "sim/PlainSentences.h"

namespace varo::sim {
namespace {

// The order of a batch: position fix first, then heading, water, wind.
constexpr OutputTag kBatchOrder[] = {
    otGGA, otGLL, otGSA, otGSV, otRMC, otVTG, otZDA, otHDT, otHDG, otROT,
    otRSA, otVHW, otVLW, otVDR, otDPT, otDBT, otMWV, otVWR, otMWD, otMTW,
};

} // namespace

std::vector<std::string> OutputBatchBuilder::Build(const OutputSelection& selection,
                                                   double elapsedSeconds,
                                                   std::chrono::system_clock::time_point now) {
    FShip.AdvanceTo(elapsedSeconds);
    FTraffic.AdvanceTo(elapsedSeconds);
    const OutputContext context{ToUtcStamp(now), FShip};
    std::vector<std::string> lines;
    for (OutputTag tag : kBatchOrder) {
        if (!selection.IsOn(tag)) continue;
        if (!AppendComposedSentence(tag, context, lines)) AppendPlainSentence(tag, context, lines);
    }
    if (selection.IsOn(otVDM)) {
        for (const VdmPart& part : FTraffic.NextBatch(context.time.second)) {
            std::string line = VdmLine(part);
            if (!line.empty()) lines.push_back(std::move(line));
        }
    }
    return lines;
}

} // namespace varo::sim