// Field texts for the composer's writers: every field is formatted into a
// small text of its own, empty when its value is not available, and the
// sentence is printed from those texts in one go.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sentence/SentenceRecord.h"

namespace varo {

// Wide enough for "%5.3f" of the largest float (39 digits, sign, point, three
// decimals), so no value is ever cut.
inline constexpr std::size_t kFieldTextSize = 48;

struct FieldText {
    char text[kFieldTextSize];
};

// The formatted value when `given`, else the empty text.
FieldText FieldIf(bool given, const char* format, ...) __attribute__((format(printf, 2, 3)));

// One character; a NUL gives the empty text, so it can never cut the sentence short.
FieldText CharText(char c);

// A real is given when it is a finite value not below -99999 (the marker is -100000).
bool IsGivenReal(float value);
// printf's "%<width>.<decimals>f" when given.
FieldText RealText(float value, int width, int decimals);

// "hhmmss.ss" when `given`.
FieldText TimeText(const UtcTime& time, bool given);

// A text field of `size` bytes, printed up to its terminator or its size.
inline int TextLength(const char* text, std::size_t size) {
    std::size_t length = 0;
    while (length + 1 < size && text[length] != '\0') {
        ++length;
    }
    return static_cast<int>(length);
}

// Prints a whole sentence into the caller's buffer; false (and the buffer
// emptied) when it does not fit.
bool PrintSentence(char* buffer, std::size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

} // namespace varo
