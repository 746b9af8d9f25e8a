#pragma once

#include "layout/LayoutRecord.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace gw::layout {

// The arithmetic of the page layout designer, in layout pixels of its page picture: what is
// drawn where, which object a click finds, how a drag changes a rectangle, and the rules for
// new objects.  Records may come from files, so counts, kinds and columns are held to range.

constexpr int KindCount = 13;

bool isKnownKind(int kind);

// Handles of a selected object: 1 top-left, 2 top-middle, 3 top-right, 4 left-middle,
// 5 right-middle, 6 bottom-left, 7 bottom-middle, 8 bottom-right; 0 is none (a move).
constexpr int HandleCount = 8;

// The 5 x 5 square of a handle.  Drawn from left/top up to right/bottom excluded; a point is on
// the handle when it lies in the square with all four edges included.
PixelRect handleSquare(const PixelRect &rect, int handle);
// The first handle whose square holds the point, or 0.
int handleAt(const PixelRect &rect, int x, int y);

// Whether the rectangle, edges included, reaches from the press point to the release point.
bool reaches(const PixelRect &rect, int pressX, int pressY, int releaseX, int releaseY);
// The slot (1..count) of the topmost object reaching from press to release, or 0.
int objectHit(const LayoutRecord &layout, int pressX, int pressY, int releaseX, int releaseY);

// The rectangle as a drag leaves it, before it is put right: handle 0 moves all four sides by
// (dx, dy); a handle moves only its own sides.  Sums are held to the int32 range.
PixelRect draggedRect(const PixelRect &rect, int handle, int dx, int dy);
// Left and right swapped when right < left, top and bottom when bottom < top.
PixelRect normalisedRect(const PixelRect &rect);

// Which kinds the object buttons may place now, indexed by kind - 1: none when 20 objects
// exist; kinds 1..9 once each; Combined Clues and the two headers and two clue lists exclude
// each other; Text, Bitmap, Rectangle and Circle always.
std::array<bool, KindCount> placeableKinds(const LayoutRecord &layout);

// The name the designer gives an object of the kind: the button's name, and for Text, Bitmap,
// Rectangle and Circle the name, a blank and one more than the count of that kind present.
std::string_view newObjectBaseName(ObjectKind kind);
// Appends a new object of the kind with its top-left corner at (x, y) and the designer's
// defaults, its size from the kind at pixelsPerUnit; header texts come from the two labels.
// Gives its slot, or 0 when placeableKinds refuses the kind.
int addNewObject(LayoutRecord &layout, ObjectKind kind, int x, int y, int pixelsPerUnit,
    std::string_view acrossLabel, std::string_view downLabel);

// Moves the item at slot `from` to slot `to` (both 1..count), the items between closing up;
// the same for the objects of a layout and anything the designer keeps per slot.
template <typename Item> void moveSlot(Item *items, int count, int from, int to)
{
    if (from < 1 || to < 1 || from > count || to > count || from == to)
        return;
    if (from < to)
        std::rotate(items + from - 1, items + from, items + to);
    else
        std::rotate(items + to - 1, items + from - 1, items + from);
}

// The object at the slot taken out, the later ones moved down; the count goes down by one.
void deleteObject(LayoutRecord &layout, int slot);
// Into the last used slot, drawn last, on top.
void bringToFront(LayoutRecord &layout, int slot);
// Into slot 1, drawn first.
void sendToBack(LayoutRecord &layout, int slot);

// The designer's look of a kind: its fill colour (0x00BBGGRR) and label; Text, Bitmap,
// Rectangle and Circle have their own drawing and no label.
struct KindLook
{
    std::uint32_t colour;
    std::string_view label;
};
KindLook kindLook(int kind);

// x of the dotted lines between the columns of a clue list, word list or combined clues:
// left + k x ((right - left) / columns) for k = 1 .. columns - 1, columns held to 1..9.
std::vector<int> columnLines(const LayoutObject &object);

// Context menu entries a kind offers.
struct MenuEntries
{
    bool properties = false;
    bool border = false;
    bool fill = false;
    bool changeText = false;
    bool alignment = false;
    bool textFont = false;
    bool clueNumberFont = false;
    bool loadBitmap = false;
    bool answerKeyFont = false; // the Puzzle's text font is the answer key's
};
MenuEntries menuEntries(int kind);

// A mark of a ruler: its distance in pixels from the ruler's page edge start, how far from the
// outer edge it begins (the longer the mark, the smaller), and the whole unit it numbers or 0.
struct RulerMark
{
    int position;
    int from;
    int number;
};
constexpr int RulerThickness = 29;
// Eighths of an inch (whole from 15, halves 18, quarters 21, eighths 24) or millimeters (whole
// centimeters from 15, halves 20, millimeters 24), up to the page length in pixels.
std::vector<RulerMark> rulerMarks(bool inches, int pixelsPerUnit, int lengthPixels);

} // namespace gw::layout
