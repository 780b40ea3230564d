#include "ais/AisAssembly.h"

#include <cstring>

namespace varo {
namespace {

bool Continues(const AisFragment& fragment, const AisAssembly& assembly) {
    return std::memcmp(fragment.formatter, assembly.formatter, 3) == 0 &&
           fragment.total == assembly.total && fragment.sequentialId == assembly.sequentialId &&
           fragment.number == assembly.lastNumber + 1;
}

} // namespace

bool AddFragment(const AisFragment& fragment, AisAssembly& assembly) {
    const char* payload = fragment.payload != nullptr ? fragment.payload : "";
    const std::size_t length = strnlen(payload, kAisPayloadCapacity + 1);

    if (Continues(fragment, assembly)) {
        const std::size_t held = strnlen(assembly.payload, kAisPayloadCapacity);
        if (held + length > kAisPayloadCapacity) {
            assembly = AisAssembly{};
            return false;
        }
        std::memcpy(assembly.payload + held, payload, length);
        assembly.payload[held + length] = '\0';
        assembly.lastNumber = fragment.number;
        if (fragment.number != fragment.total) return false;
        assembly.fillBits = fragment.fillBits;
        return true;
    }

    // Only a first sentence starts a message: one that starts from a later
    // sentence would complete without the sentences before it.
    assembly = AisAssembly{};
    if (fragment.number != 1 || length > kAisPayloadCapacity) return false;
    assembly.total = fragment.total;
    assembly.lastNumber = fragment.number;
    assembly.sequentialId = fragment.sequentialId;
    assembly.channel = fragment.channel;
    std::memcpy(assembly.payload, payload, length);
    assembly.fillBits = fragment.fillBits;
    std::memcpy(assembly.formatter, fragment.formatter, 3);
    return fragment.total == 1 && fragment.number == 1;
}

} // namespace varo
