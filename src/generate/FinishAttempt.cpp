#include "generate/FinishAttempt.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace gw::generate {

namespace {

constexpr int Side = shapes::GridSide;

// A placed word on its way to its entry.
struct Placed
{
    int position;
    int startCell;
    bool across;
    int clueNumber;
};

// Orders the placed words: by start cell, numbered in that order (a word across and one down
// from the same square share the number), then across words before down words, each group by
// clue number.  Returns the number of across words.
int orderForClues(Placed *placed, int count)
{
    std::stable_sort(
        placed, placed + count, [](const Placed &a, const Placed &b) { return a.startCell < b.startCell; });
    int number = 0;
    for (int i = 0; i < count; ++i) {
        if (i == 0 || placed[i].startCell != placed[i - 1].startCell)
            ++number;
        placed[i].clueNumber = number;
    }
    // This exchange sort moves a down word one place on past whatever follows it, another down
    // word included, so it is not a stable partition: down words that share a clue number (the same word
    // twice on the same squares) come out in its own order, which the stable sort by number
    // below keeps.  Across words keep their order.
    for (int i = 0; i < count; ++i)
        for (int j = count - 1; j >= i + 1; --j)
            if (!placed[j - 1].across)
                std::swap(placed[j - 1], placed[j]);
    const int acrossCount = static_cast<int>(
        std::count_if(placed, placed + count, [](const Placed &word) { return word.across; }));
    const auto byNumber = [](const Placed &a, const Placed &b) { return a.clueNumber < b.clueNumber; };
    std::stable_sort(placed, placed + acrossCount, byNumber);
    std::stable_sort(placed + acrossCount, placed + count, byNumber);
    return acrossCount;
}

} // namespace

void finishAttempt(const model::PuzzleRecord &snapshot, const shapes::ShapeRecord &shape,
    const OrderedWords &words, const AttemptPlacer &placer, bool shrink, BestFitSlot &slot)
{
    model::PuzzleRecord &record = slot.record;
    record = snapshot;

    int width = placer.width();
    int height = placer.height();
    if (shrink) {
        height = std::max(placer.lastLetterRow(), 1);
        width = std::max(placer.lastLetterColumn(), 1);
    }
    for (int index = 1; index <= shapes::GridCells; ++index)
        record.grid[index - 1] = shape.usable(index) ? placer.cell(index) : model::OutsideCell;

    Placed placed[model::MaxWords];
    int leftOut[model::MaxWords];
    int placedCount = 0;
    int leftOutCount = 0;
    for (int position = 0; position < words.count(); ++position) {
        if (placer.placed(position))
            placed[placedCount++] = { position, placer.startCell(position), placer.across(position), 0 };
        else
            leftOut[leftOutCount++] = position;
    }
    const int acrossCount = orderForClues(placed, placedCount);

    // Entries after the run's words stay where they are.
    for (int i = 0; i < placedCount + leftOutCount; ++i) {
        const int entry = words.entry(i < placedCount ? placed[i].position : leftOut[i - placedCount]);
        record.words[i] = snapshot.words[entry];
        record.clues[i] = snapshot.clues[entry];
    }
    for (int i = 0; i < model::MaxWords; ++i) {
        const bool isPlaced = i < placedCount;
        record.startCell[i] = static_cast<std::uint16_t>(isPlaced ? placed[i].startCell : 0);
        record.letterCount[i] = static_cast<std::uint16_t>(isPlaced ? words.length(placed[i].position) : 0);
        record.clueNumber[i] = static_cast<std::uint16_t>(isPlaced ? placed[i].clueNumber : 0);
        record.direction[i] = isPlaced && placed[i].across ? 1 : 0;
        slot.placedFlags[i] = isPlaced ? 1 : 0;
    }
    record.wordCount = static_cast<std::int16_t>(placedCount);
    record.acrossCount = static_cast<std::int16_t>(acrossCount);
    record.downCount = static_cast<std::int16_t>(placedCount - acrossCount);
    slot.wordsPlaced = placedCount;

    // Empty rows above a first word across, or empty columns left of a first word down, are cut
    // by moving the whole grid up or left; the squares moved in at the end mean nothing.
    const int firstLetter = placer.firstRanAcross() ? placer.firstLetterRow() : placer.firstLetterColumn();
    const int cut = shrink && firstLetter > 0 ? firstLetter - 1 : 0;
    const int offset = placer.firstRanAcross() ? Side * cut : cut;
    if (offset > 0) {
        std::memmove(record.grid, record.grid + offset, shapes::GridCells - offset);
        (placer.firstRanAcross() ? height : width) -= cut;
        for (int i = 0; i < placedCount; ++i)
            record.startCell[i] = static_cast<std::uint16_t>(record.startCell[i] - offset);
    }
    record.width = static_cast<std::int16_t>(width);
    record.height = static_cast<std::int16_t>(height);
}

} // namespace gw::generate
