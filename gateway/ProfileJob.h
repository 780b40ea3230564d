#pragma once

// The work on a gateway's configuration as steps of a GatewaySession: read
// the identity (Info), read the whole profile (Read), write a profile file's
// settings where they differ and read them back (Apply), restore the default
// filtering and read it back (Default).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gateway/GatewaySession.h"
#include "gateway/Profile.h"

namespace varo {

struct SentenceStore;
struct SentenceRecord;

class ProfileJob {
public:
    enum class Kind { Info, Read, Apply, Default };

    ProfileJob(GatewaySession& session, Kind kind);
    ~ProfileJob();
    ProfileJob(const ProfileJob&) = delete;
    ProfileJob& operator=(const ProfileJob&) = delete;

    // Apply: the file's settings; `withBaud` also applies its NMEA baud rate.
    void SetFile(const Profile& profile, bool withBaud);
    // Apply with the baud rate: the gateway confirmed its new speed; the
    // driver switches the port to it before the read-back is sent.
    std::function<void(std::uint32_t baud)> onBaudChange;

    // Queues the first steps on the session.
    void Start();
    bool Finished() const { return finished; }
    // The gateway stopped answering (or never answered): the work is incomplete.
    bool Failed() const { return !failure.empty(); }
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
    std::string Command(const char* formatter);
    std::string StaticDataRequest();
    std::string Query(std::int32_t subject);
    void QueueStaticData(Then then);
    void QueueRead(Then then);
    void QueueChanges();
    void QueueFlowRate();
    void QueueFilterChanges();
    void QueueOutputChange();
    void QueueBaudRate();
    void QueueDefaults();
    void Fail(const std::string& why);
    void Finish() { finished = true; }

    GatewaySession& session;
    Kind kind;
    Profile file;
    bool withBaud = false;
    Profile gateway;
    std::vector<std::string> notTaken;
    std::string failure;
    bool finished = false;
    std::unique_ptr<SentenceStore> store;
    std::unique_ptr<SentenceRecord> outgoing;
};

} // namespace varo
