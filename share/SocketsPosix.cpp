// The socket operations over BSD sockets (Linux).
#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

#include "share/Sockets.h"

namespace varo::share {
namespace {

constexpr int kBacklog = 8;

int Fd(SocketHandle socket) {
    return static_cast<int>(socket);
}

struct AddressList {
    addrinfo* first = nullptr;
    ~AddressList() {
        if (first != nullptr) freeaddrinfo(first);
    }
};

bool Resolve(const Endpoint& endpoint, int type, bool passive, AddressList& list,
             std::string& error) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = type;
    hints.ai_flags = AI_NUMERICSERV | (passive ? AI_PASSIVE : 0);
    const std::string port = std::to_string(endpoint.port);
    const int status = getaddrinfo(endpoint.host.c_str(), port.c_str(), &hints, &list.first);
    if (status != 0) {
        error = "cannot resolve " + endpoint.host + ": " + gai_strerror(status);
        return false;
    }
    return true;
}

std::string Failure(const char* what, const Endpoint& endpoint) {
    return std::string("cannot ") + what + " " + EndpointText(endpoint) + ": " +
           std::strerror(errno);
}

} // namespace

SocketHandle ListenTcp(const Endpoint& endpoint, std::string& error) {
    AddressList list;
    if (!Resolve(endpoint, SOCK_STREAM, true, list, error)) return kNoSocket;
    const addrinfo* address = list.first;
    const int fd =
        ::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = Failure("open a socket for", endpoint);
        return kNoSocket;
    }
    // A restarted server binds again at once although old connections linger.
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (::bind(fd, address->ai_addr, address->ai_addrlen) != 0 || ::listen(fd, kBacklog) != 0) {
        error = Failure("listen on", endpoint);
        ::close(fd);
        return kNoSocket;
    }
    return fd;
}

SocketHandle OpenUdp(const Endpoint& endpoint, std::string& error) {
    AddressList list;
    if (!Resolve(endpoint, SOCK_DGRAM, false, list, error)) return kNoSocket;
    const addrinfo* address = list.first;
    const int fd =
        ::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::connect(fd, address->ai_addr, address->ai_addrlen) != 0) {
        error = Failure("send datagrams to", endpoint);
        if (fd >= 0) ::close(fd);
        return kNoSocket;
    }
    return fd;
}

SocketHandle AcceptClient(SocketHandle listener, int sendBuffer) {
    const int fd = ::accept4(Fd(listener), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) return kNoSocket;
    // A fixed size also stops the system from growing it to megabytes.
    ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);
    return fd;
}

std::uint16_t LocalPort(SocketHandle socket) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getsockname(Fd(socket), reinterpret_cast<sockaddr*>(&address), &length) != 0) return 0;
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6*>(&address)->sin6_port);
    return ntohs(reinterpret_cast<const sockaddr_in*>(&address)->sin_port);
}

SendResult SendSome(SocketHandle socket, const char* data, std::size_t size, std::size_t& sent) {
    sent = 0;
    // MSG_NOSIGNAL: a peer that went away is an error here, not SIGPIPE.
    const ssize_t written = ::send(Fd(socket), data, size, MSG_NOSIGNAL);
    if (written >= 0) {
        sent = static_cast<std::size_t>(written);
        return SendResult::Sent;
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return SendResult::Full;
    // A datagram's target without a listener reports the refusal on a later send.
    if (errno == ECONNREFUSED) return SendResult::Full;
    return SendResult::Gone;
}

bool DrainInput(SocketHandle socket) {
    std::array<char, 1024> discard{};
    for (;;) {
        const ssize_t got = ::recv(Fd(socket), discard.data(), discard.size(), 0);
        if (got > 0) continue;
        if (got == 0) return false;
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    }
}

void CloseSocket(SocketHandle socket) {
    if (socket != kNoSocket) ::close(Fd(socket));
}

void WaitReady(std::vector<Readiness>& sockets, std::chrono::milliseconds wait) {
    std::vector<pollfd> polls(sockets.size());
    for (std::size_t i = 0; i < sockets.size(); ++i) {
        polls[i].fd = Fd(sockets[i].socket);
        polls[i].events = static_cast<short>(POLLIN | (sockets[i].wantWrite ? POLLOUT : 0));
    }
    const int ready = ::poll(polls.data(), polls.size(), static_cast<int>(wait.count()));
    for (std::size_t i = 0; i < sockets.size(); ++i) {
        const short events = ready > 0 ? polls[i].revents : 0;
        sockets[i].readable = (events & (POLLIN | POLLHUP | POLLERR)) != 0;
        sockets[i].writable = (events & (POLLOUT | POLLERR)) != 0;
    }
}

} // namespace varo::share
