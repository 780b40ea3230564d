// Reading and applying a whole gateway profile through the headless client,
// against the simulated gateway in this process streaming its normal output,
// at 38400 and at 4800 baud. Prints the median and the longest of each; the
// limits for a read are 5 s at 38400 and 30 s at 4800.
//
//   bench_profile [--rounds N]   (default 3 per figure)
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "config/FilterCatalog.h"
#include "gateway/GatewayClient.h"
#include "sim/SimulatedGateway.h"

namespace varo {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

// Runs `round` `rounds` times and prints the median and the longest time.
bool Measure(const char* what, int rounds, const std::function<bool()>& round) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        if (!round()) {
            std::printf("%s: failed\n", what);
            return false;
        }
        times.push_back(Seconds(Clock::now() - start));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-40s median %6.2f s, longest %6.2f s (%d rounds)\n", what,
                times[times.size() / 2], times.back(), rounds);
    return true;
}

// A profile that differs in 11 filters of both sides,
// three outputs and the flow rate.
Profile Changed(const Profile& from) {
    Profile changed = from;
    for (std::size_t i = 0; i < changed.nmea0183Inputs.size(); i += 5)
        changed.nmea0183Inputs[i][0] ^= 1;
    for (std::size_t i = 0; i < changed.nmea2000Inputs.size(); i += 8)
        changed.nmea2000Inputs[i][0] ^= 1;
    changed.outputs[0] ^= 1;
    changed.outputs[10] ^= 1;
    changed.outputs[23] ^= 1;
    changed.flowRate = from.flowRate == 0 ? 1 : 0;
    return changed;
}

bool RunAt(std::uint32_t baud, int rounds, const std::string& folder) {
    sim::SimOptions options;
    options.nmeaBaud = baud;
    options.linkFolder = folder;
    sim::SimulatedGateway gateway(options);
    std::string error;
    if (!gateway.Start(error)) {
        std::fprintf(stderr, "bench_profile: %s\n", error.c_str());
        return false;
    }
    GatewayClient client;
    ProfileIdentity identity;
    if (!client.Open({0, gateway.DevicePath(), baud}, error) || !client.Identify(identity, error)) {
        std::fprintf(stderr, "bench_profile: no gateway at %u baud %s\n", baud, error.c_str());
        return false;
    }
    Profile read;
    auto readOnce = [&] {
        ProfileJob job(client.Engine(), ProfileJob::Kind::Read);
        client.Run(job);
        read = job.Gateway();
        return !job.Failed();
    };
    const std::string at = " at " + std::to_string(baud);
    if (!Measure(("read the whole configuration" + at).c_str(), rounds, readOnce)) return false;
    const Profile original = read;
    const Profile changed = Changed(original);
    bool toChanged = true;
    auto applyOnce = [&] {
        ProfileJob job(client.Engine(), ProfileJob::Kind::Apply);
        job.SetFile(toChanged ? changed : original, false);
        toChanged = !toChanged;
        client.Run(job);
        return !job.Failed() && job.NotTaken().empty();
    };
    return Measure(("apply 13 changes and read back" + at).c_str(), rounds, applyOnce);
}

} // namespace
} // namespace varo

int main(int argc, char** argv) {
    int rounds = 3;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--rounds") == 0) rounds = std::max(1, std::atoi(argv[i + 1]));
    char folder[] = "/tmp/bench_profile.XXXXXX";
    if (mkdtemp(folder) == nullptr) return 1;
    setenv("VARO_COM_DIR", folder, 1);
    const bool ok = varo::RunAt(38400, rounds, folder) && varo::RunAt(4800, rounds, folder);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return ok ? 0 : 1;
}
