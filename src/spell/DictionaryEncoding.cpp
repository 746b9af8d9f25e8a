#include "spell/DictionaryEncoding.h"

#include "platform/Text.h"
#include "platform/Windows1252.h"

#include <algorithm>

namespace gw::spell {

namespace {

// UTF-8 of the code points 0..255 as ISO 8859-1 bytes; others become '?'.
std::string utf8ToLatin1(std::string_view text)
{
    std::string out;
    for (std::size_t k = 0; k < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[k]);
        if (c < 0x80) {
            out += char(c);
            ++k;
        } else if ((c == 0xC2 || c == 0xC3) && k + 1 < text.size()) {
            out += char(((c & 0x03) << 6) | (static_cast<unsigned char>(text[k + 1]) & 0x3F));
            k += 2;
        } else {
            out += '?';
            ++k;
            while (k < text.size() && (static_cast<unsigned char>(text[k]) & 0xC0) == 0x80)
                ++k;
        }
    }
    return out;
}

std::string latin1ToUtf8(std::string_view text)
{
    std::string out;
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

DictionaryEncoding::DictionaryEncoding(std::string_view name)
{
    const std::string upper = upperCased(name);
    if (upper == "ISO8859-1" || upper == "ISO-8859-1" || upper == "LATIN1")
        m_kind = Kind::Latin1;
    else if (upper == "WINDOWS-1252" || upper == "CP1252")
        m_kind = Kind::Windows1252;
}

std::string DictionaryEncoding::fromWindows1252(std::string_view text) const
{
    switch (m_kind) {
    case Kind::Windows1252:
        return std::string(text);
    case Kind::Latin1:
        return utf8ToLatin1(windows1252ToUtf8(text));
    case Kind::Utf8:
        break;
    }
    return windows1252ToUtf8(text);
}

std::string DictionaryEncoding::toWindows1252(std::string_view text) const
{
    switch (m_kind) {
    case Kind::Windows1252:
        return std::string(text);
    case Kind::Latin1:
        return utf8ToWindows1252(latin1ToUtf8(text));
    case Kind::Utf8:
        break;
    }
    return utf8ToWindows1252(text);
}

bool DictionaryEncoding::representable(std::string_view text) const
{
    const std::string converted = toWindows1252(text);
    return std::count(converted.begin(), converted.end(), '?') == std::count(text.begin(), text.end(), '?');
}

} // namespace gw::spell
