// Word files come from anywhere: every byte sequence must split into rows within capacity,
// and the editor's text import must fill its 200 rows from it in every mode and export them.
#include "model/PuzzleRecord.h"
#include "model/WordText.h"
#include "model/WordTextTransfer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto rows = gw::model::wordFileRows(bytes);
    std::vector<gw::model::WordRow> editorRows;
    for (const auto &row : rows)
        editorRows.push_back({ row.word, row.clue });
    auto record = std::make_unique<gw::model::PuzzleRecord>();
    gw::model::fillFromWordList(*record, editorRows);

    const std::vector<std::string> lines = gw::model::importListLines(bytes);
    const char separator = size > 0 ? static_cast<char>(data[0]) : ':';
    std::vector<gw::model::TableRow> table(gw::model::TableRows);
    for (const auto mode : { gw::model::TextMode::Clues, gw::model::TextMode::WordsAndClues,
             gw::model::TextMode::Words, gw::model::TextMode::Clues }) {
        (void)gw::model::tooManyWordsQuestion(
            mode, gw::model::wordsInTable(table), static_cast<int>(lines.size()));
        (void)gw::model::fillTableRows(table, lines, mode, separator);
        (void)gw::model::exportListLines(table, mode, separator);
    }
    return 0;
}
