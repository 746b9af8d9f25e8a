#pragma once

#include "report/AreaOutline.h"
#include "report/FontSpec.h"
#include "report/InchRect.h"

#include <QImage>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace gw::report {

// The drawing operations a recorded page keeps, in inches from the sheet's top-left corner,
// each with the colours and font that were current when it was drawn.

struct LineOperation
{
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    std::uint32_t colour = 0;
};

struct FillOperation
{
    InchRect box;
    std::uint32_t colour = 0;
};

// An area filled as one, given by its outlines.
struct AreaOperation
{
    std::vector<Outline> outlines;
    std::uint32_t colour = 0;
};

struct EllipseOperation
{
    InchRect box;
    std::uint32_t penColour = 0;
    std::uint32_t brushColour = 0;
};

struct ArcOperation
{
    InchRect box;
    double startDegrees = 0;
    double spanDegrees = 0;
    std::uint32_t colour = 0;
};

struct TextOperation
{
    double x = 0;
    double baseline = 0;
    std::string text; // Windows-1252
    FontSpec font;
    bool opaque = false; // white behind the text
    double width = 0; // as measured when it was recorded
    double ascent = 0;
    double descent = 0;
};

struct BitmapOperation
{
    InchRect box;
    QImage bitmap;
};

using PageOperation = std::variant<LineOperation, FillOperation, AreaOperation, EllipseOperation,
    ArcOperation, TextOperation, BitmapOperation>;

} // namespace gw::report
