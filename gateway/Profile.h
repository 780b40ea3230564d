#pragma once

// A gateway profile: the identity, flow rate, conversion filters and NMEA 0183
// output selection of one gateway, kept as a JSON file (format
// "varo-rz60-profile", version 1; the README describes it).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "config/ProductInfo.h"

namespace varo {

inline constexpr const char* kProfileFormat = "varo-rz60-profile";
inline constexpr int kProfileVersion = 1;

struct ProfileIdentity {
    std::string modelId, modelVersion, modelSerialCode, softwareVersionCode;
    std::int64_t productCode = 0;
    std::int64_t databaseVersion = 0;
    std::int64_t certificationLevel = 0;
    std::int64_t nmeaBaudRate = 0;
    std::int64_t debugBaudRate = 0;
};

// Filter flags and output states are 0 (off) or 1 (on); a gateway may report
// another digit, which is kept as its number.
using FilterFlags = std::vector<std::vector<std::uint8_t>>; // [input][output] in catalogue order

struct Profile {
    ProfileIdentity identity;
    int flowRate = 0;
    FilterFlags nmea0183Inputs;             // parallel to FilterInputs(true)
    FilterFlags nmea2000Inputs;             // parallel to FilterInputs(false)
    std::array<std::uint8_t, 24> outputs{}; // parallel to kOutputSentenceTags
};

// A profile shaped by the catalogue with every flag and output `state`.
Profile FilledProfile(std::uint8_t state);
ProfileIdentity IdentityOf(const ProductInfo& info);

// The identity as a JSON object (the "identity" member of a profile).
std::string IdentityJson(const ProfileIdentity& identity, int comNumber, std::uint32_t baud);
// The whole profile, indented, ending in a newline.
std::string ProfileJson(const Profile& profile);

// Loads a profile file's text. False with `error` naming the key at fault
// ("nmea0183_inputs.GGA.126992: not true or false"). Keys the format does
// not know go to `unknown` by their path; they do not make the load fail.
bool LoadProfile(std::string_view text, Profile& profile, std::string& error,
                 std::vector<std::string>& unknown);

struct ProfileDifference {
    std::string key; // "nmea0183_inputs.GGA.126992"
    std::string gateway, file;
    bool identity = false; // an identity value: counts only when asked to
};
// Every value that differs, in file order: identity, flow rate, inputs, outputs.
std::vector<ProfileDifference> CompareProfiles(const Profile& gateway, const Profile& file);
// "nmea0183_inputs.GGA.126992: gateway false, file true"
std::string DifferenceLine(const ProfileDifference& difference);

} // namespace varo
