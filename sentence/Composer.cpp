#include "sentence/Composer.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "sentence/ComposeWriters.h"

namespace varo {
namespace {

// Three formatter letters packed into one key, first letter in the high byte.
constexpr std::uint32_t FormatterKey(char a, char b, char c) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(a)) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(c));
}
constexpr std::uint32_t FormatterKey(const char (&formatter)[4]) {
    return FormatterKey(formatter[0], formatter[1], formatter[2]);
}

struct WriterEntry {
    std::uint32_t key;
    SentenceWriter writer;
};

constexpr std::array kWriters = {
    WriterEntry{FormatterKey("ABK"), WriteAbk}, WriterEntry{FormatterKey("ABM"), WriteAbm},
    WriterEntry{FormatterKey("ACK"), WriteAck}, WriterEntry{FormatterKey("ALR"), WriteAlr},
    WriterEntry{FormatterKey("BBM"), WriteBbm}, WriterEntry{FormatterKey("SSD"), WriteSsd},
    WriterEntry{FormatterKey("VDM"), WriteVdm}, WriterEntry{FormatterKey("VDO"), WriteVdm},
    WriterEntry{FormatterKey("VSD"), WriteVsd}, WriterEntry{FormatterKey("GBS"), WriteGbs},
    WriterEntry{FormatterKey("GSA"), WriteGsa}, WriterEntry{FormatterKey("RMC"), WriteRmc},
    WriterEntry{FormatterKey("HDT"), WriteHdt}, WriterEntry{FormatterKey("MID"), WriteMid},
    WriterEntry{FormatterKey("BDY"), WriteBdy}, WriterEntry{FormatterKey("TST"), WriteTst},
    WriterEntry{FormatterKey("CTT"), WriteCtt}, WriterEntry{FormatterKey("FRQ"), WriteFrq},
    WriterEntry{FormatterKey("BTH"), WriteBth}, WriterEntry{FormatterKey("DBG"), WriteDbg},
    WriterEntry{FormatterKey("TPS"), WriteTps}, WriterEntry{FormatterKey("MOB"), WriteMob},
};
static_assert(kWriters.size() == 22, "one writer per composed formatter");

SentenceWriter FindWriter(const char* formatter) {
    // Exactly three characters: "Q" or a truncated formatter never matches.
    if (strnlen(formatter, 4) != 3) {
        return nullptr;
    }
    const std::uint32_t key = FormatterKey(formatter[0], formatter[1], formatter[2]);
    for (const WriterEntry& entry : kWriters) {
        if (entry.key == key) {
            return entry.writer;
        }
    }
    return nullptr;
}

// The counter of the original position scan is 16 bits wide.
constexpr std::size_t kMaxSentenceScan = 65535;
constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr std::size_t kEndingLength = 5; // "*hh\r\n"

} // namespace

bool canComposeSentence(const char* formatter) {
    return FindWriter(formatter) != nullptr;
}

bool composeSentence(char* buffer, std::size_t size, const SentenceRecord& sentence) {
    const SentenceWriter writer = FindWriter(sentence.formatter);
    if (writer == nullptr) {
        return false;
    }
    if (!writer(buffer, size, sentence)) {
        return false;
    }
    if (!finishSentence(buffer, size)) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

bool finishSentence(char* buffer, std::size_t size) {
    const std::size_t limit = size < kMaxSentenceScan ? size : kMaxSentenceScan;
    const void* terminator = std::memchr(buffer, '\0', limit);
    if (terminator == nullptr) {
        return false;
    }
    const auto length = static_cast<std::size_t>(static_cast<const char*>(terminator) - buffer);
    if (length < 1 || length + kEndingLength + 1 > size) {
        return false;
    }
    unsigned checksum = 0;
    for (std::size_t i = 1; i < length; ++i) {
        checksum ^= static_cast<unsigned char>(buffer[i]);
    }
    char* end = buffer + length;
    end[0] = '*';
    end[1] = kHexDigits[(checksum >> 4) & 0xF];
    end[2] = kHexDigits[checksum & 0xF];
    end[3] = '\r';
    end[4] = '\n';
    end[5] = '\0';
    return true;
}

SplitDegrees splitDegrees(float degrees) {
    const auto whole = static_cast<int>(degrees);
    const float minutes = (degrees - static_cast<float>(whole)) * 60.0f;
    const auto wholeMinutes = static_cast<int>(minutes);
    const auto fraction =
        static_cast<int>((minutes - static_cast<float>(wholeMinutes)) * 100000.0f);
    return {whole, wholeMinutes, fraction};
}

} // namespace varo
