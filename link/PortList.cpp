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
    std::vector<int> listed(link.FPortNumbers.begin(), link.FPortNumbers.end());
    const auto keep = [&](int number) {
        if (number <= 0 || std::find(listed.begin(), listed.end(), number) != listed.end()) return;
        listed.push_back(number);
        std::sort(listed.begin(), listed.end());
    };
    // A lost port awaited back, and the port chosen, stay listed (marked
    // absent while they are gone), so the box never jumps to another port.
    if (link.FLostPort) keep(link.FLostPort->number);
    bool isNumber = false;
    const int chosenNumber = link.View.ChosenPort().toInt(&isNumber);
    if (isNumber) keep(chosenNumber);
    platform::PortListContent content = platform::FillPortList(listed);
    const std::string chosen = link.View.ChosenPort().toStdString();
    if (std::find(content.Items.begin(), content.Items.end(), chosen) != content.Items.end())
        content.Selected = chosen;
    link.View.ShowPorts(content.Items, content.Selected);
    std::vector<PortNote> notes;
    for (int number : listed)
        notes.push_back(NoteOf(number));
    link.View.ShowPortNotes(notes);
}

PortNote PortList::NoteOf(int number) const {
    PortNote note;
    note.absent = true;
    for (const platform::PresentPort& port : FPresent) {
        if (port.Number != number) continue;
        note.absent = false;
        note.description = port.Description;
        if (port.Busy) {
            note.busyPid = port.Busy->Pid;
            note.busyProgram = port.Busy->Program;
        }
        note.accessDenied = port.AccessDenied;
    }
    return note;
}

} // namespace varo
