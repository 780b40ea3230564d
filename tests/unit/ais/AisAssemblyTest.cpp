#include "AisTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace varo {
namespace {

TEST(AisAssembly, SingleSentenceCompletesAtOnce) {
    AisAssembly assembly;
    EXPECT_TRUE(
        AddFragment(MakeFragment("VDM", 1, 1, -128, "15M67FC000G?ufbE`FepT@3n00Sa", 0), assembly));
    EXPECT_STREQ(assembly.payload, "15M67FC000G?ufbE`FepT@3n00Sa");
    EXPECT_STREQ(assembly.formatter, "VDM");
    EXPECT_EQ(assembly.channel, 'A');
}

TEST(AisAssembly, SentencesCompleteOnlyInOrderWithTheSameIdentity) {
    struct Step {
        const char* formatter;
        int total, number, id;
        const char* payload;
        int fill;
        bool complete;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        const char* payload; // of the last completed message
    };
    const Case cases[] = {
        {"two in order",
         {{"VDM", 2, 1, 3, "AB", 0, false}, {"VDM", 2, 2, 3, "CD", 2, true}},
         "ABCD"},
        {"second alone never completes",
         {{"VDM", 2, 2, 3, "CD", 2, false}, {"VDM", 2, 2, 3, "CD", 2, false}},
         nullptr},
        {"a newer first sentence replaces the partial message",
         {{"VDM", 2, 1, 3, "AA", 0, false},
          {"VDM", 2, 1, 4, "BB", 0, false},
          {"VDM", 2, 2, 4, "CC", 0, true}},
         "BBCC"},
        {"the formatter must match",
         {{"VDM", 2, 1, 3, "AA", 0, false}, {"VDO", 2, 2, 3, "BB", 0, false}},
         nullptr},
        {"the total must match",
         {{"VDM", 2, 1, 3, "AA", 0, false}, {"VDM", 3, 2, 3, "BB", 0, false}},
         nullptr},
        {"a repeated sentence breaks the sequence",
         {{"VDM", 3, 1, 1, "AA", 0, false},
          {"VDM", 3, 2, 1, "BB", 0, false},
          {"VDM", 3, 2, 1, "BB", 0, false},
          {"VDM", 3, 3, 1, "CC", 0, false}},
         nullptr},
        {"a message missing its first sentence never completes",
         {{"VDM", 3, 2, 1, "BB", 0, false}, {"VDM", 3, 3, 1, "CC", 0, false}},
         nullptr},
        {"sentence number 0 starts nothing",
         {{"VDM", 2, 0, 1, "AA", 0, false},
          {"VDM", 2, 1, 1, "BB", 0, false},
          {"VDM", 2, 2, 1, "CC", 0, true}},
         "BBCC"},
        {"blank identifiers match each other",
         {{"ABM", 2, 1, -128, "AA", 0, false}, {"ABM", 2, 2, -128, "BB", 4, true}},
         "AABB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AisAssembly assembly;
        for (const Step& s : c.steps)
            EXPECT_EQ(
                AddFragment(MakeFragment(s.formatter, s.total, s.number, s.id, s.payload, s.fill),
                            assembly),
                s.complete);
        if (c.payload != nullptr) {
            EXPECT_STREQ(assembly.payload, c.payload);
            EXPECT_EQ(assembly.fillBits, c.steps.back().fill);
        }
    }
}

TEST(AisAssembly, InterleavedMessagesCompleteByIdentifierAndChannel) {
    AisAssembly assembly;
    auto add = [&](int number, int id, char channel, const char* payload) {
        AisFragment fragment = MakeFragment("VDM", 2, number, id, payload, 0);
        fragment.channel = channel;
        return AddFragment(fragment, assembly);
    };
    EXPECT_FALSE(add(1, 3, 'A', "AA"));
    EXPECT_FALSE(add(1, 4, 'B', "BB"));
    EXPECT_FALSE(add(1, 3, 'B', "EE")); // the same identifier on the other channel
    EXPECT_TRUE(add(2, 3, 'A', "CC"));
    EXPECT_STREQ(assembly.payload, "AACC");
    EXPECT_EQ(assembly.channel, 'A');
    EXPECT_TRUE(add(2, 4, 'B', "DD"));
    EXPECT_STREQ(assembly.payload, "BBDD");
    EXPECT_TRUE(add(2, 3, 'B', "FF"));
    EXPECT_STREQ(assembly.payload, "EEFF");

    // With every slot in use, a new message takes the place of the oldest.
    for (int id = 0; id <= static_cast<int>(kAisPartialMessages); ++id)
        EXPECT_FALSE(add(1, id, 'A', "GG"));
    EXPECT_FALSE(add(2, 0, 'A', "HH")) << "the oldest gave way";
    EXPECT_TRUE(add(2, 1, 'A', "HH"));
}

TEST(AisAssembly, PayloadBeyondCapacityIsRefusedAndClears) {
    AisAssembly assembly;
    const std::string sixty(60, '0');
    EXPECT_FALSE(AddFragment(MakeFragment("VDM", 3, 1, 1, sixty.c_str(), 0), assembly));
    EXPECT_FALSE(AddFragment(MakeFragment("VDM", 3, 2, 1, sixty.c_str(), 0), assembly));
    EXPECT_FALSE(AddFragment(MakeFragment("VDM", 3, 3, 1, sixty.c_str(), 0), assembly));
    EXPECT_STREQ(assembly.payload, "");
    EXPECT_EQ(assembly.total, 0);

    const std::string tooLong(kAisPayloadCapacity + 1, '0');
    EXPECT_FALSE(AddFragment(MakeFragment("VDM", 1, 1, 1, tooLong.c_str(), 0), assembly));
    EXPECT_STREQ(assembly.payload, "");

    const std::string exact(kAisPayloadCapacity, '0');
    EXPECT_TRUE(AddFragment(MakeFragment("VDM", 1, 1, 1, exact.c_str(), 0), assembly));
    EXPECT_EQ(std::string(assembly.payload), exact);
}

struct DearmorCase {
    std::string payload;
    int fill;
    bool ok;
    int bitCount;
};

TEST(AisDearmor, BitCountsAndFailures) {
    const DearmorCase cases[] = {
        {std::string(28, 'w'), 0, true, 168},
        {std::string(71, '0'), 2, true, 424},
        // Every character counts, less the fill bits of the last: any length.
        {std::string(70, '0'), 0, true, 420},
        {std::string(27, '0'), 1, true, 161},
        {std::string(27, '0'), 3, true, 159},
        {std::string(27, '0'), 4, true, 158},
        {std::string(27, '0'), 5, true, 157},
        {std::string(58, '0'), 2, true, 346},
        {"0", 5, true, 1},
        {"", 0, true, 0},
        {std::string(27, '0'), 6, false, 0},
        {std::string(27, '0'), -1, false, 0},
        {"", 2, false, 0}, // more fill bits than the payload holds
        {"0000X000", 0, false, 0},
        {"0000000_", 0, false, 0},
        {"00000x", 4, false, 0},
    };
    for (const DearmorCase& c : cases) {
        SCOPED_TRACE(c.payload + " fill " + std::to_string(c.fill));
        AisAssembly assembly;
        AddFragment(MakeFragment("VDM", 1, 1, -128, c.payload.c_str(), c.fill), assembly);
        AisBitBuffer bits;
        EXPECT_EQ(Dearmor(assembly, bits), c.ok);
        if (c.ok) {
            EXPECT_EQ(bits.bitCount, c.bitCount);
        }
        EXPECT_EQ(std::string(assembly.payload), c.payload) << "a failure keeps the assembly";
    }
}

TEST(AisDearmor, ConvertsEveryCharacterOfTheAlphabet) {
    // 0..63 in order, one value per character.
    AisBitWriter w;
    for (unsigned v = 0; v < 64; ++v)
        w.Put(v, 6);
    int8_t fill = 0;
    const std::string payload = w.Armor(fill);
    ASSERT_EQ(fill, 0);
    AisAssembly assembly;
    AddFragment(MakeFragment("VDM", 1, 1, -128, payload.c_str(), 0), assembly);
    AisBitBuffer bits;
    ASSERT_TRUE(Dearmor(assembly, bits));
    ASSERT_EQ(bits.bitCount, 384);
    for (unsigned v = 0; v < 64; ++v)
        EXPECT_EQ(ReadBits(bits, v * 6, 6), v);
    // A fill-2 tail keeps only the top four bits of its last character.
    AddFragment(MakeFragment("VDM", 1, 1, -128, "www", 2), assembly);
    ASSERT_TRUE(Dearmor(assembly, bits));
    EXPECT_EQ(bits.bitCount, 16);
    EXPECT_EQ(bits.data[0], 0xFF);
    EXPECT_EQ(bits.data[1], 0xFF);
    EXPECT_EQ(bits.data[2], 0x00);
    // One bit: the fill bits of the character read as 0.
    AddFragment(MakeFragment("VDM", 1, 1, -128, "w", 5), assembly);
    ASSERT_TRUE(Dearmor(assembly, bits));
    EXPECT_EQ(bits.bitCount, 1);
    EXPECT_EQ(ReadBits(bits, 0, 6), 32u);
}

TEST(AisDearmor, PayloadBeyondTheBitBufferIsRefusedAndClears) {
    struct Case {
        std::size_t length;
        int fill;
        bool ok;
    };
    const Case cases[] = {
        {169, 0, true}, {170, 4, true}, {170, 0, false}, {171, 2, false}, {172, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string payload(c.length, '1');
        AisAssembly assembly;
        ASSERT_TRUE(
            AddFragment(MakeFragment("VDM", 1, 1, -128, payload.c_str(), c.fill), assembly));
        AisBitBuffer bits;
        EXPECT_EQ(Dearmor(assembly, bits), c.ok);
        EXPECT_EQ(assembly.payload[0] == '\0', !c.ok);
        if (c.ok) {
            EXPECT_LE(bits.bitCount, kAisBitCapacity);
        }
    }
}

TEST(AisBits, ReadBitsAcrossBytesAndPastTheEnd) {
    AisBitBuffer bits;
    for (unsigned i = 0; i < kAisBitBufferBytes; ++i)
        bits.data[i] = static_cast<uint8_t>(0xA5 ^ i);
    bits.bitCount = kAisBitCapacity;
    EXPECT_EQ(ReadBits(bits, 0, 8), 0xA5u);
    EXPECT_EQ(ReadBits(bits, 4, 8), 0x5Au);        // low nibble of byte 0, high nibble of byte 1
    EXPECT_EQ(ReadBits(bits, 7, 32), 0xD253D350u); // five bytes touched
    EXPECT_EQ(ReadBits(bits, 0, 32), 0xA5A4A7A6u);
    // The last byte is 0xA5 ^ 126 = 0xDB; everything after it reads as zeros.
    EXPECT_EQ(ReadBits(bits, kAisBitCapacity - 8, 16), 0xDB00u);
    EXPECT_EQ(ReadBits(bits, kAisBitCapacity - 4, 32), 0xB0000000u);
    EXPECT_EQ(ReadBits(bits, kAisBitCapacity, 32), 0u);
    EXPECT_EQ(ReadBits(bits, 60000, 32), 0u);
    EXPECT_EQ(ReadBits(bits, 0, 0), 0u);
    EXPECT_EQ(ReadBits(bits, 0, 33), 0u);
}

TEST(AisBits, SignExtend) {
    EXPECT_EQ(SignExtend(0xF6, 8), -10.0f);
    EXPECT_EQ(SignExtend(0x7F, 8), 127.0f);
    EXPECT_EQ(SignExtend(0x80, 8), -128.0f);
    EXPECT_EQ(SignExtend(0x8000000, 28), -134217728.0f);
    EXPECT_EQ(SignExtendInt(0xFFFFFFFF, 32), -1);
    EXPECT_EQ(SignExtendInt(0x1FFFF, 17), -1);
}

} // namespace

} // namespace varo
