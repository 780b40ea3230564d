#include "sim/FilterTable.h"

#include "config/ConversionMap.h"

namespace varo::sim {

void FilterTable::RestoreDefaults() {
    FRows.clear();
    for (const varo::ConversionRow& row : varo::ConversionMap) {
        FilterRow filter{row.key, row.count, {}, {}};
        for (int i = 0; i < 5; ++i) {
            // The answer names the "all AIS PGNs" entry the way the tool does.
            const std::int32_t related = row.related[i];
            filter.identifiers[i] = related == varo::ConversionAll ? kAisAllAlias : related;
            filter.flags[i] = i < row.count ? 1 : 0;
        }
        FRows.push_back(filter);
    }
}

const FilterRow* FilterTable::Find(std::int32_t key) const {
    for (const FilterRow& row : FRows)
        if (row.key == key) return &row;
    return nullptr;
}

bool FilterTable::Change(std::int32_t key, const varo::CttItem (&items)[5]) {
    for (FilterRow& row : FRows) {
        if (row.key != key) continue;
        for (int i = 0; i < row.count; ++i) {
            if (items[i].identifier == row.identifiers[i] &&
                (items[i].flag == 0 || items[i].flag == 1))
                row.flags[i] = items[i].flag;
        }
        return true;
    }
    return false;
}

} // namespace varo::sim