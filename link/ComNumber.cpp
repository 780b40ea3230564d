#include "ComNumber.h"

#include <charconv>

namespace varo {

std::optional<int> ComNumberOf(std::string_view deviceName) {
    const auto com = deviceName.rfind("COM");
    if (com == std::string_view::npos) return std::nullopt;
    const std::string_view digits = deviceName.substr(com + 3);
    if (digits.empty() || digits.front() < '0' || digits.front() > '9') return std::nullopt;
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return number;
}

} // namespace varo
