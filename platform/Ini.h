#pragma once

// Private-profile (INI) files: the settings file and the language files.
//
// Reading follows the rules of the classic private-profile routines: section
// and key names compare case-insensitively (ASCII), the first matching section
// and the first matching key in it win, values are trimmed and lose one pair
// of enclosing quotes, and a file that is missing or unreadable reads as
// empty. Files are UTF-8; a leading byte-order mark is skipped. Writing keeps
// every other line of the file as it was and replaces the file atomically.

#include <string>
#include <string_view>
#include <vector>

namespace varo::platform {

class LineReader;

// One parsed INI file. Lines are kept verbatim so that a rewrite changes only
// the line it must.
class IniDocument {
public:
    // Parses text; never fails (a line that is neither a section, a key nor a
    // comment is kept and ignored).
    static IniDocument Parse(std::string_view text);
    // Reads and parses a file; a missing or unreadable file gives an empty document.
    static IniDocument Load(const std::string& path);

    // The value of the first `key` in the first section named `section`.
    bool Find(std::string_view section, std::string_view key, std::string& value) const;
    // Replaces the first matching key's value, or adds the key at the end of
    // the first matching section, or adds the section at the end.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    std::string Text() const;

private:
    struct Line {
        std::string Raw; // without the line ending
        enum class Kind { Other, Section, Key } Kind = Kind::Other;
        std::string Name;  // section name or key name, trimmed
        std::string Value; // for keys: trimmed, quotes removed
    };
    static IniDocument Read(LineReader& reader);
    static Line Classify(std::string raw);
    // Index of the first line of the first section named `section`'s body and
    // one past its last line; false when there is no such section.
    bool SectionRange(std::string_view section, std::size_t& begin, std::size_t& end) const;

    std::vector<Line> FLines;
    bool FByteOrderMark = false; // a UTF-8 byte order mark opened the file; kept on writing
    std::string FLineEnd = "\n";
    bool FFinalLineEnd = true;
};

// GetPrivateProfileString: the value, or `defaultValue` when the section or key is absent.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& path);

// GetPrivateProfileInt: the value's leading decimal digits (an optional sign
// first), or `defaultValue` when the key is absent or the value starts with no
// digit. Values beyond the 32-bit range saturate.
int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         const std::string& path);

// The integer rule of GetPrivateProfileInt applied to a value text.
int ParseProfileInt(std::string_view text, int defaultValue);

// WritePrivateProfileString: stores the value, keeping the rest of the file.
// The file is replaced atomically (platform/AtomicFile.h), so a reader never
// sees half a file. False (with `reason`, when given) when it cannot be written.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path,
                               std::string* reason = nullptr);

} // namespace varo::platform