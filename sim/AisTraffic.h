#pragma once

// A few AIS targets moving around the own ship, and the VDM sentences their
// reports travel in: class A position reports (message 1), class B reports
// (message 18), and class A static data (message 5, two sentences).

#include "sim/VesselMotion.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varo::sim {

// One VDM sentence's fields.
struct VdmPart {
    int total;
    int number;
    int sequentialId; // -1 when the message fits one sentence
    int channel;      // 0: A, 1: B
    std::string payload;
    unsigned fillBits;
};

// Payload characters per sentence of a multi-sentence message: keeps the
// sentence within 82 characters.
inline constexpr std::size_t kVdmPayloadChars = 60;

// Splits one armored message into its sentences.
std::vector<VdmPart> SplitIntoSentences(const std::string& payload, unsigned fillBits,
                                        int sequentialId, int channel);

class AisTraffic {
public:
    AisTraffic();
    void AdvanceTo(double elapsedSeconds);
    // The sentences of one output batch: every target's position report, and
    // every sixth batch the static data of one class A target in turn.
    std::vector<VdmPart> NextBatch(int utcSecond);

    const std::vector<AisTarget>& Targets() const { return FTargets; }

private:
    std::vector<AisTarget> FTargets;
    double FElapsed = 0;
    unsigned FBatch = 0;
    int FSequentialId = 0;
    int FChannel = 0;
    std::size_t FStaticCursor = 0;
};

} // namespace varo::sim