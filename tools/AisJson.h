// JSON for the command line: the fields of a completed AIS message and the
// entries of the target table. Keys come from the layout table's field names.
#pragma once

#include "ais/ais_message.h"
#include "ais/ais_target.h"

#include <string>
#include <string_view>

// The key of a field name: lower case, every run of other characters one '_'.
std::string AisJsonKey(std::string_view fieldName);

// Appends "ais":{"type":T,"fields":{...},"target":I} for an unpacked message;
// a repeated field name gets _2, _3 ... The two destination identifiers that
// an addressed type-22 message carries after its fields are
// "destination_mmsi_1" and "destination_mmsi_2".
void AppendAisJson(const AisMessageRecord& message, int target, std::string& out);

// Appends one JSON object for a target entry.
void AppendAisTargetJson(const AisTarget& target, int index, std::string& out);

// Appends one object per entry in use, in table order, each followed by "\n".
void AppendAisTargetsJson(const AisTargetTable& table, std::string& out);
