#include "platform/PortDiscovery.h"

#include "platform/ComFolder.h"

#include <algorithm>

namespace varo::platform {

std::vector<PresentPort> DiscoverPorts() {
    return DiscoverPorts(ComFolder(), EnumerateHardwarePorts());
}

std::optional<int> FriendlyNameNumber(std::string_view friendlyName) {
    for (auto com = friendlyName.rfind("COM"); com != std::string_view::npos;
         com = com == 0 ? std::string_view::npos : friendlyName.rfind("COM", com - 1)) {
        std::string_view digits = friendlyName.substr(com + 3);
        digits = digits.substr(0, digits.find(')'));
        int number = 0;
        std::size_t count = 0;
        while (count < digits.size() && digits[count] >= '0' && digits[count] <= '9' &&
               number < 100000000) {
            number = number * 10 + (digits[count] - '0');
            ++count;
        }
        if (count != 0) return number;
    }
    return std::nullopt;
}

std::vector<int> PortNumbers(const std::vector<PresentPort>& ports) {
    std::vector<int> numbers;
    for (const PresentPort& port : ports) {
        if (port.Number > 0) numbers.push_back(port.Number);
    }
    std::sort(numbers.begin(), numbers.end());
    if (numbers.size() > MaxPresentPorts) numbers.resize(MaxPresentPorts);
    return numbers;
}

std::vector<int> EnumeratePorts() {
    return PortNumbers(DiscoverPorts());
}

std::vector<int> ProbeOpenablePorts(const std::vector<int>& present, const std::string& folder) {
    std::vector<int> candidates = present;
    std::sort(candidates.begin(), candidates.end());
    std::vector<int> openable;
    for (int number : candidates) {
        if (openable.size() == MaxOpenablePorts) break;
        if (CanOpenPortNow(ComLinkPath(folder, number))) openable.push_back(number);
    }
    return openable;
}

std::vector<int> ProbeOpenablePorts(const std::vector<int>& present) {
    return ProbeOpenablePorts(present, ComFolder());
}

PortListContent FillPortList(const std::vector<int>& present) {
    PortListContent content;
    for (int number : present)
        content.Items.push_back(std::to_string(number));
    if (content.Items.empty()) content.Items.push_back("N/A");
    content.Selected = content.Items.front();
    return content;
}

} // namespace varo::platform