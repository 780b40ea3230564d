// JSON dump of a parsed sentence record: header and the field set as stored,
// keyed by the field set layouts.
#pragma once

#include "sentence/FieldLayout.h"
#include "sentence/SentenceRecord.h"
#include "tools/JsonWriter.h"

namespace varo {

// Writes "fields":{...} keys for the record's formatter into an open object;
// the fields only a lenient reading fills only when `lenient`.
void WriteFieldSet(JsonWriter& json, const SentenceRecord& record, bool lenient = false);

} // namespace varo
