#include "sim/OutputQueue.h"

namespace varo::sim {
namespace {

// Idle time does not build up a burst beyond this.
constexpr auto kMaxBurst = std::chrono::milliseconds(50);

} // namespace

bool OutputQueue::PushOutput(std::string line) {
    if (FRate != 0 && FOutputBytes + line.size() > FRate) return false;
    FOutputBytes += line.size();
    FOutput.push_back(std::move(line));
    return true;
}

void OutputQueue::DropOutput() {
    FOutput.clear();
    FOutputBytes = 0;
}

void OutputQueue::Clear() {
    FReplies.clear();
    DropOutput();
}

bool OutputQueue::Pop(SimClock::time_point now, std::string& line, bool& isReply) {
    if (Empty() || (FRate != 0 && now < FNextAllowed)) return false;
    isReply = !FReplies.empty();
    std::deque<std::string>& from = isReply ? FReplies : FOutput;
    line = std::move(from.front());
    from.pop_front();
    if (!isReply) FOutputBytes -= line.size();
    if (FRate != 0) {
        const auto start = FNextAllowed < now - kMaxBurst ? now - kMaxBurst : FNextAllowed;
        FNextAllowed =
            start + std::chrono::duration_cast<SimClock::duration>(
                        std::chrono::duration<double>(double(line.size()) / double(FRate)));
    }
    return true;
}

} // namespace varo::sim