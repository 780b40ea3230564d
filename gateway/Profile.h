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

// A profile file is refused above this size before it is parsed: a whole
// profile takes about 6 KB.
inline constexpr std::size_t kMaxProfileSize = 1 << 20;

// Why a profile file is refused. The texts below follow this order.
enum class ProfileFault {
    Unreadable,    // detail: the system's reason
    TooLarge,      // over kMaxProfileSize bytes
    NotJson,       // detail: the parser's message
    NotJsonObject, // the document is another JSON value
    Missing,
    Duplicate, // a key given twice in one object
    NoSuchKey, // an input or output the filter catalogue does not have
    NotObject,
    NotBoolean,
    NotWholeNumber,
    NotText,
    OutOfRange, // detail: the values allowed
    WrongFormat,
    NewerVersion, // detail: the file's version
};
// The reasons in English, one per fault in order, separated by "|": %1 is
// the detail, %2 the newest version this program reads.
inline constexpr const char* kProfileFaultTexts =
    "cannot be read: %1|larger than 1 MB, not read|not JSON: %1|not a JSON object|missing|"
    "given more than once|no such key|not an object|not true or false|not a whole number|"
    "not a text|out of range (%1)|not \"varo-rz60-profile\"|"
    "%1 is newer than this program reads (%2)";

struct ProfileError {
    std::string key; // "nmea0183_inputs.GGA.126992", "(file)" for the whole file
    ProfileFault fault = ProfileFault::Unreadable;
    std::string detail;
};
// The reason of `fault` from `texts` (kProfileFaultTexts or a translation of it).
std::string ProfileFaultText(std::string_view texts, const ProfileError& error);
// "nmea0183_inputs.GGA.126992: not true or false"
std::string ProfileErrorText(const ProfileError& error);

// Loads a profile file's text. False with `error` naming the key at fault.
// Members the format does not know at the top level go to `unknown`; they
// do not make the load fail. Inside the format's members every key must be
// one it has.
bool LoadProfile(std::string_view text, Profile& profile, ProfileError& error,
                 std::vector<std::string>& unknown);
// Reads the file at `path` (refused unread above kMaxProfileSize) and loads it.
bool LoadProfileFile(const std::string& path, Profile& profile, ProfileError& error,
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
