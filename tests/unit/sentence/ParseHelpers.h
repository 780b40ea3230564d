#pragma once

#include <cstring>
#include <string>

#include "sentence/SentenceParser.h"

namespace varo::test {

// Parses `line` from a 100-byte buffer as the receive path hands it over.
inline bool Parse(const std::string& line, SentenceRecord& record) {
    char buffer[kLineBufferSize] = {};
    if (line.size() >= sizeof buffer) {
        return false;
    }
    std::memcpy(buffer, line.data(), line.size());
    return ParseSentence(buffer, record);
}

} // namespace varo::test
