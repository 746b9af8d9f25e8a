#include "layout/LayoutUnits.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace gw::layout {

namespace {

constexpr double CentimetersToInchesPixels = 0.9448818897637795;
constexpr double InchesToCentimetersPixels = 1.0583333333333333;
constexpr double CentimetersToInches = 0.3937007874015748;
constexpr double InchesToCentimeters = 2.54;

// Indexed by zoom level - 1.
constexpr int PixelsPerInch[3] = { 48, 72, 96 };
constexpr int PixelsPerCentimeter[3] = { 20, 30, 40 };

// Row: from zoom, column: to zoom, both 1..3.
constexpr double ZoomFactors[3][3] = {
    { 1.0, 1.5, 2.0 },
    { 0.667, 1.0, 1.334 },
    { 0.5, 0.75, 1.0 },
};

constexpr std::array<PaperSize, 7> PaperSizes { {
    { "Letter", 8.5, 11, true, false },
    { "Legal", 8.5, 14, true, false },
    { "A4", 21.0, 29.7, false, false },
    { "A5", 14.8, 21.0, false, true },
    { "B5", 18.2, 25.7, false, true },
    { "Executive", 7.25, 10.5, true, true },
    { CustomPaperName, 0, 0, false, true },
} };

bool isZoomLevel(int zoom)
{
    return zoom >= SmallZoom && zoom <= LargeZoom;
}

// Truncates toward zero into an integer type without leaving its range.
template <typename Integer> Integer truncatedInto(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<Integer>::max()))
        return std::numeric_limits<Integer>::max();
    if (value <= static_cast<double>(std::numeric_limits<Integer>::min()))
        return std::numeric_limits<Integer>::min();
    return static_cast<Integer>(value);
}

// By value: the record is packed, so its doubles cannot be bound to references.
void swapPageSides(LayoutRecord &layout)
{
    const double width = layout.pageWidth;
    layout.pageWidth = layout.pageHeight;
    layout.pageHeight = width;
}

Failure limitFailure(std::string_view side, std::string_view sideInText, int low, int high, bool inches)
{
    return Failure { "Error",
        std::string(side) + " must be between " + std::to_string(low) + " and " + std::to_string(high)
            + (inches ? " inches" : " centimeters") + ".  Please re-enter " + std::string(sideInText) + "." };
}

} // namespace

bool isInches(const LayoutRecord &layout)
{
    return layout.unitInches != 0;
}

int pixelsPerUnit(bool inches, int zoom)
{
    const int level = isZoomLevel(zoom) ? zoom : MediumZoom;
    return inches ? PixelsPerInch[level - 1] : PixelsPerCentimeter[level - 1];
}

double zoomRescaleFactor(int fromZoom, int toZoom)
{
    if (!isZoomLevel(fromZoom) || !isZoomLevel(toZoom))
        return 1.0;
    return ZoomFactors[fromZoom - 1][toZoom - 1];
}

std::int32_t truncatedCoordinate(double value)
{
    return truncatedInto<std::int32_t>(value);
}

void rescaleRectangles(LayoutRecord &layout, double factor)
{
    for (int slot = 0; slot < layout.safeObjectCount(); ++slot) {
        // By value: the record is packed, so its fields cannot be reached through pointers.
        PixelRect &rect = layout.objects[slot].rect;
        rect.left = truncatedCoordinate(rect.left * factor);
        rect.top = truncatedCoordinate(rect.top * factor);
        rect.right = truncatedCoordinate(rect.right * factor);
        rect.bottom = truncatedCoordinate(rect.bottom * factor);
    }
}

void rescaleForZoom(LayoutRecord &layout, int fromZoom, int toZoom)
{
    rescaleRectangles(layout, zoomRescaleFactor(fromZoom, toZoom));
}

int pixelZoom(const LayoutRecord &layout)
{
    if (isZoomLevel(layout.zoom))
        return layout.zoom;
    if (layout.pageWidthPixels <= 0 || layout.pageHeightPixels <= 0)
        return 0;
    for (int level = SmallZoom; level <= LargeZoom; ++level) {
        const int perUnit = pixelsPerUnit(isInches(layout), level);
        if (pagePixels(layout.pageWidth, perUnit) == layout.pageWidthPixels
            && pagePixels(layout.pageHeight, perUnit) == layout.pageHeightPixels)
            return level;
    }
    return 0;
}

double truncatedToHundredths(double value)
{
    return std::trunc(value * 100) / 100;
}

void changeUnit(LayoutRecord &layout, bool toInches)
{
    if (isInches(layout) == toInches)
        return;
    rescaleRectangles(layout, toInches ? CentimetersToInchesPixels : InchesToCentimetersPixels);
    const double sizeFactor = toInches ? CentimetersToInches : InchesToCentimeters;
    layout.pageWidth = truncatedToHundredths(layout.pageWidth * sizeFactor);
    layout.pageHeight = truncatedToHundredths(layout.pageHeight * sizeFactor);
    layout.unitInches = toInches ? 1 : 0;
}

std::int16_t pagePixels(double size, int pixelsPerUnit)
{
    return truncatedInto<std::int16_t>(size * pixelsPerUnit);
}

void storePagePixels(LayoutRecord &layout, int zoom)
{
    const int perUnit = pixelsPerUnit(isInches(layout), zoom);
    layout.pageWidthPixels = pagePixels(layout.pageWidth, perUnit);
    layout.pageHeightPixels = pagePixels(layout.pageHeight, perUnit);
}

std::span<const PaperSize> paperSizes()
{
    return PaperSizes;
}

const PaperSize *findPaperSize(std::string_view name)
{
    for (const PaperSize &paper : PaperSizes) {
        if (paper.name == name)
            return &paper;
    }
    return nullptr;
}

void applyPaperSize(LayoutRecord &layout, const PaperSize &paper)
{
    layout.paperName.assign(paper.name);
    if (paper.name == CustomPaperName)
        return;
    layout.unitInches = paper.inches ? 1 : 0;
    layout.pageWidth = paper.width;
    layout.pageHeight = paper.height;
    if (layout.portrait == 0)
        swapPageSides(layout);
}

void setOrientation(LayoutRecord &layout, bool portrait)
{
    if ((layout.portrait != 0) != portrait)
        swapPageSides(layout);
    layout.portrait = portrait ? 1 : 0;
}

CustomLimits customLimits(bool inches)
{
    return inches ? CustomLimits { 3, 12, 4, 18 } : CustomLimits { 7, 31, 10, 46 };
}

// Written so that a value that is not a number fails too.
Status checkCustomWidth(double width, bool inches)
{
    const CustomLimits limits = customLimits(inches);
    if (width >= limits.minWidth && width <= limits.maxWidth)
        return ok();
    return limitFailure("Width", "width", limits.minWidth, limits.maxWidth, inches);
}

Status checkCustomHeight(double height, bool inches)
{
    const CustomLimits limits = customLimits(inches);
    if (height >= limits.minHeight && height <= limits.maxHeight)
        return ok();
    return limitFailure("Height", "height", limits.minHeight, limits.maxHeight, inches);
}

} // namespace gw::layout
