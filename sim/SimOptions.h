#pragma once

// The simulated gateway's settings: its identity, its line, and the faults it
// can be told to show. Times are in seconds and may have fractions.

#include <cstdint>
#include <string>
#include <vector>

namespace varo::sim {

struct SimOptions {
    int comNumber = 0;      // 0: the lowest free number of the COM folder
    std::string linkFolder; // empty: the COM folder of the environment
    std::uint32_t nmeaBaud = 38400;
    std::uint32_t debugBaud = 115200;
    int flowRate = 0;   // 0 to 5 seconds; 0 means one batch a second
    bool flood = false; // send as fast as the terminal takes it
    // Serve a program that opens the port without taking exclusive use (a
    // Windows program under Wine): the port counts as held while another
    // process has it open.
    bool sharedHolder = false;

    // Identity in the static data block.
    std::uint16_t databaseVersion = 2100;
    std::uint16_t productCode = 1260;
    std::string modelId = "RZ-60";
    std::string softwareVersion = "1.0.0.3";
    std::string modelVersion = "A";
    std::string modelSerial = "0000001";
    int certification = 1;

    // Faults. Negative times mean "never".
    double silentAfter = -1;
    double dropAfter = -1;
    double returnAfter = -1; // counted from the drop
    double garbageRate = 0;  // fraction of output bytes corrupted, 0 to 1
    bool longLines = false;
    bool noStaticEnd = false;
    bool ignoreCommands = false; // read every command and act on none, still streaming
    double dropCommands = 0;     // fraction of setting changes (CTT C and A, DBG) lost, 0 to 1
    double replyDelay = 0;       // seconds every answer is held back

    std::string transcriptPath;
    std::uint32_t seed = 1; // for the fault randomness
};

// Reads the command-line arguments (without the program name). On failure
// `error` says which argument was wrong. `help` is set by --help.
bool ParseSimOptions(const std::vector<std::string>& arguments, SimOptions& options, bool& help,
                     std::string& error);

// The --help text.
const char* SimUsageText();

} // namespace varo::sim