#include "model/WordTextTransfer.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
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

// Blank lines and lines of blanks are left out, the rest trimmed and sorted as the list shows
// them, each at most 255 characters.  UTF-8 text is converted to the records' Windows-1252,
// what has no form there becoming '?'; a file that is not UTF-8 is taken as Windows-1252 already,
// and a folder is no word file.
TEST(WordTextTransfer, ImportListIsTrimmedSortedCutAndConverted)
{
    EXPECT_EQ(importListLines("  zebra : striped\r\n\r\n     \nApple\nbanana\n" + std::string(300, 'Q')),
        (Lines { "Apple", "banana", std::string(255, 'Q'), "zebra : striped" }));
    EXPECT_EQ(importListLines("caf\xc3\xa9\n\xe2\x82\xac uro\n\xe6\x97\xa5 sun\n"),
        (Lines { "? sun", "caf\xe9", "\x80 uro" }));
    EXPECT_EQ(importListLines("na\xefve\n"), Lines { "na\xefve" });
    // Hostile bytes: NULs, lone carriage returns, a truncated sequence.
    const Lines hostile = importListLines(std::string("\0\0a\r\rb\n\xc3", 8));
    ASSERT_EQ(hostile.size(), 2u);
    EXPECT_EQ(hostile[1], "\xc3");
    EXPECT_EQ(readImportFile(fs::temp_directory_path()).error(),
        (Failure { "Error", "Unable to open import file." }));
}

// With 198 words and 5 lines selected, the warning names 3 words (that only 2 are added is the
// full table's case below).
TEST(WordTextTransfer, TwoHundredRowLimitAndItsWarning)
{
    EXPECT_EQ(tooManyWordsQuestion(TextMode::Words, 198, 5),
        "Too many words selected.  Last 3 words will not be used.  Continue?");
    EXPECT_EQ(tooManyWordsQuestion(TextMode::WordsAndClues, 198, 3),
        "Too many words selected.  Last word will not be used.  Continue?");
    EXPECT_EQ(tooManyWordsQuestion(TextMode::Words, 198, 2), std::nullopt);
    EXPECT_EQ(tooManyWordsQuestion(TextMode::Clues, 198, 50), std::nullopt);
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
    EXPECT_EQ(rows[1].clue, "orphan clue");
    EXPECT_EQ(rows[2].word, "second");

    // Clues go only to rows with a word and no clue; lines beyond the last such row are skipped.
    EXPECT_EQ(fillTableRows(rows, Lines { "a", "b", "c", "d", "e", "f" }, TextMode::Clues, ':'),
        (std::vector<int> { 0, 2, 4 }));
    EXPECT_EQ(rows[3].clue, "has one");
    EXPECT_EQ(rows[4].clue, "c");

    // Pairs split at the first separator; no separator means no clue.
    EXPECT_EQ(
        fillTableRows(rows, Lines { "sun: star of the day: ours", "lonely" }, TextMode::WordsAndClues, ':'),
        (std::vector<int> { 5, 6 }));
    EXPECT_EQ(rows[5].word, "sun");
    EXPECT_EQ(rows[5].clue, "star of the day: ours");
    EXPECT_EQ(rows[6].clue, "");

    std::vector<TableRow> full = tableWithWords(199);
    EXPECT_EQ(fillTableRows(full, Lines { "LAST" }, TextMode::Words, ':'), std::vector<int> { 199 });
    EXPECT_TRUE(fillTableRows(full, Lines { "MORE" }, TextMode::WordsAndClues, ':').empty());
}

// The export list of each mode, tagged ('*' here) with the U column, sorted; an empty
// separator writes ':'.
TEST(WordTextTransfer, ExportListsPerMode)
{
    std::vector<TableRow> rows = emptyTable();
    rows[0] = { " zebra ", " striped horse ", true };
    rows[1] = { "", "clue without word", false };
    rows[2] = { "Ant", "", false };
    rows[199] = { "LAST", "row two hundred", true };
    const auto listed = [&](TextMode mode, char separator) {
        Lines texts;
        for (const ExportLine &line : exportListLines(rows, mode, separator))
            texts.push_back(line.text + (line.used ? "*" : ""));
        return texts;
    };
    EXPECT_EQ(listed(TextMode::Words, ':'), (Lines { "Ant", "LAST*", "zebra*" }));
    EXPECT_EQ(
        listed(TextMode::Clues, ':'), (Lines { "clue without word", "row two hundred*", "striped horse*" }));
    EXPECT_EQ(listed(TextMode::WordsAndClues, 0),
        (Lines { std::string(31, ' ') + ": clue without word", "Ant" + std::string(28, ' ') + ": ",
            "LAST" + std::string(27, ' ') + ": row two hundred*",
            "zebra" + std::string(26, ' ') + ": striped horse*" }));
}

} // namespace
} // namespace gw::model
