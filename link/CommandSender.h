#pragma once

#include <cstddef>

namespace varo {

class DeviceLink;

// Command transmission: every command goes out through SendCommand, which has
// buildCommandSentence compose it from DeviceRecord and writes it to the port.
class CommandSender {
public:
    explicit CommandSender(DeviceLink& link) : link(link) {}

    // True when the sentence was composed and written, or could not be written
    // by the Auto mode scan (which goes on with the next port). Any other
    // write that fails disconnects and reports the port open error.
    bool SendCommand(const char* talker, const char* formatter);
    // True when the port is open and took more than 0 of the bytes.
    bool WriteRaw(const void* bytes, std::size_t count);

private:
    DeviceLink& link;
};

} // namespace varo
