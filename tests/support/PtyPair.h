#pragma once

// A pseudo-terminal for tests: the master plays the device on the far end of
// the line, the slave path is the port under test.

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace varo {

struct PtyPair {
    int Master = -1;
    std::string SlavePath;

    PtyPair() {
        Master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (Master >= 0 && ::grantpt(Master) == 0 && ::unlockpt(Master) == 0) {
            SlavePath = ::ptsname(Master);
            ::fcntl(Master, F_SETFL, ::fcntl(Master, F_GETFL) | O_NONBLOCK);
        }
    }
    ~PtyPair() { CloseMaster(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    void CloseMaster() {
        if (Master >= 0) ::close(Master);
        Master = -1;
    }
    bool Send(const std::string& bytes) const {
        return ::write(Master, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    }
    // Reads what the port sent, waiting up to `timeoutMs` for `count` bytes.
    std::string Receive(std::size_t count, int timeoutMs = 2000) const {
        std::string got;
        while (got.size() < count) {
            pollfd p{Master, POLLIN, 0};
            if (::poll(&p, 1, timeoutMs) <= 0) break;
            char buffer[256];
            const ssize_t n = ::read(Master, buffer, sizeof buffer);
            if (n <= 0) break;
            got.append(buffer, std::size_t(n));
        }
        return got;
    }
};

// A scratch folder removed at the end of the test.
struct TempFolder {
    std::filesystem::path Path;
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "varo-test-XXXXXX").string();
        Path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(Path, error);
    }
    std::string operator/(const std::string& name) const { return (Path / name).string(); }
};

} // namespace varo
