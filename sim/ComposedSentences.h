#pragma once

// The output sentences the codec's composer writes (RMC, GSA, HDT, VDM):
// the gateway fills a SentenceRecord and lets the composer write the text.

#include "sentence/SentenceRecord.h"
#include "sim/AisTraffic.h"
#include "sim/OutputContext.h"
#include "sim/OutputSelection.h"

#include <string>
#include <vector>

namespace varo::sim {

// The composed text of `record`, CR LF included; empty when the composer refuses it.
std::string ComposedLine(const varo::SentenceRecord& record);

// Appends the line for `tag` when it is one the composer writes; false otherwise.
bool AppendComposedSentence(OutputTag tag, const OutputContext& context,
                            std::vector<std::string>& lines);

// One !AIVDM sentence.
std::string VdmLine(const VdmPart& part);

} // namespace varo::sim