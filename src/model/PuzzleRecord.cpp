#include "model/PuzzleRecord.h"

#include "platform/Text.h"

#include <algorithm>
#include <cstring>

namespace gw::model {

int letterCountOf(std::string_view word)
{
    return static_cast<int>(std::count_if(word.begin(), word.end(), [](char c) { return c != ' '; }));
}

void resetToNew(PuzzleRecord &record, const layout::LayoutRecord &pageLayout)
{
    record.category.clear();
    record.title.clear();
    record.bonusQuestion.clear();
    for (int i = 0; i < MaxWords; ++i) {
        record.words[i].clear();
        record.clues[i].clear();
        record.placed[i] = 0;
    }
    record.wordCount = 0;
    record.width = 15;
    record.height = 15;
    record.generated = 0;
    record.layout = pageLayout;
}

void makeCopy(PuzzleRecord &record)
{
    record.title.assign(copyName(record.title.view(), TitleCapacity));
    std::memset(record.placed, 0, sizeof record.placed);
}

void stampForSaving(PuzzleRecord &record, const std::uint8_t (&placedFlags)[MaxWords])
{
    record.version.assign(CurrentVersion);
    record.generated = 1;
    std::memset(record.placed, 0, sizeof record.placed);
    std::copy_n(placedFlags, record.safeWordCount(), record.placed);
}

void takeShapeGeometry(PuzzleRecord &record, const shapes::ShapeRecord &shape)
{
    record.width = shape.width;
    record.height = shape.height;
}

void setEntry(PuzzleRecord &record, int entry, std::string_view word, std::string_view clue)
{
    record.words[entry - 1].assign(storedText(word, WordCapacity));
    record.clues[entry - 1].assign(storedText(clue, ClueCapacity));
}

void clearWordsFrom(PuzzleRecord &record, int firstEntry)
{
    for (int i = std::max(firstEntry, 1); i <= MaxWords; ++i) {
        record.words[i - 1].clear();
        record.clues[i - 1].clear();
    }
}

void fillFromWordList(PuzzleRecord &record, std::span<const WordRow> rows)
{
    int count = 0;
    for (const WordRow &row : rows.first(std::min<std::size_t>(rows.size(), MaxWords))) {
        if (!trimmed(row.word).empty())
            setEntry(record, ++count, row.word, row.clue);
    }
    record.wordCount = static_cast<std::int16_t>(count);
    clearWordsFrom(record, count + 1);
}

} // namespace gw::model
