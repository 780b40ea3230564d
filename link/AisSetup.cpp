#include "AisSetup.h"

AisState& ProgramAisState() {
  static AisState state{};
  return state;
}

void SetUpAisDecoding(AisState& state) {
  AisClear(state);
  ResetAisDecoder(state.decoder);
}
