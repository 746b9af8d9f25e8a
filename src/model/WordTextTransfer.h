#pragma once

#include "platform/Failure.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace gw::model {

// Moving words and clues between the word list editor's 200 rows and plain text files, one
// entry a line.  Texts here are Windows-1252, as the records hold them.

// What the lines are: the settings "Import Option" and "Export Option" hold these numbers.
enum class TextMode { Words = 1, Clues = 2, WordsAndClues = 3 };

// The mode of a stored setting; a value other than 1, 2 or 3 reads as Words.
TextMode textModeOf(int setting);

// One row of the editor's table: its word and clue as typed, and whether the word stands in
// the saved grid (column U).
struct TableRow
{
    std::string word;
    std::string clue;
    bool used = false;
};

constexpr int TableRows = 200;
constexpr std::size_t ImportFileLimit = 16 << 20; // bytes

// The lines of a word file for the import list: each line (up to 255 characters) trimmed,
// empty ones left out, sorted alphabetically.  A file in UTF-8 is converted to Windows-1252,
// characters without a Windows-1252 form becoming '?'.
std::vector<std::string> importListLines(std::string_view bytes);

// The same, read from a file; "Unable to open import file." when it cannot be read.
Result<std::vector<std::string>> readImportFile(const std::filesystem::path &file);

// Rows whose trimmed word is not empty.
int wordsInTable(std::span<const TableRow> rows);

// The question asked before importing `selected` lines as words into a table holding
// `wordsInTable` words, when some would not fit in its 200 rows.
std::optional<std::string> tooManyWordsQuestion(TextMode mode, int wordsInTable, int selected);

// Puts the selected lines, in the order given, into the first rows that take them: a word into
// the first row without a word; a clue into the first row with a word and no clue; a pair line,
// split at the first separator, into the first row with neither.  Words and pairs stop once the
// table holds 200 words; a line no row takes is skipped.  Gives the rows changed, from 0.
std::vector<int> fillTableRows(
    std::vector<TableRow> &rows, std::span<const std::string> selectedLines, TextMode mode, char separator);

// One line of the export list: its text, and whether its row's word stands in the saved grid.
struct ExportLine
{
    std::string text;
    bool used = false;
};

// The export list for a mode, sorted alphabetically: the trimmed words, the trimmed clues, or
// the pair line of every row with a word or a clue.  An empty separator (0) writes ':'.
std::vector<ExportLine> exportListLines(std::span<const TableRow> rows, TextMode mode, char separator);

// A new text file of the lines, each ended by CR LF, replacing any file of that name; "Unable
// to create export file." when it cannot be written, and then no partial file is left.
Status writeWordFile(const std::filesystem::path &file, std::span<const std::string> lines);

} // namespace gw::model
