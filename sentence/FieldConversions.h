// Field tokenizing and the conversions every field decoder uses.
//
// All functions work in the caller's line buffer, which NextField cuts into
// terminated fields in place. An empty field has been marked as a single blank
// before any decoder runs, so "blank" below means a field that is " ".
#pragma once

#include <cstdint>

#include "sentence/SentenceRecord.h"

namespace varo {

// True exactly when `line` holds `count` commas.
bool CountCommas(const char* line, int count);

// Cuts the next field off the line. With a line, tokenizing starts at its
// beginning; with nullptr it continues from the shared cursor, so only one line
// is tokenized at a time. Only the first delimiter character counts. Returns
// nullptr when the delimiter is not found (and ends the line's tokenizing).
// Leading blanks are dropped unless the field is blanks only.
char* NextField(char* line, const char* delimiters);

// True for the empty-field marker.
inline bool IsBlankField(const char* field) {
    return field[0] == kEmptyFieldMark;
}

// Decimal integer like strtol: leading white space, optional sign, digits up to
// the first other character, 0 when there are none, saturating at the 64-bit range.
std::int64_t ParseInteger(const char* text);
// Decimal (or hexadecimal-float) real like strtod.
double ParseDouble(const char* text);
// ParseDouble narrowed to 32 bits; values beyond the float range become infinities.
float ParseReal(const char* text);

// ddmm.mmmm -> degrees; a result above `limit` becomes limit + 1.
float NmeaToDegrees(float value, float limit);

// Latitude, N/S, longitude, E/W -> `destination`; returns the field after the group.
char* ParseLatLon(char* field, LatLon& destination);
// hhmmss.ss -> `destination`; returns the next field.
char* ParseUtcTime(char* field, UtcTime& destination);
// ddmmyy -> `destination`; returns the next field.
char* ParseDate(char* field, NmeaDate& destination);

// Upper-case hexadecimal digits -> byte (the low 8 bits); false on any other character.
bool ParseHexByte(const char* text, std::uint8_t& byte);

// The conversions without the field stepping, for decoders that fetch their own fields.
// ReadLatLonGroup fetches the three fields after `latitudeField` itself.
void ReadLatLonGroup(const char* latitudeField, LatLon& destination);
void ConvertUtcTime(const char* field, UtcTime& destination);
void ConvertDate(const char* field, NmeaDate& destination);

} // namespace varo
