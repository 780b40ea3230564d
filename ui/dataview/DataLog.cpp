#include "DataLog.h"

#include <cerrno>
#include <cstring>

#include "config/DataLogFormat.h"
#include "platform/AtomicFile.h"

namespace varo {

DataLog::~DataLog() {
    Close();
}

bool DataLog::Open(const std::string& path, Format format) {
    Close();
    error_ = 0;
    format_ = format;
    stampedSecond_ = -1;
    // A log that replaces a file replaces it whole: the old file stays when
    // the new one cannot be made.
    file_ = platform::ReplaceWithEmptyFile(path, error_);
    return file_ != nullptr;
}

bool DataLog::Write(const char* text) {
    const std::size_t size = std::strlen(text);
    errno = 0;
    if (std::fwrite(text, 1, size, file_) == size) return true;
    error_ = errno != 0 ? errno : EIO;
    return false;
}

bool DataLog::Flush() {
    errno = 0;
    if (std::fflush(file_) == 0) return true;
    error_ = errno != 0 ? errno : EIO;
    return false;
}

bool DataLog::WriteHeader(const char* time) {
    if (file_ == nullptr) return false;
    if (format_ == Format::Raw) return true;
    return Write("Start Time (") && Write(time) && Write(")\r\n") &&
           Write("Time       Message Type   Data\r\n") &&
           Write("====       ============   ====\r\n") && Flush();
}

bool DataLog::WriteSentence(const char* time, const char* line) {
    if (file_ == nullptr) return false;
    unflushed_ = true;
    return Write(time) && Write(kLogMessageType.data()) && Write(line);
}

bool DataLog::WriteRawLine(std::string_view line, std::int64_t utcSeconds) {
    if (file_ == nullptr) return false;
    if (utcSeconds != stampedSecond_) {
        stampedSecond_ = utcSeconds;
        char stamp[64];
        FormatRawLogStamp(utcSeconds, stamp);
        if (!Write(stamp)) return false;
    }
    errno = 0;
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size()) {
        error_ = errno != 0 ? errno : EIO;
        return false;
    }
    unflushed_ = true;
    return Write("\r\n");
}

bool DataLog::WriteEndAndClose(const char* time) {
    if (file_ == nullptr) return false;
    if (format_ == Format::Raw) return Close();
    const bool written = Write("End Time (") && Write(time) && Write(")\r\n");
    return Close() && written;
}

bool DataLog::FlushLines() {
    if (file_ == nullptr || !unflushed_) return true;
    unflushed_ = false;
    return Flush();
}

bool DataLog::Close() {
    if (file_ == nullptr) return true;
    errno = 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed) error_ = errno != 0 ? errno : EIO;
    return closed;
}

} // namespace varo
