// Collects the encapsulation sentences (VDM, VDO, ABM, BBM) of AIS messages.
// A message of n sentences is complete when sentences 1, 2, ... n of the same
// formatter, total and sequential identifier arrive in order. Several
// messages may be collected at once, one per formatter, sequential identifier
// and channel, as a two-channel receiver interleaves them: a first sentence
// starts its message anew, and a later one that does not continue its
// message drops it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace varo {

// The armored payload that the assembly can hold.
inline constexpr std::size_t kAisPayloadCapacity = 172;
// Messages collected at once; when all are in use the oldest gives way.
inline constexpr std::size_t kAisPartialMessages = 8;

// One encapsulation sentence's AIS fields, as the sentence parser delivers them.
struct AisFragment {
    int8_t total = 0;           // total number of sentences of the message
    int8_t number = 0;          // this sentence's number, 1 to total
    int8_t sequentialId = -128; // sequential message identifier, -128 when blank
    int8_t channel = 0;         // AIS channel character (an integer for BBM), 0x80 when blank
    const char* payload = "";   // armored payload text, terminated
    int8_t fillBits = 0;
    char formatter[4] = {}; // "VDM", "VDO", "ABM" or "BBM"
};

// A message still waiting for sentences; free while `lastNumber` is 0 (what
// else it holds is then stale).
struct AisPartial {
    int8_t total = 0;
    int8_t lastNumber = 0;
    int8_t sequentialId = 0;
    int8_t channel = 0;
    char formatter[4] = {};
    uint32_t started = 0; // when it began, counted in first sentences
    char payload[kAisPayloadCapacity + 1] = {};
};

struct AisAssembly {
    // The message the last completing sentence finished.
    int8_t total = 0;
    int8_t lastNumber = 0;
    int8_t sequentialId = 0;
    int8_t channel = 0;
    char payload[kAisPayloadCapacity + 1] = {};
    int8_t fillBits = 0; // of the sentence that completed the message
    char formatter[4] = {};

    AisPartial partials[kAisPartialMessages];
    uint32_t starts = 0;
};

// Adds one sentence; true when it completes a message, which the assembly's
// first fields then hold. A sentence whose payload would overflow its message
// is refused: that message is dropped and false returned.
bool AddFragment(const AisFragment& fragment, AisAssembly& assembly);

// Empties the finished message, leaving the messages still collected.
void ClearFinishedMessage(AisAssembly& assembly);

} // namespace varo
