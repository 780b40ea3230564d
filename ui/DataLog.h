#pragma once

#include <cstdio>
#include <string>

namespace varo {

// The user's data log, a text file with CR LF line ends:
//
//   Start Time (hh:mm:ss)
//   Time       Message Type   Data
//   ====       ============   ====
//   hh:mm:ss   NMEA0183       $GPGGA,...      (one line per shown sentence)
//   End Time (hh:mm:ss)
//
// Every line is flushed as it is written, so a log cut short (the program
// killed, the machine still up) holds every sentence written before. Each
// write returns false on failure and keeps errno in LastError.
class DataLog {
public:
    DataLog() = default;
    ~DataLog(); // closes the file without an end line
    DataLog(const DataLog&) = delete;
    DataLog& operator=(const DataLog&) = delete;

    // Creates or empties the file at path (bytes in the file system's encoding).
    bool Open(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }

    // The start line and the two heading lines; time is "hh:mm:ss".
    bool WriteHeader(const char* time);
    // One sentence; line brings its own line end.
    bool WriteSentence(const char* time, const char* line);
    // The end line, then the file is closed (also when the line fails).
    bool WriteEndAndClose(const char* time);
    // Closes without writing more; false when buffered data could not be written.
    bool Close();

    int LastError() const { return error_; }

private:
    bool Write(const char* text);
    bool Flush();

    std::FILE* file_ = nullptr;
    int error_ = 0;
};

} // namespace varo
