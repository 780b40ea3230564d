#include "platform/PortsReport.h"

#include <cstdio>

namespace varo::platform {
namespace {

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                out += escape;
            } else {
                out += c; // UTF-8 passes through
            }
        }
    }
    out += '"';
}

} // namespace

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