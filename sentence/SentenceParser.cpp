#include "sentence/SentenceParser.h"

#include <cstring>

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

bool MarkEmptyFields(char* line) {
    // Most lines have no empty field: then only the length matters.
    const char* firstEmpty = nullptr;
    const char* c = line;
    for (; *c != '\0'; ++c) {
        if (*c == ',' && (c[1] == ',' || c[1] == '*') && firstEmpty == nullptr) {
            firstEmpty = c;
        }
    }
    if (firstEmpty == nullptr) {
        return static_cast<std::size_t>(c - line) <= kMaxMarkedLineLength;
    }
    char work[kLineBufferSize];
    std::size_t length = static_cast<std::size_t>(firstEmpty - line);
    if (length > kMaxMarkedLineLength) {
        return false;
    }
    std::memcpy(work, line, length);
    for (c = firstEmpty; *c != '\0'; ++c) {
        const bool emptyFieldFollows = *c == ',' && (c[1] == ',' || c[1] == '*');
        const std::size_t needed = emptyFieldFollows ? 2 : 1;
        if (length + needed > kMaxMarkedLineLength) {
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

bool ParseSentence(char* line, SentenceRecord& record) {
    const void* terminator = std::memchr(line, '\0', kLineBufferSize);
    if (terminator == nullptr) {
        return false;
    }
    const auto received = static_cast<std::size_t>(static_cast<const char*>(terminator) - line);
    if (received < 2 || line[received - 2] != '\r' || line[received - 1] != '\n') {
        return false;
    }
    if (!VerifyChecksum(line) || !MarkEmptyFields(line)) {
        return false;
    }
    const std::size_t length = std::strlen(line);
    std::memset(record.talker, 0, sizeof record.talker);
    std::memset(record.formatter, 0, sizeof record.formatter);
    record.commandChar = 0;
    record.startChar = line[0];

    char* sentence = line;
    if (line[1] == 'P') {
        record.talker[0] = 'P';
        CopyHeaderText(record.formatter, line + 2, 3);
        if (std::strcmp(record.formatter, kOwnMnemonic) == 0) {
            if (length <= kZqtFormatterPosition + 2) {
                return false;
            }
            // $PZQT,c,FFF,... is read as $PFFF,... starting at the command character.
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
    return DecodeFields(record.formatter, sentence, record.payload);
}

} // namespace varo
