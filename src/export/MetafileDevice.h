#pragma once

#include "report/FontSpec.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace gw::exports {

struct PixelRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct PixelPoint
{
    int x = 0;
    int y = 0;
};

// The drawing calls of a metafile, in its pixels from the sheet's top-left corner; colours
// are Windows colour values (0x00BBGGRR) and texts Windows-1252.  Pens are solid and one pixel
// wide, brushes solid.  A writer keeps only what changes.
class MetafileDevice
{
public:
    virtual ~MetafileDevice() = default;

    virtual void setPenColour(std::uint32_t colour) = 0;
    virtual void setBrushColour(std::uint32_t colour) = 0;
    // No fill: the inside of an ellipse or rectangle is left as it is.
    virtual void setHollowBrush() = 0;
    // No outline: a polygon is only filled.
    virtual void setNullPen() = 0;
    virtual void moveTo(PixelPoint point) = 0;
    virtual void lineTo(PixelPoint point) = 0;
    // Outlined with the pen and filled with the brush, right and bottom edge excluded.
    virtual void rectangle(const PixelRect &box) = 0;
    virtual void ellipse(const PixelRect &box) = 0;
    // Closed outlines filled together by the alternate rule, so that no seam shows between
    // their parts; without a pen the right and bottom edges are excluded, as for a rectangle.
    virtual void polyPolygon(std::span<const std::vector<PixelPoint>> outlines) = 0;
    // Counter-clockwise along the ellipse in the box, from the ray through start to the ray
    // through end.
    virtual void arc(const PixelRect &box, PixelPoint start, PixelPoint end) = 0;
    // Height in pixels is the font's em; weight 400 regular, 700 bold.
    virtual void setFont(const report::FontSpec &font, int pixelHeight) = 0;
    // Opaque text has a white box behind it.
    virtual void setOpaqueText(bool opaque) = 0;
    // The text with its baseline at y, each character advancing by its entry in advances, so
    // that the text keeps the widths it was measured with whatever font the reader has.
    virtual void text(PixelPoint origin, std::string_view text, std::span<const int> advances) = 0;
};

} // namespace gw::exports
