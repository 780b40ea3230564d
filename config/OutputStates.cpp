#include "config/OutputStates.h"

#include <algorithm>

namespace varo {
namespace {

// Where a tag's state travels: the slot and the power of ten of its digit.
struct StateDigit {
    std::size_t slot;
    std::uint32_t position;
};

// Tags 0 to 24 in order; tag 11 has no digit.
constexpr std::array<StateDigit, kSentenceTagCount> kStateDigits{{
    {0, 100000}, {0, 10000}, {0, 1000}, {0, 100}, {0, 10}, {0, 1}, // GGA GLL GSA GSV RMC VTG
    {1, 100000}, {1, 10000}, {1, 1000}, {1, 100}, {1, 10}, {0, 0}, // ZDA ROT HDT HDG VDM -
    {2, 100000}, {2, 10000}, {2, 1000}, {2, 100}, {2, 10}, {2, 1}, // DSC RSA VHW VLW DPT DBT
    {3, 100000}, {3, 10000}, {3, 1000}, {3, 100}, {3, 10}, {3, 1}, // XTE APB VWR MWV MWD MTW
    {4, 100000},                                                   // VDR
}};
constexpr std::uint8_t kLargestDigit = 9;

} // namespace

const std::array<OutputSentenceTag, 24> kOutputSentenceTags{{
    {0, "GGA"},  {1, "GLL"},  {2, "GSA"},  {3, "GSV"},  {4, "RMC"},  {5, "VTG"},
    {6, "ZDA"},  {7, "ROT"},  {8, "HDT"},  {9, "HDG"},  {10, "VDM"}, {12, "DSC"},
    {13, "RSA"}, {14, "VHW"}, {15, "VLW"}, {16, "DPT"}, {17, "DBT"}, {18, "XTE"},
    {19, "APB"}, {20, "VWR"}, {21, "MWV"}, {22, "MWD"}, {23, "MTW"}, {24, "VDR"},
}};

SentenceStateTable UnpackSentenceStates(const OutputIdentifiers& identifiers) {
    SentenceStateTable states{};
    for (std::size_t tag = 0; tag < kSentenceTagCount; ++tag) {
        const StateDigit& digit = kStateDigits[tag];
        if (digit.position == 0) continue;
        states[tag] = static_cast<std::uint8_t>(identifiers[digit.slot] / digit.position % 10);
    }
    return states;
}

OutputIdentifiers PackSentenceStates(const SentenceStateTable& states) {
    OutputIdentifiers identifiers{};
    for (std::size_t tag = 0; tag < kSentenceTagCount; ++tag) {
        const StateDigit& digit = kStateDigits[tag];
        identifiers[digit.slot] += std::min(states[tag], kLargestDigit) * digit.position;
    }
    return identifiers;
}

std::size_t SentenceStateSlot(int tag) {
    if (tag < 0 || static_cast<std::size_t>(tag) >= kSentenceTagCount) return 0;
    return kStateDigits[static_cast<std::size_t>(tag)].slot;
}

} // namespace varo
