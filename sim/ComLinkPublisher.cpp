#include "sim/ComLinkPublisher.h"

#include "platform/ComFolder.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace varo::sim {

int ComLinkPublisher::Publish(int number, const std::string& device) {
    Remove();
    if (number == 0) {
        FNumber = platform::AssignComNumber(FFolder, device);
    } else {
        std::error_code error;
        fs::create_directories(FFolder, error);
        const std::string link = platform::ComLinkPath(FFolder, number);
        const bool taken = fs::is_symlink(fs::symlink_status(link, error));
        if (taken && platform::IsPresentTty(link)) return 0;
        if (taken) ::unlink(link.c_str());
        FNumber = ::symlink(device.c_str(), link.c_str()) == 0 ? number : 0;
    }
    if (FNumber != 0) FDevice = device;
    return FNumber;
}

void ComLinkPublisher::Remove() {
    if (FNumber == 0) return;
    const std::string link = platform::ComLinkPath(FFolder, FNumber);
    std::error_code error;
    if (fs::read_symlink(link, error) == fs::path(FDevice)) ::unlink(link.c_str());
    FNumber = 0;
    FDevice.clear();
}

} // namespace varo::sim