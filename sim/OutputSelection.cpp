#include "sim/OutputSelection.h"

namespace varo::sim {

void OutputSelection::SetAll(std::uint8_t state) {
    FStates.fill(0);
    for (const OutputDigit& digit : kOutputDigits)
        FStates[digit.tag] = state;
}

std::array<std::int32_t, 5> OutputSelection::Pack() const {
    std::array<std::int32_t, 5> identifiers{};
    for (const OutputDigit& digit : kOutputDigits)
        identifiers[digit.slot] += FStates[digit.tag] * digit.position;
    return identifiers;
}

void OutputSelection::Unpack(const std::array<std::int32_t, 5>& identifiers) {
    for (const OutputDigit& digit : kOutputDigits) {
        const std::int32_t value = identifiers[digit.slot] < 0 ? 0 : identifiers[digit.slot];
        FStates[digit.tag] = static_cast<std::uint8_t>(value / digit.position % 10);
    }
}

} // namespace varo::sim