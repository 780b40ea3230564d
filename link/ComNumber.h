#pragma once

#include <optional>
#include <string_view>

namespace varo {

// The COM number of a device name such as "\\.\COM12": the decimal number
// after the last "COM". Nothing when the name holds no such number or the
// number does not fit.
std::optional<int> ComNumberOf(std::string_view deviceName);

} // namespace varo
