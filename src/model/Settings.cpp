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

template <typename Fallback>
std::string textOf(const SettingsKey &key, std::optional<std::string_view> stored, const Fallback &fallback)
{
    if (key.wholeOnly)
        return stored && stored->size() <= key.readLength ? std::string(*stored) : fallback();
    std::string value = stored ? std::string(*stored) : fallback();
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
        const std::optional<std::string_view> stored = ini.value(key.section, key.key);
        // The default may look at the disk: only asked for when the file does not decide.
        const auto fallback = [&] { return defaultOf(key, directory, collections); };
        // The stored value, or the default, given to read.
        const auto fromRaw = [&](const auto &read) { return stored ? read(*stored) : read(fallback()); };
        std::visit(
            Overloaded {
                [&](std::string *field) { *field = textOf(key, stored, fallback); },
                [&](bool *field) {
                    *field = fromRaw([](std::string_view raw) { return equalsIgnoringCase(raw, "YES"); });
                },
                // parseLeadingNumber saturates within the range of int.
                [&](int *field) { *field = static_cast<int>(fromRaw(parseLeadingNumber)); },
                [&](char *field) {
                    *field = fromRaw(
                        [&](std::string_view raw) { return raw.empty() ? key.fallback : raw.front(); });
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
