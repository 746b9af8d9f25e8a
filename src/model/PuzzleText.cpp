#include "model/PuzzleText.h"

#include <algorithm>

namespace gw::model {

namespace {

std::string gridText(const PuzzleRecord &record)
{
    std::string text;
    for (int row = 1; row <= record.safeHeight(); ++row) {
        std::string line;
        for (int column = 1; column <= record.safeWidth(); ++column) {
            const std::uint8_t cell = record.cell(shapes::cellIndex(column, row));
            line += cell == OutsideCell ? ' ' : cell == BlankCell ? '#' : static_cast<char>(cell);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

std::string clueLine(const PuzzleRecord &record, int entry)
{
    return std::to_string(record.clueNumber[entry - 1]) + ". " + record.clues[entry - 1].str() + " ("
        + record.words[entry - 1].str() + ")\n";
}

} // namespace

std::string puzzleAsText(const PuzzleRecord &record)
{
    std::string text = record.title.str() + " (" + record.category.str() + ")\n\n";
    const int count = record.safeWordCount();
    if (record.generated != 1) {
        for (int entry = 1; entry <= count; ++entry)
            text += record.words[entry - 1].str() + ": " + record.clues[entry - 1].str() + "\n";
        return text;
    }
    text += gridText(record);
    // Entries after the placed ones are words the grid left out.
    const int across = std::clamp<int>(record.acrossCount, 0, count);
    const int placed = std::clamp<int>(across + record.downCount, across, count);
    text += "\nAcross\n";
    for (int entry = 1; entry <= across; ++entry)
        text += clueLine(record, entry);
    text += "\nDown\n";
    for (int entry = across + 1; entry <= placed; ++entry)
        text += clueLine(record, entry);
    return text;
}

} // namespace gw::model
