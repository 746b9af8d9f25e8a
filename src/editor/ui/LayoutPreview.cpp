#include "editor/ui/LayoutPreview.h"

#include "render/TextConversion.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace gw::editor {

namespace {

using layout::ObjectKind;

constexpr int MaxColumns = 9;
// Coordinates of a record read from a file are untrusted; beyond this they are off any picture.
constexpr double CoordinateLimit = 1.0e6;

// Colours 0x00BBGGRR by kind; none for a kind outside 1..13.
std::optional<std::uint32_t> kindColour(std::int16_t kind)
{
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Title:
        return 0x00FFFF;
    case ObjectKind::Puzzle:
        return 0x000080;
    case ObjectKind::DownHeader:
    case ObjectKind::DownClues:
        return 0x008080;
    case ObjectKind::AcrossHeader:
    case ObjectKind::AcrossClues:
    case ObjectKind::CombinedClues:
        return 0xFFFF00;
    case ObjectKind::WordList:
        return 0x808000;
    case ObjectKind::BonusQuestion:
        return 0xFF00FF;
    case ObjectKind::Text:
    case ObjectKind::Rectangle:
    case ObjectKind::Circle:
        return 0x808080;
    case ObjectKind::Bitmap:
        return 0xFFFFFF;
    }
    return std::nullopt;
}

bool hasColumns(std::int16_t kind)
{
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::DownClues:
    case ObjectKind::AcrossClues:
    case ObjectKind::WordList:
    case ObjectKind::CombinedClues:
        return true;
    default:
        return false;
    }
}

// A layout pixel at the preview's scale, rounded half to even.
int atScale(double value, double scale)
{
    return static_cast<int>(std::nearbyint(std::clamp(value * scale, -CoordinateLimit, CoordinateLimit)));
}

// The outline of the pixels left..right - 1 and top..bottom - 1 with a one-pixel pen.
void outline(QPainter &painter, int left, int top, int right, int bottom, Qt::PenStyle style)
{
    if (right - left < 1 || bottom - top < 1)
        return;
    painter.setPen(QPen(Qt::black, 1, style));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(left, top, right - left - 1, bottom - top - 1);
}

} // namespace

void DrawPageItem(QPainter &painter, const layout::LayoutObject &object, double scale, const QRect &page)
{
    const std::optional<std::uint32_t> colour = kindColour(object.kind);
    if (!colour)
        return;
    const int left = atScale(object.rect.left, scale);
    const int top = atScale(object.rect.top, scale);
    const int right = atScale(object.rect.right, scale);
    const int bottom = atScale(object.rect.bottom, scale);
    const QRect box(left, top, right - left, bottom - top);
    const QColor fill = colourFromWindows(*colour);

    switch (static_cast<ObjectKind>(object.kind)) {
    case ObjectKind::Circle:
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawEllipse(box);
        return;
    case ObjectKind::Bitmap:
        painter.fillRect(box, fill);
        if (object.transparent == 1)
            outline(painter, page.left(), page.top(), page.right() + 1, page.bottom() + 1, Qt::DotLine);
        else
            outline(painter, left, top, right, bottom, Qt::DotLine);
        return;
    default:
        painter.fillRect(box, fill);
        outline(painter, left, top, right, bottom, Qt::SolidLine);
        break;
    }

    if (!hasColumns(object.kind))
        return;
    const int columns = std::clamp<int>(object.columns, 1, MaxColumns);
    const int step = (right - left) / columns;
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    for (int k = 1; k < columns; ++k)
        painter.drawLine(left + k * step, top, left + k * step, bottom - 1);
}

QImage DrawPageBox(const layout::LayoutRecord &layout, QSize size, const QColor &buttonFace)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(buttonFace);
    // A page of no pixels has no scale; a record from a file may hold one.
    if (layout.pageWidthPixels <= 0 || layout.pageHeightPixels <= 0 || size.isEmpty())
        return picture;
    const double scale = std::min(static_cast<double>(size.width()) / layout.pageWidthPixels,
        static_cast<double>(size.height()) / layout.pageHeightPixels);

    QPainter painter(&picture);
    const QRect page(0, 0, atScale(layout.pageWidthPixels, scale), atScale(layout.pageHeightPixels, scale));
    painter.fillRect(page, Qt::white);
    for (int slot = 0; slot < layout.safeObjectCount(); ++slot)
        DrawPageItem(painter, layout.objects[slot], scale, page);
    return picture;
}

} // namespace gw::editor
