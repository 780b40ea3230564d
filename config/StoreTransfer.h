// Moving values between a sentence's field set and its store record. One
// transfer function per formatter serves both storing (sentence -> store,
// flags tested) and loading (store -> sentence, the mirror used to build a
// sentence from the last values), so the two directions cannot drift apart.
#pragma once

#include <cstddef>
#include <cstring>

#include "config/SentenceStore.h"

namespace varo {

enum class Direction { Store, Load };

template <typename SentenceField, typename StoreField>
void Move(Direction direction, SentenceField& sentence, StoreField& store) {
    if (direction == Direction::Store) {
        store = static_cast<StoreField>(sentence);
    } else {
        sentence = static_cast<SentenceField>(store);
    }
}

// Copies a text up to its terminator, cut to what the destination holds, and
// terminates it; a source without terminator is read no further than its size.
inline void CopyText(char* destination, std::size_t destinationSize, const char* source,
                     std::size_t sourceSize) {
    const std::size_t limit = destinationSize - 1 < sourceSize ? destinationSize - 1 : sourceSize;
    const std::size_t length = strnlen(source, limit);
    std::memcpy(destination, source, length);
    destination[length] = '\0';
}

template <std::size_t SentenceSize, std::size_t StoreSize>
void MoveText(Direction direction, char (&sentence)[SentenceSize], char (&store)[StoreSize]) {
    if (direction == Direction::Store) {
        CopyText(store, StoreSize, sentence, SentenceSize);
    } else {
        CopyText(sentence, SentenceSize, store, StoreSize);
    }
}

template <typename Block> void MoveBlock(Direction direction, Block& sentence, Block& store) {
    if (direction == Direction::Store) {
        std::memcpy(&store, &sentence, sizeof store);
    } else {
        std::memcpy(&sentence, &store, sizeof store);
    }
}

// Sets a validity flag (never clears it) and copies the receive time.
inline void SetFlag(std::uint8_t& flag, UpdateStamp& stamp, const SentenceStore& store) {
    flag = 1;
    stamp = store.timeStamp;
}
inline void SetFlag(std::uint8_t& flag) {
    flag = 1;
}

using TransferFunction = void (*)(Direction direction, SentenceRecord& sentence,
                                  SentenceStore& store);

// Categories 1 and 2.
void TransferGga(Direction, SentenceRecord&, SentenceStore&);
void TransferGbs(Direction, SentenceRecord&, SentenceStore&);
void TransferGll(Direction, SentenceRecord&, SentenceStore&);
void TransferGsa(Direction, SentenceRecord&, SentenceStore&);
void TransferGsv(Direction, SentenceRecord&, SentenceStore&);
void TransferRmc(Direction, SentenceRecord&, SentenceStore&);
void TransferVtg(Direction, SentenceRecord&, SentenceStore&);
void TransferZda(Direction, SentenceRecord&, SentenceStore&);
void TransferGns(Direction, SentenceRecord&, SentenceStore&);
void TransferVbw(Direction, SentenceRecord&, SentenceStore&);
void TransferRot(Direction, SentenceRecord&, SentenceStore&);
void TransferHdt(Direction, SentenceRecord&, SentenceStore&);

// Categories 3, 4 and 5.
void TransferLongRange(Direction, SentenceRecord&, SentenceStore&);
void TransferDsc(Direction, SentenceRecord&, SentenceStore&);
void TransferSsd(Direction, SentenceRecord&, SentenceStore&);
void TransferVsd(Direction, SentenceRecord&, SentenceStore&);
void TransferAca(Direction, SentenceRecord&, SentenceStore&);
void TransferAcs(Direction, SentenceRecord&, SentenceStore&);
void TransferAbm(Direction, SentenceRecord&, SentenceStore&);
void TransferBbm(Direction, SentenceRecord&, SentenceStore&);
void TransferVdm(Direction, SentenceRecord&, SentenceStore&);
void TransferVdo(Direction, SentenceRecord&, SentenceStore&);
void TransferTxt(Direction, SentenceRecord&, SentenceStore&);
void TransferAbk(Direction, SentenceRecord&, SentenceStore&);
void TransferAlr(Direction, SentenceRecord&, SentenceStore&);
void TransferAck(Direction, SentenceRecord&, SentenceStore&);

// Category 6.
void TransferMid(Direction, SentenceRecord&, SentenceStore&);
void TransferBdy(Direction, SentenceRecord&, SentenceStore&);
void TransferTst(Direction, SentenceRecord&, SentenceStore&);
void TransferCtt(Direction, SentenceRecord&, SentenceStore&);
void TransferFrq(Direction, SentenceRecord&, SentenceStore&);
void TransferBth(Direction, SentenceRecord&, SentenceStore&);
void TransferDbg(Direction, SentenceRecord&, SentenceStore&);
void TransferTps(Direction, SentenceRecord&, SentenceStore&);
void TransferMob(Direction, SentenceRecord&, SentenceStore&);

struct StoreEntry {
    char formatter[4];
    SentenceCategory category;
    TransferFunction transfer;
    bool loadable; // loadSentence fills the sentence from the store
};

// The entry of `formatter`, or nullptr when it has no category.
const StoreEntry* FindStoreEntry(const char* formatter);

} // namespace varo
