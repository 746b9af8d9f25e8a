#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace gw {

// Record texts are Windows-1252; the rest of this system speaks UTF-8.
std::string windows1252ToUtf8(std::string_view text);

// Characters without a Windows-1252 form become '?'.  Bytes that are not valid UTF-8 are taken
// as Windows-1252 already, so a file written by an older program reads as it was meant.
std::string utf8ToWindows1252(std::string_view text);

// One UTF-8 sequence at text[i], which moves past it; nothing when it is not well formed
// (overlong forms, surrogates and code points beyond U+10FFFF included).
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t &i);

// Appends a code point (up to U+10FFFF, not a surrogate) in UTF-8.
void appendUtf8(std::string &out, char32_t code);

} // namespace gw
