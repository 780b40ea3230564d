#include "PortList.h"

#include <algorithm>
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
    FPresent = platform::DiscoverPorts();
    platform::AddPortUse(FPresent);
    const std::vector<int> numbers = platform::PortNumbers(FPresent);
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
        link.View.ReportFailure(LinkFailure::PortFolderError, FailureCause::None);
        return;
    }
    const std::vector<int> present(link.FPortNumbers.begin(), link.FPortNumbers.end());
    const std::vector<int> openable = platform::ProbeOpenablePorts(present, folder);
    link.FOpenPorts.assign(openable.begin(), openable.end());
}

void PortList::FillPortList() {
    std::vector<int> present(link.FPortNumbers.begin(), link.FPortNumbers.end());
    // A lost port awaited back stays listed, so the box does not jump to another.
    if (link.FLostPort &&
        std::find(present.begin(), present.end(), link.FLostPort->number) == present.end()) {
        present.push_back(link.FLostPort->number);
        std::sort(present.begin(), present.end());
    }
    platform::PortListContent content = platform::FillPortList(present);
    // A rediscovery keeps the port chosen while it is still there.
    const std::string chosen = link.View.ChosenPort().toStdString();
    if (std::find(content.Items.begin(), content.Items.end(), chosen) != content.Items.end())
        content.Selected = chosen;
    link.View.ShowPorts(content.Items, content.Selected);
    std::vector<PortNote> notes;
    for (int number : present) {
        PortNote note;
        for (const platform::PresentPort& port : FPresent) {
            if (port.Number != number) continue;
            note.description = port.Description;
            if (port.Busy) {
                note.busyPid = port.Busy->Pid;
                note.busyProgram = port.Busy->Program;
            }
            note.accessDenied = port.AccessDenied;
        }
        notes.push_back(std::move(note));
    }
    link.View.ShowPortNotes(notes);
}

} // namespace varo
