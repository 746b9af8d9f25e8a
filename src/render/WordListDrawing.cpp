#include "render/WordListDrawing.h"

#include "platform/Text.h"
#include "render/ClueColumns.h"
#include "render/MakeItFit.h"
#include "render/ObjectGeometry.h"
#include "render/Outlines.h"

#include <algorithm>
#include <cmath>

namespace gw::render {

std::vector<std::string> sortedWordList(const model::PuzzleRecord &puzzle, int numbered)
{
    std::vector<std::string> words;
    for (int k = 1; k <= numbered; ++k)
        words.push_back(upperCased(puzzle.words[k - 1].view()).substr(0, model::WordCapacity));
    // std::string compares its characters as unsigned bytes.
    std::sort(words.begin(), words.end());
    return words;
}

void DoWords(PageContext &page, report::PageCanvas &canvas, int objectIndex)
{
    layout::LayoutObject &object = page.puzzle.layout.objects[objectIndex];
    const report::InchRect box = objectBox(page, object);
    const int columns = objectColumns(object);
    const std::vector<std::string> words = sortedWordList(page.puzzle, page.numbered);
    const int count = static_cast<int>(words.size());

    ListMetrics metrics;
    std::vector<int> lengths(words.size(), 0);
    const bool fits = fitObjectText(canvas, object, ListFloor, [&] {
        metrics = {};
        metrics.linesPerColumn
            = static_cast<int>(std::trunc(box.height() / canvas.textHeight(MeasuringString)));
        metrics.margin = 0.25 * canvas.textWidth("9");
        metrics.textWidth = (box.width() - metrics.margin) / columns;
        const int capacity = std::max(metrics.linesPerColumn, 0) * columns;
        bool passed = true;
        for (int j = 0; j < count; ++j) {
            if (j >= capacity)
                return false;
            const bool wide = canvas.textWidth(words[j]) > metrics.textWidth;
            lengths[j] = wide ? 0 : static_cast<int>(words[j].size());
            // A word left out of the list is reported, with Make It Fit or without.
            if (wide)
                passed = false;
            metrics.lastFitting = j + 1;
        }
        return passed;
    });
    if (!fits)
        page.results.wordsOverflow = true;

    const double spacing = metrics.linesPerColumn > 0 ? box.height() / metrics.linesPerColumn : 0;
    for (int j = 0; j < metrics.lastFitting; ++j) {
        const int column = j / metrics.linesPerColumn + 1;
        const int row = j % metrics.linesPerColumn + 1;
        const double x = box.left + (column - 1) * metrics.textWidth + metrics.margin;
        const double baseline = box.top + (row - 1) * spacing + 0.8 * spacing;
        canvas.printText(x, baseline, trimmed(std::string_view(words[j]).substr(0, lengths[j])));
    }
    for (int j = metrics.lastFitting; j < count; ++j)
        lengths[j] = 0;
    page.results.wordList = words;
    page.results.wordCharacters = lengths;
    page.results.listMetrics[objectIndex] = metrics;
    drawBorder(canvas, object, box);
}

} // namespace gw::render
