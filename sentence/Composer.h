// The sentence composer: turns a filled SentenceRecord into the text of one
// IEC 61162-1 sentence, checksum ending and CR LF included.
//
// Each formatter's writer formats its fields into small texts of their own
// (empty for a not-available value) and prints the sentence in one go. Values
// out of range never fail; they give empty fields.
#pragma once

#include <cstddef>

#include "sentence/SentenceRecord.h"

namespace varo {

// Writes the sentence of `sentence.formatter` into `buffer` (`size` bytes, the
// caller's) and finishes it. False, with nothing written, for a formatter the
// composer does not know; false, with `buffer` emptied, when the sentence does
// not fit.
bool composeSentence(char* buffer, std::size_t size, const SentenceRecord& sentence);

// Appends "*hh\r\n" to the terminated text in `buffer`: the XOR of every
// character after the first. False, appending nothing, when the text is not
// terminated within `size` (or 65535) bytes or the ending does not fit.
bool finishSentence(char* buffer, std::size_t size);

struct SplitDegrees {
    int degrees;
    int minutes;
    int fraction; // minute fraction in 1/100000
};

// Whole degrees, whole minutes and the minute fraction of a non-negative angle,
// in single precision: 24.5 gives 24, 30, 0.
SplitDegrees splitDegrees(float degrees);

// True when the composer has a writer for `formatter` (three letters).
bool canComposeSentence(const char* formatter);

} // namespace varo
