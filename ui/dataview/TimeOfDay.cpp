#include "TimeOfDay.h"

#include <ctime>

namespace varo {

TimeOfDay LocalTimeOfDay() {
    // Converting to local time costs more than the rest of a shown sentence;
    // do it once a second.
    static std::time_t cachedSecond = -1;
    static TimeOfDay cached;
    const std::time_t now = std::time(nullptr);
    if (now != cachedSecond) {
        std::tm local{};
        localtime_r(&now, &local);
        cached = {local.tm_hour, local.tm_min, local.tm_sec};
        cachedSecond = now;
    }
    return cached;
}

namespace {

void TwoDigits(int value, char* text) {
    // A clock outside 0..99 must not write past the field.
    const unsigned digits = static_cast<unsigned>(value < 0 ? 0 : value) % 100;
    text[0] = static_cast<char>('0' + digits / 10);
    text[1] = static_cast<char>('0' + digits % 10);
}

} // namespace

void FormatTimeOfDay(const TimeOfDay& time, char (&text)[9]) {
    TwoDigits(time.hour, text);
    text[2] = ':';
    TwoDigits(time.minute, text + 3);
    text[5] = ':';
    TwoDigits(time.second, text + 6);
    text[8] = '\0';
}

} // namespace varo
