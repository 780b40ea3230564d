// The decoded fields as the data view's detail shows them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sentence/FieldText.h"
#include "sentence/SentenceParser.h"

namespace varo {
namespace {

std::vector<FieldText> Describe(const char* line) {
    char buffer[kLineBufferSize] = {};
    std::strncpy(buffer, line, sizeof buffer - 1);
    SentenceRecord record{};
    EXPECT_TRUE(ParseSentence(buffer, record)) << line;
    return DescribeFields(record);
}

const FieldText* Find(const std::vector<FieldText>& fields, const std::string& name) {
    for (const FieldText& field : fields)
        if (field.name == name) return &field;
    return nullptr;
}

TEST(FieldText, NamesValuesUnitsAndEmptyFields) {
    struct Expected {
        const char* name;
        const char* value;
        const char* unit;
    };
    const std::vector<std::pair<const char*, std::vector<Expected>>> cases = {
        {"$GPGGA,092750.000,5321.6802,N,00630.3372,W,1,8,1.03,61.7,M,55.2,M,,*76\r\n",
         {{"Time", "09:27:50.00", "UTC"},
          {"Latitude", "53 21.680' N", ""},
          {"Longitude", "6 30.337' W", ""},
          {"Satellites in use", "8", ""},
          {"Altitude", "61.7", "m"},
          {"Age of differential data", "", "s"}}},
        {"$GPRMC,,V,,,,,,,,,,N*53\r\n",
         {{"Time", "", "UTC"},
          {"Latitude", "", ""},
          {"Speed over ground", "", "kn"},
          {"Date", "", ""},
          {"Mode", "N", ""}}},
        {"$GPVTG,54.7,T,34.4,M,005.5,N,010.2,K,A*25\r\n",
         {{"Course true", "54.7", "deg"}, {"Speed kmh", "10.2", "km/h"}}},
    };
    for (const auto& [line, expected] : cases) {
        SCOPED_TRACE(line);
        const std::vector<FieldText> fields = Describe(line);
        for (const Expected& want : expected) {
            const FieldText* field = Find(fields, want.name);
            ASSERT_NE(field, nullptr) << want.name;
            EXPECT_EQ(field->value, want.value) << want.name;
            EXPECT_EQ(field->unit, want.unit) << want.name;
        }
    }
}

} // namespace
} // namespace varo
