#include "sim/AisTraffic.h"

#include "sim/AisPayload.h"

#include <cmath>

namespace varo::sim {
namespace {

constexpr unsigned kStaticDataEvery = 6; // batches between two message 5 reports
constexpr int kUnderWayUsingEngine = 0;
constexpr int kNoRateOfTurn = -128;

AisPosition PositionOf(const AisTarget& target, int utcSecond) {
    const Vessel& v = target.motion;
    return {v.latitude,
            v.longitude,
            v.speedKnots,
            v.courseDegrees,
            static_cast<int>(std::lround(v.courseDegrees)) % 360,
            utcSecond};
}

AisStaticData StaticDataOf(const AisTarget& target) {
    return {target.imo,  target.callSign,
            target.name, target.shipType,
            120,         30,
            12,          14,
            8.6,         target.destination,
            6,           14,
            8,           30};
}

} // namespace

std::vector<VdmPart> SplitIntoSentences(const std::string& payload, unsigned fillBits,
                                        int sequentialId, int channel) {
    const int total = static_cast<int>((payload.size() + kVdmPayloadChars - 1) / kVdmPayloadChars);
    std::vector<VdmPart> parts;
    for (int i = 0; i < total; ++i) {
        const bool last = i == total - 1;
        parts.push_back(
            {total, i + 1, total > 1 ? sequentialId : -1, channel,
             payload.substr(static_cast<std::size_t>(i) * kVdmPayloadChars, kVdmPayloadChars),
             last ? fillBits : 0u});
    }
    return parts;
}

AisTraffic::AisTraffic()
    : FTargets{
          {416004285,
           false,
           {22.6410, 120.2115, 128.0, 14.2, 0.0},
           "EVER SHINE",
           "BKHA",
           9300001,
           70,
           "KAOHSIUNG"},
          {416235000,
           false,
           {22.5720, 120.2290, 15.0, 9.8, 0.0},
           "ORIENTAL PEARL",
           "BLJK",
           9412345,
           80,
           "TAICHUNG"},
          {416888123, true, {22.6250, 120.2480, 250.0, 6.5, 0.0}, "SEA BREEZE", "", 0, 37, ""},
      } {}

void AisTraffic::AdvanceTo(double elapsedSeconds) {
    if (elapsedSeconds <= FElapsed) return;
    for (AisTarget& target : FTargets)
        AdvanceVessel(target.motion, elapsedSeconds - FElapsed);
    FElapsed = elapsedSeconds;
}

std::vector<VdmPart> AisTraffic::NextBatch(int utcSecond) {
    std::vector<VdmPart> parts;
    unsigned fillBits = 0;
    for (const AisTarget& target : FTargets) {
        const AisPosition position = PositionOf(target, utcSecond);
        const std::string payload = target.classB
                                        ? PositionReportB(target.mmsi, position, fillBits)
                                        : PositionReportA(target.mmsi, kUnderWayUsingEngine,
                                                          kNoRateOfTurn, position, fillBits);
        for (VdmPart& part : SplitIntoSentences(payload, fillBits, -1, FChannel))
            parts.push_back(std::move(part));
        FChannel ^= 1;
    }
    if (FBatch++ % kStaticDataEvery == 0) {
        for (std::size_t tried = 0; tried < FTargets.size(); ++tried) {
            const AisTarget& target = FTargets[FStaticCursor++ % FTargets.size()];
            if (target.classB) continue;
            const std::string payload =
                StaticVoyageData(target.mmsi, StaticDataOf(target), fillBits);
            for (VdmPart& part : SplitIntoSentences(payload, fillBits, FSequentialId, FChannel))
                parts.push_back(std::move(part));
            FSequentialId = (FSequentialId + 1) % 10;
            break;
        }
    }
    return parts;
}

} // namespace varo::sim