// Helpers for the configuration tests: received lines with their checksum
// ending, and a fixed clock.
#pragma once

#include <cstring>
#include <string>

#include "config/ReceiveSentence.h"
#include "config/SentenceStore.h"
#include "sentence/Composer.h"

namespace varo::testing {

// A received line: `body` ("$PCTT,...") with its "*hh\r\n" ending, in a line buffer.
struct ReceivedLine {
    char text[kLineBufferSize];
    explicit ReceivedLine(const std::string& body) {
        std::memset(text, 0, sizeof text);
        std::memcpy(text, body.data(), body.size() < sizeof text ? body.size() : sizeof text - 1);
        finishSentence(text, sizeof text);
    }
};

inline constexpr UpdateStamp kFixedStamp = {1700000000, 250};
inline UpdateStamp FixedClock() {
    return kFixedStamp;
}

// Receives `body` through the receive-side entry into the program's store,
// with the program's store cleared first and the fixed clock.
inline bool ReceiveIntoClearedStore(const std::string& body, SentenceRecord& record) {
    std::memset(&ProgramSentenceStore(), 0, sizeof(SentenceStore));
    SetStampClock(FixedClock);
    ReceivedLine line(body);
    const bool received = ReceiveSentence(line.text, record);
    SetStampClock(nullptr);
    return received;
}

} // namespace varo::testing
