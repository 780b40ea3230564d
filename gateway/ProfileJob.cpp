#include "gateway/ProfileJob.h"

#include "config/FilterCatalog.h"

namespace varo {
namespace {

std::string InputKey(bool nmea0183, std::size_t input) {
    return std::string(nmea0183 ? "nmea0183_inputs." : "nmea2000_inputs.") +
           MessageKey(FilterInputs(nmea0183)[input].input);
}

FilterFlags& FlagsOf(Profile& profile, bool nmea0183) {
    return nmea0183 ? profile.nmea0183Inputs : profile.nmea2000Inputs;
}

} // namespace

ProfileJob::ProfileJob(GatewayEngine& engine, Kind kind)
    : engine(engine), kind(kind), gateway(FilledProfile(0)) {}

void ProfileJob::SetFile(const Profile& profile, bool applyBaud) {
    file = profile;
    withBaud = applyBaud;
}

void ProfileJob::Start() {
    switch (kind) {
    case Kind::Info:
        return ReadIdentity([this] { Finish(); });
    case Kind::Read:
        return ReadAll([this] { Finish(); });
    case Kind::Apply:
        return ReadAll([this] { ApplyChanges(); });
    case Kind::Default:
        return ReadIdentity([this] {
            Ask(GatewayRequest::RestoreDefaults(), {}, [this] { ReadAll([this] { Finish(); }); });
        });
    }
}

bool ProfileJob::Fails(const GatewayOutcome& outcome, const std::string& what) {
    if (outcome.outcome == Outcome::PortLost) {
        portLost = true;
        failure = "the port was lost " + what;
    } else if (outcome.outcome == Outcome::NoAnswer) {
        missing = outcome.missing;
        failure = outcome.missing != 0 ? "the static data block could not be read whole (" +
                                             StaticValueNames(outcome.missing) + " damaged or lost)"
                                       : "no answer " + what;
    } else {
        return false;
    }
    finished = true;
    return true;
}

void ProfileJob::Ask(GatewayRequest request, std::function<void(const GatewayOutcome&)> taken,
                     Then then) {
    engine.Submit(std::move(request), [this, taken = std::move(taken),
                                       then = std::move(then)](const GatewayOutcome& outcome) {
        if (finished) return;
        if (taken) taken(outcome);
        if (!finished) then();
    });
}

void ProfileJob::ReadIdentity(Then then) {
    Ask(
        GatewayRequest::Identify(),
        [this](const GatewayOutcome& outcome) {
            if (Fails(outcome, "to the request for the static data block")) return;
            gateway.identity = IdentityOf(outcome.info);
            gateway.flowRate = outcome.info.flowRateSeconds;
        },
        std::move(then));
}

void ProfileJob::ReadFilters(bool nmea0183, std::size_t input, Then then) {
    if (input == FilterInputs(nmea0183).size()) return then();
    Ask(
        GatewayRequest::QueryFilter(FilterInputs(nmea0183)[input].input),
        [this, nmea0183, input](const GatewayOutcome& outcome) {
            if (Fails(outcome, "to the query of " + InputKey(nmea0183, input))) return;
            FlagsOf(gateway, nmea0183)[input] = outcome.filter.flags;
        },
        [this, nmea0183, input, then = std::move(then)] {
            ReadFilters(nmea0183, input + 1, then);
        });
}

void ProfileJob::ReadAll(Then then) {
    ReadIdentity([this, then = std::move(then)] {
        ReadFilters(true, 0, [this, then] {
            ReadFilters(false, 0, [this, then] {
                Ask(
                    GatewayRequest::QueryOutputs(),
                    [this](const GatewayOutcome& outcome) {
                        if (Fails(outcome, "to the query of nmea0183_outputs")) return;
                        for (std::size_t i = 0; i < kOutputSentenceTags.size(); ++i)
                            gateway.outputs[i] =
                                outcome.outputs
                                    .states[static_cast<std::size_t>(kOutputSentenceTags[i].tag)];
                    },
                    then);
            });
        });
    });
}

void ProfileJob::ApplyFilters(bool nmea0183, std::size_t input, Then then) {
    if (input == FilterInputs(nmea0183).size()) return then();
    Then next = [this, nmea0183, input, then = std::move(then)] {
        ApplyFilters(nmea0183, input + 1, then);
    };
    const std::string key = InputKey(nmea0183, input);
    Ask(
        GatewayRequest::ChangeFilter(FilterInputs(nmea0183)[input].input,
                                     FlagsOf(file, nmea0183)[input]),
        [this, key](const GatewayOutcome& outcome) {
            if (Fails(outcome, "to the change of " + key)) return;
            if (outcome.outcome == Outcome::NotTaken) notTaken.push_back(key);
        },
        std::move(next));
}

void ProfileJob::ApplyChanges() {
    auto readBack = [this] { ReadAll([this] { Finish(); }); };
    auto baud = [this, readBack] {
        if (!withBaud) return readBack();
        Ask(
            GatewayRequest::SetBaudRate(static_cast<std::uint32_t>(file.identity.nmeaBaudRate)),
            [this](const GatewayOutcome& outcome) {
                if (outcome.outcome == Outcome::NotTaken || outcome.outcome == Outcome::NoAnswer ||
                    (outcome.outcome == Outcome::Refused &&
                     outcome.refusal != Refusal::NothingToChange))
                    notTaken.emplace_back("identity.nmea_baud_rate");
                if (outcome.outcome == Outcome::NoAnswer) Fails(outcome, "at the old or new speed");
                if (outcome.outcome == Outcome::PortLost) Fails(outcome, "during the speed change");
            },
            readBack);
    };
    auto outputs = [this, baud] {
        SentenceStateTable states{};
        for (std::size_t i = 0; i < kOutputSentenceTags.size(); ++i)
            states[static_cast<std::size_t>(kOutputSentenceTags[i].tag)] = file.outputs[i];
        Ask(
            GatewayRequest::ChangeOutputs(states),
            [this](const GatewayOutcome& outcome) {
                if (Fails(outcome, "to the change of nmea0183_outputs")) return;
                if (outcome.outcome == Outcome::NotTaken) notTaken.emplace_back("nmea0183_outputs");
            },
            baud);
    };
    auto filters = [this, outputs] {
        ApplyFilters(true, 0, [this, outputs] { ApplyFilters(false, 0, outputs); });
    };
    Ask(
        GatewayRequest::SetFlowRate(file.flowRate),
        [this](const GatewayOutcome& outcome) {
            if (Fails(outcome, "to the change of flow_rate")) return;
            if (outcome.outcome == Outcome::NotTaken ||
                (outcome.outcome == Outcome::Refused &&
                 outcome.refusal != Refusal::NothingToChange))
                notTaken.emplace_back("flow_rate");
        },
        filters);
}

std::vector<ProfileDifference> ProfileJob::Differences() const {
    if (kind == Kind::Apply) return CompareProfiles(gateway, file);
    if (kind != Kind::Default) return {};
    Profile defaults = FilledProfile(1);
    defaults.identity = gateway.identity;
    defaults.flowRate = gateway.flowRate;
    return CompareProfiles(gateway, defaults);
}

} // namespace varo
