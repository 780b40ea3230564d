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

// What a write to `path` replaces: a regular file (or none) is replaced
// whole; a symbolic link keeps pointing where it did, at the file replaced;
// a device or pipe (/dev/stdout, /dev/null) is written in place, since
// renaming over it would put a plain file where the device was.
struct Target {
    std::string path;
    bool inPlace = false;
};
bool Resolve(const std::string& path, Target& target, int& error) {
    namespace fs = std::filesystem;
    std::error_code failure;
    const fs::file_status status = fs::status(path, failure);
    target = {path, false};
    if (!fs::exists(status)) return true;
    if (fs::is_directory(status)) {
        error = EISDIR;
        return false;
    }
    target.inPlace = !fs::is_regular_file(status);
    if (!target.inPlace && fs::is_symlink(fs::symlink_status(path, failure))) {
        const fs::path real = fs::canonical(path, failure);
        if (!failure) target.path = real.string();
    }
    return true;
}

// Opens where the new content goes: a new temporary file beside the target,
// or the target itself when it is written in place. nullptr with `error`.
std::FILE* Open(const Target& target, const char* mode, std::string& temporary, int& error) {
    errno = 0;
    std::FILE* file = target.inPlace ? std::fopen(target.path.c_str(), mode)
                                     : detail::CreateTemporaryBeside(target.path, temporary);
    if (file == nullptr) error = LastError();
    return file;
}

// Ends a failed write: the temporary file goes, the error stays.
bool Abandon(std::FILE* file, const std::string& temporary, int& error) {
    error = LastError();
    if (file != nullptr) std::fclose(file);
    if (!temporary.empty()) detail::RemoveFile(temporary);
    return false;
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view text, int& error) {
    Target target;
    std::string temporary;
    std::FILE* file = nullptr;
    if (!Resolve(path, target, error) || (file = Open(target, "wb", temporary, error)) == nullptr)
        return false;
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                         (target.inPlace ? std::fflush(file) == 0 : detail::SyncFile(file));
    if (!written) return Abandon(file, temporary, error);
    errno = 0;
    if (std::fclose(file) != 0 || (!target.inPlace && !detail::ReplaceFile(temporary, target.path)))
        return Abandon(nullptr, temporary, error);
    return true;
}

std::FILE* ReplaceWithEmptyFile(const std::string& path, int& error) {
    Target target;
    std::string temporary;
    std::FILE* file = nullptr;
    if (!Resolve(path, target, error) || (file = Open(target, "wb", temporary, error)) == nullptr)
        return nullptr;
    if (target.inPlace) return file;
    errno = 0;
    if (!detail::SyncFile(file) || !detail::ReplaceFile(temporary, target.path)) {
        Abandon(file, temporary, error);
        return nullptr;
    }
    return file;
}

bool CheckWritable(const std::string& path, int& error) {
    Target target;
    std::string temporary;
    std::FILE* file = nullptr;
    // In place, "ab" opens for writing without emptying.
    if (!Resolve(path, target, error) || (file = Open(target, "ab", temporary, error)) == nullptr)
        return false;
    std::fclose(file);
    if (!target.inPlace) detail::RemoveFile(temporary);
    return true;
}

} // namespace varo::platform
