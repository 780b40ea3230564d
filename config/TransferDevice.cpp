// DeviceRecord: the gateway's proprietary sentences MID, BDY, TST, CTT, FRQ,
// BTH, DBG, TPS and MOB. Loading fills the outgoing sentence from the values
// a command sender wrote here.
#include <cstdint>
#include <cstring>

#include "config/StoreTransfer.h"

namespace varo {
namespace {

constexpr bool kStoring(Direction direction) {
    return direction == Direction::Store;
}
constexpr std::uint32_t kNineDigitLimit = 999999999;

// CTT modes the gateway answers with; any other letter is kept as 255.
std::uint8_t StoredCttMode(char mode) {
    return mode == 'C' || mode == 'Q' || mode == 'R' ? static_cast<std::uint8_t>(mode) : 255;
}

} // namespace

void TransferMid(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    DeviceRecord& r = store.device;
    Move(d, sentence.payload.mid.firstNumber, r.midNumber1);
    Move(d, sentence.payload.mid.secondNumber, r.midNumber2);
    if (kStoring(d) && r.midNumber1 < kNineDigitLimit) {
        SetFlag(r.midNumber1Valid);
    }
    if (kStoring(d) && r.midNumber2 < kNineDigitLimit) {
        SetFlag(r.midNumber2Valid);
    }
}

void TransferBdy(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    BdyFields& f = sentence.payload.bdy;
    DeviceRecord& r = store.device;
    Move(d, f.number, r.bdyNumber);
    MoveText(d, f.firstText, r.bdyText1);
    MoveText(d, f.secondText, r.bdyText2);
    Move(d, f.firstFlag, r.bdyFlag1);
    Move(d, f.secondFlag, r.bdyFlag2);
    if (kStoring(d) && (r.bdyNumber < kNineDigitLimit || r.bdyFlag2 == 1)) {
        SetFlag(r.bdyValid);
    }
}

void TransferTst(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    TstFields& f = sentence.payload.tst;
    DeviceRecord& r = store.device;
    Move(d, f.number, r.tstNumber);
    Move(d, f.value, r.tstValue);
    Move(d, f.lowerCaseLetter, r.tstLowerCaseLetter);
    Move(d, f.letter, r.tstLetter);
    Move(d, f.code, r.tstCode);
    if (!kStoring(d)) {
        return;
    }
    if (r.tstNumber < 99999) {
        SetFlag(r.tstNumberValid);
    }
    if (r.tstLetter >= 'A' && r.tstLetter <= 'Z') {
        SetFlag(r.tstLetterValid);
    }
    if (r.tstCode != 0xFFFF) {
        SetFlag(r.tstCodeValid);
    }
}

// The item flag valid bytes and cttValid are assigned both ways; the sender's
// mode byte goes out as it is (the composer writes anything but A or C as Q).
void TransferCtt(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    CttFields& f = sentence.payload.ctt;
    DeviceRecord& r = store.device;
    if (kStoring(d)) {
        r.cttMode = StoredCttMode(f.mode);
    } else {
        f.mode = static_cast<char>(r.cttMode);
    }
    Move(d, f.subject, r.cttSubject);
    for (int i = 0; i < 5; ++i) {
        Move(d, f.items[i].identifier, r.cttItems[i].identifier);
        Move(d, f.items[i].flag, r.cttItems[i].flag);
        if (kStoring(d)) {
            r.cttItems[i].flagValid = r.cttItems[i].flag <= 1 ? 1 : 0;
        }
    }
    if (kStoring(d)) {
        r.cttValid = r.cttSubject <= kCttSubjectLimit ? 1 : 0;
    }
}

void TransferFrq(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    FrqFields& f = sentence.payload.frq;
    DeviceRecord& r = store.device;
    for (int i = 0; i < 2; ++i) {
        Move(d, f.values[i], r.frqValues[i]);
        Move(d, f.counts[i], r.frqCounts[i]);
        if (kStoring(d) && r.frqValues[i] < kNineDigitLimit && r.frqCounts[i] <= 10) {
            SetFlag(r.frqValid[i]);
        }
    }
}

void TransferBth(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    BthFields& f = sentence.payload.bth;
    DeviceRecord& r = store.device;
    bool codesValid = true;
    for (int i = 0; i < 6; ++i) {
        Move(d, f.codes[i], r.bthCodes[i]);
        codesValid = codesValid && r.bthCodes[i] < 256;
    }
    MoveText(d, f.text, r.bthText);
    if (kStoring(d) && codesValid) {
        SetFlag(r.bthCodesValid);
    }
    if (kStoring(d) && r.bthText[0] != '\0') {
        SetFlag(r.bthTextValid);
    }
}

// The command letter of the ZQT form travels in the record's header.
void TransferDbg(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    DbgFields& f = sentence.payload.dbg;
    DbgPairs& r = store.device.dbgPairs;
    for (int i = 0; i < 4; ++i) {
        Move(d, f.codes[i], r.codes[i]);
        Move(d, f.values[i], r.values[i]);
        if (kStoring(d) && r.codes[i] >= 0 && r.codes[i] <= 999) {
            SetFlag(r.codeValid[i]);
        }
    }
    Move(d, sentence.commandChar, store.device.dbgCommandChar);
}

void TransferTps(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    DeviceRecord& r = store.device;
    Move(d, sentence.payload.tps.code, r.tpsCode);
    MoveText(d, sentence.payload.tps.text, r.tpsText);
    if (kStoring(d) && r.tpsCode >= 0) {
        SetFlag(r.tpsValid);
    }
}

// Byte 2 is stored only when present; data bytes only with a count from 1 to
// 19, any other count becoming 0 (in both directions).
void TransferMob(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    MobFields& f = sentence.payload.mob;
    DeviceRecord& r = store.device;
    MoveBlock(d, f.code, r.mobCode);
    Move(d, f.number, r.mobNumber);
    Move(d, f.firstByte, r.mobByte1);
    Move(d, f.secondBytePresent, r.mobByte2Present);
    if (!kStoring(d) || r.mobByte2Present != 0) {
        Move(d, f.secondByte, r.mobByte2);
    }
    const std::uint8_t count = kStoring(d) ? f.dataCount : r.mobDataCount;
    const bool usable = count >= 1 && count <= kMobDataCapacity;
    std::uint8_t& destinationCount = kStoring(d) ? r.mobDataCount : f.dataCount;
    destinationCount = usable ? count : 0;
    if (usable) {
        std::memcpy(kStoring(d) ? r.mobData : f.data, kStoring(d) ? f.data : r.mobData, count);
    }
}

} // namespace varo
