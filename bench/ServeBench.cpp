// The CPU that `varo-nmea gateway serve` spends per line while the simulated
// gateway in this process sends as fast as the terminal carries, with 0 and
// with 4 clients reading. The child's own CPU time (user and system, from
// wait4) is divided by the lines it served; the difference to 0 clients is
// what serving the clients adds.
//
//   bench_serve [--seconds N]   (each run N seconds, default 10)
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "../tests/support/LoopbackPort.h"
#include "sim/SimulatedGateway.h"

extern char** environ;

namespace varo {
namespace {

constexpr int kComNumber = 58;

// The server listens a moment after the child starts.
int ConnectClient(std::uint16_t port) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        const int fd = ConnectLoopback(port);
        if (fd >= 0) return fd;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
}

struct Run {
    unsigned long long lines = 0, dropped = 0, clientBytes = 0;
    double cpuSeconds = 0;
};

// Serves for `seconds` with `clients` readers; false when serve failed.
bool Serve(int clients, int seconds, const std::string& folder, Run& run) {
    const std::uint16_t port = FreePort();
    const std::string errors = folder + "/serve.err";
    const std::string command = std::string("exec ") + VARO_NMEA_PATH + " gateway serve --com " +
                                std::to_string(kComNumber) +
                                " --baud 38400 --tcp 127.0.0.1:" + std::to_string(port) + " 2>" +
                                errors;
    const char* argv[] = {"sh", "-c", command.c_str(), nullptr};
    pid_t child = 0;
    if (::posix_spawn(&child, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        return false;
    std::vector<int> sockets;
    for (int i = 0; i < clients; ++i)
        sockets.push_back(ConnectClient(port));
    std::atomic<bool> reading{true};
    std::atomic<unsigned long long> bytes{0};
    // One reader a client, so that the clients keep up with the flood.
    std::vector<std::thread> readers;
    for (int fd : sockets) {
        readers.emplace_back([&reading, &bytes, fd] {
            std::vector<char> chunk(65536);
            pollfd p{fd, POLLIN, 0};
            while (reading) {
                if (::poll(&p, 1, 50) <= 0) continue;
                const ssize_t got = ::recv(fd, chunk.data(), chunk.size(), 0);
                if (got > 0) bytes += static_cast<unsigned long long>(got);
            }
        });
    }
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    ::kill(child, SIGINT);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    reading = false;
    for (std::thread& reader : readers)
        reader.join();
    for (int fd : sockets)
        ::close(fd);
    const auto time = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    run.cpuSeconds = time(usage.ru_utime) + time(usage.ru_stime);
    run.clientBytes = bytes;
    std::ifstream in(errors);
    std::stringstream text;
    text << in.rdbuf();
    const std::string summary = text.str();
    const std::size_t at = summary.find("served ");
    if (at == std::string::npos ||
        std::sscanf(summary.c_str() + at, "served %llu lines to %*u clients, %llu lines dropped",
                    &run.lines, &run.dropped) != 2) {
        std::fprintf(stderr, "bench_serve: serve said: %s\n", summary.c_str());
        return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && run.lines > 0;
}

} // namespace
} // namespace varo

int main(int argc, char** argv) {
    using namespace varo;
    int seconds = 10;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--seconds") == 0) seconds = std::max(1, std::atoi(argv[i + 1]));
    char pattern[] = "/tmp/bench_serve.XXXXXX";
    const char* folder = ::mkdtemp(pattern);
    if (folder == nullptr) return 1;
    setenv("VARO_COM_DIR", folder, 1);
    setenv("VARO_LOCK_DIR", folder, 1);
    sim::SimOptions options;
    options.comNumber = kComNumber;
    options.linkFolder = folder;
    options.flood = true;
    sim::SimulatedGateway gateway(options);
    std::string error;
    if (!gateway.Start(error)) {
        std::fprintf(stderr, "bench_serve: %s\n", error.c_str());
        return 1;
    }
    std::printf("%-8s %10s %10s %12s %14s %10s %10s\n", "clients", "lines", "lines/s",
                "CPU us/line", "added us/line", "client MB", "dropped");
    double baseline = 0;
    bool ok = true;
    for (int clients : {0, 4}) {
        Run run;
        if (!Serve(clients, seconds, folder, run)) {
            ok = false;
            break;
        }
        const double perLine = run.cpuSeconds * 1e6 / static_cast<double>(run.lines);
        if (clients == 0) baseline = perLine;
        std::printf("%-8d %10llu %10.0f %12.3f %14.3f %10.1f %10llu\n", clients, run.lines,
                    static_cast<double>(run.lines) / seconds, perLine, perLine - baseline,
                    static_cast<double>(run.clientBytes) / 1e6, run.dropped);
    }
    gateway.Stop();
    std::filesystem::remove_all(folder);
    return ok ? 0 : 1;
}
