#pragma once

#include <string>
#include <string_view>

// Texts cross the spelling and thesaurus engines as Windows-1252; dictionaries and thesauri
// hold theirs in the encoding they name ("UTF-8", "ISO8859-1", ...).  These convert at that
// edge.
namespace gw::spell {

class DictionaryEncoding
{
public:
    // An encoding name as the data gives it; unknown names are taken as UTF-8.
    explicit DictionaryEncoding(std::string_view name);

    // Characters the dictionary's encoding cannot hold become '?'.
    std::string fromWindows1252(std::string_view text) const;
    // Characters without a Windows-1252 form become '?'.
    std::string toWindows1252(std::string_view text) const;

    // True when toWindows1252 gives every character of text (no '?' that was not there).
    bool representable(std::string_view text) const;

private:
    enum class Kind { Utf8, Latin1, Windows1252 };
    Kind m_kind = Kind::Utf8;
};

} // namespace gw::spell
