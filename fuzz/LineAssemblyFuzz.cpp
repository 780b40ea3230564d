// The serial line delivers any bytes in reads of any size. The assembler
// must hand out exactly the lines a simple model of the stream expects: the
// text between LFs with NUL and CR removed, when at most 82 characters long.
#include "gateway/LineAssembler.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace varo {
namespace {

std::vector<std::string> ExpectedLines(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\0' || c == '\r') continue;
        if (c != '\n') {
            line += c;
            continue;
        }
        if (line.size() <= LineAssembler::kMaxLineLength) lines.push_back(line);
        line.clear();
    }
    return lines;
}

} // namespace

// The first byte seeds the read sizes (1 to 64 bytes); the rest is the stream.

} // namespace varo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varo;
    if (size == 0) return 0;
    std::uint32_t state = data[0] | 1u;
    ++data;
    --size;

    LineAssembler assembler;
    std::vector<std::string> lines;
    std::size_t offset = 0;
    while (offset < size) {
        state = state * 1664525u + 1013904223u;
        const std::size_t read = std::min<std::size_t>(1 + (state >> 26), size - offset);
        for (std::size_t i = offset; i < offset + read; ++i) {
            if (!assembler.Add(data[i])) continue;
            const std::string_view line = assembler.Line();
            if (line.size() > LineAssembler::kMaxLineLength) std::abort();
            if (line.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos)
                std::abort();
            lines.emplace_back(line);
        }
        offset += read;
        if (assembler.PendingLength() > LineAssembler::kMaxLineLength + 1) std::abort();
    }
    if (lines != ExpectedLines(data, size)) std::abort();
    return 0;
}
