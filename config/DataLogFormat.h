// The two formats of the data log and how a log line reads back. The data
// log (the default) writes
//
//   Start Time (hh:mm:ss)
//   Time       Message Type   Data
//   ====       ============   ====
//   hh:mm:ss   NMEA0183       $GPGGA,...
//   End Time (hh:mm:ss)
//
// and the raw NMEA log one received line per line, exactly as received, with
// a comment line "# yyyy-mm-ddThh:mm:ssZ" (UTC) before the first line of
// each second. Both have CR LF line ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace varo {

// What goes before the sentence in a data log line, after its time.
inline constexpr std::string_view kLogMessageType = "   NMEA0183       ";

// The raw log's time comment for a UTC time (seconds since 1970):
// "# yyyy-mm-ddThh:mm:ssZ" and CR LF, NUL-terminated, into `text`.
void FormatRawLogStamp(std::int64_t utcSeconds, char (&text)[64]);

// One line of a log file, as a reader takes it.
struct LogLine {
    enum class Kind : std::uint8_t {
        Line,  // a received line: `text`
        Stamp, // the raw log's time comment
        Other, // a heading, start or end line of the data log
    } kind = Kind::Other;
    std::string_view text;  // the received line, without CR LF
    std::int64_t time = -1; // seconds: of the day (data log) or since 1970 (raw log), -1 none
};

// Reads one line of either format (CR LF already cut or not). Anything that
// is neither a data log line nor a time comment is a received line.
LogLine ReadLogLine(std::string_view line);

} // namespace varo
