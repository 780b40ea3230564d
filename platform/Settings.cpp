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

ConnectionSettings ReadConnectionSettings(const std::string& settingsFile) {
    ConnectionSettings settings;
    settings.port = GetPrivateProfileInt("CONNECTION", "Port", 0, settingsFile);
    settings.baud = GetPrivateProfileInt("CONNECTION", "Baud", 0, settingsFile);
    settings.mode = GetPrivateProfileString("CONNECTION", "Mode", "", settingsFile);
    return settings;
}

bool WriteConnectionSettings(const std::string& settingsFile, const ConnectionSettings& settings) {
    return WritePrivateProfileString("CONNECTION", "Port", std::to_string(settings.port),
                                     settingsFile) &&
           WritePrivateProfileString("CONNECTION", "Baud", std::to_string(settings.baud),
                                     settingsFile) &&
           WritePrivateProfileString("CONNECTION", "Mode", settings.mode, settingsFile);
}

} // namespace varo::platform