#include "layout/PageDesign.h"

#include <cstdint>
#include <limits>
#include <string>

namespace gw::layout {

namespace {

constexpr std::uint32_t Black = 0x00000000;
constexpr std::uint32_t White = 0x00FFFFFF;
constexpr int HandleReach = 2; // a handle square reaches 2 pixels before its point, 3 after
constexpr int MostColumns = 9;

std::int32_t clamped(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A span of a handle around a point: -2 .. +3 for a left, top or middle point, -3 .. +2 for a
// right or bottom one.
void span(std::int64_t at, bool farSide, std::int32_t &low, std::int32_t &high)
{
    low = clamped(farSide ? at - HandleReach - 1 : at - HandleReach);
    high = clamped(farSide ? at + HandleReach : at + HandleReach + 1);
}

int kindCount(const LayoutRecord &layout, ObjectKind kind)
{
    int count = 0;
    for (int slot = 0; slot < layout.safeObjectCount(); ++slot)
        count += layout.objects[slot].kind == static_cast<std::int16_t>(kind) ? 1 : 0;
    return count;
}

struct NewSize
{
    double width;
    double height;
};

// Width and height of a new object, in the layout's unit.
NewSize newSize(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Title:
    case ObjectKind::DownHeader:
    case ObjectKind::AcrossHeader:
        return { 2, 0.25 };
    case ObjectKind::Puzzle:
        return { 3, 3 };
    case ObjectKind::DownClues:
    case ObjectKind::AcrossClues:
    case ObjectKind::WordList:
        return { 2, 3 };
    case ObjectKind::BonusQuestion:
        return { 4, 0.25 };
    case ObjectKind::CombinedClues:
        return { 4, 3 };
    default:
        return { 2, 2 };
    }
}

bool repeats(ObjectKind kind)
{
    return kind == ObjectKind::Text || kind == ObjectKind::Bitmap || kind == ObjectKind::Rectangle
        || kind == ObjectKind::Circle;
}

} // namespace

bool isKnownKind(int kind)
{
    return kind >= 1 && kind <= KindCount;
}

PixelRect handleSquare(const PixelRect &rect, int handle)
{
    const std::int64_t left = rect.left;
    const std::int64_t top = rect.top;
    const std::int64_t right = rect.right;
    const std::int64_t bottom = rect.bottom;
    const std::int64_t middleX = (left + right) / 2;
    const std::int64_t middleY = (top + bottom) / 2;
    std::int64_t x = left;
    std::int64_t y = top;
    bool farX = false;
    bool farY = false;
    switch (handle) {
    case 2:
        x = middleX;
        break;
    case 3:
        x = right;
        farX = true;
        break;
    case 4:
        y = middleY;
        break;
    case 5:
        x = right;
        farX = true;
        y = middleY;
        break;
    case 6:
        y = bottom;
        farY = true;
        break;
    case 7:
        x = middleX;
        y = bottom;
        farY = true;
        break;
    case 8:
        x = right;
        farX = true;
        y = bottom;
        farY = true;
        break;
    default:
        break;
    }
    PixelRect square {};
    span(x, farX, square.left, square.right);
    span(y, farY, square.top, square.bottom);
    return square;
}

int handleAt(const PixelRect &rect, int x, int y)
{
    for (int handle = 1; handle <= HandleCount; ++handle) {
        const PixelRect square = handleSquare(rect, handle);
        if (x >= square.left && x <= square.right && y >= square.top && y <= square.bottom)
            return handle;
    }
    return 0;
}

bool reaches(const PixelRect &rect, int pressX, int pressY, int releaseX, int releaseY)
{
    return rect.left <= pressX && rect.top <= pressY && rect.right >= releaseX && rect.bottom >= releaseY;
}

int objectHit(const LayoutRecord &layout, int pressX, int pressY, int releaseX, int releaseY)
{
    for (int slot = layout.safeObjectCount(); slot >= 1; --slot) {
        const PixelRect rect = layout.objects[slot - 1].rect;
        if (reaches(rect, pressX, pressY, releaseX, releaseY))
            return slot;
    }
    return 0;
}

PixelRect draggedRect(const PixelRect &rect, int handle, int dx, int dy)
{
    const bool moveLeft = handle == 0 || handle == 1 || handle == 4 || handle == 6;
    const bool moveRight = handle == 0 || handle == 3 || handle == 5 || handle == 8;
    const bool moveTop = handle == 0 || handle == 1 || handle == 2 || handle == 3;
    const bool moveBottom = handle == 0 || handle == 6 || handle == 7 || handle == 8;
    PixelRect moved = rect;
    if (moveLeft)
        moved.left = clamped(std::int64_t { rect.left } + dx);
    if (moveRight)
        moved.right = clamped(std::int64_t { rect.right } + dx);
    if (moveTop)
        moved.top = clamped(std::int64_t { rect.top } + dy);
    if (moveBottom)
        moved.bottom = clamped(std::int64_t { rect.bottom } + dy);
    return moved;
}

PixelRect normalisedRect(const PixelRect &rect)
{
    PixelRect put = rect;
    if (put.right < put.left) {
        put.left = rect.right;
        put.right = rect.left;
    }
    if (put.bottom < put.top) {
        put.top = rect.bottom;
        put.bottom = rect.top;
    }
    return put;
}

std::array<bool, KindCount> placeableKinds(const LayoutRecord &layout)
{
    std::array<bool, KindCount> placeable {};
    if (layout.safeObjectCount() >= MaxObjects)
        return placeable;
    for (int kind = 1; kind <= KindCount; ++kind)
        placeable[kind - 1]
            = repeats(static_cast<ObjectKind>(kind)) || kindCount(layout, static_cast<ObjectKind>(kind)) == 0;
    const bool anySeparate = kindCount(layout, ObjectKind::DownHeader)
            + kindCount(layout, ObjectKind::AcrossHeader) + kindCount(layout, ObjectKind::DownClues)
            + kindCount(layout, ObjectKind::AcrossClues)
        > 0;
    if (anySeparate)
        placeable[static_cast<int>(ObjectKind::CombinedClues) - 1] = false;
    if (kindCount(layout, ObjectKind::CombinedClues) > 0) {
        for (ObjectKind excluded : { ObjectKind::DownHeader, ObjectKind::AcrossHeader, ObjectKind::DownClues,
                 ObjectKind::AcrossClues })
            placeable[static_cast<int>(excluded) - 1] = false;
    }
    return placeable;
}

std::string_view newObjectBaseName(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Title:
        return "Title";
    case ObjectKind::Puzzle:
        return "Puzzle";
    case ObjectKind::DownHeader:
        return "Down Header";
    case ObjectKind::AcrossHeader:
        return "Across Header";
    case ObjectKind::DownClues:
        return "Down Clues";
    case ObjectKind::AcrossClues:
        return "Across Clues";
    case ObjectKind::WordList:
        return "Words";
    case ObjectKind::BonusQuestion:
        return "Bonus Question";
    case ObjectKind::CombinedClues:
        return "Combined Clues";
    case ObjectKind::Text:
        return "Text";
    case ObjectKind::Bitmap:
        return "Bitmap";
    case ObjectKind::Rectangle:
        return "Rectangle";
    case ObjectKind::Circle:
        return "Circle";
    }
    return {};
}

int addNewObject(LayoutRecord &layout, ObjectKind kind, int x, int y, int pixelsPerUnit,
    std::string_view acrossLabel, std::string_view downLabel)
{
    const int kindNumber = static_cast<int>(kind);
    if (!isKnownKind(kindNumber) || !placeableKinds(layout)[kindNumber - 1])
        return 0;
    LayoutObject object {};
    object.kind = static_cast<std::int16_t>(kind);
    std::string name(newObjectBaseName(kind));
    if (repeats(kind))
        name += ' ' + std::to_string(kindCount(layout, kind) + 1);
    object.name.assign(name);

    const NewSize size = newSize(kind);
    object.rect.left = x;
    object.rect.top = y;
    object.rect.right = clamped(std::int64_t { x } + static_cast<std::int64_t>(size.width * pixelsPerUnit));
    object.rect.bottom = clamped(std::int64_t { y } + static_cast<std::int64_t>(size.height * pixelsPerUnit));

    if (kind == ObjectKind::CombinedClues)
        object.setText("Across:Down");
    else if (kind == ObjectKind::DownHeader)
        object.setText(downLabel);
    else if (kind == ObjectKind::AcrossHeader)
        object.setText(acrossLabel);

    object.textFont.face.assign("Arial");
    object.textFont.size = 10;
    object.textFont.colour = Black;
    object.numberFont.face.assign("Arial");
    object.numberFont.size = 5;
    object.numberFont.colour = Black;
    object.blockColour = White;
    object.lineColour = Black;
    object.numberHorizontal = 1;
    object.lineWidth = 1;
    object.makeItFit = 1;
    object.fillInShape = 0;
    object.fillColour = kind == ObjectKind::Puzzle ? Black : White;
    object.borderColour = Black;
    object.useBorder = kind == ObjectKind::Bitmap ? 0 : 1;
    object.borderWidth = 1;
    object.splitColumns = 0;
    object.columns = kind == ObjectKind::CombinedClues ? 2 : 1;
    object.transparent = kind == ObjectKind::Puzzle || kind == ObjectKind::Bitmap ? 0 : 1;
    const bool centred
        = kind == ObjectKind::Title || kind == ObjectKind::DownHeader || kind == ObjectKind::AcrossHeader;
    object.alignment = centred ? 2 : 1;

    const int slot = layout.safeObjectCount() + 1;
    layout.objects[slot - 1] = object;
    layout.objectCount = static_cast<std::int16_t>(slot);
    return slot;
}

void deleteObject(LayoutRecord &layout, int slot)
{
    const int count = layout.safeObjectCount();
    if (slot < 1 || slot > count)
        return;
    moveSlot(layout.objects, count, slot, count);
    layout.objectCount = static_cast<std::int16_t>(count - 1);
}

void bringToFront(LayoutRecord &layout, int slot)
{
    moveSlot(layout.objects, layout.safeObjectCount(), slot, layout.safeObjectCount());
}

void sendToBack(LayoutRecord &layout, int slot)
{
    moveSlot(layout.objects, layout.safeObjectCount(), slot, 1);
}

KindLook kindLook(int kind)
{
    constexpr std::uint32_t Yellow = 0x0000FFFF;
    constexpr std::uint32_t Maroon = 0x00000080;
    constexpr std::uint32_t Olive = 0x00008080;
    constexpr std::uint32_t Aqua = 0x00FFFF00;
    constexpr std::uint32_t Teal = 0x00808000;
    constexpr std::uint32_t Fuchsia = 0x00FF00FF;
    constexpr std::uint32_t Silver = 0x00C0C0C0;
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Title:
        return { Yellow, "Title" };
    case ObjectKind::Puzzle:
        return { Maroon, "Puzzle" };
    case ObjectKind::DownHeader:
        return { Olive, "Down Header" };
    case ObjectKind::AcrossHeader:
        return { Aqua, "Across Header" };
    case ObjectKind::DownClues:
        return { Olive, "Down Clues" };
    case ObjectKind::AcrossClues:
        return { Aqua, "Across Clues" };
    case ObjectKind::WordList:
        return { Teal, "Word List" };
    case ObjectKind::BonusQuestion:
        return { Fuchsia, "Bonus Question" };
    case ObjectKind::CombinedClues:
        return { Aqua, "Combined Clues" };
    case ObjectKind::Text:
        return { Silver, "Text" };
    default:
        return { White, {} };
    }
}

std::vector<int> columnLines(const LayoutObject &object)
{
    const int kind = object.kind;
    const bool hasColumns = kind == static_cast<int>(ObjectKind::DownClues)
        || kind == static_cast<int>(ObjectKind::AcrossClues) || kind == static_cast<int>(ObjectKind::WordList)
        || kind == static_cast<int>(ObjectKind::CombinedClues);
    std::vector<int> lines;
    const int columns = std::clamp<int>(object.columns, 1, MostColumns);
    if (!hasColumns || columns < 2)
        return lines;
    const PixelRect rect = object.rect;
    const std::int64_t step = (std::int64_t { rect.right } - rect.left) / columns;
    for (int k = 1; k < columns; ++k)
        lines.push_back(clamped(rect.left + k * step));
    return lines;
}

MenuEntries menuEntries(int kind)
{
    MenuEntries entries;
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Title:
    case ObjectKind::BonusQuestion:
        entries.properties = entries.border = entries.alignment = entries.textFont = true;
        break;
    case ObjectKind::Puzzle:
        entries.properties = entries.textFont = entries.clueNumberFont = entries.answerKeyFont = true;
        break;
    case ObjectKind::DownHeader:
    case ObjectKind::AcrossHeader:
    case ObjectKind::Text:
        entries.properties = entries.border = entries.changeText = entries.alignment = entries.textFont
            = true;
        break;
    case ObjectKind::DownClues:
    case ObjectKind::AcrossClues:
    case ObjectKind::WordList:
    case ObjectKind::CombinedClues:
        entries.properties = entries.border = entries.textFont = true;
        break;
    case ObjectKind::Bitmap:
        entries.border = entries.loadBitmap = true;
        break;
    case ObjectKind::Rectangle:
    case ObjectKind::Circle:
        entries.border = entries.fill = true;
        break;
    }
    return entries;
}

std::vector<RulerMark> rulerMarks(bool inches, int pixelsPerUnit, int lengthPixels)
{
    // Eighths of an inch and millimeters come out whole at every zoom: 6, 9, 12 and 2, 3, 4.
    const int parts = inches ? 8 : 10;
    std::vector<RulerMark> marks;
    if (pixelsPerUnit <= 0)
        return marks;
    for (int part = 0;; ++part) {
        const std::int64_t position = std::int64_t { part } * pixelsPerUnit / parts;
        if (position > lengthPixels)
            break;
        int from = 24;
        if (part % parts == 0)
            from = 15;
        else if (inches && part % 4 == 0)
            from = 18;
        else if (inches && part % 2 == 0)
            from = 21;
        else if (!inches && part % 5 == 0)
            from = 20;
        marks.push_back({ static_cast<int>(position), from, part % parts == 0 ? part / parts : 0 });
    }
    return marks;
}

} // namespace gw::layout
