#include "platform/AtomicFile.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/AtomicFileSystem.h"

namespace varo::platform {
namespace {

// errno, or EIO when a call failed without one.
int LastError() {
    return errno != 0 ? errno : EIO;
}

// A new temporary file beside `path`; nullptr with `error` when `path` names
// a folder or the folder takes no new file.
std::FILE* CreateBeside(const std::string& path, std::string& temporary, int& error) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        error = EISDIR;
        return nullptr;
    }
    errno = 0;
    std::FILE* file = detail::CreateTemporaryBeside(path, temporary);
    if (file == nullptr) error = LastError();
    return file;
}

// Ends a failed write: the temporary file goes, the error stays.
bool Abandon(std::FILE* file, const std::string& temporary, int& error) {
    error = LastError();
    if (file != nullptr) std::fclose(file);
    detail::RemoveFile(temporary);
    return false;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view text, int& error) {
    std::string temporary;
    std::FILE* file = CreateBeside(path, temporary, error);
    if (file == nullptr) return false;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size() || !detail::SyncFile(file))
        return Abandon(file, temporary, error);
    errno = 0;
    if (std::fclose(file) != 0 || !detail::ReplaceFile(temporary, path))
        return Abandon(nullptr, temporary, error);
    return true;
}

std::FILE* ReplaceWithEmptyFile(const std::string& path, int& error) {
    std::string temporary;
    std::FILE* file = CreateBeside(path, temporary, error);
    if (file == nullptr) return nullptr;
    errno = 0;
    if (!detail::SyncFile(file) || !detail::ReplaceFile(temporary, path)) {
        Abandon(file, temporary, error);
        return nullptr;
    }
    return file;
}

bool CheckWritable(const std::string& path, int& error) {
    std::string temporary;
    std::FILE* file = CreateBeside(path, temporary, error);
    if (file == nullptr) return false;
    std::fclose(file);
    detail::RemoveFile(temporary);
    return true;
}

} // namespace varo::platform
