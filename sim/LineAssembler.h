#pragma once

// Cuts the bytes the tool sends into lines at LF, dropping the CR before it.

#include <cstddef>
#include <string>
#include <vector>

namespace varo::sim {

class LineAssembler {
public:
    // A line that grows past this without an LF is cut here; the rest of it
    // is dropped, so a stream without line ends cannot exhaust memory.
    static constexpr std::size_t kMaxHeldLine = 512;

    // Appends `count` bytes and returns the lines they complete.
    std::vector<std::string> Feed(const char* bytes, std::size_t count);
    void Clear() { FLine.clear(); }

private:
    std::string FLine;
};

} // namespace varo::sim