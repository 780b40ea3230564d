#include "gateway/GatewayEngine.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "config/ConversionMap.h"
#include "config/FilterCatalog.h"
#include "config/SentenceStore.h"
#include "gateway/Protocol.h"
#include "sentence/SentenceParser.h"

namespace varo {
namespace {

// A static data block (about 300 characters) behind a batch of output that
// was already on its way: the characters a long answer may wait behind.
constexpr std::int64_t kLongAnswerCharacters = 2000;
constexpr std::int64_t kBitsPerCharacter = 10;

// One CTT item of a filter input: which of its slots carry which of the
// input's outputs. RMC takes two items, its own and its continuation.
struct FilterItem {
    std::int32_t subject;
    std::vector<std::pair<std::size_t, std::size_t>> slots; // slot, output index
};

void AddItems(std::vector<FilterItem>& items, std::int32_t subject, std::size_t& next) {
    const ConversionRow* row = FindConversionRow(subject);
    if (row == nullptr) return;
    FilterItem item{subject, {}};
    bool continued = false;
    for (std::size_t slot = 0; slot < protocol::kCttSlots && static_cast<int>(slot) < row->count;
         ++slot) {
        if (row->related[slot] == ConversionContinued) {
            continued = true;
            continue;
        }
        item.slots.emplace_back(slot, next++);
    }
    items.push_back(std::move(item));
    if (continued) AddItems(items, protocol::kRmcContinuation, next);
}

std::vector<FilterItem> FilterItemsOf(std::int32_t input) {
    std::vector<FilterItem> items;
    std::size_t next = 0;
    AddItems(items, input, next);
    return items;
}

const FilterInput* FindFilterInput(std::int32_t input) {
    for (bool nmea0183 : {true, false}) {
        for (const FilterInput& entry : FilterInputs(nmea0183))
            if (entry.input == input) return &entry;
    }
    return nullptr;
}

// The fields of a CTT sentence in `line` (without CR LF); false when the
// line is no valid CTT sentence.
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

OutputReport ReportOf(const CttFields& answer) {
    OutputIdentifiers identifiers{};
    for (std::size_t slot = 0; slot < identifiers.size(); ++slot)
        identifiers[slot] = static_cast<std::uint32_t>(answer.items[slot].identifier);
    OutputReport report;
    report.states = UnpackSentenceStates(identifiers);
    for (const OutputSentenceTag& sentence : kOutputSentenceTags) {
        const auto tag = static_cast<std::size_t>(sentence.tag);
        report.known[tag] = identifiers[SentenceStateSlot(sentence.tag)] != protocol::kNoOutput;
    }
    return report;
}

// The tags whose state in `report` is not `wanted`'s (unknown counts as different).
std::vector<int> StatesDiffering(const OutputReport& report, const SentenceStateTable& wanted) {
    std::vector<int> tags;
    for (const OutputSentenceTag& sentence : kOutputSentenceTags) {
        const auto tag = static_cast<std::size_t>(sentence.tag);
        if (!report.known[tag] || report.states[tag] != wanted[tag]) tags.push_back(sentence.tag);
    }
    return tags;
}

SentenceStateTable AllOn() {
    SentenceStateTable states{};
    for (const OutputSentenceTag& sentence : kOutputSentenceTags)
        states[static_cast<std::size_t>(sentence.tag)] = 1;
    return states;
}

// "NMEA Baud Rate = (9600)": the gateway's echo of a new baud rate.
std::string NmeaBaudLine(std::uint32_t baud) {
    for (const ProductInfoKey& key : kProductInfoKeys)
        if (key.value == kNmeaBaudRateValue)
            return std::string(key.key) + std::to_string(baud) + ")";
    return {};
}

std::vector<std::size_t> FlagsDiffering(const FilterReport& report,
                                        const std::vector<std::uint8_t>& wanted) {
    std::vector<std::size_t> differing;
    for (std::size_t i = 0; i < report.flags.size() && i < wanted.size(); ++i)
        if (report.flags[i] != wanted[i]) differing.push_back(i);
    return differing;
}

} // namespace

std::chrono::milliseconds ReplyDeadline(std::chrono::milliseconds base, std::uint32_t baudRate) {
    if (baudRate == 0) baudRate = protocol::kSearchSpeeds[0];
    const std::int64_t lineTime = kLongAnswerCharacters * kBitsPerCharacter * 1000 / baudRate;
    return base + std::chrono::milliseconds(lineTime);
}

GatewayEngine::GatewayEngine(std::uint32_t baudRate, std::chrono::milliseconds base)
    : baud(baudRate), base(base) {}

const FilterReport* GatewayEngine::ConfigReceived(std::int32_t input) const {
    const auto found = lastFilters.find(input);
    return found == lastFilters.end() ? nullptr : &found->second;
}

void GatewayEngine::Submit(GatewayRequest request, Done done, Clock::time_point at) {
    now = at;
    Operation op{std::move(request), std::move(done), {}};
    op.outcome.request = op.request.kind;
    operations.push_back(std::move(op));
    Advance(at);
}

void GatewayEngine::SendProbe(std::uint16_t code) {
    outgoing.push_back(commands.Probe(code));
}

// Starts the next exchange of the running request, or the next request,
// until one awaits an answer or nothing is left. Requests refused before
// sending end on the way.
void GatewayEngine::Advance(Clock::time_point at) {
    if (advancing) return;
    advancing = true;
    while (!exchange) {
        if (!exchanges.empty()) {
            exchange = std::move(exchanges.front());
            exchanges.pop_front();
            ++queued;
            if (exchange->speed && *exchange->speed != baud) {
                baud = *exchange->speed;
                speedChange = baud;
                // A part block received at the other speed is noise at this one.
                staticData.Reset();
            }
            outgoing.insert(outgoing.end(), exchange->first.begin(), exchange->first.end());
            resendsLeft = exchange->resends;
            deadline = at + exchange->wait.value_or(ReplyDeadline(base, baud));
            if (exchange->check) break;
            Exchange step = std::move(*exchange);
            exchange.reset();
            ++ended;
            if (step.done) step.done(true);
            continue;
        }
        if (operation || operations.empty()) break;
        operation = std::move(operations.front());
        operations.pop_front();
        Begin(*operation);
    }
    advancing = false;
}

void GatewayEngine::OnLine(std::string_view line, Clock::time_point at) {
    now = at;
    lastBlock = staticData.OnLine(line);
    if (lastBlock == StaticDataReader::Block::Complete) {
        lastInfo = staticData.Info();
        if (onStaticData) onStaticData(*lastInfo);
    }
    if (!exchange) return;
    switch (exchange->check(line)) {
    case Verdict::Pending:
        return;
    case Verdict::Answered:
        EndExchange(true, at);
        return;
    case Verdict::Again:
        if (resendsLeft <= 0) {
            EndExchange(false, at);
            return;
        }
        --resendsLeft;
        outgoing.insert(outgoing.end(), exchange->again.begin(), exchange->again.end());
        deadline = at + exchange->wait.value_or(ReplyDeadline(base, baud));
        return;
    }
}

void GatewayEngine::OnTime(Clock::time_point at) {
    now = at;
    if (!exchange || at < deadline) return;
    if (resendsLeft > 0) {
        --resendsLeft;
        outgoing.insert(outgoing.end(), exchange->again.begin(), exchange->again.end());
        deadline = at + exchange->wait.value_or(ReplyDeadline(base, baud));
        return;
    }
    EndExchange(false, at);
}

void GatewayEngine::EndExchange(bool answered, Clock::time_point at) {
    Exchange step = std::move(*exchange);
    exchange.reset();
    ++ended;
    if (step.done) step.done(answered);
    Advance(at);
}

void GatewayEngine::Finish(Outcome outcome, Refusal refusal) {
    if (!operation) return;
    Operation op = std::move(*operation);
    operation.reset();
    exchanges.clear();
    op.outcome.outcome = outcome;
    op.outcome.refusal = refusal;
    op.outcome.baud = baud;
    if (op.done) op.done(op.outcome);
}

void GatewayEngine::QueueJudgement(std::function<void()> judge) {
    Exchange step;
    step.done = [judge = std::move(judge)](bool) { judge(); };
    Queue(std::move(step));
}

void GatewayEngine::OnPortLost() {
    exchange.reset();
    exchanges.clear();
    outgoing.clear();
    std::deque<Operation> lost;
    if (operation) lost.push_back(std::move(*operation));
    operation.reset();
    for (Operation& op : operations)
        lost.push_back(std::move(op));
    operations.clear();
    for (Operation& op : lost) {
        op.outcome.outcome = Outcome::PortLost;
        op.outcome.baud = baud;
        if (op.done) op.done(op.outcome);
    }
}

void GatewayEngine::DropRequests() {
    operations.clear();
    operation.reset();
    exchanges.clear();
    exchange.reset();
}

void GatewayEngine::Cancel() {
    DropRequests();
    outgoing.clear();
    speedChange.reset();
    staticData.Reset();
    lastFilters.clear();
    lastOutputs.reset();
    lastInfo.reset();
}

std::optional<std::uint32_t> GatewayEngine::TakeSpeedChange() {
    std::optional<std::uint32_t> change;
    change.swap(speedChange);
    return change;
}

std::vector<std::string> GatewayEngine::TakeOutgoing() {
    std::vector<std::string> lines;
    lines.swap(outgoing);
    return lines;
}

std::optional<GatewayEngine::Clock::time_point> GatewayEngine::Deadline() const {
    if (!exchange) return std::nullopt;
    return deadline;
}

// ---- The requests ----

void GatewayEngine::Begin(Operation& op) {
    switch (op.request.kind) {
    case GatewayRequest::Kind::Identify:
        QueueStaticData({commands.Probe(protocol::kProbeStaticData)}, std::nullopt, nullptr,
                        [this](bool complete) {
                            if (!complete) return Finish(Outcome::NoAnswer);
                            operation->outcome.info = *lastInfo;
                            Finish(Outcome::Confirmed);
                        });
        return;
    case GatewayRequest::Kind::QueryFilter:
        return BeginFilterQuery(op);
    case GatewayRequest::Kind::ChangeFilter:
        return BeginFilterChange(op);
    case GatewayRequest::Kind::QueryOutputs:
        return QueueOutputsRead(op, {});
    case GatewayRequest::Kind::ChangeOutputs:
        return BeginOutputChange(op);
    case GatewayRequest::Kind::RestoreDefaults:
        return BeginDefaults(op);
    case GatewayRequest::Kind::SetFlowRate:
        return BeginFlowRate(op);
    case GatewayRequest::Kind::SetBaudRate:
        return BeginBaudRate(op);
    }
}

void GatewayEngine::QueueStaticData(std::vector<std::string> first,
                                    std::optional<std::uint32_t> speed,
                                    std::function<bool(const ProductInfo&)> accept,
                                    std::function<void(bool complete)> then) {
    Exchange step;
    step.first = std::move(first);
    step.again = {commands.Probe(protocol::kProbeStaticData)};
    step.speed = speed;
    // A block with a value line lost or damaged is asked for once more at once.
    step.check = [this, accept = std::move(accept)](std::string_view) {
        switch (lastBlock) {
        case StaticDataReader::Block::Complete:
            return !accept || accept(*lastInfo) || resendsLeft <= 0 ? Verdict::Answered
                                                                    : Verdict::Again;
        case StaticDataReader::Block::Incomplete:
            operation->outcome.missing = staticData.Missing();
            return Verdict::Again;
        default:
            return Verdict::Pending;
        }
    };
    step.done = [this, then = std::move(then)](bool answered) {
        if (answered) operation->outcome.missing = 0;
        then(answered);
    };
    Queue(std::move(step));
}

void GatewayEngine::QueueFilterRead(Operation& op, const std::vector<std::int32_t>& only) {
    const FilterInput* input = FindFilterInput(op.request.input);
    FilterReport& report = op.outcome.filter;
    report.input = input->input;
    report.outputs = input->outputs;
    if (report.flags.size() != report.outputs.size()) report.flags.assign(report.outputs.size(), 0);
    std::vector<FilterItem> items = FilterItemsOf(input->input);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const FilterItem& item = items[i];
        if (!only.empty() && std::find(only.begin(), only.end(), item.subject) == only.end())
            continue;
        auto answer = std::make_shared<CttFields>();
        Exchange step;
        step.subject = item.subject;
        step.first = {commands.Query(item.subject)};
        step.again = step.first;
        step.check = [subject = item.subject, answer](std::string_view line) {
            CttFields fields{};
            if (!ReadCttSentence(line, fields) || fields.subject != subject)
                return Verdict::Pending;
            *answer = fields;
            return Verdict::Answered;
        };
        step.done = [this, item, answer](bool answered) {
            if (!answered) return Finish(Outcome::NoAnswer);
            FilterReport& filter = operation->outcome.filter;
            for (const auto& [slot, output] : item.slots)
                filter.flags[output] = static_cast<std::uint8_t>(answer->items[slot].flag);
        };
        Queue(std::move(step));
    }
}

void GatewayEngine::BeginFilterQuery(Operation& op) {
    if (FindFilterInput(op.request.input) == nullptr)
        return Finish(Outcome::Refused, Refusal::OutOfRange);
    QueueFilterRead(op, {});
    QueueJudgement([this] {
        lastFilters[operation->outcome.filter.input] = operation->outcome.filter;
        Finish(Outcome::Confirmed);
    });
}

// Only the CTT items whose flags differ from the gateway's last report are
// changed; each change is read back by its query.
void GatewayEngine::BeginFilterChange(Operation& op) {
    const FilterInput* input = FindFilterInput(op.request.input);
    if (input == nullptr || op.request.flags.size() != input->outputs.size())
        return Finish(Outcome::Refused, Refusal::OutOfRange);
    const FilterReport* last = ConfigReceived(input->input);
    if (last == nullptr) return Finish(Outcome::Refused, Refusal::NotReported);
    op.outcome.filter = *last;
    const std::vector<std::uint8_t>& wanted = op.request.flags;
    std::vector<std::int32_t> changed;
    for (const FilterItem& item : FilterItemsOf(input->input)) {
        std::array<CttItemEntry, 5> entries{};
        entries.fill({protocol::kNoOutput, 0, 0});
        bool differs = false;
        for (const auto& [slot, output] : item.slots) {
            const std::int32_t id = input->outputs[output];
            entries[slot] = {
                static_cast<std::uint32_t>(id == ConversionAll ? kAllAisChangeItem : id), 1,
                wanted[output]};
            differs = differs || last->flags[output] != wanted[output];
        }
        if (!differs) continue;
        changed.push_back(item.subject);
        outgoing.push_back(commands.Change(item.subject, entries));
    }
    if (changed.empty()) return Finish(Outcome::Refused, Refusal::NothingToChange);
    QueueFilterRead(op, changed);
    QueueJudgement([this] {
        GatewayOutcome& outcome = operation->outcome;
        lastFilters[outcome.filter.input] = outcome.filter;
        outcome.filterDiffers = FlagsDiffering(outcome.filter, operation->request.flags);
        Finish(outcome.filterDiffers.empty() ? Outcome::Confirmed : Outcome::NotTaken);
    });
}

void GatewayEngine::QueueOutputsRead(Operation& op, std::vector<std::string> change) {
    auto answer = std::make_shared<CttFields>();
    Exchange step;
    step.subject = protocol::kOutputStates;
    step.again = {commands.Query(protocol::kOutputStates)};
    step.first = std::move(change);
    step.first.push_back(step.again.front());
    step.check = [answer](std::string_view line) {
        CttFields fields{};
        if (!ReadCttSentence(line, fields) || fields.subject != protocol::kOutputStates)
            return Verdict::Pending;
        *answer = fields;
        return Verdict::Answered;
    };
    const GatewayRequest::Kind kind = op.request.kind;
    step.done = [this, answer, kind](bool answered) {
        if (!answered) return Finish(Outcome::NoAnswer);
        GatewayOutcome& outcome = operation->outcome;
        outcome.outputs = ReportOf(*answer);
        lastOutputs = outcome.outputs;
        if (kind == GatewayRequest::Kind::QueryOutputs) return Finish(Outcome::Confirmed);
        const SentenceStateTable wanted =
            kind == GatewayRequest::Kind::ChangeOutputs ? operation->request.states : AllOn();
        outcome.outputDiffers = StatesDiffering(outcome.outputs, wanted);
    };
    Queue(std::move(step));
}

void GatewayEngine::BeginOutputChange(Operation& op) {
    const SentenceStateTable& wanted = op.request.states;
    for (const OutputSentenceTag& sentence : kOutputSentenceTags) {
        // A state nobody knows must not be sent back as if the gateway had reported it.
        if (wanted[static_cast<std::size_t>(sentence.tag)] > 1)
            return Finish(Outcome::Refused, Refusal::StatesUnknown);
    }
    if (!lastOutputs) return Finish(Outcome::Refused, Refusal::NotReported);
    if (StatesDiffering(*lastOutputs, wanted).empty())
        return Finish(Outcome::Refused, Refusal::NothingToChange);
    QueueOutputsRead(op, {commands.ApplyOutputs(PackSentenceStates(wanted))});
    QueueJudgement([this] {
        Finish(operation->outcome.outputDiffers.empty() ? Outcome::Confirmed : Outcome::NotTaken);
    });
}

// The defaults are every output and every filter on: the read-back of the
// selection (and of `input`, when given) must show them all.
void GatewayEngine::BeginDefaults(Operation& op) {
    QueueOutputsRead(op, {commands.RestoreDefaults()});
    if (op.request.input != 0 && FindFilterInput(op.request.input) != nullptr)
        QueueFilterRead(op, {});
    QueueJudgement([this] {
        GatewayOutcome& outcome = operation->outcome;
        if (!outcome.filter.outputs.empty()) {
            lastFilters[outcome.filter.input] = outcome.filter;
            outcome.filterDiffers = FlagsDiffering(
                outcome.filter, std::vector<std::uint8_t>(outcome.filter.flags.size(), 1));
        }
        const bool taken = outcome.outputDiffers.empty() && outcome.filterDiffers.empty();
        Finish(taken ? Outcome::Confirmed : Outcome::NotTaken);
    });
}

// The gateway does not answer a flow-rate command: its static data block
// reports the rate it now uses.
void GatewayEngine::BeginFlowRate(Operation& op) {
    const auto seconds = static_cast<int>(op.request.value);
    if (seconds < protocol::kMinFlowRate || seconds > protocol::kMaxFlowRate)
        return Finish(Outcome::Refused, Refusal::OutOfRange);
    if (lastInfo && lastInfo->flowRateSeconds == seconds)
        return Finish(Outcome::Refused, Refusal::NothingToChange);
    QueueStaticData(
        {commands.Dbg(protocol::kFlowRateCommand, seconds),
         commands.Probe(protocol::kProbeStaticData)},
        std::nullopt,
        [seconds](const ProductInfo& info) { return info.flowRateSeconds == seconds; },
        [this, seconds](bool complete) {
            if (!complete) return Finish(Outcome::NoAnswer);
            operation->outcome.info = *lastInfo;
            Finish(lastInfo->flowRateSeconds == seconds ? Outcome::Confirmed : Outcome::NotTaken);
        });
}

// The gateway answers a baud-rate command at the old speed with its new
// rate, then switches. The port follows it and asks for the static data
// block there; when none comes, it goes back to the old speed to see
// whether the gateway is still there.
void GatewayEngine::BeginBaudRate(Operation& op) {
    const std::uint32_t wanted = op.request.value;
    const std::optional<std::int32_t> code = protocol::BaudRateCode(wanted);
    if (!code) return Finish(Outcome::Refused, Refusal::OutOfRange);
    const auto reported = lastInfo ? static_cast<std::uint32_t>(lastInfo->nmeaBaudRate) : baud;
    if (wanted == reported) return Finish(Outcome::Refused, Refusal::NothingToChange);
    const std::uint32_t old = baud;
    Exchange echo;
    echo.first = {commands.Dbg(protocol::kBaudRateCommand, *code)};
    echo.resends = 0;
    echo.wait = base;
    const std::string echoLine = NmeaBaudLine(wanted);
    echo.check = [echoLine](std::string_view line) {
        return line == echoLine ? Verdict::Answered : Verdict::Pending;
    };
    // Whether the echo came or not, the new speed is tried.
    echo.done = [this, wanted, old](bool) {
        auto atNewRate = [wanted](const ProductInfo& info) {
            return info.nmeaBaudRate == static_cast<std::int32_t>(wanted);
        };
        QueueStaticData({commands.Probe(protocol::kProbeStaticData)}, wanted, atNewRate,
                        [this, old, atNewRate](bool complete) {
                            if (complete && atNewRate(*lastInfo)) {
                                operation->outcome.info = *lastInfo;
                                return Finish(Outcome::Confirmed);
                            }
                            QueueStaticData({commands.Probe(protocol::kProbeStaticData)}, old,
                                            nullptr, [this](bool atOld) {
                                                if (atOld) operation->outcome.info = *lastInfo;
                                                Finish(atOld ? Outcome::NotTaken
                                                             : Outcome::NoAnswer);
                                            });
                        });
    };
    Queue(std::move(echo));
}

} // namespace varo
