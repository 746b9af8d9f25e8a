#include "model/WordTextTransfer.h"

#include "model/CollectionLine.h"
#include "model/WordText.h"
#include "platform/RecordFile.h"
#include "platform/Text.h"
#include "platform/Windows1252.h"

#include <algorithm>

namespace gw::model {

namespace {

bool blank(std::string_view text)
{
    return trimmed(text).empty();
}

// The first row from the top that satisfies `fits`, or -1.
template <typename Fits> int firstRow(const std::vector<TableRow> &rows, Fits fits)
{
    const auto found = std::ranges::find_if(rows, fits);
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

} // namespace

TextMode textModeOf(int setting)
{
    if (setting == 2)
        return TextMode::Clues;
    if (setting == 3)
        return TextMode::WordsAndClues;
    return TextMode::Words;
}

std::vector<std::string> importListLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    for (const std::string &line : textLines(utf8ToWindows1252(bytes))) {
        if (const std::string_view kept = trimmed(line); !kept.empty())
            lines.emplace_back(kept);
    }
    std::ranges::stable_sort(lines, alphabeticallyBefore);
    return lines;
}

Result<std::vector<std::string>> readImportFile(const std::filesystem::path &file)
{
    const auto bytes = readFileBytes(file, ImportFileLimit + 1);
    if (!bytes)
        return Failure { "Error", "Unable to open import file." };
    if (bytes->size() > ImportFileLimit)
        return Failure { "Error", "Unable to open import file.  It is larger than 16 MB." };
    return importListLines(*bytes);
}

int wordsInTable(std::span<const TableRow> rows)
{
    return static_cast<int>(
        std::ranges::count_if(rows, [](const TableRow &row) { return !blank(row.word); }));
}

std::optional<std::string> tooManyWordsQuestion(TextMode mode, int wordsInTable, int selected)
{
    // Clues only go to rows that have a word already, so they never take a row of their own.
    if (mode == TextMode::Clues)
        return std::nullopt;
    const long long excess = static_cast<long long>(wordsInTable) + selected - TableRows;
    if (excess <= 0)
        return std::nullopt;
    return "Too many words selected.  Last "
        + (excess == 1 ? std::string("word") : std::to_string(excess) + " words")
        + " will not be used.  Continue?";
}

std::vector<int> fillTableRows(
    std::vector<TableRow> &rows, std::span<const std::string> selectedLines, TextMode mode, char separator)
{
    std::vector<int> changed;
    int words = wordsInTable(rows);
    for (const std::string &line : selectedLines) {
        if (mode != TextMode::Clues && words >= TableRows)
            break;
        int row = -1;
        switch (mode) {
        case TextMode::Words:
            row = firstRow(rows, [](const TableRow &r) { return blank(r.word); });
            if (row >= 0)
                rows[row].word = line;
            break;
        case TextMode::Clues:
            row = firstRow(rows, [](const TableRow &r) { return !blank(r.word) && blank(r.clue); });
            if (row >= 0)
                rows[row].clue = line;
            break;
        case TextMode::WordsAndClues:
            row = firstRow(rows, [](const TableRow &r) { return blank(r.word) && blank(r.clue); });
            if (row >= 0) {
                WordAndClue pair = splitPairLine(line, separator);
                rows[row].word = std::move(pair.word);
                rows[row].clue = std::move(pair.clue);
            }
            break;
        }
        if (row < 0)
            continue;
        changed.push_back(row);
        if (mode != TextMode::Clues && !blank(rows[row].word))
            ++words;
    }
    return changed;
}

std::vector<ExportLine> exportListLines(std::span<const TableRow> rows, TextMode mode, char separator)
{
    std::vector<ExportLine> lines;
    for (const TableRow &row : rows.first(std::min<std::size_t>(rows.size(), TableRows))) {
        switch (mode) {
        case TextMode::Words:
            if (!blank(row.word))
                lines.push_back({ std::string(trimmed(row.word)), row.used });
            break;
        case TextMode::Clues:
            if (!blank(row.clue))
                lines.push_back({ std::string(trimmed(row.clue)), row.used });
            break;
        case TextMode::WordsAndClues:
            if (!blank(row.word) || !blank(row.clue))
                lines.push_back({ pairLine(row.word, row.clue, separator != 0 ? separator : ':'), row.used });
            break;
        }
    }
    std::ranges::stable_sort(lines, alphabeticallyBefore, &ExportLine::text);
    return lines;
}

Status writeWordFile(const std::filesystem::path &file, std::span<const std::string> lines)
{
    std::string bytes;
    for (const std::string &line : lines)
        bytes.append(line).append("\r\n");
    if (!writeFileBytes(file, bytes))
        return Failure { "Error", "Unable to create export file." };
    return ok();
}

} // namespace gw::model
