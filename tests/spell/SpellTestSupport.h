#pragma once

#include "spell/Dictionaries.h"
#include "support/ShellRun.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

// Shared by the spelling, lexicon and thesaurus engine tests.
namespace gw::test {

// The program directory of the build, where the lexicon and thesaurus files are made.
inline std::filesystem::path programDir()
{
    return GW_PROGRAM_DIR;
}

inline bool languageInstalled(int type)
{
    return spell::installedDictionaries(programDir())[std::size_t(type - 1)];
}

// Links the system's American Hunspell dictionary, and no other, into folder, as on a machine
// with only that package; false when the package is not installed.
inline bool onlyAmericanHunspell(const std::filesystem::path &folder)
{
    std::filesystem::create_directories(folder);
    for (const char *name : { "en_US.aff", "en_US.dic" }) {
        const std::filesystem::path installed = std::filesystem::path("/usr/share/hunspell") / name;
        std::error_code error;
        if (!std::filesystem::exists(installed, error))
            return false;
        std::filesystem::create_symlink(installed, folder / name, error);
        if (error)
            return false;
    }
    return true;
}

// Links the American main lexicons of the build into folder.
inline bool linkAmerican(const std::filesystem::path &folder)
{
    const auto american = *spell::dictionaryLanguage(1);
    for (const std::string_view name : { american.mainLexicon, american.compressedLexicon }) {
        std::error_code error;
        std::filesystem::create_symlink(programDir() / name, folder / name, error);
        if (error)
            return false;
    }
    return true;
}

} // namespace gw::test
