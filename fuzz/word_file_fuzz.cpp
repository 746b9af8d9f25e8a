// Word files come from anywhere: every byte sequence must split into rows within capacity.
#include "model/PuzzleRecord.h"
#include "model/WordText.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto rows = gw::model::wordFileRows(std::string_view(reinterpret_cast<const char *>(data), size));
    std::vector<gw::model::WordRow> editorRows;
    for (const auto &row : rows)
        editorRows.push_back({ row.word, row.clue });
    auto record = std::make_unique<gw::model::PuzzleRecord>();
    gw::model::fillFromWordList(*record, editorRows);
    return 0;
}
