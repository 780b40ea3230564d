#pragma once

#include <functional>

namespace varo {

// The local time of day that the data view shows and the data log writes.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Where the data view and its log take the time from; tests put in their own.
using TimeOfDayClock = std::function<TimeOfDay()>;

// Reads the local clock.
TimeOfDay LocalTimeOfDay();

// "hh:mm:ss", two digits each, into text (NUL-terminated).
void FormatTimeOfDay(const TimeOfDay& time, char (&text)[9]);

} // namespace varo
