#include "CommandSender.h"

#include <climits>

#include "ConnectionManager.h"
#include "DeviceLink.h"
#include "comm/ThreadComm.h"

namespace varo {

bool CommandSender::SendCommand(std::string_view sentence) {
    if (sentence.empty()) return false;
    if (WriteRaw(sentence.data(), sentence.size())) return true;
    // A write that failed because the device hung up is a lost port, told as such.
    TComStat stat;
    if (link.FComm->Connected() && (link.FComm->ClearCommError(stat) & CE_IOE) != 0) {
        link.PortLost();
        return false;
    }
    // The Auto scan writes to ports that may not take it and goes on with the
    // next; any other write that fails is a failure.
    if (link.View.AutoMode() && link.FLinkState == kLinkProbing && !link.FLinked) return true;
    // Pressing Connect while it is down disconnects.
    if (link.ConnectPressed()) link.OpenPortClick();
    link.View.ReportFailure(LinkFailure::PortOpenError, FailureCause::None);
    return false;
}

bool CommandSender::WriteRaw(const void* bytes, std::size_t count) {
    if (!link.FComm->Connected() || count > INT_MAX) return false;
    return link.FComm->Write(bytes, static_cast<int>(count)) > 0;
}

} // namespace varo
