// varo-gateway-sim: the simulated gateway on a pseudo-terminal, until SIGINT or SIGTERM.
#include "sim/SimulatedGateway.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--version") {
            std::puts("varo-gateway-sim " VARO_VERSION);
            return 0;
        }
    }
    varo::sim::SimOptions options;
    bool help = false;
    std::string error;
    if (!varo::sim::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), options, help,
                                    error)) {
        std::fprintf(stderr, "varo-gateway-sim: %s\n(see --help)\n", error.c_str());
        return 2;
    }
    if (help) {
        std::fputs(varo::sim::SimUsageText(), stdout);
        return 0;
    }
    // The signals are taken by sigwait below, not by a handler.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    varo::sim::SimulatedGateway gateway(options);
    if (!gateway.Start(error)) {
        std::fprintf(stderr, "varo-gateway-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("COM%d %s\n", gateway.ComNumber(), gateway.DevicePath().c_str());
    std::fflush(stdout);
    int received = 0;
    sigwait(&signals, &received);
    gateway.Stop();
    return 0;
}
