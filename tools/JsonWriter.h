// A small JSON text builder over one growing buffer: no stream per value.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/JsonText.h"

namespace varo {

// With a null FILE the text only accumulates, for callers that read it with text().
class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out) : out_(out) { text_.reserve(kFlushSize * 2); }
    ~JsonWriter() { flush(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void raw(std::string_view text) { text_.append(text); }
    // Names are the program's own (table keys in snake_case, fixed words):
    // printable ASCII without a quote or a backslash, written as they are.
    void key(std::string_view name) {
        separate();
        text_.push_back('"');
        text_.append(name);
        text_.append("\":", 2);
        afterKey_ = true; // the value that follows needs no comma
    }
    // A key written out beforehand with its quotes and colon ("name":).
    void quotedKey(std::string_view quoted) {
        separate();
        text_.append(quoted);
        afterKey_ = true;
    }
    void open(char bracket) {
        separate();
        text_.push_back(bracket);
        first_ = true;
    }
    void close(char bracket) {
        text_.push_back(bracket);
        first_ = false;
    }
    void integer(std::int64_t value) {
        separate();
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        text_.append(digits, result.ptr);
    }
    // %.9g of the stored float; non-finite values, which JSON cannot carry as
    // numbers, are written as the strings "inf", "-inf" and "nan".
    void real(float value) {
        if (!std::isfinite(value)) {
            string(std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf"));
            return;
        }
        separate();
        char digits[32];
        const auto result =
            std::to_chars(digits, digits + sizeof digits, static_cast<double>(value),
                          std::chars_format::general, 9);
        text_.append(digits, result.ptr);
    }
    void null() {
        separate();
        text_.append("null");
    }
    void boolean(bool value) {
        separate();
        text_.append(value ? "true" : "false");
    }
    void string(std::string_view value) {
        separate();
        quoted(value);
    }
    // A character: a one-character string when printable ASCII, else its code.
    void character(char value) {
        const auto byte = static_cast<unsigned char>(value);
        if (byte >= 0x20 && byte <= 0x7E) {
            string(std::string_view(&value, 1));
        } else {
            integer(byte);
        }
    }
    void endLine() {
        text_.push_back('\n');
        first_ = true;
        if (text_.size() >= kFlushSize) {
            flush();
        }
    }
    const std::string& text() const { return text_; }
    void flush() {
        if (out_ == nullptr) {
            return;
        }
        if (!text_.empty()) {
            std::fwrite(text_.data(), 1, text_.size(), out_);
            text_.clear();
        }
        std::fflush(out_);
    }

private:
    static constexpr std::size_t kFlushSize = 1 << 16;

    void separate() {
        if (afterKey_) {
            afterKey_ = false;
        } else if (!first_) {
            text_.push_back(',');
        }
        first_ = false;
    }
    // Texts follow the one policy of every JSON the programs print
    // (platform/JsonText.h); most need no escape and take one append.
    void quoted(std::string_view value) {
        for (const char c : value) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\' || byte < 0x20 || byte > 0x7E) {
                platform::AppendJsonString(text_, value);
                return;
            }
        }
        text_.push_back('"');
        text_.append(value);
        text_.push_back('"');
    }

    std::FILE* out_;
    std::string text_;
    bool first_ = true;
    bool afterKey_ = false;
};

} // namespace varo
