// The per-line work of `varo-nmea decode`, shared with its tests.
#pragma once

#include <cstddef>
#include <string_view>

#include "sentence/SentenceParser.h"
#include "sentence/SentenceRecord.h"
#include "tools/JsonWriter.h"

namespace varo {

// Tally of a decode run, for the closing summary: failures by reason.
struct DecodeTally {
    std::size_t lines = 0;
    std::size_t decoded = 0;
    std::size_t failed[static_cast<std::size_t>(ParseFailure::Range) + 1] = {};
};

// Handles one input line (without its CR/LF) as the receive path would: a line
// over kMaxReceivedLineLength characters is dropped; otherwise CR LF is
// appended and the line handed to the receive path's entry with `record`.
// Writes the line's JSON object (with the AIS message it completed, or the
// reason it failed) unless `json` is null. Returns ParseFailure::None when the
// line parsed, else why it did not. With `lenient` the line is read as a log
// of another device (ReceiveLenientLine): its TAG block printed as "tag".
ParseFailure DecodeInputLine(std::string_view text, std::size_t lineNumber, SentenceRecord& record,
                             JsonWriter* json, bool lenient = false);

} // namespace varo
