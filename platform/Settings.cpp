#include "platform/Settings.h"

#include "platform/Ini.h"

#include <filesystem>
#include <system_error>
#include <utility>

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

bool WriteSettings(const std::string& settingsFile, int language, std::string* reason) {
    return WritePrivateProfileString("VIEW", "Language", std::to_string(language), settingsFile,
                                     reason);
}

ConnectionSettings ReadConnectionSettings(const std::string& settingsFile) {
    ConnectionSettings settings;
    settings.port = GetPrivateProfileInt("CONNECTION", "Port", 0, settingsFile);
    settings.baud = GetPrivateProfileInt("CONNECTION", "Baud", 0, settingsFile);
    settings.mode = GetPrivateProfileString("CONNECTION", "Mode", "", settingsFile);
    return settings;
}

bool WriteConnectionSettings(const std::string& settingsFile, const ConnectionSettings& settings,
                             std::string* reason) {
    return WritePrivateProfileString("CONNECTION", "Port", std::to_string(settings.port),
                                     settingsFile, reason) &&
           WritePrivateProfileString("CONNECTION", "Baud", std::to_string(settings.baud),
                                     settingsFile, reason) &&
           WritePrivateProfileString("CONNECTION", "Mode", settings.mode, settingsFile, reason);
}

WindowSettings ReadWindowSettings(const std::string& settingsFile) {
    WindowSettings settings;
    settings.left = GetPrivateProfileInt("VIEW", "WindowLeft", 0, settingsFile);
    settings.top = GetPrivateProfileInt("VIEW", "WindowTop", 0, settingsFile);
    settings.width = GetPrivateProfileInt("VIEW", "WindowWidth", 0, settingsFile);
    settings.height = GetPrivateProfileInt("VIEW", "WindowHeight", 0, settingsFile);
    settings.maximized = GetPrivateProfileInt("VIEW", "WindowMaximized", 0, settingsFile) == 1;
    settings.page = GetPrivateProfileInt("VIEW", "LastPage", -1, settingsFile);
    return settings;
}

bool WriteWindowSettings(const std::string& settingsFile, const WindowSettings& settings,
                         std::string* reason) {
    const std::pair<const char*, int> keys[] = {{"WindowLeft", settings.left},
                                                {"WindowTop", settings.top},
                                                {"WindowWidth", settings.width},
                                                {"WindowHeight", settings.height},
                                                {"WindowMaximized", settings.maximized ? 1 : 0},
                                                {"LastPage", settings.page}};
    for (const auto& [key, value] : keys) {
        if (!WritePrivateProfileString("VIEW", key, std::to_string(value), settingsFile, reason))
            return false;
    }
    return true;
}

} // namespace varo::platform