// Every text input is read through the line reader: any bytes must give
// lines within the bound that hold no line ending, account for every byte,
// and come out the same whether read from memory or from a file in chunks.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/LineReader.h"

namespace {

std::vector<std::string> Lines(varo::platform::LineReader& reader, std::size_t size) {
    using varo::platform::LineReader;
    std::vector<std::string> lines;
    while (reader.Next()) {
        const std::string_view line = reader.Line();
        if (line.size() > LineReader::kMaxLineLength ||
            line.find_first_of("\r\n") != std::string_view::npos ||
            (reader.Cut() && line.size() != LineReader::kMaxLineLength) || reader.Consumed() > size)
            std::abort();
        lines.emplace_back(line);
    }
    if (reader.Consumed() != size || reader.Error() != 0) std::abort();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    varo::platform::LineReader memory(text);
    const std::vector<std::string> fromMemory = Lines(memory, size);

    std::FILE* file = std::tmpfile();
    if (file == nullptr) return 0;
    std::fwrite(data, 1, size, file);
    std::rewind(file);
    varo::platform::LineReader chunked(file);
    if (Lines(chunked, size) != fromMemory) std::abort();
    std::fclose(file);
    return 0;
}
