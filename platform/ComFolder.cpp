#include "platform/ComFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace varo::platform {
namespace {

// Unix98 pseudo-terminal slaves use majors 136 to 143 and have no sysfs entry.
constexpr unsigned PtySlaveMajorFirst = 136;
constexpr unsigned PtySlaveMajorLast = 143;

bool IsTtyDevice(dev_t rdev) {
    const unsigned major = ::major(rdev);
    if (major >= PtySlaveMajorFirst && major <= PtySlaveMajorLast) return true;
    const std::string subsystem = "/sys/dev/char/" + std::to_string(major) + ":" +
                                  std::to_string(::minor(rdev)) + "/subsystem";
    std::error_code error;
    const fs::path target = fs::read_symlink(subsystem, error);
    return !error && target.filename() == "tty";
}

} // namespace

std::string ComFolder() {
    if (const char* dir = std::getenv("VARO_COM_DIR"); dir && *dir) return dir;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::string(config) + "/varo/com";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config/varo/com";
}

std::vector<ComLink> ListComLinks(const std::string& folder) {
    std::vector<ComLink> links;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const auto number = ComLinkNumber(name);
        if (!number || !it->is_symlink(error)) continue;
        links.push_back({*number, it->path().string()});
    }
    std::sort(links.begin(), links.end(),
              [](const ComLink& a, const ComLink& b) { return a.Number < b.Number; });
    // "com3" and "COM3" would share a number: the first in order wins.
    links.erase(
        std::unique(links.begin(), links.end(),
                    [](const ComLink& a, const ComLink& b) { return a.Number == b.Number; }),
        links.end());
    return links;
}

std::string ComLinkPath(const std::string& folder, int number) {
    return folder + "/com" + std::to_string(number);
}

bool IsPresentTty(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISCHR(st.st_mode) && IsTtyDevice(st.st_rdev);
}

int AssignComNumber(const std::string& folder, const std::string& target) {
    std::error_code error;
    fs::create_directories(folder, error);
    const std::vector<ComLink> links = ListComLinks(folder);
    int number = 1;
    for (const ComLink& link : links) {
        if (link.Number != number) break;
        ++number;
    }
    // A racing discovery in another process may take the number first: try the next.
    for (int attempt = 0; attempt < 16; ++attempt, ++number) {
        if (::symlink(target.c_str(), ComLinkPath(folder, number).c_str()) == 0) return number;
        if (errno != EEXIST) return 0;
    }
    return 0;
}

} // namespace varo::platform