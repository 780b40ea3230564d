// varo-nmea decode [--quiet] [FILE...]: every input line through the receive
// path's entry (parser, store, AIS path), one JSON object per line (or only a
// summary with --quiet). varo-nmea targets [FILE...]: the same input, then the
// AIS target table.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "ais/AisState.h"
#include "config/ReceiveSentence.h"
#include "tools/AisJson.h"
#include "tools/DecodeLine.h"
#include "tools/RecordJson.h"
#include "tools/Subcommands.h"

namespace varo {
namespace {

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

// Reads `file` line by line (any line length) and hands each line on.
template <typename Handler> void ForEachLine(std::FILE* file, Handler&& handle) {
    std::vector<char> chunk(1 << 16);
    std::string pending;
    std::size_t got = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), file)) > 0) {
        std::string_view data(chunk.data(), got);
        std::size_t newline = 0;
        while ((newline = data.find('\n')) != std::string_view::npos) {
            if (pending.empty()) {
                handle(data.substr(0, newline));
            } else {
                pending.append(data.substr(0, newline));
                handle(std::string_view(pending));
                pending.clear();
            }
            data.remove_prefix(newline + 1);
        }
        pending.append(data);
    }
    if (!pending.empty()) {
        handle(std::string_view(pending));
    }
}

} // namespace

bool DecodeInputLine(std::string_view text, std::size_t lineNumber, SentenceRecord& record,
                     JsonWriter* json) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) {
        text.remove_suffix(1);
    }
    ReceiveOutcome outcome;
    if (text.size() <= kMaxReceivedLineLength) {
        char line[kLineBufferSize];
        std::memcpy(line, text.data(), text.size());
        std::memcpy(line + text.size(), "\r\n", 3);
        ReceiveSentence(line, record, &outcome);
    }
    if (json != nullptr) {
        json->open('{');
        json->key("n");
        json->integer(static_cast<std::int64_t>(lineNumber));
        json->key("ok");
        json->boolean(outcome.parsed);
        if (outcome.parsed) {
            WriteHeader(*json, record);
            json->key("fields");
            json->open('{');
            WriteFieldSet(*json, record);
            json->close('}');
            if (outcome.ais.complete) {
                WriteAisJson(*json, ProgramAisState().message, outcome.ais.target);
            }
        }
        json->close('}');
        json->endLine();
    }
    return outcome.parsed;
}

namespace {

// Feeds every line of `files` (standard input for none or "-") to `handle`.
// Returns 1 when a file cannot be opened, else 0.
template <typename Handler>
int ForEachInputLine(const std::vector<const char*>& files, Handler&& handle) {
    int status = 0;
    for (const char* name : files) {
        const bool standardInput = std::strcmp(name, "-") == 0;
        std::FILE* file = standardInput ? stdin : std::fopen(name, "rb");
        if (file == nullptr) {
            std::fprintf(stderr, "varo-nmea: cannot open '%s': %s\n", name, std::strerror(errno));
            status = 1;
            continue;
        }
        ForEachLine(file, handle);
        if (!standardInput) {
            std::fclose(file);
        }
    }
    return status;
}

} // namespace

int RunDecode(std::span<char*> arguments) {
    bool quiet = false;
    std::vector<const char*> files;
    for (const char* argument : arguments) {
        if (std::strcmp(argument, "--quiet") == 0) {
            quiet = true;
        } else {
            files.push_back(argument);
        }
    }
    if (files.empty()) {
        files.push_back("-");
    }
    static SentenceRecord record{}; // one shared record for the run, as on the receive path
    JsonWriter json(stdout);
    DecodeTally tally;
    const int status = ForEachInputLine(files, [&](std::string_view line) {
        ++tally.lines;
        tally.decoded += DecodeInputLine(line, tally.lines, record, quiet ? nullptr : &json);
    });
    if (quiet) {
        json.open('{');
        json.key("lines");
        json.integer(static_cast<std::int64_t>(tally.lines));
        json.key("ok");
        json.integer(static_cast<std::int64_t>(tally.decoded));
        json.key("failed");
        json.integer(static_cast<std::int64_t>(tally.lines - tally.decoded));
        json.close('}');
        json.endLine();
    }
    return status;
}

int RunTargets(std::span<char*> arguments) {
    std::vector<const char*> files(arguments.begin(), arguments.end());
    if (files.empty()) {
        files.push_back("-");
    }
    static SentenceRecord record{};
    std::size_t lineNumber = 0;
    const int status = ForEachInputLine(files, [&](std::string_view line) {
        DecodeInputLine(line, ++lineNumber, record, nullptr);
    });
    JsonWriter json(stdout);
    WriteAisTargetsJson(json, ProgramAisState().decoder.targets);
    return status;
}

} // namespace varo
