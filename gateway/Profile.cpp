#include "gateway/Profile.h"

#include <limits>
#include <nlohmann/json.hpp>

#include "config/FilterCatalog.h"
#include "config/OutputStates.h"

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

// Texts from the gateway's static data block are bytes off the serial line:
// what is not UTF-8 is written as U+FFFD rather than failing the whole file.
std::string Dump(const Json& value, int indent = -1) {
    return value.dump(indent, ' ', false, Json::error_handler_t::replace);
}

Json StateJson(std::uint8_t state) {
    if (state <= 1) return Json(state == 1);
    return Json(state);
}

Json IdentityObject(const ProfileIdentity& identity) {
    Json object = Json::object();
    for (const TextField& field : kTextFields)
        object[field.key] = identity.*field.member;
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
    std::string error;

private:
    bool Fail(const std::string& path, const std::string& what) {
        error = path + ": " + what;
        return false;
    }
    // The member `key` of `object`, or nullptr with the fault noted.
    const Json* Member(const Json& object, const std::string& path, const std::string& key);
    const Json* ObjectMember(const Json& object, const std::string& path, const std::string& key);
    bool Flag(const Json& object, const std::string& path, const std::string& key,
              std::uint8_t& state);
    bool Number(const Json& object, const std::string& path, const std::string& key,
                std::int64_t low, std::int64_t high, std::int64_t& value);
    // Notes the members of `object` that `known` does not list.
    void NoteUnknown(const Json& object, const std::string& path,
                     const std::vector<std::string>& known);
    bool LoadIdentity(const Json& object, ProfileIdentity& identity);
    bool LoadInputs(const Json& object, const InputSide& side, FilterFlags& flags);
    bool LoadOutputs(const Json& object, std::array<std::uint8_t, 24>& outputs);

    std::vector<std::string>& unknown;
};

const Json* Loader::Member(const Json& object, const std::string& path, const std::string& key) {
    const auto found = object.find(key);
    if (found == object.end()) {
        Fail(Path(path, key), "missing");
        return nullptr;
    }
    return &*found;
}

const Json* Loader::ObjectMember(const Json& object, const std::string& path,
                                 const std::string& key) {
    const Json* member = Member(object, path, key);
    if (member != nullptr && !member->is_object()) {
        Fail(Path(path, key), "not an object");
        return nullptr;
    }
    return member;
}

bool Loader::Flag(const Json& object, const std::string& path, const std::string& key,
                  std::uint8_t& state) {
    const Json* member = Member(object, path, key);
    if (member == nullptr) return false;
    if (!member->is_boolean()) return Fail(Path(path, key), "not true or false");
    state = member->get<bool>() ? 1 : 0;
    return true;
}

bool Loader::Number(const Json& object, const std::string& path, const std::string& key,
                    std::int64_t low, std::int64_t high, std::int64_t& value) {
    const Json* member = Member(object, path, key);
    if (member == nullptr) return false;
    if (!member->is_number_integer()) return Fail(Path(path, key), "not a whole number");
    if (member->is_number_unsigned() &&
        member->get<std::uint64_t>() > static_cast<std::uint64_t>(high))
        return Fail(Path(path, key), "out of range");
    value = member->get<std::int64_t>();
    if (value < low || value > high) return Fail(Path(path, key), "out of range");
    return true;
}

void Loader::NoteUnknown(const Json& object, const std::string& path,
                         const std::vector<std::string>& known) {
    for (const auto& item : object.items()) {
        bool found = false;
        for (const std::string& key : known)
            found = found || key == item.key();
        if (!found) unknown.push_back(Path(path, item.key()));
    }
}

bool Loader::LoadIdentity(const Json& object, ProfileIdentity& identity) {
    const std::string path = "identity";
    std::vector<std::string> known;
    for (const TextField& field : kTextFields) {
        known.emplace_back(field.key);
        const Json* member = Member(object, path, field.key);
        if (member == nullptr) return false;
        if (!member->is_string()) return Fail(Path(path, field.key), "not a text");
        identity.*field.member = member->get<std::string>();
    }
    for (const NumberField& field : kNumberFields) {
        known.emplace_back(field.key);
        if (!Number(object, path, field.key, 0, std::numeric_limits<std::int32_t>::max(),
                    identity.*field.member))
            return false;
    }
    NoteUnknown(object, path, known);
    return true;
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
        NoteUnknown(*input, path, knownOutputs);
    }
    NoteUnknown(object, side.key, knownInputs);
    return true;
}

bool Loader::LoadOutputs(const Json& object, std::array<std::uint8_t, 24>& outputs) {
    std::vector<std::string> known;
    for (std::size_t i = 0; i < kOutputSentenceTags.size(); ++i) {
        known.emplace_back(kOutputSentenceTags[i].code);
        if (!Flag(object, kOutputsKey, known.back(), outputs[i])) return false;
    }
    NoteUnknown(object, kOutputsKey, known);
    return true;
}

bool Loader::Load(const Json& document, Profile& profile) {
    if (!document.is_object()) return Fail("(file)", "not a JSON object");
    const Json* format = Member(document, "", "format");
    if (format == nullptr) return false;
    if (!format->is_string() || format->get<std::string>() != kProfileFormat)
        return Fail("format", std::string("not \"") + kProfileFormat + "\"");
    std::int64_t version = 0;
    if (!Number(document, "", "version", 1, std::numeric_limits<std::int32_t>::max(), version))
        return false;
    if (version > kProfileVersion)
        return Fail("version", std::to_string(version) + " is newer than this program reads (" +
                                   std::to_string(kProfileVersion) + ")");
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
    NoteUnknown(document, "",
                {"format", "version", "identity", "flow_rate", "nmea0183_inputs", "nmea2000_inputs",
                 kOutputsKey});
    return true;
}

// Values are compared as they are written, so that a text the file could
// only keep with U+FFFD in it still matches.
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

bool LoadProfile(std::string_view text, Profile& profile, std::string& error,
                 std::vector<std::string>& unknown) {
    Json document;
    try {
        document = Json::parse(text);
    } catch (const Json::exception& fault) {
        // A syntax error, and also a number beyond a double's range ("2e809").
        error = std::string("(file): not JSON: ") + fault.what();
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

std::vector<ProfileDifference> CompareProfiles(const Profile& gateway, const Profile& file) {
    std::vector<ProfileDifference> differences;
    for (const TextField& field : kTextFields)
        Add(differences, Path("identity", field.key), gateway.identity.*field.member,
            file.identity.*field.member, true);
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
