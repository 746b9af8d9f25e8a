#include "spell/ProgramLexicons.h"

#include "platform/IniFile.h"
#include "platform/IsFile.h"
#include "spell/Dictionaries.h"
#include "spell/SystemLexicons.h"

#include <optional>
#include <system_error>

namespace gw::spell {

namespace {

namespace fs = std::filesystem;

std::optional<SystemDictionaries> systemDictionariesOf(const fs::path &directory)
{
    const fs::path named = directory / SystemLexiconsFileName;
    if (!isFile(named))
        return std::nullopt;
    const IniFile ini = IniFile::load(named);
    return SystemDictionaries { ini.value("Lexicons", "Hunspell").value_or(""),
        ini.value("Lexicons", "MyThes").value_or("") };
}

} // namespace

Result<LexiconFile> readProgramLexicon(const fs::path &file)
{
    if (!isFile(file)) {
        if (const auto system = systemDictionariesOf(file.parent_path()))
            if (auto made = systemLexicon(file.filename().string(), *system))
                return std::move(*made);
    }
    return readLexiconFile(file);
}

bool programLexiconPresent(const fs::path &file)
{
    if (isFile(file))
        return true;
    const auto system = systemDictionariesOf(file.parent_path());
    return system && systemLexiconPresent(file.filename().string(), *system);
}

std::array<bool, DictionaryLanguageCount> installedDictionaries(const std::filesystem::path &directory)
{
    std::array<bool, DictionaryLanguageCount> installed {};
    for (const DictionaryLanguage &language : dictionaryLanguages())
        installed[std::size_t(language.type - 1)]
            = programLexiconPresent(directory / language.compressedLexicon);
    return installed;
}

std::array<bool, ThesaurusCount> installedThesauri(const std::filesystem::path &directory)
{
    return { programLexiconPresent(directory / thesaurusFile(1)),
        programLexiconPresent(directory / thesaurusFile(2)) };
}

} // namespace gw::spell
