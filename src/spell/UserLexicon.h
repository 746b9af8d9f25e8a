#pragma once

#include "platform/Failure.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The user's include and exclude lexicons ("IncEngl.tlx", "ExcFrnch.tlx", ...), read and
// written through the spelling engine as the dictionary windows do.  Words are Windows-1252.
namespace gw::spell {

// The words of a user lexicon in file order; empty when the file does not exist.  Fails with
// "Error", "Could not read the dictionary file <name>." when it exists but is not a lexicon.
Result<std::vector<std::string>> readUserLexicon(const std::filesystem::path &file);

// Replaces the file by a new lexicon of kind SsceIncludeLexicon or SsceExcludeLexicon holding
// words in order (duplicates kept; an empty list leaves an empty lexicon).  Fails with
// "Disk Error", "Could not write the dictionary file <name>." when it cannot be written.
Status writeUserLexicon(const std::filesystem::path &file, std::int16_t kind, std::int16_t languageId,
    const std::vector<std::string> &words);

// Adds one word to the include lexicon file, creating it for languageId when it does not exist
// (the suggestions window's Add).  Fails as writeUserLexicon.
Status addToIncludeLexicon(const std::filesystem::path &file, std::int16_t languageId, std::string_view word);

} // namespace gw::spell
