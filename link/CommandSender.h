#pragma once

#include <cstddef>

class TForm1;

// Command transmission: every command goes out through SendCommand, which has
// buildCommandSentence compose it from DeviceRecord and writes it to the port.
class CommandSender {
public:
    explicit CommandSender(TForm1& form) : form(form) {}

    // True when the sentence was composed and written, or could not be written
    // in Auto mode (the scan goes on). A write that fails in Manual mode
    // disconnects and shows "Serial port open error! Please check!".
    bool SendCommand(const char* talker, const char* formatter);
    // True when the port is open and took more than 0 of the bytes.
    bool WriteRaw(const void* bytes, std::size_t count);

private:
    TForm1& form;
};
