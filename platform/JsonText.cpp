#include "platform/JsonText.h"

#include <cstdint>

namespace varo::platform {
namespace {

// The code point of the valid UTF-8 sequence at the front of `bytes` and its
// length; length 0 when the first byte does not start one (overlong forms,
// surrogates and code points beyond U+10FFFF are not valid).
struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 0;
};
Utf8Character FirstCharacter(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        return {};
    }
    if (bytes.size() < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return {};
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return {code, length};
}

void AppendEscape(std::string& out, char32_t unit) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += kHex[(unit >> shift) & 0xF];
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

void AppendJsonString(std::string& out, std::string_view bytes) {
    out += '"';
    while (!bytes.empty()) {
        const char c = bytes.front();
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            if (c == '"' || c == '\\') out += '\\';
            out += c;
            bytes.remove_prefix(1);
            continue;
        }
        if (byte < 0x20 || byte == 0x7F) {
            switch (c) {
            case '\b':
                out += "\\b";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                AppendEscape(out, byte);
            }
            bytes.remove_prefix(1);
            continue;
        }
        const Utf8Character character = FirstCharacter(bytes);
        if (character.length == 0) {
            AppendEscape(out, byte);
            bytes.remove_prefix(1);
        } else if (character.code < 0x10000) {
            AppendEscape(out, character.code);
            bytes.remove_prefix(character.length);
        } else {
            const char32_t above = character.code - 0x10000;
            AppendEscape(out, 0xD800 + (above >> 10));
            AppendEscape(out, 0xDC00 + (above & 0x3FF));
            bytes.remove_prefix(character.length);
        }
    }
    out += '"';
}

std::string RepairedUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const Utf8Character character = FirstCharacter(bytes);
        if (character.length == 0) {
            AppendUtf8(out, static_cast<std::uint8_t>(bytes.front()));
            bytes.remove_prefix(1);
        } else {
            out.append(bytes.substr(0, character.length));
            bytes.remove_prefix(character.length);
        }
    }
    return out;
}

} // namespace varo::platform
