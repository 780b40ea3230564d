#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace varo {

// The user's data log, a text file with CR LF line ends:
//
//   Start Time (hh:mm:ss)
//   Time       Message Type   Data
//   ====       ============   ====
//   hh:mm:ss   NMEA0183       $GPGGA,...      (one line per shown sentence)
//   End Time (hh:mm:ss)
//
// or, in the raw NMEA format, every received line as it came with a UTC time
// comment each second (see config/DataLogFormat.h).
//
// The header and end lines are flushed as they are written, the received
// lines by FlushLines, which the data view calls at each repaint (40 ms): a
// log cut short (the program killed, the machine still up) holds every line
// written up to then, and a busy stream costs no write to the disk per line.
// Each write returns false on failure and keeps errno in LastError.
class DataLog {
public:
    DataLog() = default;
    ~DataLog(); // closes the file without an end line
    DataLog(const DataLog&) = delete;
    DataLog& operator=(const DataLog&) = delete;

    enum class Format { Data, Raw };

    // Creates or empties the file at path (bytes in the file system's encoding).
    bool Open(const std::string& path, Format format = Format::Data);
    Format LogFormat() const { return format_; }
    bool IsOpen() const { return file_ != nullptr; }

    // The start line and the two heading lines; time is "hh:mm:ss".
    bool WriteHeader(const char* time);
    // One sentence; line brings its own line end.
    bool WriteSentence(const char* time, const char* line);
    // Raw format: one received line (without line end) at `utcSeconds`.
    bool WriteRawLine(std::string_view line, std::int64_t utcSeconds);
    // The end line, then the file is closed (also when the line fails).
    bool WriteEndAndClose(const char* time);
    // Hands the lines written since the last flush to the file system.
    bool FlushLines();
    // Closes without writing more; false when buffered data could not be written.
    bool Close();

    int LastError() const { return error_; }

private:
    bool Write(const char* text);
    bool Flush();

    std::FILE* file_ = nullptr;
    bool unflushed_ = false;
    Format format_ = Format::Data;
    std::int64_t stampedSecond_ = -1; // the second of the raw log's last time comment
    int error_ = 0;
};

} // namespace varo
