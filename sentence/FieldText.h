// The decoded fields of a parsed sentence as text: one line per field with
// its name, its value and its unit, from the field set layouts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sentence/SentenceRecord.h"

namespace varo {

struct FieldText {
    std::string name;  // "Speed over ground": the layout's name, spaced and capitalised
    std::string value; // "" when the sentence left the field empty
    std::string_view unit;
};

// Degrees as "ddd mm.mmm' H", H `positive` or `negative` by the sign.
std::string AngleText(double degrees, char positive, char negative);

// "speed_over_ground" -> "Speed over ground".
std::string FieldDisplayName(std::string_view name);

// The fields of the record's formatter in stored order; empty when the
// formatter has no layout. Positions give latitude and longitude in degrees
// and minutes with their hemisphere, times hh:mm:ss.ss, dates yyyy-mm-dd.
// With `lenient` the fields that only a lenient reading fills are included.
std::vector<FieldText> DescribeFields(const SentenceRecord& record, bool lenient = false);

} // namespace varo
