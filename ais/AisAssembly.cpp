#include "ais/AisAssembly.h"

#include <cstring>

namespace varo {
namespace {

bool SameMessage(const AisFragment& fragment, const AisPartial& partial) {
    return partial.lastNumber != 0 && std::memcmp(fragment.formatter, partial.formatter, 3) == 0 &&
           fragment.sequentialId == partial.sequentialId && fragment.channel == partial.channel;
}

// The partial message of the fragment's formatter, identifier and channel, else nullptr.
AisPartial* FindPartial(const AisFragment& fragment, AisAssembly& assembly) {
    for (AisPartial& partial : assembly.partials)
        if (SameMessage(fragment, partial)) return &partial;
    return nullptr;
}

// A free slot, else the one that began first.
AisPartial& FreeOrOldest(AisAssembly& assembly) {
    AisPartial* oldest = &assembly.partials[0];
    for (AisPartial& partial : assembly.partials) {
        if (partial.lastNumber == 0) return partial;
        if (partial.started < oldest->started) oldest = &partial;
    }
    return *oldest;
}

// The fragment names the message: its formatter, identifier, channel and
// total are those of the message's first sentence.
void Finish(const AisFragment& fragment, const char* payload, std::size_t length,
            AisAssembly& assembly) {
    assembly.total = fragment.total;
    assembly.lastNumber = fragment.number;
    assembly.sequentialId = fragment.sequentialId;
    assembly.channel = fragment.channel;
    std::memcpy(assembly.payload, payload, length);
    assembly.payload[length] = '\0';
    assembly.fillBits = fragment.fillBits;
    std::memcpy(assembly.formatter, fragment.formatter, 3);
    assembly.formatter[3] = '\0';
}

} // namespace

void ClearFinishedMessage(AisAssembly& assembly) {
    assembly.total = 0;
    assembly.lastNumber = 0;
    assembly.sequentialId = 0;
    assembly.channel = 0;
    std::memset(assembly.payload, 0, sizeof assembly.payload);
    assembly.fillBits = 0;
    std::memset(assembly.formatter, 0, sizeof assembly.formatter);
}

bool AddFragment(const AisFragment& fragment, AisAssembly& assembly) {
    const char* payload = fragment.payload != nullptr ? fragment.payload : "";
    const std::size_t length = strnlen(payload, kAisPayloadCapacity + 1);
    AisPartial* partial = FindPartial(fragment, assembly);

    if (partial != nullptr && fragment.total == partial->total &&
        fragment.number == partial->lastNumber + 1) {
        const std::size_t held = strnlen(partial->payload, kAisPayloadCapacity);
        if (held + length > kAisPayloadCapacity) {
            partial->lastNumber = 0;
            return false;
        }
        std::memcpy(partial->payload + held, payload, length);
        partial->payload[held + length] = '\0';
        partial->lastNumber = fragment.number;
        if (fragment.number != fragment.total) return false;
        Finish(fragment, partial->payload, held + length, assembly);
        partial->lastNumber = 0;
        return true;
    }

    // Only a first sentence starts a message: one that starts from a later
    // sentence would complete without the sentences before it.
    if (partial != nullptr) partial->lastNumber = 0;
    if (fragment.number != 1 || length > kAisPayloadCapacity) return false;
    if (fragment.total == 1) {
        Finish(fragment, payload, length, assembly);
        return true;
    }
    AisPartial& started = FreeOrOldest(assembly);
    started.total = fragment.total;
    started.lastNumber = 1;
    started.sequentialId = fragment.sequentialId;
    started.channel = fragment.channel;
    std::memcpy(started.formatter, fragment.formatter, 3);
    started.started = ++assembly.starts;
    std::memcpy(started.payload, payload, length);
    started.payload[length] = '\0';
    return false;
}

} // namespace varo
