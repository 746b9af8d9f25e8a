#pragma once

#include "layout/LayoutRecord.h"

#include <QImage>
#include <array>

namespace gw::layout {

// The designer's drawing of a page and its rulers, one image pixel to a layout pixel.

// A picture per slot for the Bitmap objects: the loaded file or a placeholder.
using SlotPictures = std::array<QImage, MaxObjects>;

// White, with a black frame along its edge and "Bitmap" centred in it.
QImage bitmapPlaceholder(int width, int height);

// The page picture of pageWidthPixels x pageHeightPixels (header offsets 58 and 60): white, the
// objects in slot order in their kinds' designer look, then the handles of the selected slot.
QImage drawPagePicture(const LayoutRecord &layout, const SlotPictures &pictures, int selectedSlot);

// The eight black handle squares of a rectangle.
void drawHandles(QImage &page, const PixelRect &rect);

// A dotted black frame: the rectangle an object would take if the drag ended here.
void drawRubberFrame(QImage &page, const PixelRect &rect);

// A ruler along the top (horizontal) or left edge, RulerThickness pixels thick and the page
// length + RulerThickness long, its marks starting after the corner.
QImage drawRuler(bool horizontal, bool inches, int pixelsPerUnit, int pageLengthPixels);

} // namespace gw::layout
