#include "PortList.h"

#include <filesystem>

#include "DeviceLink.h"
#include "platform/ComFolder.h"
#include "platform/PortDiscovery.h"

namespace varo {

void PortList::RefreshPorts() {
    EnumeratePorts();
    ProbeOpenablePorts();
    FillPortList();
}

void PortList::EnumeratePorts() {
    const std::vector<int> numbers = platform::EnumeratePorts();
    link.FPortNumbers.assign(numbers.begin(), numbers.end());
}

void PortList::ProbeOpenablePorts() {
    link.FOpenPorts.clear();
    if (link.FPortNumbers.empty()) return;
    // The COM folder plays the part of the serial interface database: when it
    // cannot be read, no port can be probed.
    const std::string folder = platform::ComFolder();
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        link.View.ReportFailure(LinkFailure::PortFolderError);
        return;
    }
    const std::vector<int> present(link.FPortNumbers.begin(), link.FPortNumbers.end());
    const std::vector<int> openable = platform::ProbeOpenablePorts(present, folder);
    link.FOpenPorts.assign(openable.begin(), openable.end());
}

void PortList::FillPortList() {
    const std::vector<int> present(link.FPortNumbers.begin(), link.FPortNumbers.end());
    const platform::PortListContent content = platform::FillPortList(present);
    link.View.ShowPorts(content.Items, content.Selected);
}

} // namespace varo
