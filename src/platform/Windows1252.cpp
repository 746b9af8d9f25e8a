#include "platform/Windows1252.h"

#include <cstdint>
#include <optional>

namespace gw {

namespace {

// Code points of 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
// clang-format off
constexpr char32_t HighControlRange[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};
// clang-format on

std::optional<unsigned char> toWindows1252(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<unsigned char>(code);
    // The five undefined bytes travel as the control characters of the same number.
    if (code >= 0x80 && code <= 0x9F && HighControlRange[code - 0x80] == 0)
        return static_cast<unsigned char>(code);
    for (int i = 0; i < 32; ++i) {
        if (HighControlRange[i] == code)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

void appendUtf8(std::string &out, char32_t code)
{
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

std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t &i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int length;
    char32_t code;
    if (lead < 0x80) {
        ++i;
        return char32_t(lead);
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + length > text.size())
        return std::nullopt;
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return std::nullopt;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t smallest[5] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    i += length;
    return code;
}

std::string windows1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F && HighControlRange[byte - 0x80] != 0)
            appendUtf8(out, HighControlRange[byte - 0x80]);
        else
            appendUtf8(out, byte);
    }
    return out;
}

namespace {

bool isValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (!decodeUtf8(text, i))
            return false;
    }
    return true;
}

} // namespace

std::string utf8ToWindows1252(std::string_view text)
{
    if (!isValidUtf8(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t code = *decodeUtf8(text, i);
        const auto mapped = toWindows1252(code);
        out += mapped ? static_cast<char>(*mapped) : '?';
    }
    return out;
}

} // namespace gw
