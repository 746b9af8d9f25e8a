#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace gw {

// Where the program finds what it brings and keeps what the user makes.  Two layouts:
//
// Run from its own folder (the build tree, `make run`): the bundled data and the libraries lie
// beside the executable, and the settings, the default collection and the user lexicons in
// the start directory, the current directory at start-up.
//
// Installed (a share/gridwright folder beside the executable's bin folder holds the data): the
// data is read-only; the settings go to $XDG_CONFIG_HOME/gridwright (~/.config/gridwright),
// the default collection, the user lexicons and the user's own copies of the libraries to
// $XDG_DATA_HOME/gridwright (~/.local/share/gridwright).
struct ProgramFolders
{
    bool installed = false;
    std::filesystem::path data; // libraries as shipped, help, manual, sample collection, lexicons
    std::filesystem::path libraries; // the libraries the user changes
    std::filesystem::path settings; // GRIDW3.INI
    std::filesystem::path user; // DEFAULT.ZP3, IncEngl.tlx, ExcEngl.tlx, ...

    std::filesystem::path settingsFile() const { return settings / "GRIDW3.INI"; }
};

// Reads an environment variable; nullopt when it is not set.
using Environment = std::function<std::optional<std::string>(const char *name)>;
std::optional<std::string> processEnvironment(const char *name);

// The data folder of an installation whose programs lie in executableDirectory.
std::filesystem::path installedDataFolder(const std::filesystem::path &executableDirectory);

// Installed when installedDataFolder holds the bundled shape library; otherwise run from its
// own folder.
ProgramFolders programFolders(const std::filesystem::path &executableDirectory,
    const std::filesystem::path &startDirectory, const Environment &environment = processEnvironment);

// The folders of the running program: its executable's directory and the current directory.
ProgramFolders runningProgramFolders();

// The library file of that name to read: the user's own copy once there is one, else the one
// shipped.
std::filesystem::path libraryToRead(const ProgramFolders &folders, std::string_view name);

// The library file of that name to change.  On the first change the shipped library is copied
// into the user's folder (created if need be); the copy appears whole or not at all.  A copy
// that cannot be made is left to the write that follows to report.
std::filesystem::path libraryToChange(const ProgramFolders &folders, std::string_view name);

// A first start of the installed program finds the sample puzzles: SAMPLE.ZP3 is copied into
// the user's folder when it holds neither DEFAULT.ZP3 nor SAMPLE.ZP3.  Creates the settings
// and user folders.  Run from its own folder, user lexicons an earlier build left beside the
// program move into the start directory.
void prepareUserFolders(const ProgramFolders &folders);

} // namespace gw
