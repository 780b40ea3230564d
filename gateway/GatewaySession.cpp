#include "gateway/GatewaySession.h"

namespace varo {

GatewaySession::GatewaySession(std::uint32_t baudRate, std::chrono::milliseconds base)
    : baud(baudRate), base(base) {}

void GatewaySession::Add(Step step) {
    steps.push_back(std::move(step));
    ++queued;
}

void GatewaySession::Run(Clock::time_point now) {
    if (!running) StartNext(now);
}

// Steps without a check end at once; their `done` may queue more, so the
// loop runs until a step waits or nothing is left.
void GatewaySession::StartNext(Clock::time_point now) {
    while (!running && !steps.empty()) {
        current = std::move(steps.front());
        steps.pop_front();
        outgoing.insert(outgoing.end(), current.first.begin(), current.first.end());
        if (!current.check) {
            ++ended;
            if (Done done = std::move(current.done)) done(ReplyOutcome::Matched);
            continue;
        }
        running = true;
        attempts.Arm(1);
        deadline = now + ReplyDeadline(base, baud);
    }
}

void GatewaySession::OnLine(std::string_view line, Clock::time_point now) {
    if (!running) return;
    const LineVerdict verdict = current.check(line);
    if (verdict == LineVerdict::Matched) Finish(ReplyOutcome::Matched, now);
    if (verdict == LineVerdict::Different) Finish(ReplyOutcome::Different, now);
}

void GatewaySession::OnTime(Clock::time_point now) {
    if (!running || now < deadline) return;
    if (attempts.NextAttempt()) {
        outgoing.insert(outgoing.end(), current.again.begin(), current.again.end());
        deadline = now + ReplyDeadline(base, baud);
        return;
    }
    Finish(ReplyOutcome::NoAnswer, now);
}

void GatewaySession::Finish(ReplyOutcome outcome, Clock::time_point now) {
    running = false;
    attempts.Disarm();
    ++ended;
    Done done = std::move(current.done);
    current = {};
    if (done) done(outcome);
    StartNext(now);
}

void GatewaySession::Cancel() {
    running = false;
    attempts.Disarm();
    steps.clear();
    current = {};
}

std::vector<std::string> GatewaySession::TakeOutgoing() {
    std::vector<std::string> lines;
    lines.swap(outgoing);
    return lines;
}

std::optional<GatewaySession::Clock::time_point> GatewaySession::Deadline() const {
    if (!running) return std::nullopt;
    return deadline;
}

} // namespace varo
