#pragma once

#include "platform/PString.h"

#include <bit>
#include <cstddef>
#include <cstdint>

namespace gw::shapes {

static_assert(
    std::endian::native == std::endian::little, "records are stored little-endian as they lie in memory");

constexpr int GridSide = 50; // storage is always 50 x 50 cells
constexpr int GridCells = GridSide * GridSide; // cell indexes run 1..2500
constexpr int MaxDesignedSide = 30; // the designer limits shapes to 30 x 30

// Cell index of column c and row r, both from 1: (r - 1) x 50 + c.
constexpr int cellIndex(int column, int row)
{
    return (row - 1) * GridSide + column;
}
constexpr int columnOf(int index)
{
    return (index - 1) % GridSide + 1;
}
constexpr int rowOf(int index)
{
    return (index - 1) / GridSide + 1;
}

#pragma pack(push, 1)
struct ShapeRecord
{
    PString<50> title;
    std::int16_t width;
    std::int16_t height;
    std::uint8_t cells[GridCells]; // row after row, 50 a row; 1 = usable, 0 = not

    // Cell by index 1..2500; indexes outside read as unusable.
    bool usable(int index) const { return index >= 1 && index <= GridCells && cells[index - 1] != 0; }
    // Width and height clamped to the 50 x 50 storage, for walking the cells of a record read
    // from a file, which carries no guarantee.
    int safeWidth() const { return width < 0 ? 0 : (width > GridSide ? GridSide : width); }
    int safeHeight() const { return height < 0 ? 0 : (height > GridSide ? GridSide : height); }
};
#pragma pack(pop)

static_assert(sizeof(ShapeRecord) == 2555);
static_assert(offsetof(ShapeRecord, title) == 0);
static_assert(offsetof(ShapeRecord, width) == 51);
static_assert(offsetof(ShapeRecord, height) == 53);
static_assert(offsetof(ShapeRecord, cells) == 55);

// "New Layout", 30 x 30, every cell usable.
ShapeRecord newShape();

} // namespace gw::shapes
