#pragma once

// The per-user settings file: one INI file in a folder of the documents folder.

#include <string>

namespace varo::platform {

inline constexpr const char* SettingsFileName = "VaroRZ60Config.ini";

// The user's documents folder as the Windows shell names it (its personal
// folder); empty when there is none. Elsewhere the window takes the XDG
// documents folder from its toolkit.
std::string DocumentsFolder();

// `documentsFolder` + "/VARO/VARO RZ-60 Configuration/", created with its
// parents when missing; the documents folder itself + "/" when it cannot be made.
std::string SettingsFolder(const std::string& documentsFolder);

// `settingsFolder` (with its trailing "/") + "VaroRZ60Config.ini".
std::string SettingsFile(const std::string& settingsFolder);

// `Language` of section `VIEW`; 0 when the file, section or key is absent.
int ReadSettings(const std::string& settingsFile);

// Writes `language` as `Language` of section `VIEW`, keeping the rest of the file.
bool WriteSettings(const std::string& settingsFile, int language, std::string* reason = nullptr);

// The last connection, in section `CONNECTION`: `Port` (COM number), `Baud`
// (4800, 9600, 38400) and `Mode` ("Auto" or "Manual"). 0 and empty when absent.
struct ConnectionSettings {
    int port = 0;
    int baud = 0;
    std::string mode;
};
ConnectionSettings ReadConnectionSettings(const std::string& settingsFile);
// False (with `reason`, when given) when the file could not be written.
bool WriteConnectionSettings(const std::string& settingsFile, const ConnectionSettings& settings,
                             std::string* reason = nullptr);

// The window as it was left, in section `VIEW` beside `Language`:
// `WindowLeft`, `WindowTop`, `WindowWidth`, `WindowHeight` (its normal frame),
// `WindowMaximized` (0 or 1) and `LastPage` (0 to 2). A width or height of 0
// (or an absent key) means no stored size; a page of -1 no stored page.
struct WindowSettings {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;
    int page = -1;
};
WindowSettings ReadWindowSettings(const std::string& settingsFile);
// False (with `reason`, when given) when the file could not be written.
bool WriteWindowSettings(const std::string& settingsFile, const WindowSettings& settings,
                         std::string* reason = nullptr);

// Sharing the received stream, in section `SHARE`: `Enabled` (0 or 1),
// `Address` (the address listened on), `Port` (TCP) and `UdpTarget`
// ("HOST:PORT" or empty). 0 and empty when absent; the caller supplies the defaults.
struct ShareSettings {
    bool enabled = false;
    std::string address;
    int port = 0;
    std::string udpTarget;
};
ShareSettings ReadShareSettings(const std::string& settingsFile);
// False when the file could not be written.
bool WriteShareSettings(const std::string& settingsFile, const ShareSettings& settings);

} // namespace varo::platform