// ParseSentence on arbitrary input: once as the receive path prepares a line
// (at most 82 characters plus CR LF in a 100-byte buffer), once on the raw
// bytes in a 100-byte buffer that need not be terminated.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "sentence/SentenceParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static varo::SentenceRecord record{};

    char line[varo::kLineBufferSize];
    std::size_t length = size < varo::kMaxReceivedLineLength ? size : varo::kMaxReceivedLineLength;
    const void* newline = std::memchr(data, '\n', length);
    if (newline != nullptr) {
        length = static_cast<std::size_t>(static_cast<const std::uint8_t*>(newline) - data);
    }
    std::memcpy(line, data, length);
    std::memcpy(line + length, "\r\n", 3);
    varo::ParseSentence(line, record);

    char raw[varo::kLineBufferSize];
    const std::size_t rawLength = size < sizeof raw ? size : sizeof raw;
    std::memset(raw, 'x', sizeof raw);
    std::memcpy(raw, data, rawLength);
    varo::ParseSentence(raw, record);
    return 0;
}
