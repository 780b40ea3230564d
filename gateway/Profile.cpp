#include "gateway/Profile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>
#include <unordered_set>

#include "config/FilterCatalog.h"
#include "config/OutputStates.h"
#include "platform/JsonText.h"

namespace varo {
namespace {

using Json = nlohmann::ordered_json;

// The identity's members in file order: four texts, then five numbers.
struct TextField {
    const char* key;
    std::string ProfileIdentity::*member;
};
struct NumberField {
    const char* key;
    std::int64_t ProfileIdentity::*member;
};
constexpr std::array<TextField, 4> kTextFields{{
    {"model_id", &ProfileIdentity::modelId},
    {"model_version", &ProfileIdentity::modelVersion},
    {"model_serial_code", &ProfileIdentity::modelSerialCode},
    {"software_version_code", &ProfileIdentity::softwareVersionCode},
}};
constexpr std::array<NumberField, 5> kNumberFields{{
    {"product_code", &ProfileIdentity::productCode},
    {"database_version", &ProfileIdentity::databaseVersion},
    {"certification_level", &ProfileIdentity::certificationLevel},
    {"nmea_baud_rate", &ProfileIdentity::nmeaBaudRate},
    {"debug_baud_rate", &ProfileIdentity::debugBaudRate},
}};
constexpr int kLargestFlowRate = 5;
// The rates the gateway's NMEA 0183 port runs at, and those of its debug port
// (the PROPERTIES page's RS-232 list).
constexpr std::array<std::int64_t, 3> kNmeaBaudRates{4800, 9600, 38400};
constexpr std::array<std::int64_t, 6> kDebugBaudRates{115200, 57600, 38400, 19200, 9600, 4800};

// The two input sides: the profile's member, its key and its catalogue.
struct InputSide {
    const char* key;
    FilterFlags Profile::*flags;
    bool nmea0183;
};
constexpr std::array<InputSide, 2> kInputSides{{
    {"nmea0183_inputs", &Profile::nmea0183Inputs, true},
    {"nmea2000_inputs", &Profile::nmea2000Inputs, false},
}};
constexpr const char* kOutputsKey = "nmea0183_outputs";
constexpr const char* kWholeFile = "(file)";

// Written as ASCII, as every JSON of the programs (platform/JsonText.h);
// texts are repaired to UTF-8 before they go in, so nothing fails here.
std::string Dump(const Json& value, int indent = -1) {
    return value.dump(indent, ' ', true, Json::error_handler_t::strict);
}

Json StateJson(std::uint8_t state) {
    if (state <= 1) return Json(state == 1);
    return Json(state);
}

Json IdentityObject(const ProfileIdentity& identity) {
    Json object = Json::object();
    // Texts from the gateway's static data block are bytes off the serial line.
    for (const TextField& field : kTextFields)
        object[field.key] = platform::RepairedUtf8(identity.*field.member);
    for (const NumberField& field : kNumberFields)
        object[field.key] = identity.*field.member;
    return object;
}

std::string Path(const std::string& parent, const std::string& key) {
    return parent.empty() ? key : parent + "." + key;
}

// Checks a profile document member by member; the first fault ends the load.
class Loader {
public:
    explicit Loader(std::vector<std::string>& unknown) : unknown(unknown) {}

    bool Load(const Json& document, Profile& profile);
    ProfileError error;

private:
    bool Fail(const std::string& path, ProfileFault fault, std::string detail = {}) {
        error = {path, fault, std::move(detail)};
        return false;
    }
    // A baud rate from `rates`.
    template <std::size_t N>
    bool Rate(const Json& object, const std::string& path, const std::string& key,
              const std::array<std::int64_t, N>& rates, std::int64_t& value);
    // The member `key` of `object`, or nullptr with the fault noted.
    const Json* Member(const Json& object, const std::string& path, const std::string& key);
    const Json* ObjectMember(const Json& object, const std::string& path, const std::string& key);
    bool Flag(const Json& object, const std::string& path, const std::string& key,
              std::uint8_t& state);
    bool Number(const Json& object, const std::string& path, const std::string& key,
                std::int64_t low, std::int64_t high, std::int64_t& value);
    // Refuses a member of `object` that `known` does not list.
    bool OnlyKnown(const Json& object, const std::string& path,
                   const std::vector<std::string>& known);
    bool LoadIdentity(const Json& object, ProfileIdentity& identity);
    bool LoadInputs(const Json& object, const InputSide& side, FilterFlags& flags);
    bool LoadOutputs(const Json& object, std::array<std::uint8_t, 24>& outputs);

    std::vector<std::string>& unknown;
};

const Json* Loader::Member(const Json& object, const std::string& path, const std::string& key) {
    const auto found = object.find(key);
    if (found == object.end()) {
        Fail(Path(path, key), ProfileFault::Missing);
        return nullptr;
    }
    return &*found;
}

const Json* Loader::ObjectMember(const Json& object, const std::string& path,
                                 const std::string& key) {
    const Json* member = Member(object, path, key);
    if (member != nullptr && !member->is_object()) {
        Fail(Path(path, key), ProfileFault::NotObject);
        return nullptr;
    }
    return member;
}

bool Loader::Flag(const Json& object, const std::string& path, const std::string& key,
                  std::uint8_t& state) {
    const Json* member = Member(object, path, key);
    if (member == nullptr) return false;
    if (!member->is_boolean()) return Fail(Path(path, key), ProfileFault::NotBoolean);
    state = member->get<bool>() ? 1 : 0;
    return true;
}

bool Loader::Number(const Json& object, const std::string& path, const std::string& key,
                    std::int64_t low, std::int64_t high, std::int64_t& value) {
    const Json* member = Member(object, path, key);
    if (member == nullptr) return false;
    const std::string range = std::to_string(low) + " to " + std::to_string(high);
    if (!member->is_number_integer()) return Fail(Path(path, key), ProfileFault::NotWholeNumber);
    if (member->is_number_unsigned() &&
        member->get<std::uint64_t>() > static_cast<std::uint64_t>(high))
        return Fail(Path(path, key), ProfileFault::OutOfRange, range);
    value = member->get<std::int64_t>();
    if (value < low || value > high) return Fail(Path(path, key), ProfileFault::OutOfRange, range);
    return true;
}

template <std::size_t N>
bool Loader::Rate(const Json& object, const std::string& path, const std::string& key,
                  const std::array<std::int64_t, N>& rates, std::int64_t& value) {
    if (!Number(object, path, key, 0, std::numeric_limits<std::int32_t>::max(), value))
        return false;
    if (std::find(rates.begin(), rates.end(), value) != rates.end()) return true;
    std::string allowed;
    for (const std::int64_t rate : rates)
        allowed += (allowed.empty() ? "" : ", ") + std::to_string(rate);
    return Fail(Path(path, key), ProfileFault::OutOfRange, allowed);
}

bool Loader::OnlyKnown(const Json& object, const std::string& path,
                       const std::vector<std::string>& known) {
    for (const auto& item : object.items()) {
        if (std::find(known.begin(), known.end(), item.key()) == known.end())
            return Fail(Path(path, item.key()), ProfileFault::NoSuchKey);
    }
    return true;
}

bool Loader::LoadIdentity(const Json& object, ProfileIdentity& identity) {
    const std::string path = "identity";
    std::vector<std::string> known;
    for (const TextField& field : kTextFields) {
        known.emplace_back(field.key);
        const Json* member = Member(object, path, field.key);
        if (member == nullptr) return false;
        if (!member->is_string()) return Fail(Path(path, field.key), ProfileFault::NotText);
        identity.*field.member = member->get<std::string>();
    }
    for (const NumberField& field : kNumberFields) {
        known.emplace_back(field.key);
        std::int64_t& value = identity.*field.member;
        const bool read = field.member == &ProfileIdentity::nmeaBaudRate
                              ? Rate(object, path, field.key, kNmeaBaudRates, value)
                          : field.member == &ProfileIdentity::debugBaudRate
                              ? Rate(object, path, field.key, kDebugBaudRates, value)
                              : Number(object, path, field.key, 0,
                                       std::numeric_limits<std::int32_t>::max(), value);
        if (!read) return false;
    }
    return OnlyKnown(object, path, known);
}

bool Loader::LoadInputs(const Json& object, const InputSide& side, FilterFlags& flags) {
    const std::vector<FilterInput>& inputs = FilterInputs(side.nmea0183);
    std::vector<std::string> knownInputs;
    flags.assign(inputs.size(), {});
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const std::string key = MessageKey(inputs[i].input);
        knownInputs.push_back(key);
        const Json* input = ObjectMember(object, side.key, key);
        if (input == nullptr) return false;
        const std::string path = Path(side.key, key);
        std::vector<std::string> knownOutputs;
        flags[i].assign(inputs[i].outputs.size(), 0);
        for (std::size_t k = 0; k < inputs[i].outputs.size(); ++k) {
            knownOutputs.push_back(MessageKey(inputs[i].outputs[k]));
            if (!Flag(*input, path, knownOutputs.back(), flags[i][k])) return false;
        }
        if (!OnlyKnown(*input, path, knownOutputs)) return false;
    }
    return OnlyKnown(object, side.key, knownInputs);
}

bool Loader::LoadOutputs(const Json& object, std::array<std::uint8_t, 24>& outputs) {
    std::vector<std::string> known;
    for (std::size_t i = 0; i < kOutputSentenceTags.size(); ++i) {
        known.emplace_back(kOutputSentenceTags[i].code);
        if (!Flag(object, kOutputsKey, known.back(), outputs[i])) return false;
    }
    return OnlyKnown(object, kOutputsKey, known);
}

bool Loader::Load(const Json& document, Profile& profile) {
    if (!document.is_object()) return Fail(kWholeFile, ProfileFault::NotJsonObject);
    const Json* format = Member(document, "", "format");
    if (format == nullptr) return false;
    if (!format->is_string() || format->get<std::string>() != kProfileFormat)
        return Fail("format", ProfileFault::WrongFormat);
    std::int64_t version = 0;
    if (!Number(document, "", "version", 1, std::numeric_limits<std::int32_t>::max(), version))
        return false;
    if (version > kProfileVersion)
        return Fail("version", ProfileFault::NewerVersion, std::to_string(version));
    const Json* identity = ObjectMember(document, "", "identity");
    if (identity == nullptr || !LoadIdentity(*identity, profile.identity)) return false;
    std::int64_t flowRate = 0;
    if (!Number(document, "", "flow_rate", 0, kLargestFlowRate, flowRate)) return false;
    profile.flowRate = static_cast<int>(flowRate);
    for (const InputSide& side : kInputSides) {
        const Json* inputs = ObjectMember(document, "", side.key);
        if (inputs == nullptr || !LoadInputs(*inputs, side, profile.*side.flags)) return false;
    }
    const Json* outputs = ObjectMember(document, "", kOutputsKey);
    if (outputs == nullptr || !LoadOutputs(*outputs, profile.outputs)) return false;
    const std::vector<std::string> known{"format",    "version",         "identity",
                                         "flow_rate", "nmea0183_inputs", "nmea2000_inputs",
                                         kOutputsKey};
    for (const auto& item : document.items()) {
        if (std::find(known.begin(), known.end(), item.key()) == known.end())
            unknown.push_back(item.key());
    }
    return true;
}

// Values are compared as they are written, so that a text the file keeps
// repaired to UTF-8 still matches.
void Add(std::vector<ProfileDifference>& differences, std::string key, const Json& gateway,
         const Json& file, bool identity = false) {
    std::string ours = Dump(gateway), theirs = Dump(file);
    if (ours != theirs)
        differences.push_back({std::move(key), std::move(ours), std::move(theirs), identity});
}

} // namespace

Profile FilledProfile(std::uint8_t state) {
    Profile profile;
    for (const InputSide& side : kInputSides) {
        for (const FilterInput& input : FilterInputs(side.nmea0183))
            (profile.*side.flags).emplace_back(input.outputs.size(), state);
    }
    profile.outputs.fill(state);
    return profile;
}

ProfileIdentity IdentityOf(const ProductInfo& info) {
    ProfileIdentity identity;
    identity.modelId = info.modelId;
    identity.modelVersion = info.modelVersion;
    identity.modelSerialCode = info.modelSerialCode;
    identity.softwareVersionCode = info.softwareVersionCode;
    identity.productCode = info.productCode;
    identity.databaseVersion = info.databaseVersion;
    identity.certificationLevel = info.certificationLevel;
    identity.nmeaBaudRate = info.nmeaBaudRate;
    identity.debugBaudRate = info.debugBaudRate;
    return identity;
}

std::string IdentityJson(const ProfileIdentity& identity, int comNumber, std::uint32_t baud) {
    Json object = IdentityObject(identity);
    object["port"] = {{"number", comNumber}, {"baud", baud}};
    return Dump(object) + "\n";
}

std::string ProfileJson(const Profile& profile) {
    Json document = {{"format", kProfileFormat}, {"version", kProfileVersion}};
    document["identity"] = IdentityObject(profile.identity);
    document["flow_rate"] = profile.flowRate;
    for (const InputSide& side : kInputSides) {
        const std::vector<FilterInput>& inputs = FilterInputs(side.nmea0183);
        const FilterFlags& flags = profile.*side.flags;
        Json object = Json::object();
        for (std::size_t i = 0; i < inputs.size() && i < flags.size(); ++i) {
            Json outputs = Json::object();
            for (std::size_t k = 0; k < inputs[i].outputs.size() && k < flags[i].size(); ++k)
                outputs[MessageKey(inputs[i].outputs[k])] = StateJson(flags[i][k]);
            object[MessageKey(inputs[i].input)] = std::move(outputs);
        }
        document[side.key] = std::move(object);
    }
    Json outputs = Json::object();
    for (std::size_t i = 0; i < kOutputSentenceTags.size(); ++i)
        outputs[kOutputSentenceTags[i].code] = StateJson(profile.outputs[i]);
    document[kOutputsKey] = std::move(outputs);
    return Dump(document, 2) + "\n";
}

namespace {

// Notes the first key given twice in one object while the document is
// parsed: the parsed document keeps only one of them.
class DuplicateWatch {
public:
    bool operator()(int, Json::parse_event_t event, Json& parsed) {
        switch (event) {
        case Json::parse_event_t::object_start:
        case Json::parse_event_t::array_start:
            objects.push_back(
                {objects.empty() ? std::string() : Path(objects.back().path, objects.back().key),
                 {},
                 {}});
            break;
        case Json::parse_event_t::object_end:
        case Json::parse_event_t::array_end:
            objects.pop_back();
            break;
        case Json::parse_event_t::key: {
            Object& object = objects.back();
            object.key = parsed.get<std::string>();
            if (!object.keys.insert(object.key).second && duplicate.empty())
                duplicate = Path(object.path, object.key);
            break;
        }
        case Json::parse_event_t::value:
            break;
        }
        return true;
    }
    std::string duplicate; // its path; empty when none

private:
    struct Object {
        std::string path;
        std::string key; // the latest key, the path of a member object that opens next
        std::unordered_set<std::string> keys;
    };
    std::vector<Object> objects;
};

} // namespace

std::string ProfileFaultText(std::string_view texts, const ProfileError& error) {
    for (auto fault = static_cast<int>(error.fault); fault > 0 && !texts.empty(); --fault) {
        const std::size_t bar = texts.find('|');
        texts = bar == std::string_view::npos ? std::string_view() : texts.substr(bar + 1);
    }
    std::string text(texts.substr(0, texts.find('|')));
    for (const auto& [mark, value] :
         {std::pair<std::string_view, std::string>{"%1", error.detail},
          std::pair<std::string_view, std::string>{"%2", std::to_string(kProfileVersion)}}) {
        if (const std::size_t at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), value);
    }
    return text;
}

std::string ProfileErrorText(const ProfileError& error) {
    return error.key + ": " + ProfileFaultText(kProfileFaultTexts, error);
}

bool LoadProfile(std::string_view text, Profile& profile, ProfileError& error,
                 std::vector<std::string>& unknown) {
    if (text.size() > kMaxProfileSize) {
        error = {kWholeFile, ProfileFault::TooLarge, {}};
        return false;
    }
    Json document;
    DuplicateWatch watch;
    try {
        document = Json::parse(text, std::ref(watch));
    } catch (const Json::exception& fault) {
        // A syntax error, and also a number beyond a double's range ("2e809").
        error = {kWholeFile, ProfileFault::NotJson, fault.what()};
        return false;
    }
    if (!watch.duplicate.empty()) {
        error = {watch.duplicate, ProfileFault::Duplicate, {}};
        return false;
    }
    Loader loader(unknown);
    Profile loaded;
    if (!loader.Load(document, loaded)) {
        error = loader.error;
        return false;
    }
    profile = std::move(loaded);
    return true;
}

bool LoadProfileFile(const std::string& path, Profile& profile, ProfileError& error,
                     std::vector<std::string>& unknown) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = {kWholeFile, ProfileFault::Unreadable, std::strerror(errno)};
        return false;
    }
    // One byte past the bound tells a file that is too large without reading it all.
    std::string text(kMaxProfileSize + 1, '\0');
    errno = 0;
    text.resize(std::fread(text.data(), 1, text.size(), file));
    const int failure = std::ferror(file) != 0 ? (errno != 0 ? errno : EIO) : 0;
    std::fclose(file);
    if (failure != 0) {
        error = {kWholeFile, ProfileFault::Unreadable, std::strerror(failure)};
        return false;
    }
    return LoadProfile(text, profile, error, unknown);
}

std::vector<ProfileDifference> CompareProfiles(const Profile& gateway, const Profile& file) {
    std::vector<ProfileDifference> differences;
    for (const TextField& field : kTextFields)
        Add(differences, Path("identity", field.key),
            platform::RepairedUtf8(gateway.identity.*field.member),
            platform::RepairedUtf8(file.identity.*field.member), true);
    for (const NumberField& field : kNumberFields)
        Add(differences, Path("identity", field.key), gateway.identity.*field.member,
            file.identity.*field.member, true);
    Add(differences, "flow_rate", gateway.flowRate, file.flowRate);
    for (const InputSide& side : kInputSides) {
        const std::vector<FilterInput>& inputs = FilterInputs(side.nmea0183);
        const FilterFlags& ours = gateway.*side.flags;
        const FilterFlags& theirs = file.*side.flags;
        for (std::size_t i = 0; i < inputs.size() && i < ours.size() && i < theirs.size(); ++i) {
            const std::string path = Path(side.key, MessageKey(inputs[i].input));
            for (std::size_t k = 0;
                 k < inputs[i].outputs.size() && k < ours[i].size() && k < theirs[i].size(); ++k)
                Add(differences, Path(path, MessageKey(inputs[i].outputs[k])),
                    StateJson(ours[i][k]), StateJson(theirs[i][k]));
        }
    }
    for (std::size_t i = 0; i < kOutputSentenceTags.size(); ++i)
        Add(differences, Path(kOutputsKey, kOutputSentenceTags[i].code),
            StateJson(gateway.outputs[i]), StateJson(file.outputs[i]));
    return differences;
}

std::string DifferenceLine(const ProfileDifference& difference) {
    return difference.key + ": gateway " + difference.gateway + ", file " + difference.file;
}

} // namespace varo
