// varo-nmea gateway serve against simulated gateways, its clients on loopback.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "../../support/LoopbackPort.h"
#include "../../support/PtyPair.h"
#include "ToolRun.h"
#include "sim/SimulatedGateway.h"

extern char** environ;

namespace varo {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A TCP client of the server; `receiveBuffer` shrinks its socket's buffer.
class Client {
public:
    explicit Client(std::uint16_t port, int receiveBuffer = 0) {
        const auto until = Clock::now() + 10s;
        while (Clock::now() < until) {
            fd = ::socket(AF_INET, SOCK_STREAM, 0);
            if (receiveBuffer > 0)
                ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
            const sockaddr_in address = Loopback(port);
            if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
                return;
            ::close(fd);
            fd = -1;
            std::this_thread::sleep_for(20ms);
        }
    }
    ~Client() { Close(); }
    void Close() {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    bool Connected() const { return fd >= 0; }

    // Reads until `lines` whole lines came, the server closed, or `limit` passed.
    std::vector<std::string> Lines(std::size_t lines, std::chrono::milliseconds limit = 15s) {
        const auto until = Clock::now() + limit;
        while (Count() < lines && Clock::now() < until && !closed) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            char chunk[65536];
            const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
            if (got <= 0) closed = true;
            if (got > 0) text.append(chunk, static_cast<std::size_t>(got));
        }
        std::vector<std::string> result;
        std::size_t start = 0;
        for (std::size_t end = text.find('\n'); end != std::string::npos && result.size() < lines;
             start = end + 1, end = text.find('\n', start))
            result.push_back(text.substr(start, end + 1 - start));
        return result;
    }
    bool closed = false;
    std::string text;

private:
    std::size_t Count() const {
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    }
    int fd = -1;
};

class ServeTool : public testing::Test {
protected:
    ServeTool() {
        setenv("VARO_COM_DIR", folder.Path.c_str(), 1);
        setenv("VARO_LOCK_DIR", folder.Path.c_str(), 1);
        setenv("HOME", folder.Path.c_str(), 1);
        setenv("XDG_CONFIG_HOME", folder.Path.c_str(), 1);
    }
    ~ServeTool() override {
        if (serve > 0) {
            ::kill(serve, SIGKILL);
            ::waitpid(serve, nullptr, 0);
        }
        for (auto& gateway : gateways)
            gateway->Stop();
    }

    void StartGateway(int number, sim::SimOptions options = {}) {
        options.comNumber = number;
        options.linkFolder = folder.Path.string();
        auto gateway = std::make_unique<sim::SimulatedGateway>(options);
        std::string error;
        ASSERT_TRUE(gateway->Start(error)) << error;
        gateways.push_back(std::move(gateway));
    }
    // Starts `varo-nmea gateway serve ARGUMENTS`, its standard error kept in a file.
    void StartServe(const std::string& arguments) {
        const std::string command = std::string("exec ") + VARO_NMEA_PATH + " gateway serve " +
                                    arguments + " 2>" + ErrorPath();
        const char* argv[] = {"sh", "-c", command.c_str(), nullptr};
        ASSERT_EQ(
            ::posix_spawn(&serve, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ),
            0);
    }
    // SIGINT, then the exit status.
    int StopServe() {
        ::kill(serve, SIGINT);
        int status = 0;
        ::waitpid(serve, &status, 0);
        serve = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string ErrorPath() const { return (folder.Path / "serve.err").string(); }
    std::string Errors() const {
        std::ifstream in(ErrorPath());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TempFolder folder;
    std::vector<std::unique_ptr<sim::SimulatedGateway>> gateways;
    pid_t serve = 0;
};

TEST_F(ServeTool, EveryLineReachesEachClientAndTheDatagramTargetInOrder) {
    sim::SimOptions slow;
    slow.replyDelay = 0.5; // the clients are in before the gateway is found
    StartGateway(2, slow);
    const std::uint16_t port = FreePort(SOCK_STREAM);
    const std::uint16_t udpPort = FreePort(SOCK_DGRAM);
    const int udp = ::socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in target = Loopback(udpPort);
    ASSERT_EQ(::bind(udp, reinterpret_cast<const sockaddr*>(&target), sizeof target), 0);
    StartServe("--com 2 --tcp " + std::to_string(port) +
               " --udp 127.0.0.1:" + std::to_string(udpPort));
    std::vector<std::unique_ptr<Client>> clients;
    for (int i = 0; i < 3; ++i)
        clients.push_back(std::make_unique<Client>(port));

    constexpr std::size_t kLines = 60;
    const std::vector<std::string> first = clients[0]->Lines(kLines);
    ASSERT_EQ(first.size(), kLines) << Errors();
    for (const std::string& line : first)
        EXPECT_EQ(line.substr(line.size() - 2), "\r\n") << line;
    for (std::size_t i = 1; i < clients.size(); ++i)
        EXPECT_EQ(clients[i]->Lines(kLines), first) << "client " << i;
    std::vector<std::string> datagrams;
    for (pollfd p{udp, POLLIN, 0}; datagrams.size() < kLines && ::poll(&p, 1, 2000) > 0;) {
        char datagram[256];
        const ssize_t got = ::recv(udp, datagram, sizeof datagram, 0);
        datagrams.emplace_back(datagram, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    }
    ::close(udp);
    EXPECT_EQ(datagrams, first) << "one datagram a line";
    EXPECT_EQ(StopServe(), 0);
    EXPECT_NE(Errors().find("to 3 clients"), std::string::npos) << Errors();
}

TEST_F(ServeTool, AClientThatNeverReadsLosesLinesWithoutHoldingUpTheOthers) {
    sim::SimOptions flood;
    flood.flood = true;
    StartGateway(3, flood);
    const std::uint16_t port = FreePort(SOCK_STREAM);
    StartServe("--com 3 --tcp 127.0.0.1:" + std::to_string(port));
    Client stuck(port, 4096);
    Client reader(port);
    // Far more than the stuck client and its sockets could hold.
    constexpr std::size_t kLines = 20000;
    const std::vector<std::string> lines = reader.Lines(kLines, 60s);
    EXPECT_EQ(lines.size(), kLines);
    EXPECT_EQ(StopServe(), 0);
    EXPECT_EQ(Errors().find(", 0 lines dropped"), std::string::npos) << Errors();
}

TEST_F(ServeTool, SixteenClientsAreServedAndOneThatLeftMakesRoom) {
    StartGateway(4);
    const std::uint16_t port = FreePort(SOCK_STREAM);
    StartServe("--com 4 --tcp 127.0.0.1:" + std::to_string(port));
    std::vector<std::unique_ptr<Client>> clients;
    for (int i = 0; i < 16; ++i)
        clients.push_back(std::make_unique<Client>(port));
    for (auto& client : clients)
        ASSERT_EQ(client->Lines(1).size(), 1u);
    Client refused(port);
    EXPECT_TRUE(refused.Lines(1).empty());
    EXPECT_TRUE(refused.closed) << "the 17th is closed at once";

    clients.front()->Close();
    std::this_thread::sleep_for(200ms);
    Client next(port);
    EXPECT_EQ(next.Lines(1).size(), 1u) << "the client that left was dropped";
    EXPECT_EQ(StopServe(), 0);
}

TEST_F(ServeTool, ServingGoesOnWhenTheLostPortReturns) {
    sim::SimOptions unplugged;
    unplugged.dropAfter = 2;
    unplugged.returnAfter = 1;
    StartGateway(5, unplugged);
    const std::uint16_t port = FreePort(SOCK_STREAM);
    StartServe("--com 5 --tcp 127.0.0.1:" + std::to_string(port));
    Client client(port);
    ASSERT_FALSE(client.Lines(1).empty());
    std::this_thread::sleep_for(2500ms); // lost by now
    const std::size_t before = client.Lines(100000, 100ms).size();
    const std::vector<std::string> after = client.Lines(before + 20, 20s);
    EXPECT_EQ(after.size(), before + 20) << Errors();
    EXPECT_EQ(StopServe(), 0);
    const std::string errors = Errors();
    EXPECT_NE(errors.find("COM5 lost"), std::string::npos) << errors;
    EXPECT_NE(errors.find("COM5 back at 38400 baud"), std::string::npos) << errors;
}

TEST_F(ServeTool, GpsdReadingTheStreamShowsTheGatewaysPosition) {
    StartGateway(6);
    const std::uint16_t port = FreePort(SOCK_STREAM);
    const std::uint16_t gpsdPort = FreePort(SOCK_STREAM);
    StartServe("--com 6 --tcp 127.0.0.1:" + std::to_string(port));
    Client probe(port); // serving has begun
    ASSERT_FALSE(probe.Lines(1).empty());
    const std::string socketPath = (folder.Path / "gpsd.sock").string();
    const std::string gpsd = "timeout 20 gpsd -N -n -S " + std::to_string(gpsdPort) + " -F " +
                             socketPath + " tcp://127.0.0.1:" + std::to_string(port) +
                             " 2>/dev/null & sleep 0.5; timeout 10 gpspipe -w -n 12 127.0.0.1:" +
                             std::to_string(gpsdPort) + "; kill %1";
    std::string output;
    if (std::FILE* pipe = ::popen(gpsd.c_str(), "r")) {
        char chunk[4096];
        for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
            output.append(chunk, got);
        ::pclose(pipe);
    }
    EXPECT_NE(output.find("\"class\":\"TPV\""), std::string::npos) << output;
    EXPECT_NE(output.find("\"lat\":22.61"), std::string::npos) << output;
    EXPECT_NE(output.find("\"lon\":120.26"), std::string::npos) << output;
    EXPECT_EQ(StopServe(), 0);
}

TEST_F(ServeTool, BadAddressesAreUsageErrorsAndAMissingPortEndsWithStatus3) {
    const std::string serve = "gateway serve --com 7 ";
    EXPECT_EQ(test::RunNmea(serve + "--tcp 70000 2>/dev/null").status, 2);
    EXPECT_EQ(test::RunNmea(serve + "--udp 10111 2>/dev/null").status, 2);
    EXPECT_EQ(test::RunNmea(serve + "--tcp 192.0.2.1:" + std::to_string(FreePort(SOCK_STREAM)) +
                            " 2>/dev/null")
                  .status,
              2)
        << "an address of no interface here";
    EXPECT_EQ(
        test::RunNmea(serve + "--tcp " + std::to_string(FreePort(SOCK_STREAM)) + " 2>/dev/null")
            .status,
        3);
}

} // namespace
} // namespace varo
