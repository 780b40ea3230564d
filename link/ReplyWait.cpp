#include "ReplyWait.h"

namespace varo {

ReplyWait::ReplyWait() {
    Deadline.setSingleShot(true);
    Deadline.setObjectName(QStringLiteral("ReplyDeadline"));
    QObject::connect(&Deadline, &QTimer::timeout, [this] { Expire(); });
}

bool ReplyWait::Start(Send sendRequest, Check checkLine, Done whenDone,
                      std::chrono::milliseconds deadline, int resends) {
    Cancel();
    if (!sendRequest(0)) return false;
    send = std::move(sendRequest);
    check = std::move(checkLine);
    done = std::move(whenDone);
    attempts.Arm(resends);
    Deadline.setInterval(deadline);
    Deadline.start();
    return true;
}

void ReplyWait::OnLine(std::string_view line) {
    if (!attempts.Armed()) return;
    const LineVerdict verdict = check(line);
    if (verdict == LineVerdict::Matched) Finish(ReplyOutcome::Matched);
    if (verdict == LineVerdict::Different) Finish(ReplyOutcome::Different);
}

void ReplyWait::Expire() {
    if (!attempts.Armed()) return;
    // A resend that cannot be written leaves nothing to wait for.
    if (attempts.NextAttempt() && send(attempts.Attempt())) {
        Deadline.start();
        return;
    }
    Finish(ReplyOutcome::NoAnswer);
}

void ReplyWait::Cancel() {
    attempts.Disarm();
    Deadline.stop();
    send = nullptr;
    check = nullptr;
    done = nullptr;
}

// The outcome is handed on from the event loop, not from inside the receive
// handler: what it does (a message box, the next request, a new line speed)
// must not run while the port's event is being handled.
void ReplyWait::Finish(ReplyOutcome outcome) {
    Done whenDone = std::move(done);
    Cancel();
    if (whenDone)
        QTimer::singleShot(0, &Deadline,
                           [whenDone = std::move(whenDone), outcome] { whenDone(outcome); });
}

std::chrono::milliseconds ReplyWait::DeadlineAt(std::uint32_t baudRate) const {
    return ReplyDeadline(Base, baudRate);
}

} // namespace varo
