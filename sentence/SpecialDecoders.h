// Decoders that are not a plain field list.
#pragma once

#include "sentence/SentenceRecord.h"

namespace varo {

bool DecodeAbm(char* line, SentencePayload& payload);
bool DecodeBbm(char* line, SentencePayload& payload);
bool DecodeVdm(char* line, SentencePayload& payload); // VDM and VDO
bool DecodeGsv(char* line, SentencePayload& payload);
bool DecodeMob(char* line, SentencePayload& payload);
bool DecodeQuery(char* line, SentencePayload& payload);
bool DecodeRma(char* line, SentencePayload& payload);

} // namespace varo
