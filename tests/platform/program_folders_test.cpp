#include "platform/ProgramFolders.h"
#include "platform/RecordFile.h"
#include "support/ShellRun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;
using gw::ProgramFolders;

class ProgramFoldersTest : public gw::test::ScratchFolderTest
{
protected:
    // An installation under dir()/usr: the programs in bin, the data in share/gridwright.
    fs::path install()
    {
        const fs::path data = dir() / "usr" / "share" / "gridwright";
        fs::create_directories(data);
        fs::create_directories(dir() / "usr" / "bin");
        std::ofstream(data / "ZPFLAY.DAT") << "shipped shapes";
        std::ofstream(data / "SAMPLE.ZP3") << "sample puzzles";
        return dir() / "usr" / "bin";
    }
    gw::Environment environment(std::map<std::string, std::string> variables)
    {
        return [variables](const char *name) -> std::optional<std::string> {
            const auto found = variables.find(name);
            return found == variables.end() ? std::nullopt : std::optional<std::string>(found->second);
        };
    }
    std::string text(const fs::path &file) { return gw::readFileBytes(file, 1000).value_or(""); }
};

// Run from the build tree: data beside the program, and everything the user makes in the start
// directory, never in the build tree that `make clean` removes.  Earlier builds wrote the user
// lexicons into build/bin: they move out, a newer one in the start directory wins.
TEST_F(ProgramFoldersTest, UserLexiconsLeaveTheBuildTree)
{
    const fs::path bin = dir() / "build" / "bin";
    fs::create_directories(bin);
    fs::create_directories(dir() / "run");
    std::ofstream(bin / "IncEngl.tlx") << "old words";
    std::ofstream(bin / "ExcFrnch.tlx") << "old French";
    std::ofstream(dir() / "run" / "ExcFrnch.tlx") << "newer French";
    std::ofstream(bin / "ssceam.tlx") << "main lexicon";
    const ProgramFolders folders
        = gw::programFolders(bin, dir() / "run", environment({ { "HOME", "/home/t" } }));
    EXPECT_FALSE(folders.installed);
    EXPECT_EQ(folders.data, bin);
    EXPECT_EQ(folders.settingsFile(), dir() / "run" / "GRIDW3.INI");
    EXPECT_EQ(folders.user, dir() / "run");
    gw::prepareUserFolders(folders);
    EXPECT_EQ(text(dir() / "run" / "IncEngl.tlx"), "old words");
    EXPECT_FALSE(fs::exists(bin / "IncEngl.tlx"));
    EXPECT_EQ(text(dir() / "run" / "ExcFrnch.tlx"), "newer French");
    EXPECT_TRUE(fs::exists(bin / "ssceam.tlx"));
}

TEST_F(ProgramFoldersTest, InstalledHonoursTheXdgFolders)
{
    const fs::path bin = install();
    const ProgramFolders set = gw::programFolders(bin, "/somewhere",
        environment({ { "HOME", "/home/t" }, { "XDG_CONFIG_HOME", "/c" }, { "XDG_DATA_HOME", "/d" } }));
    EXPECT_TRUE(set.installed);
    EXPECT_EQ(set.data, dir() / "usr" / "share" / "gridwright");
    EXPECT_EQ(set.settingsFile(), fs::path("/c/gridwright/GRIDW3.INI"));
    EXPECT_EQ(set.libraries, fs::path("/d/gridwright"));

    // A relative value falls back to the folder under the home folder.
    const ProgramFolders unset = gw::programFolders(
        bin, "/somewhere", environment({ { "HOME", "/home/t" }, { "XDG_DATA_HOME", "rel" } }));
    EXPECT_EQ(unset.user, fs::path("/home/t/.local/share/gridwright"));
}

// The shipped library is copied at its first change, which later changes work on; the sample
// puzzles are copied at the first start, and never join the user's own collection later.
TEST_F(ProgramFoldersTest, InstalledCopiesTheShippedFilesOnce)
{
    const ProgramFolders folders = gw::programFolders(install(), dir(), environment({ { "HOME", dir() } }));
    EXPECT_EQ(gw::libraryToRead(folders, "ZPFLAY.DAT"), folders.data / "ZPFLAY.DAT");
    const fs::path changed = gw::libraryToChange(folders, "ZPFLAY.DAT");
    EXPECT_EQ(changed, folders.user / "ZPFLAY.DAT");
    EXPECT_EQ(text(changed), "shipped shapes");
    std::ofstream(changed) << "the user's shapes";
    EXPECT_EQ(gw::libraryToRead(folders, "ZPFLAY.DAT"), changed);

    gw::prepareUserFolders(folders);
    EXPECT_EQ(text(folders.user / "SAMPLE.ZP3"), "sample puzzles");
    fs::remove(folders.user / "SAMPLE.ZP3");
    std::ofstream(folders.user / "DEFAULT.ZP3") << "mine";
    gw::prepareUserFolders(folders);
    EXPECT_FALSE(fs::exists(folders.user / "SAMPLE.ZP3"));
}

} // namespace
