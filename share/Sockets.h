#pragma once

// The few socket operations the stream server needs, every socket
// non-blocking. SocketsPosix.cpp fills them in over BSD sockets; another
// platform gives its own file with the same functions.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "share/Endpoint.h"

namespace varo::share {

using SocketHandle = std::intptr_t; // a descriptor, or the platform's socket handle
inline constexpr SocketHandle kNoSocket = -1;

// A TCP socket listening on `endpoint` (port 0: any free port); kNoSocket
// with `error` when the host does not resolve or the port cannot be bound.
SocketHandle ListenTcp(const Endpoint& endpoint, std::string& error);
// A UDP socket whose datagrams go to `endpoint`.
SocketHandle OpenUdp(const Endpoint& endpoint, std::string& error);
// The next waiting connection, or kNoSocket when none waits; the system
// holds at most about `sendBuffer` bytes unsent for it.
SocketHandle AcceptClient(SocketHandle listener, int sendBuffer);
// The port a socket is bound to.
std::uint16_t LocalPort(SocketHandle socket);

enum class SendResult { Sent, Full, Gone };
// Sends what the socket takes now; `sent` counts the bytes. Full when it took
// nothing, Gone when the peer is gone (never a signal).
SendResult SendSome(SocketHandle socket, const char* data, std::size_t size, std::size_t& sent);
// Reads and discards what the peer sent; false once it closed or failed.
bool DrainInput(SocketHandle socket);
void CloseSocket(SocketHandle socket);

struct Readiness {
    SocketHandle socket = kNoSocket;
    bool wantWrite = false;
    bool readable = false; // data, a closed peer, or a waiting connection
    bool writable = false;
};
// Waits at most `wait` until one of `sockets` is ready and marks each.
void WaitReady(std::vector<Readiness>& sockets, std::chrono::milliseconds wait);

} // namespace varo::share
