// The lenient reading of logs captured from other devices: a TAG block before
// the sentence, receiver metadata after the checksum, sentences longer than
// the receive path takes, and the NMEA 4.x and older forms of the decoder
// table's lenient entries. Used for display and the command line, never for
// the sentence store.
#pragma once

#include <string_view>

#include "sentence/SentenceParser.h"
#include "sentence/SentenceRecord.h"

namespace varo {

struct LenientLine {
    char sentence[kLenientBufferSize];          // the sentence with CR LF, parsed in place
    char aisPayload[kMaxLenientLineLength + 1]; // an encapsulation sentence's whole payload
    std::string_view tag; // the TAG block's fields ("s:2573535,c:1671620143"), into the text read
};

// Reads one line (without CR LF) into `line` and `record`; false, with the
// reason in `failure` when given, when no sentence decodes. A TAG block whose
// checksum does not match fails as "checksum", a line whose sentence passes
// kMaxLenientLineLength characters as "too long".
bool ReadLenientLine(std::string_view text, LenientLine& line, SentenceRecord& record,
                     ParseFailure* failure = nullptr);

// Calls `field(key, value)` for each "key:value" field of a TAG block.
template <typename Visit> void ForEachTagField(std::string_view tag, Visit&& field) {
    while (!tag.empty()) {
        const std::size_t comma = tag.find(',');
        const std::string_view item = tag.substr(0, comma);
        const std::size_t colon = item.find(':');
        if (colon != std::string_view::npos) field(item.substr(0, colon), item.substr(colon + 1));
        if (comma == std::string_view::npos) break;
        tag.remove_prefix(comma + 1);
    }
}

} // namespace varo
