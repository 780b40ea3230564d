// Runs the built varo-nmea through the shell and collects what it printed.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace varo::test {

struct ToolResult {
    int status = -1;
    std::string output;
};

// `arguments` go to the shell as written (redirections included); standard
// output is collected, standard error only when the arguments redirect it.
inline ToolResult RunNmea(const std::string& arguments) {
    const std::string command = std::string(VARO_NMEA_PATH) + " " + arguments;
    ToolResult result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 4096> chunk{};
    std::size_t got = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) {
        result.output.append(chunk.data(), got);
    }
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace varo::test
