#include "platform/Settings.h"

#include "platform/Ini.h"

#include <filesystem>
#include <system_error>

namespace varo::platform {

std::string SettingsFolder(const std::string& documentsFolder) {
    const std::string folder = documentsFolder + "/VARO/VARO RZ-60 Configuration/";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (std::filesystem::is_directory(folder, error)) return folder;
    return documentsFolder + "/";
}

std::string SettingsFile(const std::string& settingsFolder) {
    return settingsFolder + SettingsFileName;
}

int ReadSettings(const std::string& settingsFile) {
    return GetPrivateProfileInt("VIEW", "Language", 0, settingsFile);
}

bool WriteSettings(const std::string& settingsFile, int language) {
    return WritePrivateProfileString("VIEW", "Language", std::to_string(language), settingsFile);
}

} // namespace varo::platform