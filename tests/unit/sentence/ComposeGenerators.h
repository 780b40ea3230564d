// Random field sets that the composer can write and the parser reads back
// unchanged, for the round-trip tests. Values are drawn so that they are
// representable in the composer's widths and the parser's conversions:
//  - reals are decimals with as many places as their width prints;
//  - channels of ABM, VDM and VDO are only ever "not given": the composer
//    writes them as a digit or letter plus the value while the parser keeps
//    the character, so no given value survives both;
//  - ABK's channel is 0 (written "A", which the parser converts to 0);
//  - GSA satellite numbers are 1 to 99 or not given (0 is written empty);
//  - MOB carries at most 9 data bytes (the parser reads no more);
//  - texts never start with a blank and hold no ',' or '*'; payload lengths
//    keep every line within the parser's 98 characters.
// Not-available values are drawn about one time in four.
#pragma once

#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include "sentence/SentenceRecord.h"

namespace varo::testing {

class FieldGenerator {
public:
    explicit FieldGenerator(std::uint32_t seed) : random_(seed) {}

    long long Between(long long low, long long high) {
        return std::uniform_int_distribution<long long>(low, high)(random_);
    }
    bool OneIn(int n) { return Between(1, n) == 1; }

    // Absent about one time in four.
    bool Absent() { return OneIn(4); }

    // A decimal k / 10^places with k from low to high, narrowed to float.
    float Decimal(long long low, long long high, int places) {
        double scale = 1;
        for (int i = 0; i < places; ++i) {
            scale *= 10;
        }
        return static_cast<float>(static_cast<double>(Between(low, high)) / scale);
    }
    float RealOrAbsent(long long low, long long high, int places) {
        return Absent() ? kNoReal : Decimal(low, high, places);
    }

    UtcTime Time() {
        if (Absent()) {
            return {kNoHour, kNoMinute, kNoSecond, 0};
        }
        return {
            static_cast<std::uint8_t>(Between(0, 23)), static_cast<std::uint8_t>(Between(0, 59)),
            static_cast<std::uint8_t>(Between(0, 59)), static_cast<std::uint8_t>(Between(0, 99))};
    }

    char Letter(char first, char last) { return static_cast<char>(Between(first, last)); }

    // A text of `low` to `high` characters that survives the field split.
    template <std::size_t Size> void Text(char (&text)[Size], std::size_t low, std::size_t high) {
        static constexpr char kCharacters[] =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-./ ";
        std::memset(text, 0, Size);
        const auto length = static_cast<std::size_t>(
            Between(static_cast<long long>(low), static_cast<long long>(high)));
        for (std::size_t i = 0; i < length && i + 1 < Size; ++i) {
            // The blank, last in the set, is never the first character.
            text[i] =
                kCharacters[Between(0, i == 0 ? sizeof kCharacters - 3 : sizeof kCharacters - 2)];
        }
    }

    // One or more six-bit armoured AIS characters (an empty field would come back as a blank).
    template <std::size_t Size> void Payload(char (&text)[Size], std::size_t high) {
        std::memset(text, 0, Size);
        const auto length = static_cast<std::size_t>(Between(1, static_cast<long long>(high)));
        for (std::size_t i = 0; i < length; ++i) {
            const auto value = Between(0, 63);
            text[i] = static_cast<char>(value < 40 ? '0' + value : '`' + (value - 40));
        }
    }

private:
    std::mt19937 random_;
};

// Zeroes `record` and sets its talker and formatter (cut to their fields).
inline void SetHeader(SentenceRecord& record, const char* talker, const char* formatter) {
    std::memset(&record, 0, sizeof record);
    std::memcpy(record.talker, talker, strnlen(talker, sizeof record.talker - 1));
    std::memcpy(record.formatter, formatter, strnlen(formatter, sizeof record.formatter - 1));
}

// Zeroes `record`, then fills the field set of `formatter` (one of the 22 the
// composer writes) with talker and command character as the sentence needs.
void GenerateSentence(const char* formatter, FieldGenerator& generate, SentenceRecord& record);

} // namespace varo::testing
