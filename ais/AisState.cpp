#include "ais/AisState.h"

#include <cstring>

namespace varo {

AisState& ProgramAisState() {
    static AisState state;
    return state;
}

void AisClear(AisState& state) {
    if (!state.touched) return;
    state.assembly = AisAssembly{};
    state.message = AisMessageRecord{};
    state.touched = false;
}

AisReceiveResult AisReceiveFragment(const AisFragment& fragment, AisState& state) {
    AisReceiveResult result;
    state.touched = true;
    if (!AddFragment(fragment, state.assembly) || !Dearmor(state.assembly, state.bits) ||
        !UnpackMessage(state.bits, state.message))
        return result;
    result.complete = true;

    const bool vdo = std::memcmp(state.assembly.formatter, "VDO", 4) == 0;
    const int channelValue = state.assembly.channel - '0';
    result.target = DecodeAisMessage(state.message, channelValue, 0, vdo, state.decoder);
    if (result.target >= 0) {
        AisTarget& target = state.decoder.targets.entries[result.target];
        ++(vdo ? target.vdoCount : target.vdmCount);
    }
    return result;
}

} // namespace varo
