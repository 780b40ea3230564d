#include "config/ReceiveSentence.h"

#include <chrono>

#include "sentence/SentenceParser.h"

namespace varo {
namespace {

StampClock gStampClock = SystemStampClock;

} // namespace

UpdateStamp SystemStampClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    return {static_cast<std::uint32_t>(milliseconds / 1000), static_cast<std::uint16_t>(milliseconds % 1000)};
}

void SetStampClock(StampClock clock) { gStampClock = clock != nullptr ? clock : SystemStampClock; }

bool ReceiveSentence(char* line, SentenceRecord& record) {
    if (!ParseSentence(line, record)) {
        return false;
    }
    SentenceStore& store = ProgramSentenceStore();
    store.timeStamp = gStampClock();
    storeSentence(record, store);
    if (record.startChar != '!') {
        // The ais library's assembly and message record are cleared here once it is wired in.
        return true;
    }
    // AIS hand-off: the ais library's assembly, de-armoring and message decoder take over here.
    return false;
}

} // namespace varo
