#pragma once

#include <string>

class TForm1;

// Serial port discovery for the window: the present ports (FPortNumbers),
// those that can be opened now (FOpenPorts) and the port list cbxComPort.
// The COM folder is read at each call, so a change of VARO_COM_DIR applies.
class PortList {
public:
    explicit PortList(TForm1& form) : form(form) {}

    // EnumeratePorts, ProbeOpenablePorts, FillPortList, in that order.
    void RefreshPorts();
    void EnumeratePorts();
    // Shows "Error!" when the COM folder cannot be read.
    void ProbeOpenablePorts();
    // The present numbers as items, the first selected; "N/A" when none.
    void FillPortList();

private:
    TForm1& form;
};
