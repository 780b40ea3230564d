#include "sim/GatewayCommands.h"

#include "sentence/Composer.h"
#include "sentence/SentenceParser.h"
#include "sentence/SentenceRecord.h"

#include <cstdio>
#include <cstring>

namespace varo::sim {
namespace {

constexpr std::int16_t kBaudRateCode = 42;
constexpr std::int16_t kFlowRateCode = 13;
constexpr int kMaxFlowRate = 5;
constexpr std::int16_t kConfigPageEntered = 2;
constexpr std::int16_t kConfigPageLeft = 0;
constexpr char kAnswerMode = 'R';

struct BaudCode {
    std::int32_t code;
    std::uint32_t baud;
};
constexpr BaudCode kBaudCodes[] = {{2, 38400}, {4, 9600}, {5, 4800}};

std::string TextLine(const char* key, const std::string& value) {
    return std::string(key) + " = (" + value + ")\r\n";
}

// The record of a CTT answer: the composer writes every mode but "A" and "C"
// as "Q", so the answer is composed as a query and its mode letter made "R".
std::string ComposeAnswer(varo::SentenceRecord& record) {
    record.payload.ctt.mode = 'Q';
    char text[varo::kLineBufferSize];
    if (!varo::composeSentence(text, sizeof text, record)) return {};
    constexpr std::size_t kModePosition = 6; // "$PCTT," then the mode
    constexpr std::size_t kEndingLength = 5; // "*hh\r\n"
    const std::size_t length = std::strlen(text);
    if (length <= kModePosition + kEndingLength) return {};
    text[kModePosition] = kAnswerMode;
    text[length - kEndingLength] = '\0';
    return varo::finishSentence(text, sizeof text) ? std::string(text) : std::string();
}

} // namespace

std::string NmeaBaudLine(std::uint32_t baud) {
    return TextLine("NMEA Baud Rate", std::to_string(baud));
}

GatewayCommands::GatewayCommands(const SimOptions& options) : FOptions(options) {
    FSettings.nmeaBaud = options.nmeaBaud;
    FSettings.flowRate = options.flowRate;
}

std::vector<std::string> GatewayCommands::StaticDataBlock() const {
    std::vector<std::string> lines = {
        NmeaBaudLine(FSettings.nmeaBaud),
        TextLine("Debug Baud Rate", std::to_string(FOptions.debugBaud)),
        TextLine("Database Version", std::to_string(FOptions.databaseVersion)),
        TextLine("Product Code", std::to_string(FOptions.productCode)),
        TextLine("Model ID", FOptions.modelId),
        TextLine("Software Version Code", FOptions.softwareVersion),
        TextLine("Model Version", FOptions.modelVersion),
        TextLine("Model Serial Code", FOptions.modelSerial),
        TextLine("Certification", std::to_string(FOptions.certification)),
        TextLine("Time Interval sec", std::to_string(FSettings.flowRate)),
    };
    if (!FOptions.noStaticEnd) lines.push_back(std::string(kStaticDataEnd) + "\r\n");
    return lines;
}

bool GatewayCommands::Handle(const std::string& line, CommandResult& result) {
    result = {};
    char text[varo::kLineBufferSize] = {};
    // Room for CR, LF and the terminator; a NUL inside the line would cut it short.
    if (line.size() + 3 > sizeof text || line.find('\0') != std::string::npos) return false;
    std::memcpy(text, line.data(), line.size());
    std::memcpy(text + line.size(), "\r\n", 2);
    varo::SentenceRecord record{};
    if (!varo::ParseSentence(text, record)) return false;
    if (record.talker[0] != 'P') return true;
    if (std::strcmp(record.formatter, "TST") == 0) HandleTst(record, result);
    if (std::strcmp(record.formatter, "DBG") == 0) HandleDbg(record, result);
    if (std::strcmp(record.formatter, "CTT") == 0) HandleCtt(record, result);
    return true;
}

// $PTST,xxxxx,xx,a,A,xxxxx: any code asks for the static data block, except
// the codes that say the configuration page was entered or left.
void GatewayCommands::HandleTst(const varo::SentenceRecord& record, CommandResult& result) const {
    const std::int16_t code = record.payload.tst.code;
    if (code == kConfigPageEntered || code == kConfigPageLeft) return;
    result.replies = StaticDataBlock();
}

// $PDBG,xxx,x,...: the first pair carries the command.
void GatewayCommands::HandleDbg(const varo::SentenceRecord& record, CommandResult& result) {
    const varo::DbgFields& dbg = record.payload.dbg;
    if (dbg.codes[0] == kBaudRateCode) {
        for (const BaudCode& entry : kBaudCodes) {
            if (entry.code != dbg.values[0]) continue;
            // Answered at the old speed; the switch follows the answer.
            result.replies = {NmeaBaudLine(entry.baud)};
            result.newNmeaBaud = entry.baud;
        }
    } else if (dbg.codes[0] == kFlowRateCode && dbg.values[0] >= 0 &&
               dbg.values[0] <= kMaxFlowRate) {
        FSettings.flowRate = dbg.values[0];
    }
}

// $PCTT,a,x,x,x,x,x,x,x,x,x,x,x: mode, subject, five identifier and flag pairs.
void GatewayCommands::HandleCtt(const varo::SentenceRecord& record, CommandResult& result) {
    const varo::CttFields& ctt = record.payload.ctt;
    switch (ctt.mode) {
    case 'Q':
        break;
    case 'C':
        if (ctt.subject == kRestoreDefaultsSubject) {
            FSettings.filters.RestoreDefaults();
            FSettings.outputs.SetAll(1);
        } else {
            FSettings.filters.Change(ctt.subject, ctt.items);
        }
        break;
    case 'A':
        if (ctt.subject == kApplyOutputStatesSubject) {
            std::array<std::int32_t, 5> identifiers{};
            for (int i = 0; i < 5; ++i)
                identifiers[i] =
                    ctt.items[i].identifier == varo::kNoCttNumber ? 0 : ctt.items[i].identifier;
            FSettings.outputs.Unpack(identifiers);
        }
        return;
    default:
        return;
    }
    if (std::string answer = CttAnswer(ctt.subject); !answer.empty())
        result.replies.push_back(std::move(answer));
}

std::string GatewayCommands::CttAnswer(std::int32_t subject) const {
    varo::SentenceRecord record{};
    std::strcpy(record.talker, "P");
    std::strcpy(record.formatter, "CTT");
    varo::CttFields& ctt = record.payload.ctt;
    ctt.subject = subject;
    for (varo::CttItem& item : ctt.items)
        item = {varo::kNoCttNumber, varo::kNoFlag};
    if (subject == kOutputStatesSubject) {
        const std::array<std::int32_t, 5> identifiers = FSettings.outputs.Pack();
        for (int i = 0; i < 5; ++i)
            ctt.items[i] = {identifiers[i], 0};
    } else if (const FilterRow* row = FSettings.filters.Find(subject)) {
        for (int i = 0; i < row->count; ++i)
            ctt.items[i] = {row->identifiers[i], row->flags[i]};
    }
    return ComposeAnswer(record);
}

} // namespace varo::sim