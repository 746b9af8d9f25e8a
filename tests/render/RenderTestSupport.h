#pragma once

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
#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace gw::test {

// A generated puzzle drawn from rows: a letter is an answer square, '#' a square of the shape
// without a letter, '.' a square outside the shape.  Runs of two or more letters become the
// words, numbered in reading order, across words first, each with the clue "clue of WORD".
inline std::unique_ptr<model::PuzzleRecord> gridPuzzle(const std::vector<std::string> &rows)
{
    auto puzzle = zeroedPuzzle();
    const int height = static_cast<int>(rows.size());
    const int width = height ? static_cast<int>(rows[0].size()) : 0;
    puzzle->width = static_cast<std::int16_t>(width);
    puzzle->height = static_cast<std::int16_t>(height);
    const auto at = [&](int c, int r) -> char {
        if (c < 1 || r < 1 || c > width || r > height)
            return '.';
        return rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
    };
    const auto isLetter = [&](int c, int r) { return at(c, r) != '.' && at(c, r) != '#'; };
    for (int r = 1; r <= height; ++r) {
        for (int c = 1; c <= width; ++c) {
            const char ch = at(c, r);
            puzzle->grid[(r - 1) * 50 + c - 1] = ch == '.' ? 0
                : ch == '#'                                ? 32
                                                           : static_cast<std::uint8_t>(ch);
        }
    }
    struct Found
    {
        int start;
        std::string word;
        bool across;
    };
    std::vector<Found> found;
    for (int r = 1; r <= height; ++r) {
        for (int c = 1; c <= width; ++c) {
            if (!isLetter(c, r))
                continue;
            for (const bool across : { true, false }) {
                const int dc = across ? 1 : 0;
                const int dr = across ? 0 : 1;
                if (isLetter(c - dc, r - dr) || !isLetter(c + dc, r + dr))
                    continue;
                std::string word;
                for (int k = 0; isLetter(c + k * dc, r + k * dr); ++k)
                    word += at(c + k * dc, r + k * dr);
                found.push_back({ (r - 1) * 50 + c, word, across });
            }
        }
    }
    std::vector<int> starts;
    for (const Found &f : found) {
        if (starts.empty() || starts.back() != f.start)
            starts.push_back(f.start);
    }
    std::stable_partition(found.begin(), found.end(), [](const Found &f) { return f.across; });
    int entry = 0;
    for (const Found &f : found) {
        puzzle->words[entry].assign(f.word);
        puzzle->clues[entry].assign("clue of " + f.word);
        puzzle->startCell[entry] = static_cast<std::uint16_t>(f.start);
        puzzle->letterCount[entry] = static_cast<std::uint16_t>(f.word.size());
        puzzle->clueNumber[entry] = static_cast<std::uint16_t>(
            std::find(starts.begin(), starts.end(), f.start) - starts.begin() + 1);
        puzzle->direction[entry] = f.across ? 1 : 0;
        puzzle->placed[entry] = 1;
        puzzle->acrossCount = static_cast<std::int16_t>(puzzle->acrossCount + (f.across ? 1 : 0));
        ++entry;
    }
    puzzle->wordCount = static_cast<std::int16_t>(entry);
    puzzle->downCount = static_cast<std::int16_t>(entry - puzzle->acrossCount);
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
