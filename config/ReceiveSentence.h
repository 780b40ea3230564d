// The receive-side entry of the codec: parse a received line, file it in the
// sentence store and feed encapsulation sentences to the AIS path. The receive
// path calls it for every line while it waits for the gateway's answer, then
// reads DeviceRecord.
#pragma once

#include "ais/AisState.h"
#include "config/SentenceStore.h"
#include "sentence/LenientLine.h"
#include "sentence/SentenceRecord.h"

namespace varo {

// The clock whose reading fills the store's time-stamp cell for each received
// sentence. Replaceable for tests; nullptr restores the system clock.
using StampClock = UpdateStamp (*)();
void SetStampClock(StampClock clock);
UpdateStamp SystemStampClock();

// What became of one line, for callers that need more than the result.
struct ReceiveOutcome {
    bool parsed = false;  // the line parsed (and was stored)
    AisReceiveResult ais; // an AIS message completed, and the target it updated
};

// `line`: the received line with its CR LF, terminated, in a writable buffer
// of kLineBufferSize bytes; `record`: the shared received record. Parses the
// line (false on failure) and stores the sentence whatever its formatter. Any
// sentence but a '!' one then clears the AIS assembly and message record and
// yields true; a '!' sentence yields true when it completed an AIS message.
bool ReceiveSentence(char* line, SentenceRecord& record, ReceiveOutcome* outcome = nullptr,
                     SentenceStore& store = ProgramSentenceStore(),
                     AisState& ais = ProgramAisState());

// The lenient reading of one line of another device's log (see LenientLine),
// for display and the command line: parses `text` and feeds an encapsulation
// sentence, with its whole payload, to the AIS path as ReceiveSentence does,
// but stores nothing. `failure`, when given, says why a line did not parse.
bool ReceiveLenientLine(std::string_view text, LenientLine& line, SentenceRecord& record,
                        ReceiveOutcome* outcome = nullptr, ParseFailure* failure = nullptr,
                        AisState& ais = ProgramAisState());

} // namespace varo
