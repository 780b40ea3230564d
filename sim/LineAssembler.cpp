#include "sim/LineAssembler.h"

namespace varo::sim {

std::vector<std::string> LineAssembler::Feed(const char* bytes, std::size_t count) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = bytes[i];
        if (c != '\n') {
            if (FLine.size() < kMaxHeldLine) FLine.push_back(c);
            continue;
        }
        if (!FLine.empty() && FLine.back() == '\r') FLine.pop_back();
        lines.push_back(std::move(FLine));
        FLine.clear();
    }
    return lines;
}

} // namespace varo::sim