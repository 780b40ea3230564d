// The composer's per-formatter writers. Each prints the whole sentence (without
// its checksum ending) into the caller's buffer and returns false when it does
// not fit. The table in Composer.cpp maps formatters to them.
#pragma once

#include <cstddef>

#include "sentence/SentenceRecord.h"

namespace varo {

using SentenceWriter = bool (*)(char* buffer, std::size_t size, const SentenceRecord& sentence);

// AIS, alarm, GNSS and heading sentences.
bool WriteAbk(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteAbm(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteAck(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteAlr(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteBbm(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteVdm(char* buffer, std::size_t size, const SentenceRecord& sentence); // VDM and VDO
bool WriteSsd(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteVsd(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteRmc(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteGbs(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteGsa(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteHdt(char* buffer, std::size_t size, const SentenceRecord& sentence);

// The gateway's proprietary sentences.
bool WriteMid(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteBdy(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteTst(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteCtt(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteFrq(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteBth(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteDbg(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteTps(char* buffer, std::size_t size, const SentenceRecord& sentence);
bool WriteMob(char* buffer, std::size_t size, const SentenceRecord& sentence);

} // namespace varo
