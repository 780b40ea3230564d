// ParseSentence on arbitrary input: once as the receive path prepares a line
// (at most 82 characters plus CR LF in a 100-byte buffer), once on the raw
// bytes in a 100-byte buffer that need not be terminated, and once with a
// correct checksum appended so that the field decoders are reached. Then the
// lenient reading of other devices' logs on the whole input, and on up to 400
// characters of it with a correct checksum.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "sentence/LenientLine.h"
#include "sentence/SentenceParser.h"

namespace {

// Up to the first '*' or line end (at most `limit` characters), then a
// checksum that matches.
std::size_t Seal(const std::uint8_t* data, std::size_t size, std::size_t limit, char* sealed) {
    std::size_t body = 0;
    unsigned checksum = 0;
    for (; body < size && body < limit; ++body) {
        const char c = static_cast<char>(data[body]);
        if (c == '*' || c == '\0' || c == '\r' || c == '\n') {
            break;
        }
        sealed[body] = c;
        checksum ^= body > 0 ? static_cast<unsigned char>(c) : 0u;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    const char ending[] = {'*', kHex[checksum >> 4], kHex[checksum & 0xF], '\r', '\n', '\0'};
    std::memcpy(sealed + body, ending, sizeof ending);
    return body + 3;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varo;
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

    char sealed[varo::kLenientBufferSize];
    Seal(data, size, varo::kMaxReceivedLineLength - 3, sealed);
    varo::ParseSentence(sealed, record);

    char raw[varo::kLineBufferSize];
    const std::size_t rawLength = size < sizeof raw ? size : sizeof raw;
    std::memset(raw, 'x', sizeof raw);
    std::memcpy(raw, data, rawLength);
    varo::ParseSentence(raw, record);

    static varo::LenientLine lenient;
    varo::ReadLenientLine(std::string_view(reinterpret_cast<const char*>(data), size), lenient,
                          record);
    const std::size_t sealedLength = Seal(data, size, varo::kMaxLenientLineLength - 3, sealed);
    varo::ReadLenientLine(std::string_view(sealed, sealedLength), lenient, record);
    return 0;
}
