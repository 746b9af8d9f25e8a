#pragma once

#include <string>
#include <string_view>

namespace gw {

// Record texts are Windows-1252; the rest of this system speaks UTF-8.
std::string windows1252ToUtf8(std::string_view text);

// Characters without a Windows-1252 form become '?'.  Bytes that are not valid UTF-8 are taken
// as Windows-1252 already, so a file written by an older program reads as it was meant.
std::string utf8ToWindows1252(std::string_view text);

} // namespace gw
