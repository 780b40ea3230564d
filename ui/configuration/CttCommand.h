#pragma once

#include <cstdint>
#include <functional>

#include "ReplyWait.h"
#include "config/SentenceStore.h"

namespace varo {

class TForm1;

// The CTT fields of DeviceRecord as the filter screens fill them before a
// send. The sentence is composed from the record by SendCtt.
namespace ctt {

inline constexpr std::uint8_t kQuery = 'Q';
inline constexpr std::uint8_t kChange = 'C';
inline constexpr std::uint8_t kApply = 'A';
// An output identifier that names no output: the pair is sent empty.
inline constexpr std::uint32_t kNoOutput = 999999;
inline constexpr int kSlotCount = 5;

// The program's DeviceRecord, which every command is built from.
varo::DeviceRecord& Record();

// Mode "Q" for `subject`, the five outputs none.
void SetQuery(std::int32_t subject);
// Sends the CTT sentence built from the record; false when SendCommand failed
// (it has told the user already).
bool SendCtt(TForm1& form);

// The outcome of a request and, unless NoAnswer, the gateway's answer.
using Answered = std::function<void(ReplyOutcome, const CttFields& answer)>;
// Whether an answer about the subject is what was asked for.
using Accept = std::function<bool(const CttFields& answer)>;

// Sends the query for `subject` and waits for the gateway's CTT answer about
// it (sent again once). False when the query could not be sent.
bool Query(TForm1& form, std::int32_t subject, Answered done);
// Sends the change the record holds, then the query for `subject` as its
// read-back, and waits for the answer about `subject`; `accept` decides
// between Matched and Different. A resend repeats only the query. The record
// keeps the change, so that a later Apply builds on it.
bool ChangeAndReadBack(TForm1& form, std::int32_t subject, Accept accept, Answered done);

} // namespace ctt

} // namespace varo
