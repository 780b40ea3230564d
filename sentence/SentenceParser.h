// The sentence parser: validates a received line and decodes it into the record.
#pragma once

#include "sentence/SentenceRecord.h"

namespace varo {

// Parses one line that ends in CR LF. `line` is a terminated string in a
// writable buffer of kLineBufferSize bytes; the parser rewrites it in place
// (empty-field marks, the ZQT header) and never writes past 99 characters.
// A line not terminated within the buffer fails. After a failure the record's
// contents are void.
bool ParseSentence(char* line, SentenceRecord& record);

// XOR of the characters between the start character and the first '*' against
// the two upper-case hexadecimal digits after the '*'.
bool VerifyChecksum(const char* line);

// Writes a blank into every empty field (after each comma followed by a comma
// or '*'); fails when the result would pass kMaxMarkedLineLength characters.
// `line` must be a terminated string in a buffer of kLineBufferSize bytes.
bool MarkEmptyFields(char* line);

} // namespace varo
