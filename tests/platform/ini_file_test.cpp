#include "platform/IniFile.h"
#include "platform/RecordFile.h"
#include "support/ShellRun.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace gw {
namespace {

class IniFileTest : public test::ScratchFolderTest
{
protected:
    std::string fileBytes() const { return readFileBytes(file(), 4 << 20).value_or("<missing>"); }

    std::filesystem::path file() const { return dir() / "GRIDW3.INI"; }
};

// Hand-edited files differ in case, spacing and quoting; comments and repeats must not shadow.
TEST(IniFileRead, MatchesNamesWithoutCaseAndTakesTheFirstOccurrence)
{
    const IniFile ini("Key=before any section\r\n"
                      "[ misc ]\r\n"
                      "; Key=commented\r\n"
                      "  KEY\t=\t first \t\r\n"
                      "key=second\r\n"
                      "Quoted=\" both ends \"\r\n"
                      "Unmatched=\"x'\r\n"
                      "Equals=a=b\r\n"
                      "[MISC]\r\n"
                      "Other=in a repeated section\r\n");
    EXPECT_EQ(ini.value("Misc", "Key"), "first");
    EXPECT_EQ(ini.value("Misc", "quoted"), " both ends ");
    EXPECT_EQ(ini.value("Misc", "Unmatched"), "\"x'");
    EXPECT_EQ(ini.value("Misc", "Equals"), "a=b");
    EXPECT_EQ(ini.value("Misc", "Other"), std::nullopt);
    EXPECT_EQ(ini.value("Other", "Key"), std::nullopt);
}

// Lines the program does not own survive an edit byte for byte, in their own line-end style.
TEST(IniFileWrite, ReplacesInPlaceAndAddsKeysAfterTheLastNonBlankLineOfTheSection)
{
    IniFile ini("; settings\r\n[Misc]\r\nWindow Size = 800\r\nUnknown=kept\r\n\r\n[Foreign]\r\nx=1\r\n");
    ini.setValue("Misc", "WINDOW SIZE", "1024");
    ini.setValue("Misc", "Show Tips", "No");
    ini.setValue("Reports", "Zoom", "2");
    EXPECT_EQ(ini.text(),
        "; settings\r\n[Misc]\r\nWINDOW SIZE=1024\r\nUnknown=kept\r\nShow Tips=No\r\n\r\n"
        "[Foreign]\r\nx=1\r\n\r\n[Reports]\r\nZoom=2\r\n");

    IniFile fresh;
    fresh.setValue("Misc", "A", "1");
    fresh.setValue("HTML", "B", "2");
    EXPECT_EQ(fresh.text(), "[Misc]\nA=1\n\n[HTML]\nB=2\n");
}

// Setting what the file already says must not reformat the user's line or force a write.
TEST(IniFileWrite, LeavesALineAloneWhenItsValueIsUnchanged)
{
    const std::string text = "[Misc]\n  Attempts =\t5  \nName=\"quoted\"\n";
    IniFile ini(text);
    ini.setValue("Misc", "attempts", "5");
    ini.setValue("Misc", "Name", "quoted");
    EXPECT_FALSE(ini.modified());
    EXPECT_EQ(ini.text(), text);
}

// A value read back must equal the value set, and a line break must not inject keys.
TEST(IniFileWrite, QuotesValuesReadingWouldChangeAndFlattensLineBreaks)
{
    IniFile ini;
    for (const std::string value : { " lead", "\"q\"", "", "plain" }) {
        ini.setValue("Misc", "Key", value);
        EXPECT_EQ(IniFile(ini.text()).value("Misc", "Key"), value) << value;
    }
    ini.setValue("HTML", "First Header", "one\r\ntwo\rthree\n[Misc]\nAttempts=999");
    const IniFile reread(ini.text());
    EXPECT_EQ(reread.value("HTML", "First Header"), "one two three [Misc] Attempts=999");
    EXPECT_EQ(reread.value("Misc", "Attempts"), std::nullopt);
}

// An oversized or unreadable file is read as far as it can be and is never replaced.
TEST_F(IniFileTest, IncompleteReadsRefuseToSave)
{
    std::string bytes = "[Misc]\nA=1\n";
    bytes += std::string(IniFile::ReadLimit - bytes.size() - 4, ';') + "\nB=12345\n";
    ASSERT_TRUE(writeFileBytes(file(), bytes));
    IniFile ini = IniFile::load(file());
    EXPECT_EQ(ini.value("Misc", "A"), "1");
    EXPECT_EQ(ini.value("Misc", "B"), std::nullopt);
    ini.setValue("Misc", "A", "2");
    const Status saved = ini.save(file());
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().caption, "Disk Error");
    EXPECT_EQ(fileBytes(), bytes);

    std::filesystem::remove(file());
    std::filesystem::create_directories(file() / "inside");
    IniFile directory = IniFile::load(file());
    directory.setValue("Misc", "A", "1");
    EXPECT_FALSE(directory.save(file()));
    EXPECT_TRUE(std::filesystem::exists(file() / "inside"));
}

// Replacing the file must not widen its permissions or turn a link into a copy.
TEST_F(IniFileTest, SaveKeepsPermissionsAndWritesThroughASymbolicLink)
{
    const std::filesystem::path real = dir() / "real.ini";
    ASSERT_TRUE(writeFileBytes(real, "[Misc]\nA=1\n"));
    ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
    std::filesystem::create_symlink("real.ini", file());
    IniFile ini = IniFile::load(file());
    ini.setValue("Misc", "A", "2");
    ASSERT_TRUE(ini.save(file()));
    EXPECT_TRUE(std::filesystem::is_symlink(file()));
    EXPECT_EQ(readFileBytes(real, 100), "[Misc]\nA=2\n");
    struct stat info
    {
    };
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

} // namespace
} // namespace gw
