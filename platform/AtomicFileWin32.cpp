// The system calls behind AtomicFile on Windows: a temporary file of a unique
// name beside the target, committed to the disk, moved over the target with
// write-through.
#include "platform/AtomicFileSystem.h"

#include "platform/WinText.h"

#include <cerrno>
#include <io.h>
#include <windows.h>

// windows.h makes ReplaceFile a macro for its own function of that name.
#undef ReplaceFile

namespace varo::platform::detail {
namespace {

void SetErrno(DWORD error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        errno = EACCES;
        break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        errno = ENOENT;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        errno = ENOSPC;
        break;
    default:
        errno = EIO;
    }
}

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"/\\");
    if (slash == std::wstring::npos) return L".";
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

} // namespace

std::FILE* CreateTemporaryBeside(const std::string& path, std::string& temporary) {
    wchar_t name[MAX_PATH + 1] = {};
    // Makes the file, with a name no other file in the folder has.
    if (::GetTempFileNameW(FolderOf(Widen(path)).c_str(), L"vrz", 0, name) == 0) {
        SetErrno(::GetLastError());
        return nullptr;
    }
    temporary = Narrow(name);
    std::FILE* file = ::_wfopen(name, L"wb");
    if (file == nullptr) ::DeleteFileW(name);
    return file;
}

bool SyncFile(std::FILE* file) {
    return std::fflush(file) == 0 && ::_commit(::_fileno(file)) == 0;
}

bool ReplaceFile(const std::string& from, const std::string& to) {
    if (::MoveFileExW(Widen(from).c_str(), Widen(to).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    SetErrno(::GetLastError());
    return false;
}

bool RemoveFile(const std::string& path) {
    if (::DeleteFileW(Widen(path).c_str())) return true;
    SetErrno(::GetLastError());
    return false;
}

} // namespace varo::platform::detail
