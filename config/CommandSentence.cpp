#include "config/CommandSentence.h"

#include <cstring>

#include "config/StoreTransfer.h"
#include "sentence/Composer.h"

namespace varo {

bool loadSentence(SentenceRecord& sentence, SentenceStore& store) {
    const StoreEntry* entry = FindStoreEntry(sentence.formatter);
    if (entry == nullptr || !entry->loadable) {
        return false;
    }
    entry->transfer(Direction::Load, sentence, store);
    return true;
}

SentenceRecord& OutgoingSentenceRecord() {
    static SentenceRecord outgoing{};
    return outgoing;
}

bool buildCommandSentence(char* buffer, std::size_t size, const char* talker,
                          const char* formatter) {
    return buildCommandSentence(buffer, size, talker, formatter, ProgramSentenceStore(),
                                OutgoingSentenceRecord());
}

bool buildCommandSentence(char* buffer, std::size_t size, const char* talker, const char* formatter,
                          SentenceStore& store, SentenceRecord& outgoing) {
    std::memset(outgoing.talker, 0, sizeof outgoing.talker);
    std::memset(outgoing.formatter, 0, sizeof outgoing.formatter);
    std::memcpy(outgoing.talker, talker, strnlen(talker, sizeof outgoing.talker - 1));
    std::memcpy(outgoing.formatter, formatter, strnlen(formatter, sizeof outgoing.formatter - 1));
    loadSentence(outgoing, store);
    return composeSentence(buffer, size, outgoing);
}

} // namespace varo
