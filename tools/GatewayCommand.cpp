// varo-nmea gateway info|read|apply|diff|default: the headless gateway client
// on the command line.
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "gateway/GatewayClient.h"
#include "platform/AtomicFile.h"
#include "tools/Subcommands.h"

namespace varo {
namespace {

constexpr int kDiffers = 1;
constexpr int kNoGateway = 3;

bool LoadFile(const std::string& path, Profile& profile) {
    ProfileError error;
    std::vector<std::string> unknown;
    if (!LoadProfileFile(path, profile, error, unknown)) {
        std::fprintf(stderr, "varo-nmea: %s: %s\n", path.c_str(), ProfileErrorText(error).c_str());
        return false;
    }
    for (const std::string& key : unknown)
        std::fprintf(stderr, "varo-nmea: %s: unknown key %s (ignored)\n", path.c_str(),
                     key.c_str());
    return true;
}

// The progress line on standard error, only when it is a terminal.
GatewayClient::Progress ProgressLine(const char* doing) {
    if (isatty(STDERR_FILENO) == 0) return {};
    return [doing](int ended, int queued) {
        std::fprintf(stderr, "\r%s: %d of %d steps", doing, ended, queued);
        if (ended >= queued) std::fputc('\n', stderr);
        std::fflush(stderr);
    };
}

// Opens the port and finds the gateway; false when the command must end with kNoGateway.
bool Connect(GatewayClient& client, const GatewayOptions& options, ProfileIdentity& identity) {
    std::string error;
    PortChoice choice{options.com, options.device, options.baud};
    if (!client.Open(choice, error)) {
        std::fprintf(stderr, "varo-nmea: %s\n", error.c_str());
        return false;
    }
    if (!client.Identify(identity, error)) {
        std::fprintf(stderr, "varo-nmea: %s\n", error.c_str());
        return false;
    }
    return true;
}

// Runs the job; false (told on standard error) when the gateway stopped answering.
bool RunJob(GatewayClient& client, ProfileJob& job, const char* doing) {
    client.Run(job, ProgressLine(doing));
    if (job.PortLost())
        std::fprintf(stderr,
                     "varo-nmea: %s was lost while %s: the port hung up or the adapter was "
                     "unplugged\n",
                     client.PortName().c_str(), doing);
    else if (job.Failed())
        std::fprintf(stderr, "varo-nmea: %s\n", job.Failure().c_str());
    return !job.Failed();
}

bool ToStandardOutput(const std::string& path) {
    return path.empty() || path == "-";
}

// Whether the profile can be written to `path`: told before the gateway is
// asked, so that a long read is not lost to a path that cannot take it.
bool CheckOutput(const std::string& path) {
    int error = 0;
    if (ToStandardOutput(path) || platform::CheckWritable(path, error)) return true;
    std::fprintf(stderr, "varo-nmea: cannot write %s: %s\n", path.c_str(), std::strerror(error));
    return false;
}

// Replaces `path` whole; a write that fails leaves the old file.
bool WriteOutput(const std::string& path, const std::string& text) {
    if (ToStandardOutput(path)) {
        std::fputs(text.c_str(), stdout);
        return true;
    }
    int error = 0;
    if (platform::WriteFileAtomically(path, text, error)) return true;
    std::fprintf(stderr, "varo-nmea: cannot write %s: %s (the old file is unchanged)\n",
                 path.c_str(), std::strerror(error));
    return false;
}

// Prints the differences; true when one of them counts.
bool PrintDifferences(const std::vector<ProfileDifference>& differences, bool identityCounts) {
    bool counts = false;
    for (const ProfileDifference& difference : differences) {
        std::printf("%s\n", DifferenceLine(difference).c_str());
        counts = counts || !difference.identity || identityCounts;
    }
    return counts;
}

} // namespace

int RunGateway(const GatewayOptions& options) {
    Profile file;
    if ((options.action == "apply" || options.action == "diff") && !LoadFile(options.file, file))
        return kUsageError;
    if (options.action == "read" && !CheckOutput(options.output)) return kUsageError;
    GatewayClient client;
    ProfileIdentity identity;
    if (!Connect(client, options, identity)) return kNoGateway;
    if (options.action == "info") {
        std::fputs(IdentityJson(identity, client.ComNumber(), client.Baud()).c_str(), stdout);
        return 0;
    }
    if (options.action == "read" || options.action == "diff") {
        ProfileJob job(client.Engine(), ProfileJob::Kind::Read);
        if (!RunJob(client, job, "reading")) return kNoGateway;
        if (options.action == "read")
            return WriteOutput(options.output, ProfileJson(job.Gateway())) ? 0 : kUsageError;
        return PrintDifferences(CompareProfiles(job.Gateway(), file), options.identity) ? kDiffers
                                                                                        : 0;
    }
    const bool apply = options.action == "apply";
    ProfileJob job(client.Engine(), apply ? ProfileJob::Kind::Apply : ProfileJob::Kind::Default);
    if (apply) job.SetFile(file, options.withBaud);
    if (!RunJob(client, job, apply ? "applying" : "restoring defaults")) return kNoGateway;
    // Apply prints what it could not do on standard output; default prints
    // the restored profile there and keeps the rest for standard error.
    std::FILE* report = apply ? stdout : stderr;
    for (const std::string& key : job.NotTaken())
        std::fprintf(report, "not taken: %s\n", key.c_str());
    bool differs = false;
    for (const ProfileDifference& difference : job.Differences()) {
        std::fprintf(report, "%s\n", DifferenceLine(difference).c_str());
        // The baud rate counts only when it was to be applied.
        const bool baud = difference.key == "identity.nmea_baud_rate" && options.withBaud;
        differs = differs || !difference.identity || baud;
    }
    if (!apply) std::fputs(ProfileJson(job.Gateway()).c_str(), stdout);
    return differs || !job.NotTaken().empty() ? kDiffers : 0;
}

} // namespace varo
