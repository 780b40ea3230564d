#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "LinkHealth.h"
#include "config/OutputStates.h"
#include "sentence/SentenceRecord.h"

namespace varo {

class DeviceLink;
class TThreadComm;

// Configuration item identifiers that reply matching treats specially: the
// answers about kOutputStatesItem (config/OutputStates.h) keep the request
// outstanding, and RMC's answer leaves Apply disabled.
inline constexpr std::int32_t kRmcItem = 200005;

// The receive handler of the port: reads what arrived, cuts it into lines and
// hands every accepted line, in a fixed order, to the echo, the baud
// read-outs, the data view, the reply matcher, the connection watcher and
// the device information parser.
class ReceivePath {
public:
    explicit ReceivePath(DeviceLink& link) : link(link) {}

    // FComm's OnRxChar: one read of up to `Count` bytes (at most what
    // FRxBuffer holds; the rest is read at the next event).
    void OnRxChar(TThreadComm* Sender, std::uint32_t Count);
    // The bytes of one read, in arrival order.
    void Receive(const std::uint8_t* bytes, std::size_t count);

private:
    // Every accepted line goes on, also one the health figures count as
    // dropped: the data view drops it, the reply matching ignores it.
    void HandleLine(std::string_view line, LineDrop drop);
    void ShowBaudReadouts(std::string_view line);
    // Files the line in the store; true when its CTT subject answers the request.
    bool ParseReply(const char* line);
    void MatchReply(const char* line);

    DeviceLink& link;
    varo::SentenceRecord FReceived{}; // the one record the parser fills
};

} // namespace varo
