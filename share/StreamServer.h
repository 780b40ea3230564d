#pragma once

// Shares received lines with other programs: every line goes to every
// connected TCP client, and optionally as one UDP datagram to a target.
// Nothing is read from clients; what they send is discarded. A client that
// does not read loses whole lines once its buffer is full, so it never holds
// up the caller or the other clients. The caller drives the server: Send()
// for each line, Service() now and then to accept, drain and write.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "share/Endpoint.h"
#include "share/Sockets.h"

namespace varo::share {

inline constexpr const char* kDefaultShareAddress = "127.0.0.1";
inline constexpr std::uint16_t kDefaultSharePort = 10110; // the usual NMEA 0183 over TCP port

struct StreamSettings {
    Endpoint tcp{kDefaultShareAddress, kDefaultSharePort};
    std::optional<Endpoint> udp; // datagrams to this target
};

struct StreamCounts {
    std::uint64_t lines = 0;        // lines given to Send
    std::uint64_t accepted = 0;     // clients served since Start
    std::uint64_t refused = 0;      // connections closed at once: kMaxClients were served
    std::uint64_t linesDropped = 0; // lines a client lost because its buffer was full
    std::uint64_t datagramsDropped = 0;
};

class StreamServer {
public:
    static constexpr std::size_t kMaxClients = 16;
    // About four seconds of a full 38400-baud line: a client that falls
    // behind by more loses lines.
    static constexpr std::size_t kClientBuffer = 16 * 1024;
    // What the system may hold unsent for a client besides (it reserves about
    // twice this). Left to itself it grows to megabytes, and a slow client
    // would see positions many minutes old.
    static constexpr int kClientSocketBuffer = 16 * 1024;

    StreamServer() = default;
    ~StreamServer();
    StreamServer(const StreamServer&) = delete;
    StreamServer& operator=(const StreamServer&) = delete;

    // Listens (and opens the datagram socket); false with `error` when it
    // cannot. A running server is stopped first.
    bool Start(const StreamSettings& settings, std::string& error);
    // Closes every client and the sockets; the counts stay until the next Start.
    void Stop();
    bool Running() const { return listener != kNoSocket; }

    // One line, CR LF included: queued for every client, sent as a datagram.
    void Send(std::string_view line);
    // Waits at most `wait` for the sockets, then accepts new clients, drops
    // those that closed, and writes what is queued.
    void Service(std::chrono::milliseconds wait = std::chrono::milliseconds(0));

    std::size_t Clients() const { return clients.size(); }
    const StreamCounts& Counts() const { return counts; }
    // "127.0.0.1:10110", the port as bound.
    std::string Address() const { return EndpointText(bound); }

private:
    struct Client {
        SocketHandle socket = kNoSocket;
        std::string pending; // bytes not yet taken, from `offset` on
        std::size_t offset = 0;
    };
    void AcceptWaiting();
    // Writes what the client has queued; false when it is gone.
    bool Flush(Client& client);
    void Drop(std::size_t index);

    SocketHandle listener = kNoSocket;
    SocketHandle datagrams = kNoSocket;
    Endpoint bound;
    std::vector<Client> clients;
    std::vector<Readiness> readiness;
    StreamCounts counts;
};

} // namespace varo::share
