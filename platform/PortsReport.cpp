#include "platform/PortsReport.h"

#include "platform/JsonText.h"

namespace varo::platform {

std::string PortsReportJson(const std::vector<PresentPort>& present,
                            const std::vector<int>& openable) {
    std::string out = "{\"present\":[";
    for (std::size_t i = 0; i < present.size(); ++i) {
        if (i) out += ',';
        out += "{\"number\":" + std::to_string(present[i].Number) + ",\"name\":";
        AppendJsonString(out, present[i].FriendlyName);
        out += ",\"device\":";
        AppendJsonString(out, present[i].Device);
        out += ",\"description\":";
        AppendJsonString(out, present[i].Description);
        out += ",\"busy\":";
        if (const auto& busy = present[i].Busy) {
            out += "{\"pid\":" + std::to_string(busy->Pid) + ",\"program\":";
            AppendJsonString(out, busy->Program);
            out += '}';
        } else {
            out += "null";
        }
        out += present[i].AccessDenied ? ",\"access\":\"denied\"" : ",\"access\":\"ok\"";
        out += '}';
    }
    out += "],\"openable\":[";
    for (std::size_t i = 0; i < openable.size(); ++i) {
        if (i) out += ',';
        out += std::to_string(openable[i]);
    }
    out += "]}";
    return out;
}

} // namespace varo::platform