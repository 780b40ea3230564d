// INI files come from the user's disk (settings, language files): any bytes
// must parse, and a value written must read back.
#include "platform/Ini.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varo;
    const std::string text(reinterpret_cast<const char*>(data), size);
    platform::IniDocument doc = platform::IniDocument::Parse(text);
    std::string value;
    doc.Find("VIEW", "Language", value);
    platform::ParseProfileInt(value, 0);
    doc.Set("VIEW", "Language", "2");
    const platform::IniDocument again = platform::IniDocument::Parse(doc.Text());
    if (!again.Find("view", "LANGUAGE", value) || value != "2") std::abort();
    return 0;
}
