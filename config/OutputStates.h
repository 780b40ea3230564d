#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace varo {

// The NMEA 0183 output selection: which of 24 sentences the gateway emits.
// Each sentence has a tag (0 to 24, 11 unused) and a state: 0 off, 1 on; the
// gateway may report other digits. On the wire the states are decimal digits
// of the five CTT output identifiers of item 200184 (read) and 200183 (apply):
//   slot 1: GGA GLL GSA GSV RMC VTG   (10^5 ... 10^0)
//   slot 2: ZDA ROT HDT HDG VDM 0
//   slot 3: DSC RSA VHW VLW DPT DBT
//   slot 4: XTE APB VWR MWV MWD MTW
//   slot 5: VDR 0 0 0 0 0
inline constexpr std::size_t kSentenceTagCount = 25;
using SentenceStateTable = std::array<std::uint8_t, kSentenceTagCount>;
using OutputIdentifiers = std::array<std::uint32_t, 5>;

// The CTT items that read and apply the selection.
inline constexpr std::int32_t kOutputStatesItem = 200184;
inline constexpr std::int32_t kApplyOutputStatesItem = 200183;

// The sentences of the selection in the order the screen and a profile list them.
struct OutputSentenceTag {
    int tag;
    const char* code;
};
extern const std::array<OutputSentenceTag, 24> kOutputSentenceTags;

// The state of every tag from the identifiers' digits (tag 11 stays 0).
SentenceStateTable UnpackSentenceStates(const OutputIdentifiers& identifiers);
// The identifiers that carry `states`; digits above 9 are sent as 9.
OutputIdentifiers PackSentenceStates(const SentenceStateTable& states);
// The CTT slot (0 to 4) that carries `tag`'s digit.
std::size_t SentenceStateSlot(int tag);

} // namespace varo
