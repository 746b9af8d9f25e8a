#pragma once

#include "model/CollectionLine.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace gw::model {

// The category and puzzle the main window selects again after a change of the collection has
// made it reload its lists.  Both lists are compared without regard to case; the first matching
// line wins.
class SelectionMemory
{
public:
    static constexpr std::size_t Capacity = 255; // characters of each remembered text

    // After a save: the saved record's category and title.
    void remember(std::string_view category, std::string_view title);

    // After deleting line deletedLine of the shown puzzle lines: the current category and, as
    // title, the line before the deleted one; the deleted puzzle's own title when it was the
    // first line, and nothing when it was the only one.
    void rememberAfterDelete(
        std::string_view category, std::span<const CollectionLine> puzzleLines, std::size_t deletedLine);

    // The category line to select in the reloaded, sorted list.  Nothing when nothing is
    // remembered or no line matches, and the selection then stays where it is.
    std::optional<std::size_t> categoryLine(std::span<const CollectionLine> lines) const;

    // The puzzle line to select once the chosen category's puzzles are shown.  Forgets the
    // memory, matched or not, so that a later pick of a category selects no puzzle.
    std::optional<std::size_t> takePuzzleLine(std::span<const CollectionLine> lines);

private:
    bool m_set = false;
    std::string m_category;
    std::string m_title;
};

} // namespace gw::model
