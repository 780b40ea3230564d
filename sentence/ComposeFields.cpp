#include "sentence/ComposeFields.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace varo {

FieldText FieldIf(bool given, const char* format, ...) {
    FieldText field{};
    if (given) {
        va_list arguments;
        va_start(arguments, format);
        std::vsnprintf(field.text, sizeof field.text, format, arguments);
        va_end(arguments);
    }
    return field;
}

FieldText CharText(char c) {
    FieldText field{};
    field.text[0] = c;
    return field;
}

bool IsGivenReal(float value) {
    return std::isfinite(value) && value >= -99999.0f;
}

FieldText RealText(float value, int width, int decimals) {
    return FieldIf(IsGivenReal(value), "%*.*f", width, decimals, static_cast<double>(value));
}

FieldText TimeText(const UtcTime& time, bool given) {
    return FieldIf(given, "%02d%02d%02d.%02d", time.hour, time.minute, time.second,
                   time.hundredths);
}

bool PrintSentence(char* buffer, std::size_t size, const char* format, ...) {
    if (size == 0) {
        return false;
    }
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(buffer, size, format, arguments);
    va_end(arguments);
    if (written < 0 || static_cast<std::size_t>(written) >= size) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

} // namespace varo
