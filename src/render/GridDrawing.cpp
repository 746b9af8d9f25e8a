#include "render/GridDrawing.h"

#include "platform/Text.h"
#include "render/CellGrid.h"
#include "render/ObjectGeometry.h"
#include "render/Outlines.h"
#include "shapes/ShapeRecord.h"

#include <array>
#include <string>
#include <vector>

namespace gw::render {

namespace {

using model::BlankCell;
using model::OutsideCell;
using shapes::GridSide;

constexpr int SmallestFittedLetter = 4;

using WorkGrid = std::array<std::uint8_t, shapes::GridCells>;

int cellIndex(int column, int row)
{
    return (row - 1) * GridSide + column;
}

bool isAnswerCell(std::uint8_t byte)
{
    return byte != OutsideCell && byte != BlankCell;
}

// Column and row of a cell index; index 50 is column 50 of row 1.
void columnAndRow(int index, int &column, int &row)
{
    column = index % GridSide;
    row = index / GridSide + 1;
    if (column == 0) {
        column = GridSide;
        row = index / GridSide;
    }
}

// The cells of word entry k (from 1) in reading order, as long as they stay on the grid; a
// start cell or a length read from a file can name nothing else.
template <typename Visit>
void forEachWordCell(const model::PuzzleRecord &puzzle, const CellGrid &grid, int k, Visit visit)
{
    int column = 0;
    int row = 0;
    columnAndRow(puzzle.startCell[k - 1], column, row);
    const bool across = puzzle.direction[k - 1] == 1;
    const int count = puzzle.letterCount[k - 1];
    for (int j = 0; j < count && grid.contains(column, row); ++j) {
        visit(cellIndex(column, row));
        if (across)
            ++column;
        else
            ++row;
    }
}

// The boxes are filled as one area: squares filled one by one show seams where they meet once a
// reader smooths their edges, or rounds their edges apart at some resolution.
void drawFilledBoxes(const PageContext &page, report::PageCanvas &canvas, const CellGrid &grid)
{
    const model::PuzzleRecord &puzzle = page.puzzle;
    const double dot = canvas.fromDots(1);
    std::vector<report::InchRect> boxes;
    for (int r = 1; r <= grid.rows(); ++r) {
        for (int c = 1; c <= grid.columns(); ++c) {
            if (puzzle.cell(cellIndex(c, r)) != BlankCell)
                continue;
            report::InchRect box = grid.cell(c, r);
            // A fill stops short of its right and bottom edge; where no square of the shape
            // follows to cover that edge, the box takes in one more device dot.
            if (c == grid.columns() || puzzle.cell(cellIndex(c + 1, r)) == OutsideCell)
                box.right += dot;
            if (r == grid.rows() || puzzle.cell(cellIndex(c, r + 1)) == OutsideCell)
                box.bottom += dot;
            boxes.push_back(box);
        }
    }
    canvas.setBrushColour(page.options.boxColour);
    canvas.fillArea(boxes);
}

void drawAnswerCells(const PageContext &page, const layout::LayoutObject &object, report::PageCanvas &canvas,
    const CellGrid &grid)
{
    canvas.setBrushColour(object.blockColour);
    canvas.setPenColour(object.blockColour);
    for (int r = 1; r <= grid.rows(); ++r) {
        for (int c = 1; c <= grid.columns(); ++c) {
            if (isAnswerCell(page.puzzle.cell(cellIndex(c, r))))
                canvas.fillRect(grid.cell(c, r));
        }
    }
}

// Neighbouring cells share their outer outline, so an inner border is 2 x thickness - 1 dots
// wide and the grid's outer border thickness dots.
void drawCellOutlines(const PageContext &page, const layout::LayoutObject &object, report::PageCanvas &canvas,
    const CellGrid &grid)
{
    canvas.setPenColour(object.lineColour);
    const int thickness = heldThickness(object.lineWidth);
    for (int r = 1; r <= grid.rows(); ++r) {
        for (int c = 1; c <= grid.columns(); ++c) {
            if (!isAnswerCell(page.puzzle.cell(cellIndex(c, r))))
                continue;
            if (thickness < 2) {
                drawOutline(canvas, grid.cell(c, r));
                continue;
            }
            for (int k = 0; k < thickness; ++k)
                drawOutline(canvas, movedByDots(canvas, grid.cell(c, r), -k));
        }
    }
}

// An across and a down word that start in the same square share their number; it is printed
// once, as a second print over the first would thicken it.
bool numberedBefore(const model::PuzzleRecord &puzzle, int k)
{
    for (int earlier = 1; earlier < k; ++earlier) {
        if (puzzle.startCell[earlier - 1] == puzzle.startCell[k - 1]
            && puzzle.clueNumber[earlier - 1] == puzzle.clueNumber[k - 1])
            return true;
    }
    return false;
}

void drawClueNumbers(const PageContext &page, const layout::LayoutObject &object, report::PageCanvas &canvas,
    const CellGrid &grid)
{
    canvas.setTransparentText(true);
    canvas.setFont(fontSpec(object.numberFont));
    const double step = canvas.lineHeight() - canvas.descent();
    const double indent = canvas.textWidth("9") / 2;
    const model::PuzzleRecord &puzzle = page.puzzle;
    for (int k = 1; k <= page.numbered; ++k) {
        int column = 0;
        int row = 0;
        columnAndRow(puzzle.startCell[k - 1], column, row);
        if (!grid.contains(column, row) || numberedBefore(puzzle, k))
            continue;
        const report::InchRect cell = grid.cell(column, row);
        const double x = cell.left + indent;
        const double y = cell.top + step;
        const std::string number = std::to_string(puzzle.clueNumber[k - 1]);
        if (object.numberHorizontal) {
            canvas.printText(x, y, number);
            continue;
        }
        for (std::size_t digit = 0; digit < number.size(); ++digit)
            canvas.printText(x, y + static_cast<double>(digit) * step, number.substr(digit, 1));
    }
}

// Sets the answer font at the size that fits the cells and records that size.
void setLetterFont(layout::LayoutObject &object, report::PageCanvas &canvas, const CellGrid &grid)
{
    canvas.setTransparentText(true);
    canvas.setFont(fontSpec(object.textFont));
    report::FontSpec font = canvas.font();
    font.size = FitLetterSize(canvas, font.size, grid.cellWidth());
    object.fittedFontSize = static_cast<std::int16_t>(font.size);
    canvas.setFont(font);
}

void printLetter(report::PageCanvas &canvas, const CellGrid &grid, int column, int row, std::uint8_t byte)
{
    const std::string letter(1, static_cast<char>(upperCaseByte(byte)));
    const report::InchRect cell = grid.cell(column, row);
    const double width = canvas.textWidth(letter);
    const double height = canvas.textHeight(letter);
    const double x = cell.left + (grid.cellWidth() - width) * 0.5;
    const double baseline = cell.bottom - ((grid.cellHeight() - height) * 0.5 + canvas.descent());
    canvas.printText(x, baseline, letter);
}

void printWorkGrid(
    layout::LayoutObject &object, report::PageCanvas &canvas, const CellGrid &grid, const WorkGrid &work)
{
    setLetterFont(object, canvas, grid);
    for (int r = 1; r <= grid.rows(); ++r) {
        for (int c = 1; c <= grid.columns(); ++c) {
            if (const std::uint8_t byte = work[static_cast<std::size_t>(cellIndex(c, r) - 1)])
                printLetter(canvas, grid, c, r, byte);
        }
    }
}

// Copies into a cleared work grid the cells of the numbered words that the filter keeps.
template <typename Keep> WorkGrid wordCells(const PageContext &page, const CellGrid &grid, Keep keep)
{
    WorkGrid work {};
    for (int k = 1; k <= page.numbered; ++k) {
        forEachWordCell(page.puzzle, grid, k, [&](int index) {
            const std::uint8_t byte = page.puzzle.cell(index);
            if (keep(k, byte))
                work[static_cast<std::size_t>(index - 1)] = byte;
        });
    }
    return work;
}

std::string separatorCharacters(const PrintOptions &options)
{
    std::string set;
    if (options.wordSepDash)
        set += '-';
    if (options.wordSepSlash)
        set += '/';
    if (options.wordSepPlus)
        set += '+';
    if (options.wordSepStar)
        set += '*';
    if (options.wordSepOther)
        set += options.wordSepChar;
    return set;
}

void drawLetters(
    const PageContext &page, layout::LayoutObject &object, report::PageCanvas &canvas, const CellGrid &grid)
{
    const PrintOptions &options = page.options;
    if (options.answerKey) {
        setLetterFont(object, canvas, grid);
        for (int r = 1; r <= grid.rows(); ++r) {
            for (int c = 1; c <= grid.columns(); ++c) {
                const std::uint8_t byte = page.puzzle.cell(cellIndex(c, r));
                if (isAnswerCell(byte))
                    printLetter(canvas, grid, c, r, byte);
            }
        }
        return;
    }
    if (options.partialAnswer) {
        printWorkGrid(object, canvas, grid,
            wordCells(page, grid, [&](int k, std::uint8_t) { return options.partialWords[k - 1] != 0; }));
    }
    if (options.partialLetters && !options.letters.empty()) {
        const std::string letters = upperCased(options.letters);
        printWorkGrid(object, canvas, grid, wordCells(page, grid, [&](int, std::uint8_t byte) {
            return letters.find(static_cast<char>(byte)) != std::string::npos;
        }));
    }
    if (const std::string separators = separatorCharacters(options); !separators.empty()) {
        printWorkGrid(object, canvas, grid, wordCells(page, grid, [&](int, std::uint8_t byte) {
            return separators.find(static_cast<char>(byte)) != std::string::npos;
        }));
    }
}

} // namespace

int FitLetterSize(report::PageCanvas &canvas, int startSize, double cellWidth)
{
    int size = startSize;
    report::FontSpec font = canvas.font();
    while (size > SmallestFittedLetter) {
        font.size = size;
        canvas.setFont(font);
        if (canvas.textWidth("W") < cellWidth)
            break;
        --size;
    }
    return size;
}

void DoPuzz(PageContext &page, report::PageCanvas &canvas, int objectIndex)
{
    layout::LayoutObject &object = page.puzzle.layout.objects[objectIndex];
    const int columns = page.puzzle.safeWidth();
    const int rows = page.puzzle.safeHeight();
    if (columns == 0 || rows == 0)
        return;
    const CellGrid grid(objectBox(page, object), columns, rows);
    if (page.options.useBoxes)
        drawFilledBoxes(page, canvas, grid);
    drawAnswerCells(page, object, canvas, grid);
    drawCellOutlines(page, object, canvas, grid);
    drawClueNumbers(page, object, canvas, grid);
    drawLetters(page, object, canvas, grid);
}

} // namespace gw::render
