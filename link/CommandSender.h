#pragma once

#include <cstddef>
#include <string_view>

namespace varo {

class DeviceLink;

// Command transmission: every command the gateway engine composed (with
// buildCommandSentence) goes out through SendCommand.
class CommandSender {
public:
    explicit CommandSender(DeviceLink& link) : link(link) {}

    // True when the sentence was written, or could not be written by the
    // Auto mode scan (which goes on with the next port). A write that fails
    // on a port that hung up is a lost port; any other write that fails
    // disconnects and reports the port open error.
    bool SendCommand(std::string_view sentence);
    // True when the port is open and took more than 0 of the bytes.
    bool WriteRaw(const void* bytes, std::size_t count);

private:
    DeviceLink& link;
};

} // namespace varo
