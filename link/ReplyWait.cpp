#include "ReplyWait.h"

#include <cstring>

#include "sentence/SentenceParser.h"

namespace varo {
namespace {

constexpr std::string_view kStaticDataEnd = "[END OF STATIC DATA]";
// A static data block (about 300 characters) behind a batch of output that
// was already on its way: the characters a long answer may wait behind.
constexpr std::int64_t kLongAnswerCharacters = 2000;
constexpr std::int64_t kBitsPerCharacter = 10;

} // namespace

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
    resendsLeft = resends;
    attempt = 0;
    armed = true;
    Deadline.setInterval(deadline);
    Deadline.start();
    return true;
}

void ReplyWait::OnLine(std::string_view line) {
    if (!armed) return;
    const LineVerdict verdict = check(line);
    if (verdict == LineVerdict::Matched) Finish(ReplyOutcome::Matched);
    if (verdict == LineVerdict::Different) Finish(ReplyOutcome::Different);
}

void ReplyWait::Expire() {
    if (!armed) return;
    if (resendsLeft > 0) {
        --resendsLeft;
        ++attempt;
        // A resend that cannot be written leaves nothing to wait for.
        if (send(attempt)) {
            Deadline.start();
            return;
        }
    }
    Finish(ReplyOutcome::NoAnswer);
}

void ReplyWait::Cancel() {
    armed = false;
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
    if (baudRate == 0) baudRate = 38400;
    const std::int64_t lineTime = kLongAnswerCharacters * kBitsPerCharacter * 1000 / baudRate;
    return Base + std::chrono::milliseconds(lineTime);
}

bool ReadCttSentence(std::string_view line, CttFields& fields) {
    // The parser wants the line with CR LF and rewrites its buffer.
    char text[kLineBufferSize] = {};
    if (line.size() + 3 > sizeof text || line.rfind("$PCTT,", 0) != 0) return false;
    std::memcpy(text, line.data(), line.size());
    std::memcpy(text + line.size(), "\r\n", 2);
    SentenceRecord record{};
    if (!ParseSentence(text, record) || std::strcmp(record.formatter, "CTT") != 0) return false;
    fields = record.payload.ctt;
    return true;
}

bool ReadStaticValue(std::string_view line, std::string_view key, std::string_view& value) {
    const std::size_t at = line.find(key);
    if (at == std::string_view::npos) return false;
    std::string_view rest = line.substr(at + key.size());
    const std::size_t open = rest.find(" = (");
    if (open != 0) return false;
    rest.remove_prefix(4);
    value = rest.substr(0, rest.find(')'));
    return true;
}

bool IsStaticDataEnd(std::string_view line) {
    return line.find(kStaticDataEnd) != std::string_view::npos;
}

} // namespace varo
