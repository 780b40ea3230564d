// The program-wide AIS state and the receive path's AIS steps: for every
// encapsulation sentence, assemble, de-armor, unpack, decode and count.
#pragma once

#include "ais/AisAssembly.h"
#include "ais/AisBits.h"
#include "ais/AisMessage.h"
#include "ais/AisTarget.h"

namespace varo {

struct AisState {
    AisAssembly assembly;
    AisBitBuffer bits;
    AisMessageRecord message;
    AisDecoder decoder;
    // The assembly or the message record may hold something: set by
    // AisReceiveFragment, so that AisClear, which runs for every other
    // sentence, costs nothing while there is nothing to clear.
    bool touched = false;
};

// The one AIS state of the program, fed by the receive path.
AisState& ProgramAisState();

// Clears the assembly and the message record, as any non-encapsulation
// sentence does. The target table and the message buffers stay. Code that
// writes the assembly or the record other than through AisReceiveFragment sets
// `touched`.
void AisClear(AisState& state);

struct AisReceiveResult {
    bool complete = false; // a message was completed, de-armored and unpacked
    int target = -1;       // the decoder's target index, or -1
};

// Adds one encapsulation sentence. When it completes a message, de-armors and
// unpacks it, decodes it (the own vessel's when the formatter is "VDO") and
// adds one to the target's VDM or VDO count.
AisReceiveResult AisReceiveFragment(const AisFragment& fragment, AisState& state);

} // namespace varo
