// varo-nmea gateway serve on Windows: the stream server's sockets are POSIX
// ones, so the command says it is not there rather than pretend.
#include <cstdio>

#include "tools/Subcommands.h"

namespace varo {

int RunServe(const GatewayOptions&) {
    std::fputs("varo-nmea: gateway serve is not available in the Windows build; run it on Linux\n",
               stderr);
    return kUsageError;
}

} // namespace varo
