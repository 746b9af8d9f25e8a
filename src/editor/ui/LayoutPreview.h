#pragma once

#include "layout/LayoutRecord.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

namespace gw::editor {

// The page layout preview of the word list editor: the page in white on the button face, scaled
// to fit the picture, and every object of slots 1..count as a block in the colour of its kind.
// The picture is button face alone when the page size in layout pixels is not positive.
QImage DrawPageBox(const layout::LayoutRecord &layout, QSize size, const QColor &buttonFace);

// One object at the preview's scale; page is the scaled page rectangle, which a tiled bitmap
// is outlined along.  Kinds outside 1..13 draw nothing.
void DrawPageItem(QPainter &painter, const layout::LayoutObject &object, double scale, const QRect &page);

} // namespace gw::editor
