// The lenient reading of other devices' logs, beside the strict receive path.
#include <gtest/gtest.h>

#include <string>

#include "ExampleSentences.h"
#include "ParseHelpers.h"
#include "sentence/LenientLine.h"

namespace varo::test {
namespace {

ParseFailure ReadLenient(const std::string& text, SentenceRecord& record) {
    static LenientLine line;
    ParseFailure failure = ParseFailure::None;
    ReadLenientLine(text, line, record, &failure);
    return failure;
}

// Each form fails the receive path and reads leniently with its extra field.
TEST(LenientLine, NewerAndOlderSentenceForms) {
    SentenceRecord record{};
    const std::string gsvEmpty = WithChecksum("$GPGSV,1,1,00");
    EXPECT_EQ(gsvEmpty, "$GPGSV,1,1,00*79");
    EXPECT_EQ(ReadLenient(gsvEmpty, record), ParseFailure::None);
    EXPECT_EQ(record.payload.gsv.satellitesInView, 0);
    EXPECT_EQ(record.payload.gsv.satellites[0].prn, kNoInt8);

    const struct {
        std::string line;
        bool (*holds)(const SentencePayload&);
    } cases[] = {
        {WithChecksum("$GLGSV,1,1,01,65,30,120,40,3"),
         [](const SentencePayload& p) {
             return p.gsv.signalId == 3 && p.gsv.satellites[0].prn == 65;
         }},
        {WithChecksum("$GNGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1,4"),
         [](const SentencePayload& p) { return p.gsa.systemId == 4 && p.gsa.vdop == 2.1f; }},
        {WithChecksum("$GPRMC,123519,A,4807.038,N,01131.000,W,022.4,084.4,230394,003.1,W,A,V"),
         [](const SentencePayload& p) { return p.rmc.navigationalStatus == 'V'; }},
        {WithChecksum("$GPGLL,4916.45,N,12311.12,W,225444,A"),
         [](const SentencePayload& p) { return p.gll.status == 'A' && p.gll.mode == ' '; }},
        {WithChecksum("$GPGGA,123519.00,4807.038,N,01131.000,E,1,18,0.9,545.4,M,46.9,M,,0120"),
         [](const SentencePayload& p) { return p.gga.satellitesInUse == 18; }},
        {WithChecksum("$GPGBS,123519.00,1.2,0.8,2.5,07,0.01,1.5,0.3,1,7"),
         [](const SentencePayload& p) { return p.gbs.systemId == 1 && p.gbs.signalId == 7; }},
        {WithChecksum("$VWVLW,1520.4,N,12.35,N,1498.2,N,12.10,N"),
         [](const SentencePayload& p) { return p.vlw.tripGroundDistance == 12.1f; }},
    };
    for (const auto& c : cases) {
        SentenceRecord strict{};
        EXPECT_FALSE(Parse(c.line + "\r\n", strict)) << c.line;
        ASSERT_EQ(ReadLenient(c.line, record), ParseFailure::None) << c.line;
        EXPECT_TRUE(c.holds(record.payload)) << c.line;
    }
    // The strict forms read leniently as before, the absent fields as blanks.
    ASSERT_EQ(ReadLenient(WithChecksum("$GPGSA,A,3,04,,,,,,,,,,,,2.5,1.3,2.1"), record),
              ParseFailure::None);
    EXPECT_EQ(record.payload.gsa.systemId, kNoInt8);
}

TEST(LenientLine, TagBlocksReceiverTextAndLongLines) {
    SentenceRecord record{};
    LenientLine line;
    const std::string vdm = "!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0*24";
    const std::string tagged = "\\s:2573535,c:1671620143*0F\\" + vdm + ",s36310,d-081,T59.01777335";
    ASSERT_TRUE(ReadLenientLine(tagged, line, record));
    EXPECT_EQ(line.tag, "s:2573535,c:1671620143");
    EXPECT_STREQ(line.aisPayload, "13u?etPv2;0n:dDPwUM1U1Cb069D");
    std::string fields;
    ForEachTagField(line.tag, [&](std::string_view key, std::string_view value) {
        fields += std::string(key) + "=" + std::string(value) + ";";
    });
    EXPECT_EQ(fields, "s=2573535;c=1671620143;");

    std::string badTag = tagged;
    badTag[25] = 'E'; // the block's checksum
    EXPECT_EQ(ReadLenient(badTag, record), ParseFailure::Checksum);
    EXPECT_EQ(ReadLenient(vdm.substr(0, vdm.size() - 3), record), ParseFailure::NotASentence);

    // A whole type-5 message in one sentence: longer than the receive path takes.
    const std::string payload(71, '5');
    const std::string longVdm = WithChecksum("!AIVDM,1,1,,B," + payload + ",2");
    ASSERT_GT(longVdm.size(), kMaxReceivedLineLength);
    ASSERT_TRUE(ReadLenientLine(longVdm, line, record));
    EXPECT_EQ(line.aisPayload, payload);
    EXPECT_EQ(std::string(record.payload.vdm.payload), payload.substr(0, kAisPayloadSize - 1));

    const std::string tooLong = WithChecksum("$GPTXT,01,01,02," + std::string(400, 'A'));
    EXPECT_EQ(ReadLenient(tooLong, record), ParseFailure::TooLong);
}

} // namespace
} // namespace varo::test
