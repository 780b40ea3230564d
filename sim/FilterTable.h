#pragma once

// The gateway's conversion filters: for every row of the conversion map, one
// on/off flag per related identifier. All on at start and after a restore.

#include "sentence/SentenceRecord.h"

#include <array>
#include <cstdint>
#include <vector>

namespace varo::sim {

struct FilterRow {
    std::int32_t key;
    int count; // related identifiers in use, 1 to 5
    std::array<std::int32_t, 5> identifiers;
    std::array<std::int8_t, 5> flags;
};

// The tool names the single "all AIS PGNs" entry of the VDM and VDO rows by this identifier.
inline constexpr std::int32_t kAisAllAlias = 210028;

class FilterTable {
public:
    FilterTable() { RestoreDefaults(); }

    void RestoreDefaults();
    const FilterRow* Find(std::int32_t key) const;
    // Stores the flags of a change command: a pair counts when its identifier
    // is the row's identifier in that slot (or the AIS alias where the row
    // has the "all" marker) and its flag is 0 or 1. False when no row has the key.
    bool Change(std::int32_t key, const varo::CttItem (&items)[5]);

private:
    std::vector<FilterRow> FRows;
};

} // namespace varo::sim