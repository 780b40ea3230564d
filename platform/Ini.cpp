#include "platform/Ini.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/AtomicFile.h"
#include "platform/LineReader.h"

namespace varo::platform {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && space(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && space(s.back()))
        s.remove_suffix(1);
    return s;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string_view Unquote(std::string_view s) {
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) {
        s.remove_prefix(1);
        s.remove_suffix(1);
    }
    return s;
}

} // namespace

IniDocument::Line IniDocument::Classify(std::string raw) {
    Line line;
    line.Raw = std::move(raw);
    const std::string_view text = Trim(line.Raw);
    if (text.empty() || text.front() == ';') return line;
    if (text.front() == '[') {
        const auto close = text.find(']');
        if (close != std::string_view::npos) {
            line.Kind = Line::Kind::Section;
            line.Name = Trim(text.substr(1, close - 1));
        }
        return line;
    }
    const auto eq = text.find('=');
    if (eq == std::string_view::npos) return line;
    line.Kind = Line::Kind::Key;
    line.Name = Trim(text.substr(0, eq));
    line.Value = Unquote(Trim(text.substr(eq + 1)));
    return line;
}

IniDocument IniDocument::Read(LineReader& reader) {
    IniDocument doc;
    while (doc.FLines.size() < kMaxTextFileLines && reader.Next()) {
        std::string_view raw = reader.Line();
        if (doc.FLines.empty()) {
            doc.FByteOrderMark = raw.starts_with(kByteOrderMark);
            if (doc.FByteOrderMark) raw.remove_prefix(kByteOrderMark.size());
            doc.FLineEnd = reader.LineEnding() == LineReader::Ending::CrLf ? "\r\n"
                           : reader.LineEnding() == LineReader::Ending::Cr ? "\r"
                                                                           : "\n";
        }
        doc.FFinalLineEnd = reader.LineEnding() != LineReader::Ending::None;
        doc.FLines.push_back(Classify(std::string(raw)));
    }
    return doc;
}

IniDocument IniDocument::Parse(std::string_view text) {
    LineReader reader(text);
    return Read(reader);
}

IniDocument IniDocument::Load(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return {};
    LineReader reader(file);
    IniDocument doc = Read(reader);
    std::fclose(file);
    return doc;
}

bool IniDocument::SectionRange(std::string_view section, std::size_t& begin,
                               std::size_t& end) const {
    std::size_t i = 0;
    while (i < FLines.size() &&
           !(FLines[i].Kind == Line::Kind::Section && EqualNoCase(FLines[i].Name, section)))
        ++i;
    if (i == FLines.size()) return false;
    begin = i + 1;
    end = begin;
    while (end < FLines.size() && FLines[end].Kind != Line::Kind::Section)
        ++end;
    return true;
}

bool IniDocument::Find(std::string_view section, std::string_view key, std::string& value) const {
    std::size_t begin = 0, end = 0;
    if (!SectionRange(section, begin, end)) return false;
    for (std::size_t i = begin; i < end; ++i) {
        if (FLines[i].Kind == Line::Kind::Key && EqualNoCase(FLines[i].Name, key)) {
            value = FLines[i].Value;
            return true;
        }
    }
    return false;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string raw = std::string(key) + "=" + std::string(value);
    std::size_t begin = 0, end = 0;
    if (!SectionRange(section, begin, end)) {
        if (!FLines.empty() && !Trim(FLines.back().Raw).empty()) FLines.push_back(Classify(""));
        std::string header = "[";
        header.append(section).append("]");
        FLines.push_back(Classify(std::move(header)));
        FLines.push_back(Classify(std::move(raw)));
        return;
    }
    std::size_t last = begin; // after the last non-blank line of the section
    for (std::size_t i = begin; i < end; ++i) {
        if (FLines[i].Kind == Line::Kind::Key && EqualNoCase(FLines[i].Name, key)) {
            // Keep the key's spelling as the file has it.
            FLines[i] = Classify(FLines[i].Name + "=" + std::string(value));
            return;
        }
        if (!Trim(FLines[i].Raw).empty()) last = i + 1;
    }
    FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(last), Classify(std::move(raw)));
}

std::string IniDocument::Text() const {
    std::string text(FByteOrderMark ? kByteOrderMark : std::string_view());
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        text += FLines[i].Raw;
        if (i + 1 < FLines.size() || FFinalLineEnd) text += FLineEnd;
    }
    return text;
}

std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& path) {
    std::string value;
    if (IniDocument::Load(path).Find(section, key, value)) return value;
    return std::string(defaultValue);
}

int ParseProfileInt(std::string_view text, int defaultValue) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9') return defaultValue;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        if (value <= LLONG_MAX / 10 - 10) value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int GetPrivateProfileInt(std::string_view section, std::string_view key, int defaultValue,
                         const std::string& path) {
    std::string value;
    if (!IniDocument::Load(path).Find(section, key, value)) return defaultValue;
    return ParseProfileInt(value, defaultValue);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path,
                               std::string* reason) {
    IniDocument doc = IniDocument::Load(path);
    doc.Set(section, key, value);
    int error = 0;
    const bool written = WriteFileAtomically(path, doc.Text(), error);
    if (!written && reason != nullptr) *reason = std::strerror(error);
    return written;
}

} // namespace varo::platform