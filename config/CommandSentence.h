// Building sentences from the store: every command the tool sends takes this
// road. The sender writes the command's values into DeviceRecord, then asks
// for the sentence by talker and formatter.
#pragma once

#include <cstddef>

#include "config/SentenceStore.h"
#include "sentence/SentenceRecord.h"

namespace varo {

// The size of the buffer the command path sends from; it holds the longest
// command the tool sends (a DBG in the ZQT form, 76 characters with its ending).
inline constexpr std::size_t kCommandBufferSize = 100;

// Fills the fields of `sentence`'s formatter from its store record: the
// proprietary formatters from DeviceRecord, the formatters of the flat list
// from the other records. Flags, stamps and FixDeviceType are never copied;
// a formatter without a store record (or not mirrored) leaves the fields as
// they were. False when nothing was filled.
bool loadSentence(SentenceRecord& sentence, SentenceStore& store = ProgramSentenceStore());

// The outgoing sentence record, reserved for commands. Its fields keep what
// the previous command left wherever the next formatter does not write.
SentenceRecord& OutgoingSentenceRecord();

// Sets the outgoing record's talker (at most two characters, the tool passes
// "P") and formatter (three letters), loads it from the program's store and
// composes it into `buffer` (`size` bytes), checksum and CR LF included.
// False when the composer does not finish the sentence; send nothing then.
bool buildCommandSentence(char* buffer, std::size_t size, const char* talker,
                          const char* formatter);

// The same with an explicit store and outgoing record.
bool buildCommandSentence(char* buffer, std::size_t size, const char* talker, const char* formatter,
                          SentenceStore& store, SentenceRecord& outgoing);

} // namespace varo
