// The subcommands of varo-nmea, called with their parsed arguments. Each
// returns the process exit status: 0 success, 1 a failure of the work itself
// (a line that did not decode), 2 a usage or file error.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varo {

inline constexpr int kUsageError = 2;

struct DecodeOptions {
    bool quiet = false;
    bool lenient = false; // read logs of other devices (TAG blocks, longer and NMEA 4.x forms)
    std::vector<std::string> files; // none or "-": standard input
};

int RunDecode(const DecodeOptions& options);
int RunTargets(const std::vector<std::string>& files, bool lenient = false);
int RunPorts();

// gateway info|read|apply|diff|default: besides 0, 1 (the gateway differs from
// the file) and 2, exit status 3 when the port cannot be opened or no
// gateway answers on it.
struct GatewayOptions {
    std::string action; // info, read, apply, diff, default
    int com = 0;
    std::string device;
    std::uint32_t baud = 0; // 0: search
    std::string file;       // apply, diff
    std::string output;     // read -o
    bool withBaud = false;  // apply --with-baud
    bool identity = false;  // diff --identity
};
int RunGateway(const GatewayOptions& options);

// compose tst CODE
int ComposeTst(const std::string& code);
// compose ctt MODE SUBJECT [ID FLAG]...
int ComposeCtt(const std::string& mode, const std::string& subject,
               const std::vector<std::string>& items);
// compose dbg CODE VALUE [CODE VALUE]... [--zqt LETTER]; `zqt` empty when not given.
int ComposeDbg(const std::vector<std::string>& pairs, const std::string& zqt);

} // namespace varo
