#include "tools/Subcommands.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "config/CommandSentence.h"
#include "config/SentenceStore.h"

namespace varo {
namespace {

constexpr int kBadArguments = 2;
constexpr char kUsage[] = "usage: varo-nmea compose tst CODE | ctt MODE SUBJECT [ID FLAG]... | "
                          "dbg CODE VALUE [CODE VALUE]... [--zqt LETTER]";

int Fail(const char* message, const char* argument = nullptr) {
    if (argument != nullptr) {
        std::fprintf(stderr, "varo-nmea compose: %s: '%s'\n", message, argument);
    } else {
        std::fprintf(stderr, "varo-nmea compose: %s\n", message);
    }
    return kBadArguments;
}

// A whole decimal number from `minimum` to `maximum`, nothing else in the text.
bool ReadNumber(const char* text, long long minimum, long long maximum, long long& value) {
    if (text[0] == '\0') {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
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

// TST request: number, value and both letters are sent empty.
int ComposeTst(int argc, char** argv) {
    long long code = 0;
    if (argc != 1) {
        return Fail(kUsage);
    }
    if (!ReadNumber(argv[0], 0, std::numeric_limits<std::uint16_t>::max(), code)) {
        return Fail("CODE must be a number from 0 to 65535", argv[0]);
    }
    DeviceRecord& device = ProgramSentenceStore().device;
    device.tstNumber = 99999;
    device.tstValue = 99;
    device.tstLowerCaseLetter = '@'; // outside both letter ranges: written empty
    device.tstLetter = '@';
    device.tstCode = static_cast<std::uint16_t>(code);
    return PrintCommand("TST");
}

int ComposeCtt(int argc, char** argv) {
    if (argc < 2 || argc % 2 != 0 || argc > 12) {
        return Fail(kUsage);
    }
    if (std::strlen(argv[0]) != 1) {
        return Fail("MODE must be one letter", argv[0]);
    }
    long long subject = 0;
    if (!ReadNumber(argv[1], 0, std::numeric_limits<std::uint32_t>::max(), subject)) {
        return Fail("SUBJECT must be a number from 0 to 4294967295", argv[1]);
    }
    DeviceRecord& device = ProgramSentenceStore().device;
    device.cttMode = static_cast<std::uint8_t>(argv[0][0]);
    device.cttSubject = static_cast<std::uint32_t>(subject);
    for (int i = 0; i < 5; ++i) {
        long long identifier = 999999;
        long long flag = 0;
        const int at = 2 + 2 * i;
        if (at < argc &&
            !ReadNumber(argv[at], 0, std::numeric_limits<std::uint32_t>::max(), identifier)) {
            return Fail("ID must be a number from 0 to 4294967295", argv[at]);
        }
        if (at < argc && !ReadNumber(argv[at + 1], 0, 9, flag)) {
            return Fail("FLAG must be one digit", argv[at + 1]);
        }
        device.cttItems[i].identifier = static_cast<std::uint32_t>(identifier);
        device.cttItems[i].flag = static_cast<std::uint8_t>(flag);
    }
    return PrintCommand("CTT");
}

int ComposeDbg(int argc, char** argv) {
    std::uint8_t commandChar = 0;
    if (argc >= 2 && std::strcmp(argv[argc - 2], "--zqt") == 0) {
        const char* letter = argv[argc - 1];
        if (std::strlen(letter) != 1 || letter[0] < 'A' || letter[0] > 'Z') {
            return Fail("--zqt takes one letter from A to Z", letter);
        }
        commandChar = static_cast<std::uint8_t>(letter[0]);
        argc -= 2;
    }
    if (argc < 2 || argc % 2 != 0 || argc > 8) {
        return Fail(kUsage);
    }
    DeviceRecord& device = ProgramSentenceStore().device;
    for (int i = 0; i < 4; ++i) {
        long long code = kNoDbgCode;
        long long value = kNoDbgValue;
        const int at = 2 * i;
        if (at < argc && !ReadNumber(argv[at], -999, 999, code)) {
            return Fail("CODE must be a number from -999 to 999", argv[at]);
        }
        if (at < argc && !ReadNumber(argv[at + 1], std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max(), value)) {
            return Fail("VALUE must be a 32-bit number", argv[at + 1]);
        }
        device.dbgPairs.codes[i] = static_cast<std::int16_t>(code);
        device.dbgPairs.values[i] = static_cast<std::int32_t>(value);
    }
    device.dbgCommandChar = commandChar;
    return PrintCommand("DBG");
}

} // namespace

// compose tst CODE | ctt MODE SUBJECT [ID FLAG]... (missing pairs: identifier 999999) |
// dbg CODE VALUE [CODE VALUE]... [--zqt LETTER] (missing pairs: 999, -2147483648).
// Prints the sentence the tool's sender would build, CR LF included; exit 2 with a
// one-line message for bad arguments, 1 when the sentence cannot be built.
int RunCompose(std::span<char*> arguments) {
    const int argc = static_cast<int>(arguments.size());
    char** argv = arguments.data();
    if (argc < 1) {
        return Fail(kUsage);
    }
    const char* kind = argv[0];
    if (std::strcmp(kind, "tst") == 0) {
        return ComposeTst(argc - 1, argv + 1);
    }
    if (std::strcmp(kind, "ctt") == 0) {
        return ComposeCtt(argc - 1, argv + 1);
    }
    if (std::strcmp(kind, "dbg") == 0) {
        return ComposeDbg(argc - 1, argv + 1);
    }
    return Fail("unknown command kind (tst, ctt or dbg)", kind);
}

} // namespace varo
