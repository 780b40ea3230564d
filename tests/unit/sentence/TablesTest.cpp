#include <gtest/gtest.h>

#include <cstring>

#include "sentence/SentenceTables.h"

namespace varo {
namespace {

TEST(Tables, DescriptionLookupIsIndependentOfDecoding) {
    const SentenceDescription* hdg = FindSentenceDescription("HDG"); // no decoder, but a row
    ASSERT_NE(hdg, nullptr);
    EXPECT_EQ(hdg - SentenceDescriptionTable.data(), 9);
    EXPECT_STREQ(hdg->description, "Heading, deviation and variation");
    EXPECT_EQ(FindSentenceDescription("GBS"), nullptr); // decoded, but no row
    EXPECT_EQ(FindSentenceDescription("Q"), nullptr);
    EXPECT_EQ(FindSentenceDescription("XYZ"), nullptr);
}

TEST(Tables, RowsAndGroupsAsPublished) {
    EXPECT_EQ(SentenceDescriptionTable[4].identifier, 200005);
    EXPECT_STREQ(SentenceDescriptionTable[4].code, "RMC");
    EXPECT_EQ(SentenceDescriptionTable[25].identifier, 126992);
    EXPECT_STREQ(SentenceDescriptionTable[25].code, "126992");
    EXPECT_STREQ(SentenceDescriptionTable[66].description, "Temperature");
    for (const SentenceGroup& group : SentenceGroups) {
        EXPECT_STREQ(group.talkers[0], "GP");
        EXPECT_STREQ(group.talkers[4], "LC");
    }
    EXPECT_EQ(SentenceGroups[3].formatterCount, 13);
    EXPECT_STREQ(SentenceGroups[3].formatters[10], "AIR");
    EXPECT_STREQ(SentenceFormatterList[17], "DSI");
    EXPECT_STREQ(SentenceFormatterList[30], "MOB");
}

} // namespace
} // namespace varo
