#pragma once

// Text between the program (UTF-8) and the wide-character Windows API.

#include <string>
#include <string_view>

namespace varo::platform {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

} // namespace varo::platform
