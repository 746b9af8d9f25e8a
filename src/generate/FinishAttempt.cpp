#include "generate/FinishAttempt.h"

#include "generate/ClueOrder.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace gw::generate {

namespace {

constexpr int Side = shapes::GridSide;

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

    ClueOrderItem placed[model::MaxWords];
    int leftOut[model::MaxWords];
    int placedCount = 0;
    int leftOutCount = 0;
    for (int position = 0; position < words.count(); ++position) {
        if (placer.placed(position))
            placed[placedCount++] = { position, placer.startCell(position), placer.across(position), 0 };
        else
            leftOut[leftOutCount++] = position;
    }
    const int acrossCount = orderForClues(std::span(placed, placedCount));

    // Entries after the run's words stay where they are.
    for (int i = 0; i < placedCount + leftOutCount; ++i) {
        const int entry = words.entry(i < placedCount ? placed[i].source : leftOut[i - placedCount]);
        record.words[i] = snapshot.words[entry];
        record.clues[i] = snapshot.clues[entry];
    }
    for (int i = 0; i < model::MaxWords; ++i) {
        const bool isPlaced = i < placedCount;
        record.startCell[i] = static_cast<std::uint16_t>(isPlaced ? placed[i].startCell : 0);
        record.letterCount[i] = static_cast<std::uint16_t>(isPlaced ? words.length(placed[i].source) : 0);
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
