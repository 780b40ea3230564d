// varo-nmea gateway serve: finds the gateway as the other gateway commands
// do, then shares every line it sends over TCP (and UDP) until SIGINT or
// SIGTERM, connecting again when a lost port returns.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "comm/TermiosBuilder.h"
#include "comm/ThreadComm.h"
#include "gateway/GatewayClient.h"
#include "gateway/LineAssembler.h"
#include "platform/ComFolder.h"
#include "share/StreamServer.h"
#include "tools/Subcommands.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

constexpr int kNoGateway = 3;
// How long the loop waits on the clients when the port had nothing.
constexpr auto kIdleWait = 2ms;
// How often a lost port is looked for, and the status line refreshed.
constexpr auto kRetryPause = 1000ms;

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

// SIGINT and SIGTERM end the serving; a second one (while a speed search
// cannot be interrupted) ends the program at once.
void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// The gateway as serve reads it: found and confirmed by the gateway client
// (Open, Identify) as every gateway command finds it, then held at the
// speed found and read line by line.
class GatewayLines {
public:
    explicit GatewayLines(const GatewayOptions& options) : options(options) {
        device = options.device.empty() ? platform::ComLinkPath(platform::ComFolder(), options.com)
                                        : options.device;
    }

    // False with `error` when the port cannot be opened or no gateway answers.
    bool Connect(std::string& error) {
        Close();
        {
            GatewayClient client;
            ProfileIdentity identity;
            if (!client.Open(PortChoice{options.com, options.device, options.baud}, error))
                return false;
            if (!client.Identify(identity, error)) return false;
            baud = client.Baud();
        } // the client lets go of the port here
        comm = std::make_unique<TComm>();
        comm->SetDeviceName(device);
        const auto rate = std::find(BaudRateTable.begin(), BaudRateTable.end(), baud);
        comm->SetBaudRate(static_cast<TBaudRate>(rate - BaudRateTable.begin()));
        try {
            comm->Open();
        } catch (const ECommError& fault) {
            error = fault.what();
        }
        if (!comm->Connected()) {
            if (error.empty()) error = "cannot open " + device + " again";
            comm.reset();
            return false;
        }
        assembler = LineAssembler{};
        return true;
    }

    void Close() { comm.reset(); }
    bool Present() const { return platform::IsPresentTty(device); }

    enum class State { Lines, Quiet, Lost };
    // Reads what arrived and hands on every accepted line, CR LF included.
    State Read(const std::function<void(std::string_view line)>& onLine) {
        TComStat stat{};
        if ((comm->ClearCommError(stat) & CE_IOE) != 0) return State::Lost;
        if (stat.cbInQue == 0) return State::Quiet;
        const int want = static_cast<int>(std::min<std::size_t>(stat.cbInQue, buffer.size()));
        const int got = comm->Read(buffer.data(), want);
        if (got < 0) return State::Lost;
        for (int i = 0; i < got; ++i) {
            if (!assembler.Add(static_cast<std::uint8_t>(buffer[static_cast<std::size_t>(i)])))
                continue;
            const std::string_view line = assembler.Line();
            std::copy(line.begin(), line.end(), withEnding.begin());
            std::copy_n("\r\n", 2, withEnding.begin() + static_cast<std::ptrdiff_t>(line.size()));
            onLine({withEnding.data(), line.size() + 2});
        }
        return State::Lines;
    }

    std::string Name() const {
        return options.device.empty() ? "COM" + std::to_string(options.com) : options.device;
    }
    std::uint32_t Baud() const { return baud; }

private:
    const GatewayOptions& options;
    std::string device;
    std::unique_ptr<TComm> comm;
    LineAssembler assembler;
    std::uint32_t baud = 0;
    std::array<char, 4096> buffer{};
    std::array<char, LineAssembler::kMaxLineLength + 2> withEnding{};
};

bool ParseSettings(const GatewayOptions& options, share::StreamSettings& settings) {
    std::string error;
    if (!options.tcp.empty() &&
        !share::ParseListenEndpoint(options.tcp, share::kDefaultShareAddress, settings.tcp,
                                    error)) {
        std::fprintf(stderr, "varo-nmea: --tcp: %s\n", error.c_str());
        return false;
    }
    if (!options.udp.empty()) {
        share::Endpoint target;
        if (!share::ParseTargetEndpoint(options.udp, target, error)) {
            std::fprintf(stderr, "varo-nmea: --udp: %s\n", error.c_str());
            return false;
        }
        settings.udp = target;
    }
    return true;
}

// The status line on standard error, refreshed in place, only when it is a terminal.
class StatusLine {
public:
    StatusLine() : shown(isatty(STDERR_FILENO) != 0) {}

    void Show(const std::string& state, const share::StreamServer& server) {
        if (!shown) return;
        const auto now = std::chrono::steady_clock::now();
        if (now - last < kRetryPause && state == lastState) return;
        last = now;
        lastState = state;
        const share::StreamCounts& counts = server.Counts();
        std::fprintf(stderr, "\r\033[K%s; %s: %zu clients, %llu lines, %llu dropped", state.c_str(),
                     server.Address().c_str(), server.Clients(),
                     static_cast<unsigned long long>(counts.lines),
                     static_cast<unsigned long long>(counts.linesDropped));
        std::fflush(stderr);
    }
    // Ends the line so that a message or the summary starts on a line of its own.
    void Break() {
        if (shown && !lastState.empty()) std::fputc('\n', stderr);
        lastState.clear();
    }

private:
    bool shown;
    std::chrono::steady_clock::time_point last{};
    std::string lastState;
};

// Serves the open gateway's lines until a stop is asked for or the port is lost.
void ServeLines(GatewayLines& gateway, share::StreamServer& server, StatusLine& status) {
    const std::string state =
        "serving " + gateway.Name() + " at " + std::to_string(gateway.Baud()) + " baud";
    const auto send = [&server](std::string_view line) { server.Send(line); };
    // Clients that connected while the gateway was being found get its first line too.
    server.Service();
    while (stopRequested == 0) {
        const GatewayLines::State read = gateway.Read(send);
        if (read == GatewayLines::State::Lost) return;
        server.Service(read == GatewayLines::State::Lines ? 0ms : kIdleWait);
        status.Show(state, server);
    }
}

// Waits for the lost port to return with a gateway on it; false when a stop came first.
bool Reconnect(GatewayLines& gateway, share::StreamServer& server, StatusLine& status) {
    const std::string state = gateway.Name() + " lost, waiting for it to return";
    while (stopRequested == 0) {
        status.Show(state, server);
        server.Service(kRetryPause); // the clients stay connected meanwhile
        std::string error;
        if (gateway.Present() && gateway.Connect(error)) return true;
    }
    return false;
}

} // namespace

int RunServe(const GatewayOptions& options) {
    share::StreamSettings settings;
    if (!ParseSettings(options, settings)) return kUsageError;
    share::StreamServer server;
    std::string error;
    if (!server.Start(settings, error)) {
        std::fprintf(stderr, "varo-nmea: %s\n", error.c_str());
        return kUsageError;
    }
    GatewayLines gateway(options);
    if (!gateway.Connect(error)) {
        std::fprintf(stderr, "varo-nmea: %s\n", error.c_str());
        return kNoGateway;
    }
    CatchStopSignals();
    StatusLine status;
    for (;;) {
        ServeLines(gateway, server, status);
        if (stopRequested != 0) break;
        gateway.Close();
        status.Break();
        std::fprintf(stderr, "varo-nmea: %s lost; serving on, waiting for it to return\n",
                     gateway.Name().c_str());
        if (!Reconnect(gateway, server, status)) break;
        status.Break();
        std::fprintf(stderr, "varo-nmea: %s back at %u baud\n", gateway.Name().c_str(),
                     gateway.Baud());
    }
    status.Break();
    const share::StreamCounts& counts = server.Counts();
    std::fprintf(stderr, "varo-nmea: served %llu lines to %llu clients, %llu lines dropped\n",
                 static_cast<unsigned long long>(counts.lines),
                 static_cast<unsigned long long>(counts.accepted),
                 static_cast<unsigned long long>(counts.linesDropped));
    return 0;
}

} // namespace varo
