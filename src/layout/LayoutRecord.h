#pragma once

#include "platform/PString.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace gw::layout {

constexpr int MaxObjects = 20;

enum class ObjectKind : std::int16_t {
    Title = 1,
    Puzzle = 2,
    DownHeader = 3,
    AcrossHeader = 4,
    DownClues = 5,
    AcrossClues = 6,
    WordList = 7,
    BonusQuestion = 8,
    CombinedClues = 9,
    Text = 10,
    Bitmap = 11,
    Rectangle = 12,
    Circle = 13,
};

#pragma pack(push, 1)
struct FontStyle
{
    std::uint8_t bold;
    std::uint8_t italic;
    std::uint8_t underline;
    std::uint8_t strikeout;
};

struct LayoutFont
{
    PString<30> face;
    std::int16_t size; // points
    std::uint32_t colour; // 0x00BBGGRR
    FontStyle style;
};

struct PixelRect
{
    std::int32_t left;
    std::int32_t top;
    std::int32_t right; // one past the last pixel
    std::int32_t bottom; // one past the last pixel
};

struct LayoutObject
{
    std::int16_t kind; // ObjectKind, 1..13; untrusted when read
    PString<15> name;
    PixelRect rect; // layout pixels from the page's top-left corner
    LayoutFont textFont;
    LayoutFont numberFont;
    std::uint32_t blockColour;
    std::uint32_t lineColour;
    std::uint8_t numberHorizontal; // 1 = horizontal, 0 = vertical
    std::int32_t lineWidth; // 1..9
    std::int16_t alignment; // 1 left, 2 centre, 3 right
    char text[1001]; // zero-terminated, at most 1000 characters
    std::uint8_t transparent; // Puzzle: skeleton; Bitmap: tile
    std::int16_t columns; // 1..9
    std::uint8_t splitColumns;
    std::uint8_t makeItFit;
    std::uint8_t fillInShape;
    std::uint32_t fillColour; // Puzzle: puzzle fill colour
    std::uint32_t borderColour;
    std::uint8_t useBorder;
    std::int16_t borderWidth; // 1..9
    PString<255> bitmapPath;
    std::uint8_t bitmapHandle[4]; // meaningless in files
    std::int16_t fittedFontSize; // points, written by the renderers
    std::uint8_t reserved[28];

    // The text up to its zero byte, never past 1000 characters even when a file lacks the zero.
    std::string_view textView() const { return std::string_view(text, ::strnlen(text, sizeof text - 1)); }
    void setText(std::string_view value)
    {
        const std::size_t n = std::min(value.size(), sizeof text - 1);
        if (n > 0)
            std::memcpy(text, value.data(), n);
        text[n] = '\0';
    }
};

struct LayoutRecord
{
    PString<20> name;
    PString<20> paperName; // Letter, Legal, A4, A5, B5, Executive, Custom
    double pageWidth; // in the layout's unit, as oriented
    double pageHeight;
    std::int16_t pageWidthPixels;
    std::int16_t pageHeightPixels;
    std::uint8_t unitInches; // 1 = inches, 0 = centimeters
    std::int16_t objectCount; // 0..20; untrusted when read
    std::uint8_t portrait; // 1 = portrait, 0 = landscape
    std::int16_t zoom; // 1 small, 2 medium, 3 large, 0 unknown
    std::uint8_t reserved[20];
    LayoutObject objects[MaxObjects]; // slots 1..objectCount in drawing order

    // The object count clamped to 0..20, for walking the slots of a record read from a file.
    int safeObjectCount() const
    {
        return objectCount < 0 ? 0 : (objectCount > MaxObjects ? MaxObjects : objectCount);
    }
};
#pragma pack(pop)

static_assert(sizeof(FontStyle) == 4);
static_assert(sizeof(LayoutFont) == 41);
static_assert(sizeof(LayoutObject) == 1439);
static_assert(sizeof(LayoutRecord) == 28868);

static_assert(offsetof(LayoutRecord, name) == 0);
static_assert(offsetof(LayoutRecord, paperName) == 21);
static_assert(offsetof(LayoutRecord, pageWidth) == 42);
static_assert(offsetof(LayoutRecord, pageHeight) == 50);
static_assert(offsetof(LayoutRecord, pageWidthPixels) == 58);
static_assert(offsetof(LayoutRecord, pageHeightPixels) == 60);
static_assert(offsetof(LayoutRecord, unitInches) == 62);
static_assert(offsetof(LayoutRecord, objectCount) == 63);
static_assert(offsetof(LayoutRecord, portrait) == 65);
static_assert(offsetof(LayoutRecord, zoom) == 66);
static_assert(offsetof(LayoutRecord, reserved) == 68);
static_assert(offsetof(LayoutRecord, objects) == 88);

static_assert(offsetof(LayoutObject, kind) == 0);
static_assert(offsetof(LayoutObject, name) == 2);
static_assert(offsetof(LayoutObject, rect) == 18);
static_assert(offsetof(LayoutObject, textFont) == 34);
static_assert(offsetof(LayoutObject, textFont) + offsetof(LayoutFont, size) == 65);
static_assert(offsetof(LayoutObject, textFont) + offsetof(LayoutFont, colour) == 67);
static_assert(offsetof(LayoutObject, textFont) + offsetof(LayoutFont, style) == 71);
static_assert(offsetof(LayoutObject, numberFont) == 75);
static_assert(offsetof(LayoutObject, numberFont) + offsetof(LayoutFont, size) == 106);
static_assert(offsetof(LayoutObject, numberFont) + offsetof(LayoutFont, colour) == 108);
static_assert(offsetof(LayoutObject, numberFont) + offsetof(LayoutFont, style) == 112);
static_assert(offsetof(LayoutObject, blockColour) == 116);
static_assert(offsetof(LayoutObject, lineColour) == 120);
static_assert(offsetof(LayoutObject, numberHorizontal) == 124);
static_assert(offsetof(LayoutObject, lineWidth) == 125);
static_assert(offsetof(LayoutObject, alignment) == 129);
static_assert(offsetof(LayoutObject, text) == 131);
static_assert(offsetof(LayoutObject, transparent) == 1132);
static_assert(offsetof(LayoutObject, columns) == 1133);
static_assert(offsetof(LayoutObject, splitColumns) == 1135);
static_assert(offsetof(LayoutObject, makeItFit) == 1136);
static_assert(offsetof(LayoutObject, fillInShape) == 1137);
static_assert(offsetof(LayoutObject, fillColour) == 1138);
static_assert(offsetof(LayoutObject, borderColour) == 1142);
static_assert(offsetof(LayoutObject, useBorder) == 1146);
static_assert(offsetof(LayoutObject, borderWidth) == 1147);
static_assert(offsetof(LayoutObject, bitmapPath) == 1149);
static_assert(offsetof(LayoutObject, bitmapHandle) == 1405);
static_assert(offsetof(LayoutObject, fittedFontSize) == 1409);
static_assert(offsetof(LayoutObject, reserved) == 1411);

} // namespace gw::layout
