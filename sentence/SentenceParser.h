// The sentence parser: validates a received line and decodes it into the record.
#pragma once

#include <cstdint>

#include "sentence/SentenceRecord.h"

namespace varo {

// Why a line did not parse, in the order the parser checks.
enum class ParseFailure : std::uint8_t {
    None,
    Ending,           // no CR LF at the end of the terminated line
    NotASentence,     // no '*' with two checksum characters after it
    Checksum,         // the checksum does not match
    TooLong,          // over kMaxMarkedLineLength once empty fields are marked
    UnknownFormatter, // no decoder for the formatter
    Fields,           // the wrong number of fields (commas)
    Range,            // a field blank or out of range where that is not allowed
};

// The reason as the command line prints it ("checksum", "unknown formatter" ...).
const char* ParseFailureText(ParseFailure failure);

// Parses one line that ends in CR LF. `line` is a terminated string in a
// writable buffer of kLineBufferSize bytes; the parser rewrites it in place
// (empty-field marks, the ZQT header) and never writes past 99 characters.
// A line not terminated within the buffer fails. After a failure the record's
// contents are void and `failure`, when given, says why.
bool ParseSentence(char* line, SentenceRecord& record, ParseFailure* failure = nullptr);

// ParseSentence for a sentence of another device's log, in a buffer of
// kLenientBufferSize bytes: longer lines, and the longer and shorter forms of
// the decoder table's lenient reading.
bool ParseLenientSentence(char* line, SentenceRecord& record, ParseFailure* failure = nullptr);

// XOR of the characters between the start character and the first '*' against
// the two upper-case hexadecimal digits after the '*'.
bool VerifyChecksum(const char* line);

// Writes a blank into every empty field (after each comma followed by a comma
// or '*'); fails when the result would pass kMaxMarkedLineLength characters.
// `line` must be a terminated string in a buffer of kLineBufferSize bytes.
bool MarkEmptyFields(char* line);

} // namespace varo
