// JSON for the command line: the fields of a completed AIS message and the
// entries of the target table. Keys come from the layout table's field names.
#pragma once

#include "ais/AisMessage.h"
#include "ais/AisTarget.h"
#include "tools/JsonWriter.h"

#include <string>
#include <string_view>

namespace varo {

// The key of a field name: lower case, every run of other characters one '_'.
std::string AisJsonKey(std::string_view fieldName);

// Writes "ais":{"type":T,"fields":{...},"target":I} for an unpacked message;
// a repeated field name gets _2, _3 ... The two destination identifiers that
// an addressed type-22 message carries after its fields are
// "destination_mmsi_1" and "destination_mmsi_2".
void WriteAisJson(JsonWriter& json, const AisMessageRecord& message, int target);

// Writes one JSON object for a target entry.
void WriteAisTargetJson(JsonWriter& json, const AisTarget& target, int index);

// Writes one object per entry in use, in table order, each on its own line.
void WriteAisTargetsJson(JsonWriter& json, const AisTargetTable& table);

} // namespace varo
