#include "sim/GatewayLoop.h"

#include "platform/ComFolder.h"
#include "platform/PortUse.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace varo::sim {
namespace {

using namespace std::chrono_literals;

// How often the line speed and the port's holder are looked at.
constexpr auto kWatchInterval = 5ms;
// A program that has just opened the port sets its speed right after; output
// starts only once the holder has been there this long.
constexpr auto kListenerSettle = 30ms;
constexpr std::size_t kReadChunk = 4096;
// How often --shared-holder looks for a process that has the port open: the
// look goes through /proc, far dearer than the exclusive-use query.
constexpr auto kHolderRecheck = 100ms;

std::string FolderOf(const SimOptions& options) {
    return options.linkFolder.empty() ? platform::ComFolder() : options.linkFolder;
}

SimClock::duration BatchInterval(int flowRate) {
    return std::chrono::seconds(flowRate <= 0 ? 1 : flowRate);
}

} // namespace

GatewayLoop::GatewayLoop(const SimOptions& options)
    : FOptions(options), FCommands(options), FFaults(options.seed), FPublisher(FolderOf(options)) {}

bool GatewayLoop::Open(std::string& error) {
    if (!FTranscript.Open(FOptions.transcriptPath)) {
        error = "cannot open the transcript " + FOptions.transcriptPath;
        return false;
    }
    if (!OpenLine()) {
        error = "cannot open a pseudo-terminal or publish it in " + FPublisher.Folder();
        return false;
    }
    return true;
}

bool GatewayLoop::OpenLine() {
    if (!FPty.Open(FCommands.Settings().nmeaBaud)) return false;
    const int wanted = FComNumber != 0 ? FComNumber : FOptions.comNumber;
    const int number = FPublisher.Publish(wanted, FPty.SlavePath());
    if (number == 0) {
        FPty.Close();
        return false;
    }
    std::lock_guard lock(FIdentityLock);
    FComNumber = number;
    FDevicePath = FPty.SlavePath();
    return true;
}

void GatewayLoop::CloseLine() {
    FPublisher.Remove();
    FPty.Close();
    FAssembler.Clear();
    FQueue.Clear();
    FDelayed.clear();
    FSending.clear();
    FListenerSince.reset();
    std::lock_guard lock(FIdentityLock);
    FDevicePath.clear();
}

void GatewayLoop::Close() {
    CloseLine();
}

int GatewayLoop::ComNumber() const {
    std::lock_guard lock(FIdentityLock);
    return FComNumber;
}

std::string GatewayLoop::DevicePath() const {
    std::lock_guard lock(FIdentityLock);
    return FDevicePath;
}

bool GatewayLoop::Silent(double elapsed) const {
    return FOptions.silentAfter >= 0 && elapsed >= FOptions.silentAfter;
}

bool GatewayLoop::LineSpeedMatches() const {
    const std::uint32_t speed = FPty.LineSpeed();
    return speed == 0 || speed == FCommands.Settings().nmeaBaud;
}

// An unplugged adapter: the device and its link vanish; on its return it
// gets the same number again.
void GatewayLoop::PlayFaultTimes(double elapsed) {
    if (FOptions.dropAfter < 0) return;
    if (!FDropped && elapsed >= FOptions.dropAfter) {
        CloseLine();
        FDropped = true;
    }
    if (FDropped && !FReturned && FOptions.returnAfter >= 0 &&
        elapsed >= FOptions.dropAfter + FOptions.returnAfter) {
        FReturned = true;
        OpenLine();
    }
}

void GatewayLoop::Run(int wakeFd) {
    const SimClock::time_point start = SimClock::now();
    FQueue.SetRate(FOptions.flood ? 0 : FCommands.Settings().nmeaBaud / 10);
    for (;;) {
        const SimClock::time_point now = SimClock::now();
        const double elapsed = std::chrono::duration<double>(now - start).count();
        PlayFaultTimes(elapsed);
        if (FPty.IsOpen()) {
            ReleaseDelayedReplies(now);
            EmitBatchIfDue(now, elapsed);
            SendPending(now);
        }
        pollfd fds[2] = {{wakeFd, POLLIN, 0}, {FPty.MasterFd(), POLLIN, 0}};
        if (!FSending.empty()) fds[1].events |= POLLOUT;
        const nfds_t count = FPty.IsOpen() ? 2 : 1;
        const bool busy = FOptions.flood && FPty.IsOpen() && FListenerSince && FSending.empty();
        const int timeout = busy ? 0 : static_cast<int>(kWatchInterval.count());
        if (::poll(fds, count, timeout) < 0 && errno != EINTR) break;
        if (fds[0].revents & POLLIN) break;
        if (count == 2 && (fds[1].revents & POLLIN)) ReadCommands(elapsed);
    }
}

bool GatewayLoop::Held(SimClock::time_point now) {
    if (FPty.HasExclusiveHolder()) return true;
    if (!FOptions.sharedHolder) return false;
    if (!FHolderCheckedAt || now - *FHolderCheckedAt >= kHolderRecheck) {
        FHolderSeen = platform::FindPortHolder(FPty.SlavePath()).has_value();
        FHolderCheckedAt = now;
    }
    return FHolderSeen;
}

void GatewayLoop::EmitBatchIfDue(SimClock::time_point now, double elapsed) {
    if (!Held(now)) {
        // Nobody holds the port: a serial line would carry the output nowhere.
        FListenerSince.reset();
        FNextBatch.reset();
        FQueue.DropOutput();
        return;
    }
    if (!FListenerSince) FListenerSince = now;
    if (Silent(elapsed)) {
        FQueue.Clear();
        return;
    }
    if (now - *FListenerSince < kListenerSettle) return;
    const bool due = FOptions.flood ? FQueue.OutputEmpty() && FSending.empty()
                                    : !FNextBatch || now >= *FNextBatch;
    if (!due) return;
    FNextBatch = (FNextBatch ? *FNextBatch : now) + BatchInterval(FCommands.Settings().flowRate);
    if (*FNextBatch < now) FNextBatch = now + BatchInterval(FCommands.Settings().flowRate);
    bool first = true;
    for (std::string& line :
         FBatches.Build(FCommands.Settings().outputs, elapsed, std::chrono::system_clock::now())) {
        if (FOptions.longLines && !first) FQueue.PushOutput(LineFaults::LongLine());
        FQueue.PushOutput(std::move(line));
        first = false;
    }
}

void GatewayLoop::ReadCommands(double elapsed) {
    char buffer[kReadChunk];
    for (;;) {
        const ssize_t n = ::read(FPty.MasterFd(), buffer, sizeof buffer);
        if (n <= 0) return;
        const bool speedMatches = LineSpeedMatches();
        for (const std::string& line : FAssembler.Feed(buffer, static_cast<std::size_t>(n)))
            HandleLine(line, speedMatches, Silent(elapsed));
    }
}

void GatewayLoop::HandleLine(const std::string& line, bool speedMatches, bool silent) {
    if (!speedMatches) {
        FTranscript.WrongSpeed(line);
        return;
    }
    if (silent) {
        // A gateway that has gone quiet reads nothing; the transcript still
        // shows what the tool sent.
        FTranscript.Accepted(line);
        return;
    }
    if (Ignores(line)) {
        FTranscript.Ignored(line);
        return;
    }
    CommandResult result;
    if (!FCommands.Handle(line, result)) {
        FTranscript.Rejected(line);
        return;
    }
    FTranscript.Accepted(line);
    const auto due = SimClock::now() + std::chrono::duration_cast<SimClock::duration>(
                                           std::chrono::duration<double>(FOptions.replyDelay));
    for (std::string& reply : result.replies)
        FDelayed.emplace_back(due, std::move(reply));
    ReleaseDelayedReplies(SimClock::now());
    if (result.newNmeaBaud != 0) FPendingBaud = result.newNmeaBaud;
}

bool GatewayLoop::Ignores(const std::string& line) {
    if (FOptions.ignoreCommands) return true;
    const bool change = line.rfind("$PCTT,C,", 0) == 0 || line.rfind("$PCTT,A,", 0) == 0 ||
                        line.rfind("$PDBG,", 0) == 0;
    return change && FFaults.Chance(FOptions.dropCommands);
}

void GatewayLoop::ReleaseDelayedReplies(SimClock::time_point now) {
    std::size_t released = 0;
    while (released < FDelayed.size() && FDelayed[released].first <= now) {
        FQueue.PushReply(std::move(FDelayed[released].second));
        ++released;
    }
    FDelayed.erase(FDelayed.begin(), FDelayed.begin() + static_cast<std::ptrdiff_t>(released));
}

void GatewayLoop::SendPending(SimClock::time_point now) {
    for (;;) {
        if (FSending.empty()) {
            if (FPendingBaud != 0 && !FQueue.HasReplies() && FDelayed.empty()) {
                // The answer has gone out at the old speed; now the switch.
                FCommands.SetNmeaBaud(FPendingBaud);
                FQueue.SetRate(FOptions.flood ? 0 : FPendingBaud / 10);
                FPendingBaud = 0;
            }
            bool isReply = false;
            std::string line;
            if (!FQueue.Pop(now, line, isReply)) return;
            if (!LineSpeedMatches()) {
                FSending = FFaults.Noise(line.size());
            } else {
                FFaults.Corrupt(line, FOptions.garbageRate);
                FSending = std::move(line);
            }
        }
        const ssize_t n = ::write(FPty.MasterFd(), FSending.data(), FSending.size());
        if (n <= 0) return; // the terminal is full: wait until it is writable
        FSending.erase(0, static_cast<std::size_t>(n));
    }
}

} // namespace varo::sim