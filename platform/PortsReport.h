#pragma once

// The discovery result as one JSON object, for the command line:
// {"present":[{"number":3,"name":"FT232R USB UART (COM3)","device":"/dev/ttyUSB0",
//   "description":"FTDI FT232R USB UART","busy":null,"access":"ok"}],"openable":[3]}
// `busy` is null or {"pid":N,"program":"name"}; `access` is "ok" or "denied".

#include "platform/PortDiscovery.h"

#include <string>
#include <vector>

namespace varo::platform {

// `present` as given (discovery lists it ascending), `openable` as given.
std::string PortsReportJson(const std::vector<PresentPort>& present,
                            const std::vector<int>& openable);

} // namespace varo::platform