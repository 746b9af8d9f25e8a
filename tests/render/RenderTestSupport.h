#pragma once

#include "generate/ManualEdits.h"
#include "layout/DefaultLayout.h"
#include "layout/LayoutRecord.h"
#include "model/PuzzleRecord.h"
#include "render/PageContext.h"
#include "render/PageResults.h"
#include "render/PrintOptions.h"
#include "report/PageSetup.h"
#include "report/RecordedPage.h"
#include "report/TextMetrics.h"
#include "support/TestRecords.h"

#include <QImage>
#include <array>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace gw::test {

// A generated puzzle drawn from rows: a letter is an answer square, '#' a square of the shape
// without a letter, '.' a square outside the shape.  Runs of two or more letters become the
// words, numbered as after generation, each with the clue "clue of WORD".
inline std::unique_ptr<model::PuzzleRecord> gridPuzzle(const std::vector<std::string> &rows)
{
    auto puzzle = zeroedPuzzle();
    puzzle->height = static_cast<std::int16_t>(rows.size());
    puzzle->width = static_cast<std::int16_t>(rows.empty() ? 0 : rows[0].size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const char ch = rows[r][c];
            puzzle->grid[r * 50 + c] = ch == '.' ? 0 : ch == '#' ? 32 : static_cast<std::uint8_t>(ch);
        }
    }
    // Found and numbered as in a hand-edited grid; case 1 stores the words in upper case.
    generate::addNewWords(*puzzle, [](std::string_view letters) {
        return generate::ClueAnswer { "clue of " + std::string(letters), 1 };
    });
    puzzle->generated = 1;
    puzzle->layout = layout::defaultLayout();
    puzzle->layout.objectCount = 0;
    return puzzle;
}

// A generated puzzle without a grid whose entries carry the given clues, across then down,
// numbered 1, 2, ... in that order; the words are "WORD1", "WORD2", ...
inline std::unique_ptr<model::PuzzleRecord> listPuzzle(
    const std::vector<std::string> &acrossClues, const std::vector<std::string> &downClues = {})
{
    auto puzzle = zeroedPuzzle();
    int entry = 0;
    for (const auto *clues : { &acrossClues, &downClues }) {
        for (const std::string &clue : *clues) {
            puzzle->words[entry].assign("WORD" + std::to_string(entry + 1));
            puzzle->clues[entry].assign(clue);
            puzzle->clueNumber[entry] = static_cast<std::uint16_t>(entry + 1);
            puzzle->direction[entry] = clues == &acrossClues ? 1 : 0;
            puzzle->placed[entry] = 1;
            ++entry;
        }
    }
    puzzle->wordCount = static_cast<std::int16_t>(entry);
    puzzle->acrossCount = static_cast<std::int16_t>(acrossClues.size());
    puzzle->downCount = static_cast<std::int16_t>(downClues.size());
    puzzle->generated = 1;
    puzzle->layout = layout::defaultLayout();
    puzzle->layout.objectCount = 0;
    return puzzle;
}

// Clues "clue 1" .. "clue n".
inline std::vector<std::string> numberedClues(int count)
{
    std::vector<std::string> clues;
    for (int i = 1; i <= count; ++i)
        clues.push_back("clue " + std::to_string(i));
    return clues;
}

// The height of a row of text in a font of the given size, in layout pixels of 48 to the inch.
inline double rowPixels(int pointSize)
{
    report::FontSpec font;
    font.name = "Arial";
    font.size = pointSize;
    return report::TextMetrics(font).height() * 48;
}

// An object of a kind as the built-in layout makes its objects (Arial 12, centred,
// transparent, Make It Fit), at a rectangle in layout pixels of 48 to the inch.
inline layout::LayoutObject layoutObject(layout::ObjectKind kind, layout::PixelRect rect)
{
    layout::LayoutObject object = layout::defaultLayout().objects[1];
    object.kind = static_cast<std::int16_t>(kind);
    object.rect = rect;
    object.columns = 1;
    object.lineWidth = 1;
    object.numberHorizontal = 1;
    return object;
}

// One Letter page of a print job at 48 layout pixels to the inch: the puzzle's objects are
// drawn onto a recorded page through the context.
class PageFixture
{
public:
    explicit PageFixture(std::unique_ptr<model::PuzzleRecord> record)
        : puzzle(std::move(record))
        , canvas(report::PageSetup {})
        , page { *puzzle, options, results, bitmaps, 1.0 / 48, 0, 8.5, 11, {} }
    {
        page.numbered = puzzle->safeWordCount();
    }

    // Puts the object into the next slot and gives its index.
    int add(const layout::LayoutObject &object)
    {
        const int index = puzzle->layout.objectCount++;
        puzzle->layout.objects[index] = object;
        return index;
    }
    layout::LayoutObject &object(int index) { return puzzle->layout.objects[index]; }

    template <typename Operation> std::vector<Operation> drawn() const
    {
        std::vector<Operation> found;
        for (const report::PageOperation &operation : canvas.operations()) {
            if (const auto *wanted = std::get_if<Operation>(&operation))
                found.push_back(*wanted);
        }
        return found;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> found;
        for (const auto &text : drawn<report::TextOperation>())
            found.push_back(text.text);
        return found;
    }

    std::unique_ptr<model::PuzzleRecord> puzzle;
    render::PrintOptions options;
    render::PageResults results;
    std::array<QImage, layout::MaxObjects> bitmaps;
    report::RecordedPage canvas;
    render::PageContext page;
};

} // namespace gw::test
