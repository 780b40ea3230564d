#include "ais/AisMmsiIndex.h"

namespace varo {
namespace {

constexpr unsigned kMask = AisMmsiIndex::kSlots - 1;
static_assert((AisMmsiIndex::kSlots & kMask) == 0);

// Fibonacci hashing: the top 12 bits of the product spread nearby MMSIs.
unsigned Home(uint32_t mmsi) {
    static_assert(AisMmsiIndex::kSlots == 1u << 12);
    return (mmsi * 2654435761u) >> 20;
}

// Whether `home` lies cyclically in (gap, slot]: an entry there may not move
// back into the gap without becoming unreachable from its home.
bool HomeBetween(unsigned gap, unsigned slot, unsigned home) {
    return gap <= slot ? (gap < home && home <= slot) : (gap < home || home <= slot);
}

} // namespace

int AisIndexFind(const AisMmsiIndex& index, const uint32_t* column, uint32_t mmsi) {
    for (unsigned slot = Home(mmsi);; slot = (slot + 1) & kMask) {
        const unsigned stored = index.entryOfSlot[slot];
        if (stored == 0) return -1;
        if (column[stored - 1] == mmsi) return static_cast<int>(stored - 1);
    }
}

void AisIndexInsert(AisMmsiIndex& index, const uint32_t* column, int entry) {
    unsigned slot = Home(column[entry]);
    while (index.entryOfSlot[slot] != 0)
        slot = (slot + 1) & kMask;
    index.entryOfSlot[slot] = static_cast<uint16_t>(entry + 1);
}

void AisIndexErase(AisMmsiIndex& index, const uint32_t* column, int entry) {
    unsigned gap = Home(column[entry]);
    while (index.entryOfSlot[gap] != static_cast<uint16_t>(entry + 1)) {
        if (index.entryOfSlot[gap] == 0) return; // not indexed
        gap = (gap + 1) & kMask;
    }
    // Backward-shift deletion: pull later members of the probe run into the
    // gap, so that lookups never need tombstones.
    for (unsigned slot = (gap + 1) & kMask; index.entryOfSlot[slot] != 0;
         slot = (slot + 1) & kMask) {
        if (HomeBetween(gap, slot, Home(column[index.entryOfSlot[slot] - 1]))) continue;
        index.entryOfSlot[gap] = index.entryOfSlot[slot];
        gap = slot;
    }
    index.entryOfSlot[gap] = 0;
}

} // namespace varo
