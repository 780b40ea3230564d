// Writers of the gateway's proprietary sentences: "$P", the formatter, then
// the fields; an empty field is nothing between its commas.
#include <cstdint>
#include <limits>

#include "sentence/ComposeFields.h"
#include "sentence/ComposeWriters.h"

namespace varo {
namespace {

constexpr std::uint32_t kNineDigitLimit = 999999999; // MID, BDY, FRQ numbers
constexpr std::uint32_t kCttLimit = 999999;          // CTT subject and identifiers

// The nine-digit numbers compare unsigned, so a negative value is empty too.
FieldText NineDigitText(std::int32_t value) {
    return FieldIf(static_cast<std::uint32_t>(value) < kNineDigitLimit, "%09d", value);
}

FieldText LetterText(char letter, char first, char last) {
    return letter >= first && letter <= last ? CharText(letter) : FieldText{};
}

} // namespace

// $PMID,xxxxxxxxx,xxxxxxxxx
bool WriteMid(char* buffer, std::size_t size, const SentenceRecord& s) {
    const MidFields& f = s.payload.mid;
    return PrintSentence(buffer, size, "$%.2s%.3s,%s,%s", s.talker, s.formatter,
                         NineDigitText(f.firstNumber).text, NineDigitText(f.secondNumber).text);
}

// $PBDY,xxxxxxxxx,c--c,c--c,x,x
bool WriteBdy(char* buffer, std::size_t size, const SentenceRecord& s) {
    const BdyFields& f = s.payload.bdy;
    const auto flag1 = static_cast<std::uint8_t>(f.firstFlag);
    const auto flag2 = static_cast<std::uint8_t>(f.secondFlag);
    return PrintSentence(buffer, size, "$%.2s%.3s,%s,%.*s,%.*s,%s,%s", s.talker, s.formatter,
                         NineDigitText(f.number).text, TextLength(f.firstText, sizeof f.firstText),
                         f.firstText, TextLength(f.secondText, sizeof f.secondText), f.secondText,
                         FieldIf(flag1 < 2, "%d", flag1).text,
                         FieldIf(flag2 < 2, "%d", flag2).text);
}

// $PTST,xxxxx,xx,a,A,xxxxx
bool WriteTst(char* buffer, std::size_t size, const SentenceRecord& s) {
    const TstFields& f = s.payload.tst;
    const auto value = static_cast<std::uint8_t>(f.value);
    const auto code = static_cast<std::uint16_t>(f.code);
    return PrintSentence(
        buffer, size, "$%.2s%.3s,%s,%s,%s,%s,%s", s.talker, s.formatter,
        FieldIf(static_cast<std::uint32_t>(f.number) < 99999, "%05d", f.number).text,
        FieldIf(value < 99, "%02d", value).text, LetterText(f.lowerCaseLetter, 'a', 'm').text,
        LetterText(f.letter, 'A', 'Z').text, FieldIf(code != 65535, "%05d", code).text);
}

// $PCTT,a,x,x,x,x,x,x,x,x,x,x,x   modes: "A" and "C" as they are, anything else "Q"
bool WriteCtt(char* buffer, std::size_t size, const SentenceRecord& s) {
    const CttFields& f = s.payload.ctt;
    const char mode = f.mode == 'A' || f.mode == 'C' ? f.mode : 'Q';
    FieldText items[10];
    for (int i = 0; i < 5; ++i) {
        const CttItem& item = f.items[i];
        const bool given = static_cast<std::uint32_t>(item.identifier) < kCttLimit;
        items[2 * i] = FieldIf(given, "%d", item.identifier);
        items[2 * i + 1] = FieldIf(given, "%d", item.flag);
    }
    return PrintSentence(
        buffer, size, "$%.2s%.3s,%c,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s", s.talker, s.formatter, mode,
        FieldIf(static_cast<std::uint32_t>(f.subject) < kCttLimit, "%d", f.subject).text,
        items[0].text, items[1].text, items[2].text, items[3].text, items[4].text, items[5].text,
        items[6].text, items[7].text, items[8].text, items[9].text);
}

// $PFRQ,xxxxxxxxx,x,xxxxxxxxx,x   printed value 1, count 1, value 2, count 2
bool WriteFrq(char* buffer, std::size_t size, const SentenceRecord& s) {
    const FrqFields& f = s.payload.frq;
    const auto count1 = static_cast<std::uint8_t>(f.counts[0]);
    const auto count2 = static_cast<std::uint8_t>(f.counts[1]);
    return PrintSentence(buffer, size, "$%.2s%.3s,%s,%s,%s,%s", s.talker, s.formatter,
                         NineDigitText(f.values[0]).text, FieldIf(count1 <= 10, "%d", count1).text,
                         NineDigitText(f.values[1]).text, FieldIf(count2 <= 10, "%d", count2).text);
}

// $PBTH,xxx,xxx,xxx,xxx,xxx,xxx,c--c   one code over 255 empties all six
bool WriteBth(char* buffer, std::size_t size, const SentenceRecord& s) {
    const BthFields& f = s.payload.bth;
    bool given = true;
    for (const std::int16_t code : f.codes) {
        given = given && code <= 255;
    }
    FieldText codes[6];
    for (int i = 0; i < 6; ++i) {
        codes[i] = FieldIf(given, "%03d", f.codes[i]);
    }
    return PrintSentence(buffer, size, "$%.2s%.3s,%s,%s,%s,%s,%s,%s,%.*s", s.talker, s.formatter,
                         codes[0].text, codes[1].text, codes[2].text, codes[3].text, codes[4].text,
                         codes[5].text, TextLength(f.text, sizeof f.text), f.text);
}

// $PDBG,xxx,x,xxx,x,xxx,x,xxx,x  or, with a command letter, $PZQT,c,DBG,...
bool WriteDbg(char* buffer, std::size_t size, const SentenceRecord& s) {
    const DbgFields& f = s.payload.dbg;
    const char command = s.commandChar;
    FieldText pairs[8];
    for (int i = 0; i < 4; ++i) {
        pairs[2 * i] = FieldIf(f.codes[i] < 999, "%03d", f.codes[i]);
        pairs[2 * i + 1] =
            FieldIf(f.values[i] != kNoDbgValue, "%ld", static_cast<long>(f.values[i]));
    }
    return PrintSentence(buffer, size, "$%.2s%s%.3s,%s,%s,%s,%s,%s,%s,%s,%s", s.talker,
                         FieldIf(command >= 'A' && command <= 'Z', "ZQT,%c,", command).text,
                         s.formatter, pairs[0].text, pairs[1].text, pairs[2].text, pairs[3].text,
                         pairs[4].text, pairs[5].text, pairs[6].text, pairs[7].text);
}

// $PTPS,xxx,c--c
bool WriteTps(char* buffer, std::size_t size, const SentenceRecord& s) {
    const TpsFields& f = s.payload.tps;
    return PrintSentence(buffer, size, "$%.2s%.3s,%s,%.*s", s.talker, s.formatter,
                         FieldIf(f.code < 999, "%03d", f.code).text,
                         TextLength(f.text, sizeof f.text), f.text);
}

// $PMOB,hhhhhh,x,hh,hh,h--h
// A data count beyond the field's 19 bytes is written empty, like count 0,
// rather than read past the data.
bool WriteMob(char* buffer, std::size_t size, const SentenceRecord& s) {
    const MobFields& f = s.payload.mob;
    FieldText data{};
    if (f.dataCount <= kMobDataCapacity) {
        for (std::size_t i = 0; i < f.dataCount; ++i) {
            const FieldText byte = FieldIf(true, "%02X", f.data[i]);
            data.text[2 * i] = byte.text[0];
            data.text[2 * i + 1] = byte.text[1];
        }
    }
    return PrintSentence(buffer, size, "$%.2s%.3s,%02X%02X%02X,%d,%02X,%s,%s", s.talker,
                         s.formatter, f.code[0], f.code[1], f.code[2], f.number, f.firstByte,
                         FieldIf(f.secondBytePresent != 0, "%02X", f.secondByte).text, data.text);
}

} // namespace varo
