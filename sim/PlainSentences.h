#pragma once

// The output sentences the codec's composer has no writer for: each is a
// formatter, a talker and a field writer in one table; the text is finished
// (checksum, CR LF) by the composer.

#include "sim/OutputContext.h"
#include "sim/OutputSelection.h"

#include <string>
#include <vector>

namespace varo::sim {

// Appends the finished lines of the sentence for `tag` (GSV gives several);
// false when the table has no writer for the tag.
bool AppendPlainSentence(OutputTag tag, const OutputContext& context,
                         std::vector<std::string>& lines);

// "$", talker, formatter, ",", fields, then the checksum ending. Empty when
// the composer cannot finish it.
std::string FinishedSentence(const char* talker, const char* formatter, const std::string& fields);

} // namespace varo::sim