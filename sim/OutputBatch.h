#pragma once

// One flow-rate interval's output: every sentence of the output selection
// whose state is on, in a fixed order, AIS last.

#include "sim/AisTraffic.h"
#include "sim/OutputContext.h"
#include "sim/OutputSelection.h"

#include <string>
#include <vector>

namespace varo::sim {

class OutputBatchBuilder {
public:
    // The lines (CR LF included) at `elapsedSeconds` since start and the time of day `now`.
    std::vector<std::string> Build(const OutputSelection& selection, double elapsedSeconds,
                                   std::chrono::system_clock::time_point now);

private:
    OwnShip FShip;
    AisTraffic FTraffic;
};

} // namespace varo::sim