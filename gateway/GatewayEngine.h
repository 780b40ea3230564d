#pragma once

// The gateway engine: every exchange with the gateway, without any I/O of its
// own. It is fed the received lines and the time, and says what to send, at
// which speed, and when its next deadline falls; the window's link drives it
// over its open port with QTimers, the command line in a blocking loop.
//
// Each request (GatewayRequest) waits its turn behind those before it, so
// none replaces another in flight, and ends in exactly one GatewayOutcome:
// confirmed (with what the gateway now reports), not taken (what differs), no
// answer, port lost, or refused before anything was sent (why). A change is
// always compared with what the gateway last reported, never with what a
// screen believes, and always read back: "confirmed" means the read-back
// matches what was asked.

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/OutputStates.h"
#include "config/ProductInfo.h"
#include "gateway/Commands.h"
#include "gateway/StaticData.h"

namespace varo {

// What the gateway reports about one filter input: the flag of each output
// the filter catalogue lists for it (RMC's continuation outputs included).
struct FilterReport {
    std::int32_t input = 0;
    std::vector<std::int32_t> outputs; // as FilterInput::outputs
    std::vector<std::uint8_t> flags;   // parallel: 0 off, 1 on, another digit as reported
};

// The NMEA 0183 output selection as reported. A slot the gateway left blank
// leaves its sentences unknown.
struct OutputReport {
    SentenceStateTable states{};
    std::array<bool, kSentenceTagCount> known{};
};

struct GatewayRequest {
    enum class Kind {
        Identify,        // the static data block
        QueryFilter,     // `input`'s outputs
        ChangeFilter,    // `input`'s outputs to `flags`
        QueryOutputs,    // the output selection
        ChangeOutputs,   // the output selection to `states`
        RestoreDefaults, // the factory filtering; `input` (when not 0) is read back too
        SetFlowRate,     // `value` seconds
        SetBaudRate,     // `value` baud; the port follows the gateway
    };
    Kind kind = Kind::Identify;
    std::int32_t input = 0;
    std::vector<std::uint8_t> flags;
    SentenceStateTable states{};
    std::uint32_t value = 0;

    static GatewayRequest Identify() { return Make(Kind::Identify); }
    static GatewayRequest QueryFilter(std::int32_t input) {
        GatewayRequest request = Make(Kind::QueryFilter);
        request.input = input;
        return request;
    }
    static GatewayRequest ChangeFilter(std::int32_t input, std::vector<std::uint8_t> flags) {
        GatewayRequest request = QueryFilter(input);
        request.kind = Kind::ChangeFilter;
        request.flags = std::move(flags);
        return request;
    }
    static GatewayRequest QueryOutputs() { return Make(Kind::QueryOutputs); }
    static GatewayRequest ChangeOutputs(const SentenceStateTable& states) {
        GatewayRequest request = Make(Kind::ChangeOutputs);
        request.states = states;
        return request;
    }
    static GatewayRequest RestoreDefaults(std::int32_t readBack = 0) {
        GatewayRequest request = Make(Kind::RestoreDefaults);
        request.input = readBack;
        return request;
    }
    static GatewayRequest SetFlowRate(int seconds) {
        GatewayRequest request = Make(Kind::SetFlowRate);
        request.value = static_cast<std::uint32_t>(seconds);
        return request;
    }
    static GatewayRequest SetBaudRate(std::uint32_t baud) {
        GatewayRequest request = Make(Kind::SetBaudRate);
        request.value = baud;
        return request;
    }

private:
    static GatewayRequest Make(Kind kind) {
        GatewayRequest request;
        request.kind = kind;
        return request;
    }
};

enum class Outcome { Confirmed, NotTaken, NoAnswer, PortLost, Refused };

// Why a request was refused before anything was sent.
enum class Refusal {
    None,
    NothingToChange, // the gateway already reports what was asked
    OutOfRange,      // a value the gateway has no setting for
    NotReported,     // the gateway's present setting was never read: nothing to compare with
    StatesUnknown,   // output states the gateway did not report and nobody set
};

struct GatewayOutcome {
    GatewayRequest::Kind request = GatewayRequest::Kind::Identify;
    Outcome outcome = Outcome::NoAnswer;
    Refusal refusal = Refusal::None;
    FilterReport filter;                    // filter requests; RestoreDefaults with an input
    OutputReport outputs;                   // output requests and RestoreDefaults
    ProductInfo info{};                     // Identify, SetFlowRate, SetBaudRate: the block read
    unsigned missing = 0;                   // no answer: the block's values that never came whole
    std::vector<std::size_t> filterDiffers; // not taken: indices into filter.outputs
    std::vector<int> outputDiffers;         // not taken: sentence tags
    std::uint32_t baud = 0;                 // SetBaudRate: the speed the port uses now
};

// The base of every deadline.
inline constexpr std::chrono::milliseconds kReplyBase{1500};
// The deadline for an answer of a few lines at `baudRate`: `base` plus the
// time a long answer (a static data block behind a batch of output) takes on
// the line, about 2 s at 38400 baud and 5.7 s at 4800. 0 counts as 38400.
std::chrono::milliseconds ReplyDeadline(std::chrono::milliseconds base, std::uint32_t baudRate);

class GatewayEngine {
public:
    using Clock = std::chrono::steady_clock;
    using Done = std::function<void(const GatewayOutcome&)>;

    // Deadlines follow the line speed; `base` is kReplyBase unless a test shortens it.
    explicit GatewayEngine(std::uint32_t baudRate = 38400,
                           std::chrono::milliseconds base = kReplyBase);

    // Queues `request`; it starts once every request before it has ended.
    // `done` may submit further requests.
    void Submit(GatewayRequest request, Done done, Clock::time_point now);
    // The same at the time of the line or deadline being handled: for
    // requests submitted from an outcome.
    void Submit(GatewayRequest request, Done done) {
        Submit(std::move(request), std::move(done), now);
    }
    // A TST probe that expects no answer of its own (the connection search,
    // the CONFIGURATION page opened or closed): out with the next lines.
    void SendProbe(std::uint16_t code);

    // Every received line (without CR LF), in arrival order.
    void OnLine(std::string_view line, Clock::time_point now);
    // The time passed: a request whose deadline has come is sent again or ends.
    void OnTime(Clock::time_point now);
    // The port hung up or a write failed: every request ends "port lost", in order.
    void OnPortLost();
    // Every request is dropped without an outcome (the work that asked for
    // them was abandoned); what the gateway reported stays.
    void DropRequests();
    // The link went down: every request is dropped without an outcome, and
    // what the gateway reported is forgotten.
    void Cancel();

    // The speed the port must take before the next lines go out; once.
    std::optional<std::uint32_t> TakeSpeedChange();
    // The lines to write now, in order; taking them empties the list.
    std::vector<std::string> TakeOutgoing();
    // When OnTime must be called next; nothing while no answer is awaited.
    std::optional<Clock::time_point> Deadline() const;
    bool Idle() const { return !operation && operations.empty(); }
    void SetBaudRate(std::uint32_t baudRate) { baud = baudRate; }
    // Tests shorten the base of every deadline.
    void SetReplyBase(std::chrono::milliseconds replyBase) { base = replyBase; }
    std::uint32_t BaudRate() const { return baud; }
    // Exchanges ended so far and ever queued: the progress of the work.
    int Ended() const { return ended; }
    int Queued() const { return queued; }

    // An answer is awaited, and the CTT item it must be about (0 for none).
    bool WaitingForReply() const { return exchange.has_value(); }
    std::int32_t ExpectedReplyId() const { return exchange ? exchange->subject : 0; }
    // What the gateway last reported: the only truth a change is compared with.
    const FilterReport* ConfigReceived(std::int32_t input) const;
    const std::optional<OutputReport>& LastOutputs() const { return lastOutputs; }
    const std::optional<ProductInfo>& LastInfo() const { return lastInfo; }
    // Called with every complete static data block, whoever asked for it.
    std::function<void(const ProductInfo&)> onStaticData;

private:
    // What one received line means to the exchange awaiting it.
    enum class Verdict { Pending, Answered, Again };
    // One command and the answer it awaits: sent (after the port took
    // `speed`), judged line by line, sent again once (`again`) at the
    // deadline or when the check asks for it, then ended. Without a check it
    // ends as soon as it starts: the last step of a request, which judges
    // what the steps before it read.
    struct Exchange {
        std::vector<std::string> first;
        std::vector<std::string> again;
        std::function<Verdict(std::string_view line)> check;
        std::function<void(bool answered)> done;
        std::int32_t subject = 0;
        std::optional<std::uint32_t> speed;
        int resends = 1;
        std::optional<std::chrono::milliseconds> wait; // instead of the line's deadline
    };
    struct Operation {
        GatewayRequest request;
        Done done;
        GatewayOutcome outcome;
    };

    void Begin(Operation& op);
    void Queue(Exchange step) { exchanges.push_back(std::move(step)); }
    void Advance(Clock::time_point now);
    void EndExchange(bool answered, Clock::time_point now);
    void Finish(Outcome outcome, Refusal refusal = Refusal::None);

    void BeginFilterQuery(Operation& op);
    void BeginFilterChange(Operation& op);
    void BeginOutputChange(Operation& op);
    void BeginDefaults(Operation& op);
    void BeginFlowRate(Operation& op);
    void BeginBaudRate(Operation& op);
    // Asks for `op`'s filter input item by item, into op.outcome.filter;
    // `only` limits it to the items whose subjects it holds.
    void QueueFilterRead(Operation& op, const std::vector<std::int32_t>& only);
    // Asks for the output selection into op.outcome.outputs; `change` goes first.
    void QueueOutputsRead(Operation& op, std::vector<std::string> change);
    // Asks for the static data block at `speed`; `then` gets whether a
    // complete one came. A complete block that `accept` refuses is asked for
    // once more: it may have been on its way before the command took effect.
    void QueueStaticData(std::vector<std::string> first, std::optional<std::uint32_t> speed,
                         std::function<bool(const ProductInfo&)> accept,
                         std::function<void(bool complete)> then);
    // The request's last step: `judge` ends it.
    void QueueJudgement(std::function<void()> judge);

    std::uint32_t baud;
    std::chrono::milliseconds base;
    Clock::time_point now{};
    CommandBuilder commands;
    StaticDataReader staticData;
    StaticDataReader::Block lastBlock = StaticDataReader::Block::Pending;
    std::deque<Operation> operations;
    std::optional<Operation> operation;
    std::deque<Exchange> exchanges;
    std::optional<Exchange> exchange;
    int resendsLeft = 0;
    Clock::time_point deadline{};
    std::vector<std::string> outgoing;
    std::optional<std::uint32_t> speedChange;
    std::map<std::int32_t, FilterReport> lastFilters;
    std::optional<OutputReport> lastOutputs;
    std::optional<ProductInfo> lastInfo;
    int ended = 0;
    int queued = 0;
    bool advancing = false;
};

} // namespace varo
