#pragma once

#include <vector>

#include "LinkView.h"
#include "platform/PortDiscovery.h"

namespace varo {

class DeviceLink;

// Serial port discovery for the link: the present ports (FPortNumbers),
// those that can be opened now (FOpenPorts) and the port list shown.
// The COM folder is read at each call, so a change of VARO_COM_DIR applies.
class PortList {
public:
    explicit PortList(DeviceLink& link) : link(link) {}

    // EnumeratePorts, ProbeOpenablePorts, FillPortList, in that order.
    void RefreshPorts();
    void EnumeratePorts();
    // Reports the COM folder when it cannot be read.
    void ProbeOpenablePorts();
    // The present numbers as items with their notes, the chosen one kept
    // when it is still there, else the first; "N/A" when none.
    void FillPortList();
    // What is known of COM `number` besides its number: absent when it is not
    // present, else its description and who holds it.
    PortNote NoteOf(int number) const;

private:
    DeviceLink& link;
    std::vector<platform::PresentPort> FPresent; // the last discovery, ascending
};

} // namespace varo
