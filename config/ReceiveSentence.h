// The receive-side entry of the codec: parse a received line and file it in
// the sentence store. The receive path calls it for every line while it waits
// for the gateway's answer, then reads DeviceRecord.
#pragma once

#include "config/SentenceStore.h"
#include "sentence/SentenceRecord.h"

namespace varo {

// The clock whose reading fills the store's time-stamp cell for each received
// sentence. Replaceable for tests; nullptr restores the system clock.
using StampClock = UpdateStamp (*)();
void SetStampClock(StampClock clock);
UpdateStamp SystemStampClock();

// `line`: the received line with its CR LF, terminated, in a writable buffer
// of kLineBufferSize bytes; `record`: the shared received record. Parses the
// line (false on failure), stamps and stores the sentence whatever its
// formatter, and returns true for any sentence but a '!' (AIS) one.
bool ReceiveSentence(char* line, SentenceRecord& record);

} // namespace varo
