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
bool DecodeDsc(char* line, SentencePayload& payload);
bool DecodeXdr(char* line, SentencePayload& payload);

// The lenient readings of other devices' logs: GSV with no satellites or a
// trailing signal ID, encapsulation sentences with payloads longer than one
// strict sentence holds (the field set keeps what fits).
bool DecodeGsvLenient(char* line, SentencePayload& payload);
bool DecodeVdmLenient(char* line, SentencePayload& payload); // VDM and VDO

} // namespace varo
