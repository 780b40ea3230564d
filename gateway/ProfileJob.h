#pragma once

// The work on a gateway's whole configuration as requests to the gateway
// engine, one after another: read the identity (Info), read the whole
// profile (Read), write a profile file's settings where they differ and read
// them back (Apply), restore the default filtering and read it back (Default).

#include <functional>
#include <string>
#include <vector>

#include "gateway/GatewayEngine.h"
#include "gateway/Profile.h"

namespace varo {

class ProfileJob {
public:
    enum class Kind { Info, Read, Apply, Default };

    ProfileJob(GatewayEngine& engine, Kind kind);
    ProfileJob(const ProfileJob&) = delete;
    ProfileJob& operator=(const ProfileJob&) = delete;

    // Apply: the file's settings; `withBaud` also applies its NMEA baud rate.
    void SetFile(const Profile& profile, bool withBaud);

    // Submits the first request to the engine.
    void Start();
    bool Finished() const { return finished; }
    // The work could not be done: no gateway answered, the static data block
    // could not be read whole, or the port was lost. The work is incomplete.
    bool Failed() const { return !failure.empty(); }
    bool PortLost() const { return portLost; }
    // A gateway answered, but its static data block never came whole.
    bool Unreadable() const { return missing != 0; }
    // Then the ProductInfoValue bits of the values that never came whole.
    unsigned Missing() const { return missing; }
    const std::string& Failure() const { return failure; }

    // What the gateway reported; after Apply and Default the read-back.
    const Profile& Gateway() const { return gateway; }
    // Apply and Default: the settings the gateway did not take, by key.
    const std::vector<std::string>& NotTaken() const { return notTaken; }
    // Apply: the read-back against the file. Default: against the defaults
    // (every filter and every output on). Identity values are marked.
    std::vector<ProfileDifference> Differences() const;

private:
    using Then = std::function<void()>;
    // Submits `request`; `then` runs after its outcome unless the work failed.
    void Ask(GatewayRequest request, std::function<void(const GatewayOutcome&)> taken, Then then);
    void ReadIdentity(Then then);
    void ReadFilters(bool nmea0183, std::size_t input, Then then);
    void ReadAll(Then then);
    void ApplyChanges();
    void ApplyFilters(bool nmea0183, std::size_t input, Then then);
    // An outcome that ends the work: no answer or a lost port.
    bool Fails(const GatewayOutcome& outcome, const std::string& what);
    void Finish() { finished = true; }

    GatewayEngine& engine;
    Kind kind;
    Profile file;
    bool withBaud = false;
    Profile gateway;
    std::vector<std::string> notTaken;
    std::string failure;
    bool portLost = false;
    unsigned missing = 0;
    bool finished = false;
};

} // namespace varo
