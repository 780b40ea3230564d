#include "platform/ComFolder.h"

namespace varo::platform {

std::optional<int> ComLinkNumber(std::string_view name) {
    if (name.size() < 4 || name.size() > 7) return std::nullopt;
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    if (lower(name[0]) != 'c' || lower(name[1]) != 'o' || lower(name[2]) != 'm')
        return std::nullopt;
    int number = 0;
    for (char c : name.substr(3)) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number == 0) return std::nullopt;
    return number;
}

std::string ResolveDeviceName(std::string_view name, const std::string& folder) {
    std::string_view rest = name;
    if (rest.starts_with("\\\\.\\")) rest.remove_prefix(4);
    if (const auto number = ComLinkNumber(rest)) return ComLinkPath(folder, *number);
    return std::string(name);
}

} // namespace varo::platform
