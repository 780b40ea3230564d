#include "tools/Subcommands.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "config/CommandSentence.h"
#include "config/SentenceStore.h"
#include "gateway/Commands.h"

namespace varo {
namespace {

// What the composer writes as an empty field is refused here: the command
// would not say what was asked. Identifiers and subjects of 999999 and more
// are written empty, as is DBG code 999 and value -2147483648.
constexpr long long kCttLimit = 999998;
constexpr long long kDbgCodeLimit = 998;
constexpr long long kTstCodeLimit = 65534;
constexpr int kCttItems = 5;
constexpr int kDbgPairs = 4;

// "varo-nmea compose: FLAG '2' must be 0 or 1"
int Fail(const char* name, const std::string& argument, const char* range) {
    std::fprintf(stderr, "varo-nmea compose: %s '%s' must be %s\n", name, argument.c_str(), range);
    return kUsageError;
}

// A whole decimal number from `minimum` to `maximum`, nothing else in the text.
bool ReadNumber(const std::string& text, long long minimum, long long maximum, long long& value) {
    if (text.empty()) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= minimum && value <= maximum;
}

int PrintCommand(const char* formatter) {
    char sentence[kCommandBufferSize];
    if (!buildCommandSentence(sentence, sizeof sentence, "P", formatter)) {
        std::fprintf(stderr, "varo-nmea compose: the %s sentence does not fit its buffer\n",
                     formatter);
        return 1;
    }
    std::fputs(sentence, stdout);
    return 0;
}

} // namespace

// TST request: number, value and both letters are sent empty.
int ComposeTst(const std::string& codeText) {
    long long code = 0;
    if (!ReadNumber(codeText, 0, kTstCodeLimit, code)) {
        return Fail("CODE", codeText, "a number from 0 to 65534");
    }
    // The probe as the tool sends it.
    std::fputs(CommandBuilder().Probe(static_cast<std::uint16_t>(code)).c_str(), stdout);
    return 0;
}

int ComposeCtt(const std::string& mode, const std::string& subjectText,
               const std::vector<std::string>& items) {
    if (mode != "Q" && mode != "C" && mode != "A") {
        return Fail("MODE", mode, "Q, C or A");
    }
    long long subject = 0;
    if (!ReadNumber(subjectText, 0, kCttLimit, subject)) {
        return Fail("SUBJECT", subjectText, "a number from 0 to 999998");
    }
    if (items.size() % 2 != 0 || items.size() > 2 * kCttItems) {
        std::fputs("varo-nmea compose: ctt takes up to five ID FLAG pairs\n", stderr);
        return kUsageError;
    }
    DeviceRecord& device = ProgramSentenceStore().device;
    device.cttMode = static_cast<std::uint8_t>(mode[0]);
    device.cttSubject = static_cast<std::uint32_t>(subject);
    for (std::size_t i = 0; i < kCttItems; ++i) {
        long long identifier = 999999; // not given: written empty
        long long flag = 0;
        const std::size_t at = 2 * i;
        if (at < items.size() && !ReadNumber(items[at], 0, kCttLimit, identifier)) {
            return Fail("ID", items[at], "a number from 0 to 999998");
        }
        if (at < items.size() && !ReadNumber(items[at + 1], 0, 1, flag)) {
            return Fail("FLAG", items[at + 1], "0 or 1");
        }
        device.cttItems[i].identifier = static_cast<std::uint32_t>(identifier);
        device.cttItems[i].flag = static_cast<std::uint8_t>(flag);
    }
    return PrintCommand("CTT");
}

int ComposeDbg(const std::vector<std::string>& pairs, const std::string& zqt) {
    std::uint8_t commandChar = 0;
    if (!zqt.empty()) {
        if (zqt.size() != 1 || zqt[0] < 'A' || zqt[0] > 'Z') {
            return Fail("--zqt", zqt, "one letter from A to Z");
        }
        commandChar = static_cast<std::uint8_t>(zqt[0]);
    }
    if (pairs.empty() || pairs.size() % 2 != 0 || pairs.size() > 2 * kDbgPairs) {
        std::fputs("varo-nmea compose: dbg takes one to four CODE VALUE pairs\n", stderr);
        return kUsageError;
    }
    DeviceRecord& device = ProgramSentenceStore().device;
    for (std::size_t i = 0; i < kDbgPairs; ++i) {
        long long code = kNoDbgCode;
        long long value = kNoDbgValue;
        const std::size_t at = 2 * i;
        if (at < pairs.size() && !ReadNumber(pairs[at], 0, kDbgCodeLimit, code)) {
            return Fail("CODE", pairs[at], "a number from 0 to 998");
        }
        if (at < pairs.size() && !ReadNumber(pairs[at + 1], kNoDbgValue + 1LL,
                                             std::numeric_limits<std::int32_t>::max(), value)) {
            return Fail("VALUE", pairs[at + 1], "a number from -2147483647 to 2147483647");
        }
        device.dbgPairs.codes[i] = static_cast<std::int16_t>(code);
        device.dbgPairs.values[i] = static_cast<std::int32_t>(value);
    }
    device.dbgCommandChar = commandChar;
    return PrintCommand("DBG");
}

} // namespace varo
