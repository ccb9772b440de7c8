#include "json.h"

#include <array>
#include <charconv>

namespace nimbaro::cli {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// The length of the valid UTF-8 character that `text` starts with, or 0.
std::size_t utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;   // the least and greatest second byte: no overlong forms,
    unsigned char high = 0xBF;  // no surrogates, nothing beyond U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t at = 2; at < length; ++at) {
        if (byte(at) < 0x80 || byte(at) > 0xBF) {
            return 0;
        }
    }
    return length;
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text) {
    out += '"';
    while (!text.empty()) {
        const char c = text.front();
        if (static_cast<unsigned char>(c) >= 0x80) {
            const std::size_t length = utf8Length(text);
            out += length == 0 ? kReplacementCharacter : text.substr(0, length);
            text.remove_prefix(length == 0 ? 1 : length);
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    constexpr char kHex[] = "0123456789abcdef";
                    out += "\\u00";
                    out += kHex[(c >> 4) & 0xF];
                    out += kHex[c & 0xF];
                } else {
                    out += c;
                }
        }
        text.remove_prefix(1);
    }
    out += '"';
}

void appendJsonNumber(std::string& out, double value) {
    std::array<char, 32> digits{};
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), error == std::errc() ? end : digits.data());
}

}  // namespace nimbaro::cli
