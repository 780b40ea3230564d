// The profile loader's refusals (each names its key) and the one way every
// JSON text of the programs writes bytes.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "gateway/Profile.h"
#include "platform/JsonText.h"

namespace varo {
namespace {

using Json = nlohmann::ordered_json;

std::string GoodProfile() {
    Profile profile = FilledProfile(1);
    profile.identity.nmeaBaudRate = 38400;
    profile.identity.debugBaudRate = 115200;
    return ProfileJson(profile);
}

// The refusal of `text` as "key: reason", or "" when it loads.
std::string Refusal(const std::string& text, std::vector<std::string>* unknownOut = nullptr) {
    Profile profile;
    ProfileError error;
    std::vector<std::string> unknown;
    const bool loaded = LoadProfile(text, profile, error, unknown);
    if (unknownOut != nullptr) *unknownOut = unknown;
    return loaded ? std::string() : ProfileErrorText(error);
}

std::string Changed(const char* pointer, const Json& value) {
    Json document = Json::parse(GoodProfile());
    document[Json::json_pointer(pointer)] = value;
    return document.dump();
}

TEST(ProfileLoad, WrongTypesRangesAndUnknownKeysAreRefusedByKey) {
    ASSERT_EQ(Refusal(GoodProfile()), "");
    const struct {
        const char* pointer;
        Json value;
        const char* refusal;
    } rows[] = {
        {"/identity/nmea_baud_rate", 12345,
         "identity.nmea_baud_rate: out of range (4800, 9600, 38400)"},
        {"/identity/nmea_baud_rate", "38400", "identity.nmea_baud_rate: not a whole number"},
        {"/identity/debug_baud_rate", 1000,
         "identity.debug_baud_rate: out of range (115200, 57600, 38400, 19200, 9600, 4800)"},
        {"/flow_rate", 6, "flow_rate: out of range (0 to 5)"},
        {"/flow_rate", -1, "flow_rate: out of range (0 to 5)"},
        {"/nmea0183_inputs/GGA/999999", true, "nmea0183_inputs.GGA.999999: no such key"},
        {"/nmea2000_inputs/1", Json::object(), "nmea2000_inputs.1: no such key"},
        {"/nmea0183_outputs/XYZ", false, "nmea0183_outputs.XYZ: no such key"},
        {"/identity/colour", "red", "identity.colour: no such key"},
        {"/version", 2, "version: 2 is newer than this program reads (1)"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Refusal(Changed(row.pointer, row.value)), row.refusal) << row.pointer;

    std::vector<std::string> unknown;
    EXPECT_EQ(Refusal(Changed("/comment", "by hand"), &unknown), "") << "tolerated at the top";
    EXPECT_EQ(unknown, std::vector<std::string>{"comment"});
}

TEST(ProfileLoad, ADuplicateKeyIsRefusedWhereverItIs) {
    std::string text = Json::parse(GoodProfile()).dump();
    auto duplicated = [&](const std::string& from, const std::string& to) {
        std::string changed = text;
        changed.replace(changed.find(from), from.size(), to);
        return Refusal(changed);
    };
    EXPECT_EQ(duplicated("\"flow_rate\":0", "\"flow_rate\":0,\"flow_rate\":5"),
              "flow_rate: given more than once");
    EXPECT_EQ(duplicated("\"GGA\":{", "\"GGA\":{\"126992\":false,"),
              "nmea0183_inputs.GGA.126992: given more than once");
}

TEST(ProfileLoad, FilesOverOneMegabyteAreRefusedUnparsed) {
    const std::string padded = GoodProfile() + std::string(kMaxProfileSize, ' ');
    EXPECT_EQ(Refusal(padded), "(file): larger than 1 MB, not read");

    const std::string path = ::testing::TempDir() + "varo_large_profile.json";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(padded.data(), 1, padded.size(), file);
    std::fclose(file);
    Profile profile;
    ProfileError error;
    std::vector<std::string> unknown;
    EXPECT_FALSE(LoadProfileFile(path, profile, error, unknown));
    EXPECT_EQ(error.fault, ProfileFault::TooLarge);
    std::filesystem::remove(path);

    EXPECT_FALSE(LoadProfileFile(::testing::TempDir(), profile, error, unknown));
    EXPECT_EQ(ProfileErrorText(error), "(file): cannot be read: Is a directory");
}

TEST(ProfileLoad, ReasonsComeFromTheGivenTexts) {
    const ProfileError newer{"version", ProfileFault::NewerVersion, "7"};
    std::string texts;
    for (int fault = 0; fault < static_cast<int>(ProfileFault::NewerVersion); ++fault)
        texts += std::to_string(fault) + "|";
    EXPECT_EQ(ProfileFaultText(texts + "v%1>v%2", newer), "v7>v1");
    EXPECT_EQ(ProfileFaultText("short", newer), "") << "a translation short of texts";
}

TEST(JsonText, BytesAreEscapedOneWayWhicheverWriterWritesThem) {
    std::string out;
    platform::AppendJsonString(out, "RZ-60\xb0 \xe4\xb8\xad \xf0\x9f\x98\x80 \x01\n\"\\");
    EXPECT_EQ(out, R"("RZ-60\u00b0 \u4e2d \ud83d\ude00 \u0001\n\"\\")");
    // The JSON library writes profiles: given the repaired text, it agrees.
    for (const std::string bytes : {"plain", "\xc3\x28", "\xed\xa0\x80", "\xf4\x90\x80\x80",
                                    "\xc0\xaf", "\xe2\x82", "tab\tDEL\x7f"}) {
        std::string ours;
        platform::AppendJsonString(ours, bytes);
        EXPECT_EQ(ours, Json(platform::RepairedUtf8(bytes)).dump(-1, ' ', true)) << ours;
    }
}

} // namespace
} // namespace varo
