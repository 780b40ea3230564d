#include "config/DataLogFormat.h"

#include <cstdio>
#include <ctime>

namespace varo {
namespace {

bool Digits(std::string_view text, std::size_t at, std::size_t count, int& value) {
    value = 0;
    if (at + count > text.size()) return false;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

// "hh:mm:ss" at the start of `text`, in seconds of the day; -1 when not one.
std::int64_t TimeOfDayAt(std::string_view text) {
    int hour = 0, minute = 0, second = 0;
    if (text.size() < 8 || text[2] != ':' || text[5] != ':') return -1;
    if (!Digits(text, 0, 2, hour) || !Digits(text, 3, 2, minute) || !Digits(text, 6, 2, second))
        return -1;
    return hour * 3600 + minute * 60 + second;
}

// Days since 1970-01-01 of a civil date.
std::int64_t DaysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yoe = year - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

} // namespace

void FormatRawLogStamp(std::int64_t utcSeconds, char (&text)[64]) {
    const std::time_t at = static_cast<std::time_t>(utcSeconds);
    std::tm utc{};
    gmtime_r(&at, &utc);
    std::snprintf(text, sizeof text, "# %04d-%02d-%02dT%02d:%02d:%02dZ\r\n", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
}

LogLine ReadLogLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    LogLine read;
    // "# yyyy-mm-ddThh:mm:ssZ"
    int year = 0, month = 0, day = 0;
    if (line.size() == 22 && line.substr(0, 2) == "# " && line[6] == '-' && line[9] == '-' &&
        line[12] == 'T' && line[21] == 'Z' && Digits(line, 2, 4, year) &&
        Digits(line, 7, 2, month) && Digits(line, 10, 2, day)) {
        const std::int64_t second = TimeOfDayAt(line.substr(13));
        if (second >= 0) {
            read.kind = LogLine::Kind::Stamp;
            read.time = DaysFromCivil(year, month, day) * 86400 + second;
            return read;
        }
    }
    const std::int64_t second = TimeOfDayAt(line);
    if (second >= 0 && line.substr(8, kLogMessageType.size()) == kLogMessageType) {
        read.kind = LogLine::Kind::Line;
        read.text = line.substr(8 + kLogMessageType.size());
        read.time = second;
        return read;
    }
    if (line.starts_with("Start Time (") || line.starts_with("End Time (") ||
        line == "Time       Message Type   Data" || line == "====       ============   ====")
        return read;
    read.kind = LogLine::Kind::Line;
    read.text = line;
    return read;
}

} // namespace varo
