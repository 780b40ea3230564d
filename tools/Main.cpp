// varo-nmea: the codec's command line. A subcommand is one table entry.
#include <cstdio>
#include <cstring>
#include <span>

#include "tools/Subcommands.h"

namespace varo {
namespace {

struct Subcommand {
    const char* name;
    int (*run)(std::span<char*> arguments);
    const char* usage;
};

constexpr Subcommand kSubcommands[] = {
    {"decode", varo::RunDecode, "decode [--quiet] [FILE...]   one JSON object per input line"},
    {"targets", varo::RunTargets,
     "targets [FILE...]            the AIS target table after the input"},
    {"compose", varo::RunCompose,
     "compose tst CODE | ctt MODE SUBJECT [ID FLAG]... | dbg CODE VALUE [CODE VALUE]... [--zqt "
     "LETTER]"},
    {"ports", varo::RunPorts,
     "ports                        the present and the openable serial ports"},
};

int Usage() {
    std::fputs("usage: varo-nmea SUBCOMMAND ...\n", stderr);
    for (const Subcommand& command : kSubcommands) {
        std::fprintf(stderr, "  varo-nmea %s\n", command.usage);
    }
    return 2;
}

} // namespace

} // namespace varo

int main(int argc, char** argv) {
    using namespace varo;
    if (argc < 2) {
        return Usage();
    }
    for (const Subcommand& command : kSubcommands) {
        if (std::strcmp(argv[1], command.name) == 0) {
            return command.run(std::span<char*>(argv + 2, static_cast<std::size_t>(argc - 2)));
        }
    }
    std::fprintf(stderr, "varo-nmea: unknown subcommand '%s'\n", argv[1]);
    return Usage();
}
