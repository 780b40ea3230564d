// Collects the encapsulation sentences (VDM, VDO, ABM, BBM) of one AIS message.
// A message of n sentences is complete when sentences 1, 2, ... n of the same
// formatter, total and sequential identifier arrive in order; a first sentence
// that does not continue the partial message starts a new one, and any other
// sentence that does not continue it clears the assembly.
#pragma once

#include <cstddef>
#include <cstdint>

namespace varo {

// The armored payload that the assembly can hold.
inline constexpr std::size_t kAisPayloadCapacity = 172;

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

struct AisAssembly {
    int8_t total = 0;
    int8_t lastNumber = 0;
    int8_t sequentialId = 0;
    int8_t channel = 0;
    char payload[kAisPayloadCapacity + 1] = {};
    int8_t fillBits = 0; // of the sentence that completed the message
    char formatter[4] = {};
};

// Adds one sentence; true when it completes a message. A sentence whose payload
// would overflow the assembly is refused: the assembly is cleared and false
// returned.
bool AddFragment(const AisFragment& fragment, AisAssembly& assembly);

} // namespace varo
