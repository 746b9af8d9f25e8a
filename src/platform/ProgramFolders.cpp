#include "platform/ProgramFolders.h"

#include "platform/IsFile.h"
#include "platform/ProgramPaths.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace gw {

namespace {

namespace fs = std::filesystem;

// $XDG_CONFIG_HOME or $XDG_DATA_HOME; a relative value is to be ignored, so is an empty one.
fs::path xdgFolder(const Environment &environment, const char *variable, const fs::path &fallbackUnderHome,
    const fs::path &startDirectory)
{
    if (const auto set = environment(variable); set && fs::path(*set).is_absolute())
        return fs::path(*set) / "gridwright";
    const auto home = environment("HOME");
    const fs::path base = home && !home->empty() ? fs::path(*home) : startDirectory;
    return base / fallbackUnderHome / "gridwright";
}

// Copies from into to, which appears whole or not at all; the copy is the user's to change.
void copyWhole(const fs::path &from, const fs::path &to)
{
    std::error_code error;
    const fs::path partial = to.string() + ".part" + std::to_string(::getpid());
    if (fs::copy_file(from, partial, fs::copy_options::overwrite_existing, error)) {
        fs::permissions(
            partial, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
        if (!error)
            fs::rename(partial, to, error);
    }
    if (error)
        fs::remove(partial, error);
}

} // namespace

std::optional<std::string> processEnvironment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

fs::path installedDataFolder(const fs::path &executableDirectory)
{
    return executableDirectory.parent_path() / "share" / "gridwright";
}

ProgramFolders programFolders(
    const fs::path &executableDirectory, const fs::path &startDirectory, const Environment &environment)
{
    const fs::path shared = installedDataFolder(executableDirectory);
    if (executableDirectory.filename() == "bin" && isFile(shared / "ZPFLAY.DAT")) {
        const fs::path user
            = xdgFolder(environment, "XDG_DATA_HOME", fs::path(".local") / "share", startDirectory);
        return { true, shared, user, xdgFolder(environment, "XDG_CONFIG_HOME", ".config", startDirectory),
            user };
    }
    return { false, executableDirectory, executableDirectory, startDirectory, startDirectory };
}

ProgramFolders runningProgramFolders()
{
    std::error_code error;
    return programFolders(programDirectory(), fs::current_path(error));
}

fs::path libraryToRead(const ProgramFolders &folders, std::string_view name)
{
    const fs::path own = folders.libraries / name;
    return folders.libraries == folders.data || isFile(own) ? own : folders.data / name;
}

fs::path libraryToChange(const ProgramFolders &folders, std::string_view name)
{
    const fs::path own = folders.libraries / name;
    const fs::path shipped = folders.data / name;
    if (folders.libraries == folders.data || isFile(own) || !isFile(shipped))
        return own;
    std::error_code error;
    fs::create_directories(folders.libraries, error);
    copyWhole(shipped, own);
    return own;
}

// Earlier builds kept the user lexicons beside the program, where cleaning the build removed
// them: they move to the user's folder, unless it has its own already.
void moveUserLexicons(const ProgramFolders &folders)
{
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(folders.data, error)) {
        const std::string name = entry.path().filename().string();
        const bool userLexicon
            = (name.starts_with("Inc") || name.starts_with("Exc")) && name.ends_with(".tlx");
        if (!userLexicon || !entry.is_regular_file(error) || fs::exists(folders.user / name, error))
            continue;
        copyWhole(entry.path(), folders.user / name);
        if (isFile(folders.user / name))
            fs::remove(entry.path(), error);
    }
}

void prepareUserFolders(const ProgramFolders &folders)
{
    if (!folders.installed) {
        if (folders.user != folders.data)
            moveUserLexicons(folders);
        return;
    }
    std::error_code error;
    fs::create_directories(folders.settings, error);
    fs::create_directories(folders.user, error);
    const fs::path sample = folders.user / "SAMPLE.ZP3";
    if (!isFile(folders.user / "DEFAULT.ZP3") && !isFile(sample))
        copyWhole(folders.data / "SAMPLE.ZP3", sample);
}

} // namespace gw
