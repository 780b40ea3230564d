#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "LinkHealth.h"

namespace varo {

class DeviceLink;
class TThreadComm;

// The receive handler of the port: reads what arrived, cuts it into lines and
// hands every accepted line, in a fixed order, to the echo, the data view
// and the gateway engine (which answers requests, reads the static data
// block and so confirms the link).
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
    // dropped: the data view drops it, the engine finds no answer in it.
    void HandleLine(std::string_view line, LineDrop drop);

    DeviceLink& link;
};

} // namespace varo
