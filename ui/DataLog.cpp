#include "DataLog.h"

#include <cerrno>
#include <cstring>

namespace varo {

DataLog::~DataLog() {
    Close();
}

bool DataLog::Open(const std::string& path) {
    Close();
    error_ = 0;
    file_ = std::fopen(path.c_str(), "w+");
    if (file_ == nullptr) error_ = errno;
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
    return Write("Start Time (") && Write(time) && Write(")\r\n") &&
           Write("Time       Message Type   Data\r\n") &&
           Write("====       ============   ====\r\n") && Flush();
}

bool DataLog::WriteSentence(const char* time, const char* line) {
    if (file_ == nullptr) return false;
    return Write(time) && Write("   NMEA0183       ") && Write(line) && Flush();
}

bool DataLog::WriteEndAndClose(const char* time) {
    if (file_ == nullptr) return false;
    const bool written = Write("End Time (") && Write(time) && Write(")\r\n");
    return Close() && written;
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
