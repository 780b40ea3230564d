// The subcommands of varo-nmea, called with their parsed arguments. Each
// returns the process exit status: 0 success, 1 a failure of the work itself
// (a line that did not decode), 2 a usage or file error.
#pragma once

#include <string>
#include <vector>

namespace varo {

inline constexpr int kUsageError = 2;

struct DecodeOptions {
    bool quiet = false;
    std::vector<std::string> files; // none or "-": standard input
};

int RunDecode(const DecodeOptions& options);
int RunTargets(const std::vector<std::string>& files);
int RunPorts();

// compose tst CODE
int ComposeTst(const std::string& code);
// compose ctt MODE SUBJECT [ID FLAG]...
int ComposeCtt(const std::string& mode, const std::string& subject,
               const std::vector<std::string>& items);
// compose dbg CODE VALUE [CODE VALUE]... [--zqt LETTER]; `zqt` empty when not given.
int ComposeDbg(const std::vector<std::string>& pairs, const std::string& zqt);

} // namespace varo
