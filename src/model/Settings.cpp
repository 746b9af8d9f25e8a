#include "model/Settings.h"

#include "model/SettingsKeys.h"
#include "platform/IniFile.h"
#include "platform/Text.h"

#include <optional>
#include <system_error>
#include <utility>
#include <variant>

namespace gw::model {

namespace {

template <typename... Handlers> struct Overloaded : Handlers...
{
    using Handlers::operator()...;
};
template <typename... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

std::filesystem::path withoutTrailingSeparator(std::filesystem::path directory)
{
    while (!directory.has_filename() && directory.has_relative_path())
        directory = directory.parent_path();
    return directory;
}

std::string lastGroupDefault(const std::filesystem::path &directory)
{
    std::error_code error;
    const bool onlySample = std::filesystem::exists(directory / "SAMPLE.ZP3", error)
        && !std::filesystem::exists(directory / "DEFAULT.ZP3", error);
    return (directory / (onlySample ? "SAMPLE.ZP3" : "DEFAULT.ZP3")).string();
}

std::string defaultOf(
    const SettingsKey &key, const std::filesystem::path &directory, const std::filesystem::path &collections)
{
    switch (key.defaultRule) {
    case SettingsDefault::StartDirectory:
        return directory.string();
    case SettingsDefault::LastGroup:
        return lastGroupDefault(collections);
    case SettingsDefault::Given:
        break;
    }
    return key.defaultValue;
}

std::string textOf(const SettingsKey &key, const std::optional<std::string> &stored, std::string fallback)
{
    if (key.wholeOnly)
        return stored && stored->size() <= key.readLength ? *stored : fallback;
    std::string value = stored.value_or(std::move(fallback));
    if (value.size() > key.readLength)
        value.resize(key.readLength);
    return value;
}

} // namespace

Settings readSettings(const IniFile &ini, const std::filesystem::path &startDirectory)
{
    return readSettings(ini, startDirectory, startDirectory);
}

Settings readSettings(const IniFile &ini, const std::filesystem::path &startDirectory,
    const std::filesystem::path &collectionDirectory)
{
    const std::filesystem::path directory = withoutTrailingSeparator(startDirectory);
    const std::filesystem::path collections = withoutTrailingSeparator(collectionDirectory);
    Settings settings;
    for (const SettingsKey &key : settingsKeys()) {
        const std::optional<std::string> stored = ini.value(key.section, key.key);
        std::string fallback = defaultOf(key, directory, collections);
        const auto raw = [&] { return stored.value_or(fallback); };
        std::visit(Overloaded {
                       [&](std::string *field) { *field = textOf(key, stored, std::move(fallback)); },
                       [&](bool *field) { *field = upperCased(raw()) == "YES"; },
                       // parseLeadingNumber saturates within the range of int.
                       [&](int *field) { *field = static_cast<int>(parseLeadingNumber(raw())); },
                       [&](char *field) {
                           const std::string value = raw();
                           *field = value.empty() ? key.fallback : value.front();
                       },
                   },
            key.field(settings));
    }
    return settings;
}

void writeSettings(const Settings &settings, IniFile &ini)
{
    // The key table reaches the fields through a writable record; this copy is only read.
    Settings values = settings;
    for (const SettingsKey &key : settingsKeys()) {
        const std::string written
            = std::visit(Overloaded {
                             [&](const std::string *field) { return field->substr(0, key.capacity); },
                             [](const bool *field) { return std::string(*field ? "Yes" : "No"); },
                             [](const int *field) { return std::to_string(*field); },
                             [](const char *field) { return std::string(1, *field); },
                         },
                key.field(values));
        ini.setValue(key.section, key.key, written);
    }
}

Settings loadSettings(const std::filesystem::path &iniFile, const std::filesystem::path &startDirectory)
{
    return readSettings(IniFile::load(iniFile), startDirectory);
}

Settings loadSettings(const std::filesystem::path &iniFile, const std::filesystem::path &startDirectory,
    const std::filesystem::path &collectionDirectory)
{
    return readSettings(IniFile::load(iniFile), startDirectory, collectionDirectory);
}

Status saveSettings(const Settings &settings, const std::filesystem::path &iniFile)
{
    IniFile ini = IniFile::load(iniFile);
    writeSettings(settings, ini);
    if (!ini.modified())
        return ok();
    return ini.save(iniFile);
}

} // namespace gw::model
