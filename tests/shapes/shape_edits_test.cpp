#include "shapes/ShapeEdits.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace gw::shapes {
namespace {

// A shape of the given rows, '#' usable and '.' not; cells outside stay 7 so a test sees
// any write outside the width and height.
ShapeRecord shapeOf(const std::vector<std::string> &rows)
{
    ShapeRecord shape = newShape();
    std::memset(shape.cells, 7, sizeof shape.cells);
    shape.height = static_cast<std::int16_t>(rows.size());
    shape.width = static_cast<std::int16_t>(rows.front().size());
    for (int r = 1; r <= shape.height; ++r) {
        for (int c = 1; c <= shape.width; ++c)
            shape.cells[cellIndex(c, r) - 1] = rows[r - 1][c - 1] == '#' ? 1 : 0;
    }
    return shape;
}

std::vector<std::string> rowsOf(const ShapeRecord &shape)
{
    std::vector<std::string> rows;
    for (int r = 1; r <= shape.height; ++r) {
        std::string row;
        for (int c = 1; c <= shape.width; ++c)
            row += shape.cells[cellIndex(c, r) - 1] == 1
                ? '#'
                : (shape.cells[cellIndex(c, r) - 1] == 0 ? '.' : '?');
        rows.push_back(row);
    }
    return rows;
}

bool outsideUntouched(const ShapeRecord &shape)
{
    for (int i = 1; i <= GridCells; ++i) {
        if ((columnOf(i) > shape.width || rowOf(i) > shape.height) && shape.cells[i - 1] != 7)
            return false;
    }
    return true;
}

// A right click on a full square empties it: every row is reached from the rows beside it.
TEST(ShapeEditsTest, FillOfAFullSquareEmptiesIt)
{
    ShapeRecord shape = newShape();
    fillArea(shape, 17, 9);
    for (int r = 1; r <= 30; ++r) {
        for (int c = 1; c <= 30; ++c)
            ASSERT_EQ(shape.cells[cellIndex(c, r) - 1], 0) << c << "," << r;
    }
    EXPECT_EQ(shape.cells[cellIndex(31, 1) - 1], 1); // beyond the width
}

// The fill spreads left only one square per pass and reaches the edge columns only from the
// rows above and below, so the far column of a frame stays as it was; an isolated square flips
// alone; a row of equal squares flips whole with what the passes reach; the left walk of the
// clicked row is unlimited, unlike the passes.
TEST(ShapeEditsTest, FillFollowsTheRowRuleNotTheWholeArea)
{
    const std::vector<std::string> full { "#####", "#####", "#####", "#####", "#####" };
    const struct
    {
        const char *name;
        std::vector<std::string> rows;
        int column, row;
        std::vector<std::string> expected;
    } cases[] = {
        { "frame", { ".....", ".###.", ".###.", ".###.", ".###." }, 1, 5,
            { "####.", "####.", "####.", "####.", "####." } },
        { "isolated square", { "#####", "#####", "##.##", "#####", "#####" }, 3, 3, full },
        { "row", { "#####", ".....", "#####", "#####", "#####" }, 4, 2, full },
        { "clicked row walked both ways", { "#####", "#...#", "#####", "#####", "#####" }, 4, 2, full },
    };
    for (const auto &fill : cases) {
        SCOPED_TRACE(fill.name);
        ShapeRecord shape = shapeOf(fill.rows);
        fillArea(shape, fill.column, fill.row);
        EXPECT_EQ(rowsOf(shape), fill.expected);
        EXPECT_TRUE(outsideUntouched(shape));
    }
}

// Clicks outside the width and height and shapes with wild sizes never write outside storage.
TEST(ShapeEditsTest, EditsStayInsideTheStorage)
{
    ShapeRecord shape = shapeOf({ "#####", "#####", "#####", "#####", "#####" });
    const ShapeRecord before = shape;
    fillArea(shape, 6, 1);
    fillArea(shape, 0, 0);
    toggleCell(shape, 51, 1);
    toggleCell(shape, 1, 0);
    EXPECT_EQ(std::memcmp(&shape, &before, sizeof shape), 0);

    ShapeRecord wild = newShape();
    wild.width = 32000;
    wild.height = -4;
    shiftCells(wild, ShiftDirection::Down);
    fillArea(wild, 1, 1);
    wild.height = 32000;
    shiftCells(wild, ShiftDirection::Right);
    fillArea(wild, 50, 50);
    EXPECT_EQ(wild.cells[cellIndex(1, 1) - 1], 0); // emptied by the shift, not reached by the fill
    EXPECT_EQ(wild.cells[cellIndex(2, 1) - 1], 0); // flipped by the fill
}

// Each shift moves the pattern one cell and empties the vacated edge, inside the shape only.
TEST(ShapeEditsTest, ShiftsMoveThePatternAndEmptyTheEdge)
{
    // On the diagonal, left and down give the same picture, and so do right and up.
    const std::vector<std::string> lower { ".....", "#....", ".#...", "..#..", "...#." };
    const std::vector<std::string> upper { ".#...", "..#..", "...#.", "....#", "....." };
    for (const auto &[direction, expected] :
        { std::pair { ShiftDirection::Left, lower }, std::pair { ShiftDirection::Down, lower },
            std::pair { ShiftDirection::Right, upper }, std::pair { ShiftDirection::Up, upper } }) {
        ShapeRecord shape = shapeOf({ "#....", ".#...", "..#..", "...#.", "....#" });
        shiftCells(shape, direction);
        EXPECT_EQ(rowsOf(shape), expected) << int(direction);
        EXPECT_TRUE(outsideUntouched(shape));
    }
}

// Reverse flips every byte, outside the shape too, and twice gives back the shape exactly.
TEST(ShapeEditsTest, ReverseTwiceRestoresEveryByte)
{
    ShapeRecord shape = shapeOf({ "#.#.#", ".....", "#####", "#....", "....#" });
    for (int i = 0; i < GridCells; ++i) {
        if (shape.cells[i] == 7)
            shape.cells[i] = static_cast<std::uint8_t>(i % 3 == 0);
    }
    const ShapeRecord before = shape;
    reverseCells(shape);
    EXPECT_EQ(rowsOf(shape)[2], ".....");
    EXPECT_EQ(shape.cells[2000], before.cells[2000] == 0 ? 1 : 0);
    reverseCells(shape);
    EXPECT_EQ(std::memcmp(&shape, &before, sizeof shape), 0);
}

} // namespace
} // namespace gw::shapes
