#pragma once

#include "report/FontSpec.h"
#include "report/InchRect.h"

#include <QImage>
#include <cmath>
#include <cstdint>
#include <span>
#include <string_view>

namespace gw::report {

// The page the renderers draw on, in inches from the sheet's top-left corner.  Colours are
// Windows colour values (0x00BBGGRR) and texts Windows-1252, as the records hold them.
// Lines are one device dot wide; the device dots are those of dotsPerInch().
class PageCanvas
{
public:
    virtual ~PageCanvas() = default;

    virtual double dotsPerInch() const = 0;
    // A position in whole device dots and back; only differences of dots are drawn, so the
    // rounding matches the device's own.
    long toDots(double inches) const { return std::lround(inches * dotsPerInch()); }
    double fromDots(long dots) const { return static_cast<double>(dots) / dotsPerInch(); }

    virtual void setPenColour(std::uint32_t colour) = 0;
    virtual void setBrushColour(std::uint32_t colour) = 0;
    virtual void moveTo(double x, double y) = 0;
    // A line in the pen colour from the current position, which then moves to (x, y).
    virtual void lineTo(double x, double y) = 0;
    // Covers the box in the brush colour, from its left and top edge up to its right and
    // bottom edge.
    virtual void fillRect(const InchRect &box) = 0;
    // Covers the union of the boxes in the brush colour as one area, so that no seam shows
    // where boxes meet, whatever the resolution and however a reader smooths edges.
    virtual void fillArea(std::span<const InchRect> boxes) = 0;
    // The ellipse inscribed in the box, filled with the brush and outlined with the pen.
    virtual void ellipse(const InchRect &box) = 0;
    // Part of the outline of the ellipse inscribed in the box, in the pen colour; angles in
    // degrees, counter-clockwise from three o'clock.
    virtual void arc(const InchRect &box, double startDegrees, double spanDegrees) = 0;
    virtual void stretchBitmap(const InchRect &box, const QImage &bitmap) = 0;

    virtual void setFont(const FontSpec &font) = 0;
    virtual const FontSpec &font() const = 0;
    // An opaque background paints white behind each text before it is printed.
    virtual void setTransparentText(bool transparent) = 0;
    virtual double textWidth(std::string_view text) const = 0;
    virtual double textHeight(std::string_view text) const = 0;
    virtual double ascent() const = 0;
    virtual double descent() const = 0;
    // The font size / 60 inch: 1.2 times the point size.
    double lineHeight() const { return clampedPointSize(font().size) / 60.0; }
    // The text in the current font with its baseline at y.
    virtual void printText(double x, double baseline, std::string_view text) = 0;
};

} // namespace gw::report
