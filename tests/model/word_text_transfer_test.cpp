#include "model/WordTextTransfer.h"
#include "platform/RecordFile.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace gw::model {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

std::vector<TableRow> emptyTable()
{
    return std::vector<TableRow>(TableRows);
}

// A table whose first `count` rows hold WORDn with CLUEn.
std::vector<TableRow> tableWithWords(int count)
{
    std::vector<TableRow> rows = emptyTable();
    for (int i = 0; i < count; ++i)
        rows[i] = { "WORD" + std::to_string(i + 1), "CLUE" + std::to_string(i + 1), false };
    return rows;
}

fs::path scratch(const std::string &name)
{
    return fs::temp_directory_path() / ("gw_wordtext_" + std::to_string(::getpid()) + "_" + name);
}

// Blank lines and lines of blanks are left out, the rest trimmed and sorted as the list shows
// them, each at most 255 characters.
TEST(WordTextTransfer, ImportListIsTrimmedSortedAndCut)
{
    const Lines lines
        = importListLines("  zebra : striped\r\n\r\n     \nApple\nbanana\n" + std::string(300, 'Q'));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Apple");
    EXPECT_EQ(lines[1], "banana");
    EXPECT_EQ(lines[2], std::string(255, 'Q'));
    EXPECT_EQ(lines[3], "zebra : striped");
}

// UTF-8 text is converted to the records' Windows-1252; what has no form there becomes '?'.
// A file that is not UTF-8 is taken as Windows-1252 already.
TEST(WordTextTransfer, ImportConvertsUtf8AndKeepsWindows1252)
{
    EXPECT_EQ(importListLines("caf\xc3\xa9\n\xe2\x82\xac uro\n\xe6\x97\xa5 sun\n"),
        (Lines { "? sun", "caf\xe9", "\x80 uro" }));
    EXPECT_EQ(importListLines("na\xefve\n"), Lines { "na\xefve" });
    // Hostile bytes: NULs, lone carriage returns, a truncated sequence.
    const Lines hostile = importListLines(std::string("\0\0a\r\rb\n\xc3", 8));
    ASSERT_EQ(hostile.size(), 2u);
    EXPECT_EQ(hostile[1], "\xc3");
}

// With 198 words and 5 lines selected, the warning names 3 words and only 2 lines are added.
TEST(WordTextTransfer, TwoHundredRowLimitAndItsWarning)
{
    EXPECT_EQ(tooManyWordsQuestion(TextMode::Words, 198, 5),
        "Too many words selected.  Last 3 words will not be used.  Continue?");
    EXPECT_EQ(tooManyWordsQuestion(TextMode::WordsAndClues, 198, 3),
        "Too many words selected.  Last word will not be used.  Continue?");
    EXPECT_EQ(tooManyWordsQuestion(TextMode::Words, 198, 2), std::nullopt);
    EXPECT_EQ(tooManyWordsQuestion(TextMode::Clues, 198, 50), std::nullopt);

    std::vector<TableRow> rows = tableWithWords(198);
    const Lines selected { "ant", "bee", "cat", "dog", "eel" };
    EXPECT_EQ(fillTableRows(rows, selected, TextMode::Words, ':'), (std::vector<int> { 198, 199 }));
    EXPECT_EQ(rows[198].word, "ant");
    EXPECT_EQ(rows[199].word, "bee");
    EXPECT_EQ(wordsInTable(rows), 200);
}

// Each mode fills the first row that fits it; row 200 is filled like any other.
TEST(WordTextTransfer, ModesFillTheFirstFittingRow)
{
    std::vector<TableRow> rows = emptyTable();
    rows[0] = { "SUN", "", false };
    rows[1] = { "", "orphan clue", false };
    rows[2] = { "  ", "", false };
    rows[3] = { "MOON", "has one", false };
    rows[4] = { "STAR", "", false };

    EXPECT_EQ(
        fillTableRows(rows, Lines { "first", "second" }, TextMode::Words, ':'), (std::vector<int> { 1, 2 }));
    EXPECT_EQ(rows[1].word, "first");
    EXPECT_EQ(rows[1].clue, "orphan clue");
    EXPECT_EQ(rows[2].word, "second");

    // Clues go only to rows with a word and no clue; lines beyond the last such row are skipped.
    EXPECT_EQ(fillTableRows(rows, Lines { "a", "b", "c", "d", "e", "f" }, TextMode::Clues, ':'),
        (std::vector<int> { 0, 2, 4 }));
    EXPECT_EQ(rows[0].clue, "a");
    EXPECT_EQ(rows[1].clue, "orphan clue");
    EXPECT_EQ(rows[3].clue, "has one");
    EXPECT_EQ(rows[4].clue, "c");

    // Pairs split at the first separator; no separator means no clue.
    EXPECT_EQ(
        fillTableRows(rows, Lines { "sun: star of the day: ours", "lonely" }, TextMode::WordsAndClues, ':'),
        (std::vector<int> { 5, 6 }));
    EXPECT_EQ(rows[5].word, "sun");
    EXPECT_EQ(rows[5].clue, "star of the day: ours");
    EXPECT_EQ(rows[6].word, "lonely");
    EXPECT_EQ(rows[6].clue, "");

    std::vector<TableRow> full = tableWithWords(199);
    EXPECT_EQ(fillTableRows(full, Lines { "LAST" }, TextMode::Words, ':'), std::vector<int> { 199 });
    EXPECT_EQ(full[199].word, "LAST");
    EXPECT_TRUE(fillTableRows(full, Lines { "MORE" }, TextMode::WordsAndClues, ':').empty());
}

// The export list of each mode, tagged with the U column, sorted; an empty separator writes ':'.
TEST(WordTextTransfer, ExportListsPerMode)
{
    std::vector<TableRow> rows = emptyTable();
    rows[0] = { " zebra ", " striped horse ", true };
    rows[1] = { "", "clue without word", false };
    rows[2] = { "Ant", "", false };
    rows[199] = { "LAST", "row two hundred", true };

    const auto words = exportListLines(rows, TextMode::Words, ':');
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].text, "Ant");
    EXPECT_EQ(words[1].text, "LAST");
    EXPECT_TRUE(words[1].used);
    EXPECT_EQ(words[2].text, "zebra");
    EXPECT_TRUE(words[2].used);

    const auto clues = exportListLines(rows, TextMode::Clues, ':');
    ASSERT_EQ(clues.size(), 3u);
    EXPECT_EQ(clues[0].text, "clue without word");

    const auto pairs = exportListLines(rows, TextMode::WordsAndClues, 0);
    ASSERT_EQ(pairs.size(), 4u);
    EXPECT_EQ(pairs[0].text, std::string(31, ' ') + ": clue without word");
    EXPECT_EQ(pairs[1].text, "Ant" + std::string(28, ' ') + ": ");
    EXPECT_EQ(pairs[3].text, "zebra" + std::string(26, ' ') + ": striped horse");
}

// Exporting in mode 3 and importing the file again in mode 3 restores the same words and clues.
TEST(WordTextTransfer, ModeThreeRoundTrip)
{
    std::vector<TableRow> rows = emptyTable();
    rows[0] = { "ICE CREAM", "cold; sweet", true };
    rows[1] = { "CAF\xc9", "coffee house", false };
    rows[2] = { "ZEBRA", "", false };
    rows[3] = { std::string(40, 'L'), "a very long word", false };
    Lines written;
    for (const ExportLine &line : exportListLines(rows, TextMode::WordsAndClues, ';'))
        written.push_back(line.text);
    const fs::path file = scratch("roundtrip.txt");
    ASSERT_TRUE(writeWordFile(file, written));
    const std::string bytes = readFileBytes(file, 1 << 20).value();
    EXPECT_NE(bytes.find("CAF\xc9"), std::string::npos);
    EXPECT_NE(bytes.find(" coffee house\r\n"), std::string::npos);

    const auto read = readImportFile(file);
    fs::remove(file);
    ASSERT_TRUE(read);
    std::vector<TableRow> back = emptyTable();
    ASSERT_EQ(fillTableRows(back, *read, TextMode::WordsAndClues, ';').size(), 4u);
    std::vector<std::pair<std::string, std::string>> before, after;
    for (int i = 0; i < 4; ++i) {
        before.emplace_back(rows[i].word, rows[i].clue);
        after.emplace_back(back[i].word, back[i].clue);
    }
    std::ranges::sort(before);
    std::ranges::sort(after);
    EXPECT_EQ(after, before);
}

// A folder is no word file; the windows show the message.
TEST(WordTextTransfer, FolderCannotBeRead)
{
    EXPECT_EQ(readImportFile(fs::temp_directory_path()).error(),
        (Failure { "Error", "Unable to open import file." }));
}

} // namespace
} // namespace gw::model
