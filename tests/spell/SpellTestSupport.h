#pragma once

#include "spell/Dictionaries.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

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

// A fresh directory of its own for one test, removed when it goes.
class SpellScratch
{
public:
    explicit SpellScratch(const std::string &name)
        : m_path(
            std::filesystem::temp_directory_path() / ("gw_spell_" + std::to_string(::getpid()) + "_" + name))
    {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~SpellScratch()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    const std::filesystem::path &path() const { return m_path; }

    // Links the American main lexicons of the build into this directory.
    bool linkAmerican() const
    {
        const auto american = *spell::dictionaryLanguage(1);
        for (const std::string_view name : { american.mainLexicon, american.compressedLexicon }) {
            std::error_code error;
            std::filesystem::create_symlink(programDir() / name, m_path / name, error);
            if (error)
                return false;
        }
        return true;
    }

private:
    std::filesystem::path m_path;
};

} // namespace gw::test
