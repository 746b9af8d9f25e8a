#pragma once

#include "spell/LexiconFile.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace gw::test {

// Each word with its meaning lines, "(pos)|term|term (antonym)|...".
using ThesaurusEntries = std::map<std::string, std::vector<std::string>>;

// Writes a thesaurus file of the entries in the index and data form the thesaurus files carry;
// std::map gives the strcmp order the index is searched in.
inline bool writeThesaurusFile(const std::filesystem::path &file, const ThesaurusEntries &entries)
{
    std::string data = "UTF-8\n";
    std::string index = "UTF-8\n" + std::to_string(entries.size()) + "\n";
    for (const auto &[word, meanings] : entries) {
        index += word + "|" + std::to_string(data.size()) + "\n";
        data += word + "|" + std::to_string(meanings.size()) + "\n";
        for (const std::string &meaning : meanings)
            data += meaning + "\n";
    }
    return spell::writeLexiconFile(file, { spell::LexiconKindThesaurus, 0, "UTF-8", { index, data } })
        .hasValue();
}

// A small thesaurus: "bright" has three meanings with synonyms (two of them with an antonym)
// and one without any; "light" reaches the antonym "dark" from two meanings.
inline const ThesaurusEntries SmallThesaurus {
    { "bright",
        { "(adj)|smart|clever|dull (antonym)", "(adj)|shining|brilliant (similar term)|dark (antonym)",
            "(adj)|cheerful|sunny (related term)", "(noun)|" } },
    { "clever", { "(adj)|smart|bright|stupid (antonym)" } },
    { "dull", { "(adj)|boring|tedious|bright (antonym)", "(verb)|blunt|dampen" } },
    { "light",
        { "(adj)|pale|dark (antonym)", "(adj)|bright|luminous|dark (antonym)",
            "(noun)|lamp|bright (generic term)" } },
};

} // namespace gw::test
