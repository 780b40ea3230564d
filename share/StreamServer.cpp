#include "share/StreamServer.h"

namespace varo::share {

StreamServer::~StreamServer() {
    Stop();
}

bool StreamServer::Start(const StreamSettings& settings, std::string& error) {
    Stop();
    counts = StreamCounts{};
    listener = ListenTcp(settings.tcp, error);
    if (listener == kNoSocket) return false;
    if (settings.udp) {
        datagrams = OpenUdp(*settings.udp, error);
        if (datagrams == kNoSocket) {
            Stop();
            return false;
        }
    }
    bound = Endpoint{settings.tcp.host, LocalPort(listener)};
    return true;
}

void StreamServer::Stop() {
    for (Client& client : clients)
        CloseSocket(client.socket);
    clients.clear();
    CloseSocket(listener);
    CloseSocket(datagrams);
    listener = datagrams = kNoSocket;
}

void StreamServer::Send(std::string_view line) {
    if (!Running()) return;
    ++counts.lines;
    for (Client& client : clients) {
        if (client.pending.size() - client.offset + line.size() > kClientBuffer) {
            ++counts.linesDropped;
            continue;
        }
        // Reuse the buffer's front once everything before it went out.
        if (client.offset == client.pending.size()) {
            client.pending.clear();
            client.offset = 0;
        } else if (client.offset > kClientBuffer) {
            client.pending.erase(0, client.offset);
            client.offset = 0;
        }
        client.pending.append(line);
    }
    std::size_t sent = 0;
    if (datagrams != kNoSocket &&
        SendSome(datagrams, line.data(), line.size(), sent) != SendResult::Sent)
        ++counts.datagramsDropped;
}

bool StreamServer::Flush(Client& client) {
    while (client.offset < client.pending.size()) {
        std::size_t sent = 0;
        const SendResult result = SendSome(client.socket, client.pending.data() + client.offset,
                                           client.pending.size() - client.offset, sent);
        if (result == SendResult::Gone) return false;
        client.offset += sent;
        if (result == SendResult::Full || sent == 0) break;
    }
    return true;
}

void StreamServer::Drop(std::size_t index) {
    CloseSocket(clients[index].socket);
    clients.erase(clients.begin() + static_cast<std::ptrdiff_t>(index));
}

void StreamServer::AcceptWaiting() {
    for (SocketHandle socket = AcceptClient(listener, kClientSocketBuffer); socket != kNoSocket;
         socket = AcceptClient(listener, kClientSocketBuffer)) {
        if (clients.size() >= kMaxClients) {
            CloseSocket(socket);
            ++counts.refused;
            continue;
        }
        clients.push_back(Client{socket, {}, 0});
        ++counts.accepted;
    }
}

void StreamServer::Service(std::chrono::milliseconds wait) {
    if (!Running()) return;
    readiness.clear();
    readiness.push_back(Readiness{listener});
    for (const Client& client : clients)
        readiness.push_back(Readiness{client.socket, client.offset < client.pending.size()});
    WaitReady(readiness, wait);
    // Clients first: their entries follow the listener's in the same order.
    for (std::size_t i = clients.size(); i-- > 0;) {
        const Readiness& ready = readiness[i + 1];
        const bool open = !ready.readable || DrainInput(clients[i].socket);
        if (!open || !Flush(clients[i])) Drop(i);
    }
    if (readiness.front().readable) AcceptWaiting();
}

} // namespace varo::share
