#pragma once

// How every JSON text the programs print writes a string: as ASCII, so that
// any bytes give valid UTF-8. A quote and a backslash get a backslash; the
// control characters are \b \t \n \f \r or \u00XX (DEL too); every
// character beyond ASCII of valid UTF-8 is \uXXXX (a surrogate pair above
// U+FFFF); and each byte that is not part of valid UTF-8 (texts off the
// serial line, a port name) is \u00XX, the byte read as Latin-1. The same
// rules as the JSON library's ASCII output, so that texts it writes
// (profiles) look the same.

#include <string>
#include <string_view>

namespace varo::platform {

// Appends `bytes` as a quoted JSON string.
void AppendJsonString(std::string& out, std::string_view bytes);

// `bytes` as valid UTF-8: each byte that is not part of valid UTF-8 becomes
// the character of that Latin-1 code. Valid UTF-8 comes back unchanged.
std::string RepairedUtf8(std::string_view bytes);

} // namespace varo::platform
