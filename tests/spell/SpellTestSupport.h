#pragma once

#include "spell/Dictionaries.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

// Shared by the spelling and thesaurus engine tests (ssce_test.cpp, thesaurus_engine_test.cpp).
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
