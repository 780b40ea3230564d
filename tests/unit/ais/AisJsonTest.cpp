#include "tools/AisJson.h"
#include "AisTestSupport.h"

#include <gtest/gtest.h>

namespace varo {
namespace {

using varo::AisJsonKey;

// The JSON that `write` produces, as text.
template <typename Write> std::string Json(Write&& write) {
    varo::JsonWriter json(nullptr);
    write(json);
    return json.text();
}

TEST(AisJson, KeysFromFieldNames) {
    EXPECT_EQ(AisJsonKey("message type"), "message_type");
    EXPECT_EQ(AisJsonKey("MMSI"), "mmsi");
    EXPECT_EQ(AisJsonKey("application identifier, first part"),
              "application_identifier_first_part");
    EXPECT_EQ(AisJsonKey("Tx/Rx mode"), "tx_rx_mode");
    EXPECT_EQ(AisJsonKey("slot offset 1.2"), "slot_offset_1_2");
    EXPECT_EQ(AisJsonKey("off-position indicator"), "off_position_indicator");
}

TEST(AisJson, MessageFieldsInLayoutOrder) {
    PositionReport r;
    r.mmsi = 371798000;
    r.rateOfTurn = -10;
    r.speedTenths = 123;
    r.lonTenThousandthMinutes = 600000;
    r.heading = 215;
    auto state = NewAisState();
    const AisReceiveResult result = Receive(*state, Type1(r));
    const std::string out = Json(
        [&](varo::JsonWriter& json) { varo::WriteAisJson(json, state->message, result.target); });
    EXPECT_EQ(out, "\"ais\":{\"type\":1,\"fields\":{\"message_type\":1,\"repeat_indicator\":0,"
                   "\"mmsi\":371798000,\"navigational_status\":0,\"rate_of_turn\":-4.46402884,"
                   "\"speed_over_ground\":12.3000002,\"position_accuracy\":1,\"longitude\":1,"
                   "\"latitude\":0,\"course_over_ground\":0,\"true_heading\":215,\"time_stamp\":30,"
                   "\"manoeuvre_indicator_and_spare\":0,\"spare\":0,\"raim_flag\":0,"
                   "\"communication_state\":74565},\"target\":1}");
}

TEST(AisJson, RepeatedNamesAndTextAreNumberedAndEscaped) {
    AisBitWriter w;
    w.Put(10, 6).Put(0, 2).Put(366814480, 30).Put(1, 2).Put(366832740, 30).Put(3, 2);
    auto state = NewAisState();
    Receive(*state, w);
    std::string out =
        Json([&](varo::JsonWriter& json) { varo::WriteAisJson(json, state->message, 1); });
    EXPECT_NE(out.find("\"spare\":1,\"destination_mmsi\":366832740,\"spare_2\":3}"),
              std::string::npos)
        << out;

    AisBitWriter text;
    text.Put(14, 6).Put(0, 2).Put(1, 30).Put(0, 2).Text("A\"B\\C", 5).PadTo(72);
    Receive(*state, text);
    out = Json([&](varo::JsonWriter& json) { varo::WriteAisJson(json, state->message, -1); });
    EXPECT_NE(out.find("\"safety_related_text\":\"A\\\"B\\\\C\"},\"target\":-1}"),
              std::string::npos)
        << out;
}

TEST(AisJson, TargetsInTableOrderWithEveryKey) {
    auto state = NewAisState();
    PositionReport r;
    r.mmsi = 5;
    Receive(*state, Type1(r));
    const std::string out = Json(
        [&](varo::JsonWriter& json) { varo::WriteAisTargetsJson(json, state->decoder.targets); });
    const std::size_t firstLineEnd = out.find('\n');
    ASSERT_NE(firstLineEnd, std::string::npos);
    EXPECT_EQ(out.substr(0, firstLineEnd),
              "{\"index\":0,\"class\":3,\"mmsi\":0,\"status\":0,\"flags\":0,\"longitude\":150,"
              "\"latitude\":-30,\"speed\":15,\"course\":301,\"heading\":62,\"name\":\"\","
              "\"call_sign\":\"\",\"ship_type\":0,\"to_starboard\":0,\"to_port\":0,\"to_stern\":0,"
              "\"to_bow\":0,\"imo\":0,\"rate_of_turn\":5,\"eta_month\":0,\"eta_day\":0,"
              "\"eta_hour\":0,\"eta_minute\":0,\"ais_version\":0,\"draught\":0,"
              "\"destination\":\"\",\"vendor\":\"\",\"class_b_flags\":0,\"aton_flags\":0,"
              "\"vdm_count\":0,\"vdo_count\":0}");
    EXPECT_EQ(out.find("{\"index\":1,\"class\":3,\"mmsi\":5,"), firstLineEnd + 1);
    EXPECT_EQ(out.back(), '\n');
    EXPECT_EQ(out.find('\n', firstLineEnd + 1), out.size() - 1);
}

} // namespace

} // namespace varo
