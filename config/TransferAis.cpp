// AisShipRecord (ABK, ACA, ACK, ACS, ALR, SSD, VSD, ABM, BBM, VDM, VDO, TXT),
// LongRangeRecord and DscRecord.
#include <cstdint>

#include "config/StoreTransfer.h"

namespace varo {
namespace {

constexpr bool kStoring(Direction direction) {
    return direction == Direction::Store;
}

// The AIS encapsulation fields that ABM, BBM, VDM and VDO share.
template <typename Fields> void MoveEncapsulation(Direction d, Fields& f, AisShipRecord& r) {
    Move(d, f.totalSentences, r.totalSentences);
    Move(d, f.sentenceNumber, r.sentenceNumber);
    Move(d, f.sequentialIdentifier, r.sequentialIdentifier);
    Move(d, f.channel, r.channel);
    MoveText(d, f.payload, r.payload);
    Move(d, f.fillBits, r.fillBits);
}

} // namespace

// No field decoder exists for these formatters, so their field block is kept whole.
void TransferLongRange(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    MoveBlock(d, sentence.payload.bytes, store.longRange.fields);
}

void TransferDsc(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    MoveBlock(d, sentence.payload.bytes, store.dsc.fields);
}

void TransferSsd(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    SsdFields& f = sentence.payload.ssd;
    AisShipRecord& r = store.aisShip;
    MoveText(d, f.callSign, r.callSign);
    MoveText(d, f.name, r.name);
    Move(d, f.referenceA, r.referenceA);
    Move(d, f.referenceB, r.referenceB);
    Move(d, f.referenceC, r.referenceC);
    Move(d, f.referenceD, r.referenceD);
    Move(d, f.dteIndicator, r.dteIndicator);
    MoveText(d, f.sourceIdentifier, r.sourceIdentifier);
    if (!kStoring(d)) {
        return;
    }
    if (r.callSign[0] != '\0') {
        SetFlag(r.callSignValid);
    }
    if (r.name[0] != '\0') {
        SetFlag(r.nameValid);
    }
    if (r.referenceA < 512 && r.referenceB < 512 && r.referenceC < 64 && r.referenceD < 64) {
        SetFlag(r.dimensionsValid);
    }
    if (r.dteIndicator < 2) {
        SetFlag(r.dteValid);
    }
}

// The draught and the navigational status are valid only from 0 up, so their
// not-available values (-100000 and -128) are never flagged valid.
void TransferVsd(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    VsdFields& f = sentence.payload.vsd;
    AisShipRecord& r = store.aisShip;
    Move(d, f.shipType, r.shipType);
    Move(d, f.maximumDraught, r.maximumDraught);
    Move(d, f.personsOnBoard, r.personsOnBoard);
    MoveText(d, f.destination, r.destination);
    Move(d, f.arrivalTime, r.arrivalTime);
    Move(d, f.arrivalDay, r.arrivalDay);
    Move(d, f.arrivalMonth, r.arrivalMonth);
    Move(d, f.navigationalStatus, r.navigationalStatus);
    Move(d, f.regionalFlags, r.regionalFlags);
    if (!kStoring(d)) {
        return;
    }
    if (r.shipType < 256) {
        SetFlag(r.shipTypeValid);
    }
    if (r.maximumDraught >= 0.0f && r.maximumDraught <= 25.5f) {
        SetFlag(r.draughtValid);
    }
    if (r.personsOnBoard < 8192) {
        SetFlag(r.personsValid);
    }
    if (r.destination[0] != '\0') {
        SetFlag(r.destinationValid);
    }
    if (r.arrivalTime.hour < 24 && r.arrivalDay < 32 && r.arrivalMonth <= 12) {
        SetFlag(r.arrivalValid);
    }
    if (r.navigationalStatus >= 0 && r.navigationalStatus <= 15) {
        SetFlag(r.navigationalStatusValid);
    }
}

void TransferAca(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    MoveBlock(d, sentence.payload.aca, store.aisShip.region);
}

void TransferAcs(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    MoveBlock(d, sentence.payload.acs, store.aisShip.channelManagement);
}

void TransferAbm(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    AbmFields& f = sentence.payload.abm;
    MoveEncapsulation(d, f, store.aisShip);
    Move(d, f.destinationMmsi, store.aisShip.destinationMmsi);
    Move(d, f.messageId, store.aisShip.messageId);
}

void TransferBbm(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    BbmFields& f = sentence.payload.bbm;
    MoveEncapsulation(d, f, store.aisShip);
    Move(d, f.messageId, store.aisShip.messageId);
}

void TransferVdm(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    MoveEncapsulation(d, sentence.payload.vdm, store.aisShip);
}

// A VDO without a channel (0x80) is kept as "x".
void TransferVdo(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    MoveEncapsulation(d, sentence.payload.vdm, store.aisShip);
    if (kStoring(d) && store.aisShip.channel == kNoChar) {
        store.aisShip.channel = 'x';
    }
}

void TransferTxt(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    TxtFields& f = sentence.payload.txt;
    AisShipRecord& r = store.aisShip;
    Move(d, f.totalSentences, r.textTotalSentences);
    Move(d, f.sentenceNumber, r.textSentenceNumber);
    Move(d, f.textIdentifier, r.textIdentifier);
    MoveText(d, f.text, r.text);
}

void TransferAbk(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    AbkFields& f = sentence.payload.abk;
    AisShipRecord& r = store.aisShip;
    Move(d, f.mmsi, r.acknowledgedMmsi);
    Move(d, f.channel, r.acknowledgedChannel);
    Move(d, f.messageId, r.acknowledgedMessageId);
    Move(d, f.sequenceNumber, r.acknowledgedSequenceNumber);
    Move(d, f.acknowledgementType, r.acknowledgementType);
}

void TransferAlr(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    MoveBlock(d, sentence.payload.alr, store.aisShip.alarm);
}

// Compared unsigned, as the composer does, so a negative number is not an alarm.
void TransferAck(Direction d, SentenceRecord& sentence, SentenceStore& store) {
    AisShipRecord& r = store.aisShip;
    Move(d, sentence.payload.ack.alarmId, r.acknowledgedAlarm);
    if (kStoring(d) && static_cast<std::uint16_t>(r.acknowledgedAlarm) < 1000) {
        SetFlag(r.acknowledgedAlarmValid);
    }
}

} // namespace varo
