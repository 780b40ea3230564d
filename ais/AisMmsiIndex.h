// A small open-addressing hash from MMSI to target-table entry, kept in step
// with entries 1 and up of the table, so that finding a known target takes a
// probe or two instead of a scan of up to 2250 MMSIs. It stores entry numbers
// only and reads the MMSIs from the table's column, so while those entries hold
// distinct MMSIs (the decoder creates an entry only after a search found none)
// it answers exactly what a scan in table order answers.
#pragma once

#include <cstdint>

namespace varo {

struct AisMmsiIndex {
    // A power of two; at the table's capacity it is a little over half full.
    static constexpr unsigned kSlots = 4096;
    uint16_t entryOfSlot[kSlots] = {}; // entry number + 1; 0 is an empty slot
};

// The entry whose MMSI in `column` is `mmsi`, or -1.
int AisIndexFind(const AisMmsiIndex& index, const uint32_t* column, uint32_t mmsi);

// Adds `entry`, keyed by its MMSI in `column`; the MMSI must not be indexed yet.
void AisIndexInsert(AisMmsiIndex& index, const uint32_t* column, int entry);

// Removes `entry`, keyed by its MMSI in `column`: call before that MMSI changes.
void AisIndexErase(AisMmsiIndex& index, const uint32_t* column, int entry);

} // namespace varo
