#include "sentence/SentenceParser.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "sentence/FieldDecoders.h"

namespace varo {
namespace {

// The gateway's own manufacturer mnemonic: $PZQT,c,FFF,... carries a command
// character and a sub-formatter.
constexpr char kOwnMnemonic[] = "ZQT";
constexpr std::size_t kZqtCommandPosition = 6;
constexpr std::size_t kZqtFormatterPosition = 8;

// Copies up to `count` characters, stopping at the line's terminator.
void CopyHeaderText(char* destination, const char* source, std::size_t count) {
    for (std::size_t i = 0; i < count && source[i] != '\0'; ++i) {
        destination[i] = source[i];
    }
}

int HexDigitValue(unsigned char c) {
    // Anything up to '9' counts as a decimal digit, everything else as 'A'-'F',
    // so lower-case digits never match.
    return c <= '9' ? c - '0' : c - 55;
}

} // namespace

bool VerifyChecksum(const char* line) {
    const char* star = std::strchr(line, '*');
    const std::size_t length = std::strlen(line);
    if (star == nullptr || static_cast<std::size_t>(star - line) + 3 > length) {
        return false;
    }
    unsigned checksum = 0;
    for (const char* c = line + 1; c < star; ++c) {
        checksum ^= static_cast<unsigned char>(*c);
    }
    const int written = HexDigitValue(static_cast<unsigned char>(star[1])) * 16 +
                        HexDigitValue(static_cast<unsigned char>(star[2]));
    return written == static_cast<int>(checksum);
}

namespace {

bool EmptyFieldAt(const char* c) {
    return *c == ',' && (c[1] == ',' || c[1] == '*');
}

// How long a line may grow once its empty fields are marked, for the receive
// path and for the lenient reading of other devices' logs.
constexpr std::size_t MarkedLimit(bool lenient) {
    return lenient ? kLenientBufferSize - 2 : kMaxMarkedLineLength;
}

// Writes the empty-field marks from `firstEmpty` (the first comma that an
// empty field follows) on; fails when the line would pass `limit` characters.
bool InsertEmptyFieldMarks(char* line, const char* firstEmpty, std::size_t limit) {
    char work[kLenientBufferSize];
    std::size_t length = static_cast<std::size_t>(firstEmpty - line);
    if (length > limit) {
        return false;
    }
    std::memcpy(work, line, length);
    for (const char* c = firstEmpty; *c != '\0'; ++c) {
        const bool emptyFieldFollows = EmptyFieldAt(c);
        const std::size_t needed = emptyFieldFollows ? 2 : 1;
        if (length + needed > limit) {
            return false;
        }
        work[length++] = *c;
        if (emptyFieldFollows) {
            work[length++] = kEmptyFieldMark;
        }
    }
    work[length] = '\0';
    std::memcpy(line, work, length + 1);
    return true;
}

// What one pass over a received line finds.
struct LineScan {
    const char* star = nullptr;       // the first '*'
    unsigned checksum = 0;            // XOR from the second character up to the star
    int commas = 0;                   // in the whole line
    const char* firstEmpty = nullptr; // the first comma that an empty field follows
};

LineScan ScanLine(const char* line, const char* end) {
    LineScan scan;
    const char* c = line;
    if (c < end && *c == '*') {
        scan.star = c;
    } else if (c < end) {
        for (++c; c < end && *c != '*'; ++c) {
            scan.checksum ^= static_cast<unsigned char>(*c);
            if (*c == ',') {
                ++scan.commas;
                if ((c[1] == ',' || c[1] == '*') && scan.firstEmpty == nullptr) {
                    scan.firstEmpty = c;
                }
            }
        }
        scan.star = c < end ? c : nullptr;
    }
    // After the star (normally only the checksum digits and CR LF).
    for (; c < end; ++c) {
        if (*c == ',') {
            ++scan.commas;
            if (scan.firstEmpty == nullptr && EmptyFieldAt(c)) {
                scan.firstEmpty = c;
            }
        }
    }
    return scan;
}

bool Fail(ParseFailure* failure, ParseFailure reason) {
    if (failure != nullptr) {
        *failure = reason;
    }
    return false;
}

} // namespace

bool MarkEmptyFields(char* line) {
    // Most lines have no empty field: then only the length matters.
    const char* c = line;
    for (; *c != '\0'; ++c) {
        if (EmptyFieldAt(c)) {
            return InsertEmptyFieldMarks(line, c, kMaxMarkedLineLength);
        }
    }
    return static_cast<std::size_t>(c - line) <= kMaxMarkedLineLength;
}

const char* ParseFailureText(ParseFailure failure) {
    // In the order of the enumeration.
    static constexpr const char* kTexts[] = {
        "none",   "ending", "not a sentence", "checksum", "too long", "unknown formatter",
        "fields", "range",
    };
    static_assert(std::size(kTexts) == static_cast<std::size_t>(ParseFailure::Range) + 1);
    const auto index = static_cast<std::size_t>(failure);
    return index < std::size(kTexts) ? kTexts[index] : kTexts[0];
}

namespace {

// The parser over a buffer of kLineBufferSize bytes (the receive path) or,
// when `lenient`, of kLenientBufferSize bytes with the lenient decoders.
bool ParseInBuffer(char* line, bool lenient, SentenceRecord& record, ParseFailure* failure) {
    const std::size_t limit = MarkedLimit(lenient);
    const void* terminator =
        std::memchr(line, '\0', lenient ? kLenientBufferSize : kLineBufferSize);
    if (terminator == nullptr) {
        return Fail(failure, ParseFailure::Ending);
    }
    const auto received = static_cast<std::size_t>(static_cast<const char*>(terminator) - line);
    if (received < 2 || line[received - 2] != '\r' || line[received - 1] != '\n') {
        return Fail(failure, ParseFailure::Ending);
    }
    // One pass finds the checksum, the comma count and the first empty field.
    const LineScan scan = ScanLine(line, line + received);
    if (scan.star == nullptr || static_cast<std::size_t>(scan.star - line) + 3 > received) {
        return Fail(failure, ParseFailure::NotASentence);
    }
    const int written = HexDigitValue(static_cast<unsigned char>(scan.star[1])) * 16 +
                        HexDigitValue(static_cast<unsigned char>(scan.star[2]));
    if (written != static_cast<int>(scan.checksum)) {
        return Fail(failure, ParseFailure::Checksum);
    }
    std::size_t length = received;
    if (scan.firstEmpty != nullptr) {
        if (!InsertEmptyFieldMarks(line, scan.firstEmpty, limit)) {
            return Fail(failure, ParseFailure::TooLong);
        }
        length = std::strlen(line);
    } else if (received > limit) {
        return Fail(failure, ParseFailure::TooLong);
    }
    std::memset(record.talker, 0, sizeof record.talker);
    std::memset(record.formatter, 0, sizeof record.formatter);
    record.commandChar = 0;
    record.startChar = line[0];

    char* sentence = line;
    int commas = scan.commas;
    if (line[1] == 'P') {
        record.talker[0] = 'P';
        CopyHeaderText(record.formatter, line + 2, 3);
        if (std::strcmp(record.formatter, kOwnMnemonic) == 0) {
            if (length <= kZqtFormatterPosition + 2) {
                return Fail(failure, ParseFailure::Fields);
            }
            // $PZQT,c,FFF,... is read as $PFFF,... starting at the command
            // character; the commas before it are no longer part of the line.
            commas -= static_cast<int>(std::count(line, line + kZqtCommandPosition + 2, ','));
            record.commandChar = line[kZqtCommandPosition];
            line[kZqtCommandPosition] = '$';
            line[kZqtCommandPosition + 1] = 'P';
            sentence = line + kZqtCommandPosition;
            CopyHeaderText(record.formatter, line + kZqtFormatterPosition, 3);
        }
    } else {
        CopyHeaderText(record.talker, line + 1, 2);
        if (length > 5 && line[5] == 'Q') {
            record.formatter[0] = 'Q'; // a query, whatever the letters before it
        } else {
            CopyHeaderText(record.formatter, line + 3, 3);
        }
    }
    return DecodeCountedFields(record.formatter, sentence, commas, record.payload, failure,
                               lenient);
}

} // namespace

bool ParseSentence(char* line, SentenceRecord& record, ParseFailure* failure) {
    return ParseInBuffer(line, false, record, failure);
}

bool ParseLenientSentence(char* line, SentenceRecord& record, ParseFailure* failure) {
    return ParseInBuffer(line, true, record, failure);
}

} // namespace varo
