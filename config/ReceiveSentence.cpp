#include "config/ReceiveSentence.h"

#include <chrono>
#include <cstring>

#include "sentence/SentenceParser.h"

namespace varo {
namespace {

StampClock gStampClock = SystemStampClock;

// The fields of an encapsulation sentence as one AIS fragment. Only the four
// encapsulation formatters carry one: a '!' sentence of any other formatter
// holds another field set, which must not be read as a fragment.
bool MakeFragment(const SentenceRecord& record, AisFragment& fragment) {
    const SentencePayload& payload = record.payload;
    if (std::strcmp(record.formatter, "VDM") == 0 || std::strcmp(record.formatter, "VDO") == 0) {
        fragment = {payload.vdm.totalSentences,
                    payload.vdm.sentenceNumber,
                    payload.vdm.sequentialIdentifier,
                    static_cast<std::int8_t>(payload.vdm.channel),
                    payload.vdm.payload,
                    payload.vdm.fillBits,
                    {}};
    } else if (std::strcmp(record.formatter, "ABM") == 0) {
        fragment = {payload.abm.totalSentences,
                    payload.abm.sentenceNumber,
                    payload.abm.sequentialIdentifier,
                    static_cast<std::int8_t>(payload.abm.channel),
                    payload.abm.payload,
                    payload.abm.fillBits,
                    {}};
    } else if (std::strcmp(record.formatter, "BBM") == 0) {
        fragment = {payload.bbm.totalSentences,
                    payload.bbm.sentenceNumber,
                    payload.bbm.sequentialIdentifier,
                    payload.bbm.channel,
                    payload.bbm.payload,
                    payload.bbm.fillBits,
                    {}};
    } else {
        return false;
    }
    std::memcpy(fragment.formatter, record.formatter, sizeof fragment.formatter);
    return true;
}

} // namespace

UpdateStamp SystemStampClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    return {static_cast<std::uint32_t>(milliseconds / 1000),
            static_cast<std::uint16_t>(milliseconds % 1000)};
}

void SetStampClock(StampClock clock) {
    gStampClock = clock != nullptr ? clock : SystemStampClock;
}

namespace {

// The AIS steps that follow a parsed sentence; `payload`, when given, stands
// for the payload field the record holds.
void FeedAis(const SentenceRecord& record, const char* payload, ReceiveOutcome& result,
             AisState& ais) {
    if (record.startChar != '!') {
        AisClear(ais);
        return;
    }
    AisFragment fragment;
    if (MakeFragment(record, fragment)) {
        if (payload != nullptr) fragment.payload = payload;
        result.ais = AisReceiveFragment(fragment, ais);
    }
}

} // namespace

bool ReceiveSentence(char* line, SentenceRecord& record, ReceiveOutcome* outcome,
                     SentenceStore& store, AisState& ais) {
    ReceiveOutcome result;
    result.parsed = ParseSentence(line, record);
    if (result.parsed) {
        store.timeStamp = gStampClock();
        storeSentence(record, store);
        FeedAis(record, nullptr, result, ais);
    }
    if (outcome != nullptr) {
        *outcome = result;
    }
    return result.parsed && (record.startChar != '!' || result.ais.complete);
}

bool ReceiveLenientLine(std::string_view text, LenientLine& line, SentenceRecord& record,
                        ReceiveOutcome* outcome, ParseFailure* failure, AisState& ais) {
    ReceiveOutcome result;
    result.parsed = ReadLenientLine(text, line, record, failure);
    if (result.parsed) FeedAis(record, line.aisPayload, result, ais);
    if (outcome != nullptr) *outcome = result;
    return result.parsed;
}

} // namespace varo
