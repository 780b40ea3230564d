#pragma once

#include <cstdint>

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

} // namespace ctt

} // namespace varo
