#include "platform/Settings.h"

#include "platform/WinText.h"

#include <shlobj.h>
#include <windows.h>

namespace varo::platform {

std::string DocumentsFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path)))
        return {};
    return Narrow(path);
}

} // namespace varo::platform
