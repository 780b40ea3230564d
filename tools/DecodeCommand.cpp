// varo-nmea decode [--quiet] [FILE...]: every input line through the receive
// path's entry (parser, store, AIS path), one JSON object per line (or only a
// summary with --quiet). varo-nmea targets [FILE...]: the same input, then the
// AIS target table. Input is raw NMEA or a data log of the window: a data log
// line is read without its time and message type, and the log's start, end
// and heading lines and the raw log's time comments are passed over.
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "ais/AisState.h"
#include "config/DataLogFormat.h"
#include "config/ReceiveSentence.h"
#include "platform/LineReader.h"
#include "tools/AisJson.h"
#include "tools/DecodeLine.h"
#include "tools/RecordJson.h"
#include "tools/Subcommands.h"

namespace varo {
namespace {

// The store's time stamps from the clock the kernel keeps per tick: a log of
// many thousand lines reads the precise clock, which is slow under some
// hypervisors, once per line otherwise. Nothing here prints the stamps.
UpdateStamp CoarseStampClock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return {static_cast<std::uint32_t>(now.tv_sec),
            static_cast<std::uint16_t>(now.tv_nsec / 1000000)};
}

void WriteHeader(JsonWriter& json, const SentenceRecord& record) {
    json.key("start");
    json.character(record.startChar);
    json.key("talker");
    json.string(std::string_view(record.talker, strnlen(record.talker, sizeof record.talker)));
    json.key("formatter");
    json.string(
        std::string_view(record.formatter, strnlen(record.formatter, sizeof record.formatter)));
    json.key("command");
    if (record.commandChar != 0) {
        json.string(std::string_view(&record.commandChar, 1));
    } else {
        json.null();
    }
}

} // namespace

namespace {

// Why a line that failed the receive path failed: it goes through the parser
// once more, now asking for the reason. Failures are rare, so the receive
// path itself stays as it is.
ParseFailure FailureReason(std::string_view text, SentenceRecord& record) {
    if (text.size() > kMaxReceivedLineLength) {
        return ParseFailure::TooLong;
    }
    char line[kLineBufferSize];
    std::memcpy(line, text.data(), text.size());
    std::memcpy(line + text.size(), "\r\n", 3);
    ParseFailure failure = ParseFailure::None;
    ParseSentence(line, record, &failure);
    return failure != ParseFailure::None ? failure : ParseFailure::Range;
}

} // namespace

namespace {

// "tag":{"s":"2573535","c":1671620143}: values of digits only as numbers.
void WriteTag(JsonWriter& json, std::string_view tag) {
    json.key("tag");
    json.open('{');
    ForEachTagField(tag, [&json](std::string_view key, std::string_view value) {
        json.key(key);
        std::int64_t number = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (!value.empty() && value[0] != '-' && error == std::errc() &&
            end == value.data() + value.size()) {
            json.integer(number);
        } else {
            json.string(value);
        }
    });
    json.close('}');
}

} // namespace

ParseFailure DecodeInputLine(std::string_view text, std::size_t lineNumber, SentenceRecord& record,
                             JsonWriter* json, bool lenient) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) {
        text.remove_suffix(1);
    }
    ReceiveOutcome outcome;
    ParseFailure failure = ParseFailure::None;
    static LenientLine lenientLine;
    if (lenient) {
        ReceiveLenientLine(text, lenientLine, record, &outcome, &failure);
    } else {
        if (text.size() <= kMaxReceivedLineLength) {
            char line[kLineBufferSize];
            std::memcpy(line, text.data(), text.size());
            std::memcpy(line + text.size(), "\r\n", 3);
            ReceiveSentence(line, record, &outcome);
        }
        failure = outcome.parsed ? ParseFailure::None : FailureReason(text, record);
    }
    if (json != nullptr) {
        json->open('{');
        json->key("n");
        json->integer(static_cast<std::int64_t>(lineNumber));
        json->key("ok");
        json->boolean(outcome.parsed);
        if (outcome.parsed) {
            WriteHeader(*json, record);
            if (lenient && !lenientLine.tag.empty()) WriteTag(*json, lenientLine.tag);
            json->key("fields");
            json->open('{');
            WriteFieldSet(*json, record, lenient);
            json->close('}');
            if (outcome.ais.complete) {
                WriteAisJson(*json, ProgramAisState().message, outcome.ais.target);
            }
        } else {
            json->key("error");
            json->string(ParseFailureText(failure));
        }
        json->close('}');
        json->endLine();
    }
    return failure;
}

namespace {

// Exit status for a file that cannot be read, as for a usage error.
constexpr int kFileError = 2;

// Feeds every line of `files` (standard input for none or "-") to `handle`.
// A line cut at the reader's bound is far over the sentence length and fails
// as too long. Returns kFileError when a file cannot be opened or read (a
// folder, an I/O error), else 0.
template <typename Handler>
int ForEachInputLine(const std::vector<std::string>& files, Handler&& handle) {
    int status = 0;
    for (const std::string& name : files) {
        const bool standardInput = name == "-";
        std::FILE* file = standardInput ? stdin : std::fopen(name.c_str(), "rb");
        if (file == nullptr) {
            std::fprintf(stderr, "varo-nmea: cannot open '%s': %s\n", name.c_str(),
                         std::strerror(errno));
            status = kFileError;
            continue;
        }
        platform::LineReader reader(file);
        while (reader.Next()) {
            handle(reader.Line());
        }
        if (reader.Error() != 0) {
            std::fprintf(stderr, "varo-nmea: cannot read '%s': %s\n", name.c_str(),
                         std::strerror(reader.Error()));
            status = kFileError;
        }
        if (!standardInput) {
            std::fclose(file);
        }
    }
    return status;
}

void WriteSummary(JsonWriter& json, const DecodeTally& tally) {
    json.open('{');
    json.key("lines");
    json.integer(static_cast<std::int64_t>(tally.lines));
    json.key("ok");
    json.integer(static_cast<std::int64_t>(tally.decoded));
    json.key("failed");
    json.integer(static_cast<std::int64_t>(tally.lines - tally.decoded));
    json.key("errors");
    json.open('{');
    for (std::size_t reason = 1; reason < std::size(tally.failed); ++reason) {
        json.key(ParseFailureText(static_cast<ParseFailure>(reason)));
        json.integer(static_cast<std::int64_t>(tally.failed[reason]));
    }
    json.close('}');
    json.close('}');
    json.endLine();
}

} // namespace

int RunDecode(const DecodeOptions& options) {
    std::vector<std::string> files = options.files;
    if (files.empty()) {
        files.emplace_back("-");
    }
    static SentenceRecord record{}; // one shared record for the run, as on the receive path
    SetStampClock(CoarseStampClock);
    JsonWriter json(stdout);
    DecodeTally tally;
    const int status = ForEachInputLine(files, [&](std::string_view text) {
        const LogLine read = ReadLogLine(text);
        if (read.kind != LogLine::Kind::Line) return;
        const std::string_view line = read.text;
        ++tally.lines;
        const ParseFailure failure = DecodeInputLine(
            line, tally.lines, record, options.quiet ? nullptr : &json, options.lenient);
        ++tally.failed[static_cast<std::size_t>(failure)];
    });
    tally.decoded = tally.failed[0];
    if (options.quiet) {
        WriteSummary(json, tally);
    }
    if (status != 0) {
        return status;
    }
    return tally.decoded == tally.lines ? 0 : 1;
}

int RunTargets(const std::vector<std::string>& inputFiles, bool lenient) {
    std::vector<std::string> files = inputFiles;
    if (files.empty()) {
        files.emplace_back("-");
    }
    static SentenceRecord record{};
    SetStampClock(CoarseStampClock);
    std::size_t lineNumber = 0;
    const int status = ForEachInputLine(files, [&](std::string_view text) {
        const LogLine read = ReadLogLine(text);
        if (read.kind == LogLine::Kind::Line)
            DecodeInputLine(read.text, ++lineNumber, record, nullptr, lenient);
    });
    JsonWriter json(stdout);
    WriteAisTargetsJson(json, ProgramAisState().decoder.targets);
    return status;
}

} // namespace varo
