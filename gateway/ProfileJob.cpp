#include "gateway/ProfileJob.h"

#include <limits>

#include "config/CommandSentence.h"
#include "config/ConversionMap.h"
#include "config/FilterCatalog.h"
#include "config/OutputStates.h"
#include "config/SentenceStore.h"

namespace varo {
namespace {

constexpr std::uint16_t kStaticDataCode = 16;
constexpr std::int16_t kFlowRateCode = 13;
constexpr std::int16_t kBaudRateCode = 42;
constexpr std::int32_t kRestoreDefaultsItem = 32767;
constexpr const char* kFlowRateKey = "Time Interval sec";
constexpr const char* kNmeaBaudKey = "NMEA Baud Rate";

// The gateway's code for each NMEA 0183 speed in a baud-rate command.
struct BaudCode {
    std::uint32_t baud;
    std::int32_t code;
};
constexpr BaudCode kBaudCodes[] = {{38400, 2}, {9600, 4}, {4800, 5}};

// One CTT item the gateway is asked about: which of its slots carry which
// outputs of a catalogue input. RMC takes two items, its own and 200069.
struct SlotOutput {
    int slot;
    std::size_t output;
};
struct FilterQuery {
    bool nmea0183;
    std::size_t input;
    std::int32_t subject;
    std::vector<SlotOutput> slots;
    const ConversionRow* row;
    std::string key; // "nmea0183_inputs.RMC"
};

void AddRow(std::vector<FilterQuery>& queries, bool nmea0183, std::size_t input,
            std::int32_t subject, std::size_t& next) {
    const ConversionRow* row = FindConversionRow(subject);
    if (row == nullptr) return;
    FilterQuery query{nmea0183, input, subject, {}, row, {}};
    query.key = std::string(nmea0183 ? "nmea0183_inputs." : "nmea2000_inputs.") +
                MessageKey(FilterInputs(nmea0183)[input].input);
    bool continued = false;
    for (int slot = 0; slot < row->count && slot < 5; ++slot) {
        if (row->related[slot] == ConversionContinued) {
            continued = true;
            continue;
        }
        query.slots.push_back({slot, next++});
    }
    queries.push_back(std::move(query));
    if (continued) AddRow(queries, nmea0183, input, kRmcContinuationItem, next);
}

const std::vector<FilterQuery>& FilterQueries() {
    static const std::vector<FilterQuery> queries = [] {
        std::vector<FilterQuery> list;
        for (bool nmea0183 : {true, false}) {
            for (std::size_t i = 0; i < FilterInputs(nmea0183).size(); ++i) {
                std::size_t next = 0;
                AddRow(list, nmea0183, i, FilterInputs(nmea0183)[i].input, next);
            }
        }
        return list;
    }();
    return queries;
}

std::vector<std::uint8_t>& FlagsOf(Profile& profile, const FilterQuery& query) {
    return (query.nmea0183 ? profile.nmea0183Inputs : profile.nmea2000Inputs)[query.input];
}

// The answer's flags equal the wanted ones in the query's slots.
bool FlagsMatch(const FilterQuery& query, const CttFields& answer,
                const std::vector<std::uint8_t>& wanted) {
    for (const SlotOutput& slot : query.slots) {
        if (answer.items[slot.slot].flag != static_cast<std::int8_t>(wanted[slot.output]))
            return false;
    }
    return true;
}

// A check that takes the CTT answer about `subject` into `answer`.
GatewaySession::Check CttAnswer(std::int32_t subject, std::shared_ptr<CttFields> answer,
                                std::function<bool(const CttFields&)> accept = nullptr) {
    return [subject, answer, accept = std::move(accept)](std::string_view line) {
        CttFields fields{};
        if (!ReadCttSentence(line, fields) || fields.subject != subject)
            return LineVerdict::Pending;
        *answer = fields;
        return !accept || accept(fields) ? LineVerdict::Matched : LineVerdict::Different;
    };
}

OutputIdentifiers IdentifiersOf(const CttFields& answer) {
    OutputIdentifiers identifiers{};
    for (std::size_t slot = 0; slot < identifiers.size(); ++slot)
        identifiers[slot] = static_cast<std::uint32_t>(answer.items[slot].identifier);
    return identifiers;
}

SentenceStateTable StatesOf(const Profile& profile) {
    SentenceStateTable states{};
    for (std::size_t i = 0; i < kOutputSentenceTags.size(); ++i)
        states[static_cast<std::size_t>(kOutputSentenceTags[i].tag)] = profile.outputs[i];
    return states;
}

} // namespace

ProfileJob::ProfileJob(GatewaySession& session, Kind kind)
    : session(session), kind(kind), gateway(FilledProfile(0)),
      store(std::make_unique<SentenceStore>()), outgoing(std::make_unique<SentenceRecord>()) {}

ProfileJob::~ProfileJob() = default;

void ProfileJob::SetFile(const Profile& profile, bool applyBaud) {
    file = profile;
    withBaud = applyBaud;
}

void ProfileJob::Start() {
    switch (kind) {
    case Kind::Info:
        QueueStaticData([this] { Finish(); });
        break;
    case Kind::Read:
        QueueRead([this] { Finish(); });
        break;
    case Kind::Apply:
        QueueRead([this] { QueueChanges(); });
        break;
    case Kind::Default:
        QueueStaticData([this] { QueueDefaults(); });
        break;
    }
}

void ProfileJob::Fail(const std::string& why) {
    failure = why;
    session.Cancel();
    finished = true;
}

std::string ProfileJob::Command(const char* formatter) {
    char text[kCommandBufferSize] = {};
    if (!buildCommandSentence(text, sizeof text, "P", formatter, *store, *outgoing)) return {};
    return text;
}

std::string ProfileJob::StaticDataRequest() {
    DeviceRecord& device = store->device;
    device.tstNumber = 99999;
    device.tstValue = 99;
    device.tstLowerCaseLetter = 64;
    device.tstLetter = 64;
    device.tstCode = kStaticDataCode;
    return Command("TST");
}

std::string ProfileJob::Query(std::int32_t subject) {
    DeviceRecord& device = store->device;
    device.cttMode = 'Q';
    device.cttSubject = static_cast<std::uint32_t>(subject);
    for (CttItemEntry& item : device.cttItems)
        item = {static_cast<std::uint32_t>(kNoCttNumber), 0, 0};
    return Command("CTT");
}

void ProfileJob::QueueStaticData(Then then) {
    auto info = std::make_shared<ProductInfo>();
    const std::string request = StaticDataRequest();
    GatewaySession::Step step{{request}, {request}, nullptr, nullptr};
    step.check = [info](std::string_view line) {
        std::string text(line);
        text += "\r\n";
        ReadProductInfo(text, *info);
        return IsStaticDataEnd(line) ? LineVerdict::Matched : LineVerdict::Pending;
    };
    step.done = [this, info, then = std::move(then)](ReplyOutcome outcome) {
        if (outcome == ReplyOutcome::NoAnswer)
            return Fail("no static data block: no gateway answered");
        gateway.identity = IdentityOf(*info);
        gateway.flowRate = info->flowRateSeconds;
        then();
    };
    session.Add(std::move(step));
}

void ProfileJob::QueueRead(Then then) {
    QueueStaticData([] {});
    for (const FilterQuery& query : FilterQueries()) {
        auto answer = std::make_shared<CttFields>();
        const std::string request = Query(query.subject);
        session.Add({{request},
                     {request},
                     CttAnswer(query.subject, answer),
                     [this, &query, answer](ReplyOutcome outcome) {
                         if (outcome == ReplyOutcome::NoAnswer)
                             return Fail("no answer to the query of " + query.key);
                         std::vector<std::uint8_t>& flags = FlagsOf(gateway, query);
                         for (const SlotOutput& slot : query.slots)
                             flags[slot.output] =
                                 static_cast<std::uint8_t>(answer->items[slot.slot].flag);
                     }});
    }
    auto answer = std::make_shared<CttFields>();
    const std::string request = Query(kOutputStatesItem);
    session.Add({{request},
                 {request},
                 CttAnswer(kOutputStatesItem, answer),
                 [this, answer, then = std::move(then)](ReplyOutcome outcome) {
                     if (outcome == ReplyOutcome::NoAnswer)
                         return Fail("no answer to the query of nmea0183_outputs");
                     const SentenceStateTable states = UnpackSentenceStates(IdentifiersOf(*answer));
                     for (std::size_t i = 0; i < kOutputSentenceTags.size(); ++i)
                         gateway.outputs[i] =
                             states[static_cast<std::size_t>(kOutputSentenceTags[i].tag)];
                     then();
                 }});
}

void ProfileJob::QueueChanges() {
    if (gateway.flowRate != file.flowRate) QueueFlowRate();
    QueueFilterChanges();
    if (gateway.outputs != file.outputs) QueueOutputChange();
    if (withBaud && gateway.identity.nmeaBaudRate != file.identity.nmeaBaudRate) QueueBaudRate();
    // Then the whole configuration is read back.
    session.Add({{}, {}, nullptr, [this](ReplyOutcome) { QueueRead([this] { Finish(); }); }});
}

// The gateway does not answer a flow-rate command: its static data block
// reports the rate it now uses.
void ProfileJob::QueueFlowRate() {
    DeviceRecord& device = store->device;
    device.dbgPairs = {};
    for (int pair = 0; pair < 4; ++pair) {
        device.dbgPairs.codes[pair] = kNoDbgCode;
        device.dbgPairs.values[pair] = kNoDbgValue;
    }
    device.dbgPairs.codes[0] = kFlowRateCode;
    device.dbgPairs.values[0] = file.flowRate;
    device.dbgCommandChar = 0;
    const std::string change = Command("DBG");
    const std::string request = StaticDataRequest();
    auto reported = std::make_shared<std::string>();
    const std::string wanted = std::to_string(file.flowRate);
    auto check = [reported, wanted](std::string_view line) {
        std::string_view value;
        if (ReadStaticValue(line, kFlowRateKey, value)) reported->assign(value);
        if (!IsStaticDataEnd(line)) return LineVerdict::Pending;
        return *reported == wanted ? LineVerdict::Matched : LineVerdict::Different;
    };
    session.Add({{change, request}, {request}, check, [this](ReplyOutcome outcome) {
                     if (outcome != ReplyOutcome::Matched) notTaken.emplace_back("flow_rate");
                 }});
}

// A change of one CTT item, then its query as the read-back; a resend
// repeats only the query.
void ProfileJob::QueueFilterChanges() {
    for (const FilterQuery& query : FilterQueries()) {
        const std::vector<std::uint8_t>& wanted = FlagsOf(file, query);
        const std::vector<std::uint8_t>& now = FlagsOf(gateway, query);
        bool same = true;
        for (const SlotOutput& slot : query.slots)
            same = same && wanted[slot.output] == now[slot.output];
        if (same) continue;
        DeviceRecord& device = store->device;
        device.cttMode = 'C';
        device.cttSubject = static_cast<std::uint32_t>(query.subject);
        for (CttItemEntry& item : device.cttItems)
            item = {static_cast<std::uint32_t>(kNoCttNumber), 0, 0};
        for (const SlotOutput& slot : query.slots) {
            const std::int32_t output = query.row->related[slot.slot];
            const std::uint8_t flag = wanted[slot.output];
            device.cttItems[slot.slot] = {
                static_cast<std::uint32_t>(output == ConversionAll ? kAllAisChangeItem : output), 1,
                flag};
        }
        const std::string change = Command("CTT");
        const std::string request = Query(query.subject);
        auto answer = std::make_shared<CttFields>();
        auto accept = [&query, wanted](const CttFields& fields) {
            return FlagsMatch(query, fields, wanted);
        };
        session.Add({{change, request},
                     {request},
                     CttAnswer(query.subject, answer, accept),
                     [this, &query](ReplyOutcome outcome) {
                         if (outcome != ReplyOutcome::Matched) notTaken.push_back(query.key);
                     }});
    }
}

void ProfileJob::QueueOutputChange() {
    const OutputIdentifiers identifiers = PackSentenceStates(StatesOf(file));
    DeviceRecord& device = store->device;
    device.cttMode = 'A';
    device.cttSubject = kApplyOutputStatesItem;
    for (std::size_t slot = 0; slot < identifiers.size(); ++slot)
        device.cttItems[slot] = {identifiers[slot], 0, 0};
    const std::string change = Command("CTT");
    const std::string request = Query(kOutputStatesItem);
    auto answer = std::make_shared<CttFields>();
    auto accept = [identifiers](const CttFields& fields) {
        return IdentifiersOf(fields) == identifiers;
    };
    session.Add({{change, request},
                 {request},
                 CttAnswer(kOutputStatesItem, answer, accept),
                 [this](ReplyOutcome outcome) {
                     if (outcome != ReplyOutcome::Matched)
                         notTaken.emplace_back("nmea0183_outputs");
                 }});
}

// The gateway answers a baud-rate command at the old speed with its new rate,
// then switches; the port follows it.
void ProfileJob::QueueBaudRate() {
    const auto baud = static_cast<std::uint32_t>(file.identity.nmeaBaudRate);
    std::int32_t code = -1;
    for (const BaudCode& entry : kBaudCodes)
        if (entry.baud == baud) code = entry.code;
    if (code < 0) {
        notTaken.emplace_back("identity.nmea_baud_rate");
        return;
    }
    DeviceRecord& device = store->device;
    for (int pair = 0; pair < 4; ++pair) {
        device.dbgPairs.codes[pair] = kNoDbgCode;
        device.dbgPairs.values[pair] = kNoDbgValue;
    }
    device.dbgPairs.codes[0] = kBaudRateCode;
    device.dbgPairs.values[0] = code;
    device.dbgCommandChar = 0;
    const std::string change = Command("DBG");
    const std::string echo = std::to_string(baud);
    auto check = [echo](std::string_view line) {
        std::string_view value;
        return ReadStaticValue(line, kNmeaBaudKey, value) && value == echo ? LineVerdict::Matched
                                                                           : LineVerdict::Pending;
    };
    session.Add({{change}, {change}, check, [this, baud](ReplyOutcome outcome) {
                     if (outcome != ReplyOutcome::Matched) {
                         notTaken.emplace_back("identity.nmea_baud_rate");
                         return;
                     }
                     session.SetBaudRate(baud);
                     if (onBaudChange) onBaudChange(baud);
                 }});
}

void ProfileJob::QueueDefaults() {
    DeviceRecord& device = store->device;
    device.cttMode = 'C';
    device.cttSubject = kRestoreDefaultsItem;
    for (CttItemEntry& item : device.cttItems)
        item = {static_cast<std::uint32_t>(kNoCttNumber), 0, 0};
    const std::string change = Command("CTT");
    const std::string request = Query(kOutputStatesItem);
    auto answer = std::make_shared<CttFields>();
    session.Add({{change, request},
                 {request},
                 CttAnswer(kOutputStatesItem, answer),
                 [this](ReplyOutcome outcome) {
                     if (outcome == ReplyOutcome::NoAnswer)
                         return Fail("no answer to the restore of the default filtering");
                     QueueRead([this] { Finish(); });
                 }});
}

std::vector<ProfileDifference> ProfileJob::Differences() const {
    if (kind == Kind::Apply) return CompareProfiles(gateway, file);
    if (kind != Kind::Default) return {};
    Profile defaults = FilledProfile(1);
    defaults.identity = gateway.identity;
    defaults.flowRate = gateway.flowRate;
    return CompareProfiles(gateway, defaults);
}

} // namespace varo
