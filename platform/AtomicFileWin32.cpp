// Replacing a file atomically on Windows: a temporary file beside it, flushed,
// moved over it with write-through.
#include "platform/Ini.h"

#include "platform/WinText.h"

#include <algorithm>
#include <cerrno>
#include <windows.h>

namespace varo::platform {
namespace {

int ErrnoOf(DWORD error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EACCES;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    default:
        return EIO;
    }
}

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"/\\");
    if (slash == std::wstring::npos) return L".";
    return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view text) {
    const std::wstring target = Widen(path);
    wchar_t temp[MAX_PATH + 1] = {};
    if (::GetTempFileNameW(FolderOf(target).c_str(), L"vrz", 0, temp) == 0) {
        errno = ErrnoOf(::GetLastError());
        return false;
    }
    const HANDLE file = ::CreateFileW(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    for (std::size_t done = 0; ok && done < text.size();) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1 << 20));
        ok = ::WriteFile(file, text.data() + done, chunk, &written, nullptr) && written > 0;
        done += written;
    }
    ok = ok && ::FlushFileBuffers(file);
    DWORD failure = ok ? 0 : ::GetLastError();
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    if (ok &&
        ::MoveFileExW(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (ok) failure = ::GetLastError();
    ::DeleteFileW(temp);
    errno = ErrnoOf(failure);
    return false;
}

} // namespace varo::platform
