#include "model/Settings.h"
#include "model/SettingsKeys.h"
#include "platform/RecordFile.h"
#include "support/ShellRun.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace gw::model {
namespace {

class SettingsTest : public test::ScratchFolderTest
{
protected:
    Settings load() const { return loadSettings(ini(), dir()); }
    Settings loadFrom(const std::string &text) const
    {
        EXPECT_TRUE(writeFileBytes(ini(), text));
        return load();
    }
    std::string fileBytes() const { return readFileBytes(ini(), 4 << 20).value_or("<missing>"); }

    std::filesystem::path ini() const { return dir() / "GRIDW3.INI"; }
};

// Each value form reads the odd values that hand-edited files hold as the old program did, and
// texts longer than the old buffers are cut, never carried into fixed-size fields.
TEST_F(SettingsTest, ValueFormsReadYesNoNumbersCharactersAndCutTexts)
{
    const Settings settings = loadFrom("[Misc]\nBackground Bitmap=yes\nShow Tips=1\nWindow Size=  0800xyz\n"
                                       "Last Import Word File="
        + std::string(200, 'w')
        + "\n"
          "[Create Options]\nLast Shape=abc\nImport Option=$1F\n"
          "Export Option=-2\nSep Char=\n");
    EXPECT_TRUE(settings.backgroundBitmap);
    EXPECT_FALSE(settings.showTips);
    EXPECT_EQ(settings.windowSize, 800);
    EXPECT_EQ(settings.lastShape, 0);
    EXPECT_EQ(settings.importOption, 31);
    EXPECT_EQ(settings.exportOption, -2);
    EXPECT_EQ(settings.sepChar, ':');
    EXPECT_EQ(settings.lastImportWordFile, std::string(149, 'w'));
    EXPECT_EQ(loadFrom("[Create Options]\nSep Char=;|\n").sepChar, ';');
}

// A cut path would make the program open or create a collection nobody chose.
TEST_F(SettingsTest, OverlongCollectionPathsReadAsTheirDefaults)
{
    const std::string group = "/" + std::string(148, 'g');
    const std::string recent = "/" + std::string(253, 'r');
    Settings settings = loadFrom("[Misc]\nLast Group=" + group + "\nLast File 1=" + recent + "\n");
    EXPECT_EQ(settings.lastGroup, group);
    EXPECT_EQ(settings.lastFiles[0], recent);
    settings = loadFrom("[Misc]\nLast Group=" + group + "x\nLast File 1=" + recent + "x\n");
    EXPECT_EQ(settings.lastGroup, (dir() / "DEFAULT.ZP3").string());
    EXPECT_EQ(settings.lastFiles[0], "");
}

// A new user must land in the sample collection, an existing user in their own; the first
// start writes no file.
TEST_F(SettingsTest, LastGroupDefaultPrefersSampleOnlyWhenDefaultIsMissing)
{
    const std::string defaultGroup = (dir() / "DEFAULT.ZP3").string();
    EXPECT_EQ(load().lastGroup, defaultGroup);
    EXPECT_FALSE(std::filesystem::exists(ini()));
    ASSERT_TRUE(writeFileBytes(dir() / "SAMPLE.ZP3", ""));
    const Settings sample = loadSettings(ini(), dir().string() + "/");
    EXPECT_EQ(sample.lastGroup, (dir() / "SAMPLE.ZP3").string());
    EXPECT_EQ(sample.lastExportWordFile, dir().string());
    ASSERT_TRUE(writeFileBytes(dir() / "DEFAULT.ZP3", ""));
    EXPECT_EQ(load().lastGroup, defaultGroup);
    EXPECT_EQ(loadFrom("[Misc]\nLast Group=/elsewhere/MINE.ZP3\n").lastGroup, "/elsewhere/MINE.ZP3");
}

// Every value the program can hold must come back unchanged after a restart (a key repeated or
// tied to another key's field or to a field of another form would lose one).
TEST_F(SettingsTest, EveryKeyRoundTripsThroughTheFile)
{
    Settings settings = load();
    int i = 0;
    for (const SettingsKey &key : settingsKeys()) {
        ++i;
        std::visit(
            [&](auto *field) {
                using Field = std::remove_pointer_t<decltype(field)>;
                if constexpr (std::is_same_v<Field, std::string>)
                    *field = ("\"" + std::to_string(i) + " \" = ;x").substr(0, key.readLength);
                else if constexpr (std::is_same_v<Field, bool>)
                    *field = !*field;
                else if constexpr (std::is_same_v<Field, int>)
                    *field = i * 7919 - 100000;
                else
                    *field = i % 2 ? '\t' : static_cast<char>('!' + i);
            },
            key.field(settings));
    }
    ASSERT_TRUE(saveSettings(settings, ini()));
    EXPECT_EQ(load(), settings);
    // The written forms are the old program's.
    ASSERT_TRUE(saveSettings(loadSettings(dir() / "NONE.INI", dir()), ini()));
    EXPECT_NE(fileBytes().find("\nBackground Bitmap=Yes\nDictionary=1\n"), std::string::npos);
    EXPECT_NE(fileBytes().find("\nSep Char=:\n"), std::string::npos);
    // Failing to save at exit must be visible to the caller.
    EXPECT_EQ(saveSettings(settings, ini() / "GRIDW3.INI").error().caption, "Disk Error");
}

// Other programs and the user may keep their own lines in the file; only values change.
TEST_F(SettingsTest, SavingKeepsUnknownLinesInPlaceByteForByte)
{
    ASSERT_TRUE(saveSettings(load(), ini()));
    std::string original = "; kept comment\n" + fileBytes() + "\n[Trailer]\nlast line without end";
    original.replace(original.find("[Misc]\n"), 7, "[Misc]\nMy Own Key = keep me \n");
    original.replace(original.find("[HTML]\n"), 7, "[Plugins]\nx=1\n\n[HTML]\n");
    ASSERT_TRUE(writeFileBytes(ini(), original));

    Settings settings = load();
    settings.attempts = 7;
    ASSERT_TRUE(saveSettings(settings, ini()));
    original.replace(original.find("Attempts=1\n"), 11, "Attempts=7\n");
    EXPECT_EQ(fileBytes(), original);
}

} // namespace
} // namespace gw::model
