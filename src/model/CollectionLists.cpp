#include "model/CollectionLists.h"

#include "model/CollectionFile.h"
#include "model/PuzzleRecord.h"
#include "platform/RecordFile.h"

#include <cstdint>
#include <memory>

namespace gw::model {

CollectionLists CollectionLists::load(const std::filesystem::path &collection)
{
    CollectionLists lists;
    const auto file = RecordFile::openForReading(collection, sizeof(PuzzleRecord));
    if (!file)
        return lists;
    const auto record = std::make_unique<PuzzleRecord>();
    const std::int64_t count = file->recordCount();
    for (std::int64_t n = 0; n < count && file->read(n, record.get()); ++n) {
        // The length bytes are untrusted; the views are cut to the field capacities.
        if (!lists.add(record->category.view(), record->title.view(), fingerprintOf(*record)))
            break;
    }
    return lists;
}

bool CollectionLists::add(std::string_view category, std::string_view title, RecordFingerprint fingerprint)
{
    // Each puzzle brings at most one new category, so the category indexes stay below the
    // same limit as the record numbers.
    if (m_puzzles.size() >= static_cast<std::size_t>(MaxCollectionPuzzles))
        return false;
    const auto [found, inserted]
        = m_categoryIndexes.try_emplace(std::string(category), static_cast<int>(m_categories.size()));
    if (inserted)
        m_categories.emplace_back(category);
    m_puzzles.push_back(
        { std::string(title), static_cast<int>(m_puzzles.size()), found->second, fingerprint });
    return true;
}

std::vector<CollectionLine> CollectionLists::categoryLines() const
{
    std::vector<CollectionLine> lines;
    lines.reserve(m_categories.size());
    for (std::size_t i = 0; i < m_categories.size(); ++i)
        lines.push_back({ m_categories[i], static_cast<int>(i) });
    sortAlphabetically(lines);
    return lines;
}

std::vector<CollectionLine> CollectionLists::puzzleLines(int categoryIndex) const
{
    std::vector<CollectionLine> lines;
    for (const CollectionPuzzle &puzzle : m_puzzles) {
        if (puzzle.categoryIndex == categoryIndex)
            lines.push_back({ puzzle.title, puzzle.recordNumber });
    }
    sortAlphabetically(lines);
    return lines;
}

} // namespace gw::model
