// The stream server in this process, its clients on loopback.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "share/StreamServer.h"

namespace varo::share {
namespace {

TEST(Endpoints, ListenAndTargetForms) {
    Endpoint endpoint;
    std::string error;
    ASSERT_TRUE(ParseListenEndpoint("10111", "127.0.0.1", endpoint, error));
    EXPECT_EQ(EndpointText(endpoint), "127.0.0.1:10111");
    ASSERT_TRUE(ParseListenEndpoint("0.0.0.0:2000", "127.0.0.1", endpoint, error));
    EXPECT_EQ(EndpointText(endpoint), "0.0.0.0:2000");
    ASSERT_TRUE(ParseTargetEndpoint("[::1]:10110", endpoint, error));
    EXPECT_EQ(endpoint.host, "::1");
    EXPECT_EQ(EndpointText(endpoint), "[::1]:10110");
    for (const char* bad : {"", "0", "65536", "12ab", ":10110", "[::1]10110", "::1:10110"})
        EXPECT_FALSE(ParseListenEndpoint(bad, "127.0.0.1", endpoint, error)) << bad;
    EXPECT_FALSE(ParseTargetEndpoint("10110", endpoint, error)) << "a target needs its host";
}

int Connect(std::uint16_t port, int receiveBuffer = 0) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (receiveBuffer > 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    EXPECT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    return fd;
}

std::string ReadAvailable(int fd) {
    std::string text;
    char chunk[65536];
    for (ssize_t got; (got = ::recv(fd, chunk, sizeof chunk, MSG_DONTWAIT)) > 0;)
        text.append(chunk, static_cast<std::size_t>(got));
    return text;
}

// Serves and reads until `text` holds `lines` lines, or for at most ten seconds.
void ReadUntil(StreamServer& server, int fd, std::string& text, std::size_t lines) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) < lines &&
           std::chrono::steady_clock::now() < until) {
        server.Service(std::chrono::milliseconds(1));
        text += ReadAvailable(fd);
    }
}

// Checks that `text` is whole lines "$N,...\r\n" with N rising; returns their count.
std::size_t RisingLines(const std::string& text, bool& gapless) {
    std::size_t count = 0;
    long last = -1;
    gapless = true;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a cut line";
        if (end == std::string::npos) break;
        EXPECT_EQ(text[start], '$');
        const long number = std::stol(text.substr(start + 1, end - start - 1));
        EXPECT_GT(number, last);
        gapless = gapless && number == last + 1;
        last = number;
        ++count;
        start = end + 2;
    }
    return count;
}

TEST(StreamServer, AClientThatDoesNotReadLosesWholeLinesOnlyAndNoneOfTheOthers) {
    StreamServer server;
    std::string error;
    ASSERT_TRUE(server.Start(StreamSettings{{"127.0.0.1", 0}, {}}, error)) << error;
    const std::uint16_t port = static_cast<std::uint16_t>(
        std::stoi(server.Address().substr(server.Address().rfind(':') + 1)));
    const int stuck = Connect(port, 4096);
    const int reader = Connect(port);
    for (int i = 0; i < 100 && server.Clients() < 2; ++i)
        server.Service(std::chrono::milliseconds(10));
    ASSERT_EQ(server.Clients(), 2u);

    // 2.4 MB: far beyond what the server and the sockets hold for a client.
    constexpr int kLines = 30000;
    const std::string padding(70, 'x');
    std::string received;
    for (int i = 0; i < kLines; ++i) {
        server.Send("$" + std::to_string(i) + "," + padding + "\r\n");
        server.Service();
        if (i % 64 == 0) received += ReadAvailable(reader);
    }
    ReadUntil(server, reader, received, kLines);
    bool gapless = false;
    EXPECT_EQ(RisingLines(received, gapless), static_cast<std::size_t>(kLines));
    EXPECT_TRUE(gapless);

    // What the stuck client's buffers held, once it reads at last.
    std::string held;
    ReadUntil(server, stuck, held, kLines - server.Counts().linesDropped);
    const std::size_t kept = RisingLines(held, gapless);
    EXPECT_FALSE(gapless);
    EXPECT_EQ(kept + server.Counts().linesDropped, static_cast<std::size_t>(kLines));
    ::close(stuck);
    ::close(reader);
}

} // namespace
} // namespace varo::share
