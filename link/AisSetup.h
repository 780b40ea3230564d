#pragma once

#include "ais/ais_state.h"

// The program's one AIS state: the assembly of multi-sentence messages, the
// message buffers and the target table.
AisState& ProgramAisState();

// Back to the start-up state: nothing assembled, no message buffered, an
// empty target table.
void SetUpAisDecoding(AisState& state);
