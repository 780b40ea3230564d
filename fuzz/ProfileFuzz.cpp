// Profile files come from the user: any bytes must load or be refused
// without a fault, and a profile that loads must write out and load again
// to the same profile.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "gateway/Profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varo;
    Profile profile;
    ProfileError error;
    std::vector<std::string> unknown;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!LoadProfile(text, profile, error, unknown)) {
        if (error.key.empty()) std::abort(); // a refusal always names the key
        return 0;
    }
    Profile again;
    unknown.clear();
    if (!LoadProfile(ProfileJson(profile), again, error, unknown) || !unknown.empty() ||
        !CompareProfiles(profile, again).empty())
        std::abort();
    return 0;
}
