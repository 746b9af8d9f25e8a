#include "layout/ui/PagePicture.h"

#include "layout/PageDesign.h"
#include "render/TextConversion.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace gw::layout {

namespace {

// Coordinates of a record read from a file may lie anywhere in int32; what is drawn is held
// well outside the largest page so the painter never meets absurd numbers.
constexpr int DrawingReach = 1 << 16;
// The largest page a designer offers is 46 centimeters at 40 pixels each; a page size read from
// a file is drawn no larger than this, so a wild size never asks for gigabytes of picture.
constexpr int LargestPagePixels = 4096;

QRect drawnRect(const PixelRect &rect)
{
    auto held = [](std::int32_t value) { return std::clamp<int>(value, -DrawingReach, DrawingReach); };
    const int left = held(rect.left);
    const int top = held(rect.top);
    return QRect(left, top, held(rect.right) - left, held(rect.bottom) - top).normalized();
}

QFont pageFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    return font;
}

QPen dottedPen(const QColor &colour)
{
    QPen pen(colour, 0, Qt::DotLine);
    pen.setCosmetic(true);
    return pen;
}

// Outlines covering the pixels left .. right - 1 and top .. bottom - 1: border width nested
// one-pixel frames in the border colour when the border is on, a dotted black frame otherwise.
void outline(QPainter &painter, const LayoutObject &object, const QRect &box, bool ellipse)
{
    painter.setBrush(Qt::NoBrush);
    const bool border = object.useBorder != 0;
    const int frames = border ? std::clamp<int>(object.borderWidth, 1, 9) : 1;
    painter.setPen(border ? QPen(colourFromWindows(object.borderColour), 0) : dottedPen(Qt::black));
    for (int inset = 0; inset < frames; ++inset) {
        const QRect frame = box.adjusted(inset, inset, -inset - 1, -inset - 1);
        if (frame.width() < 0 || frame.height() < 0)
            break;
        ellipse ? painter.drawEllipse(frame) : painter.drawRect(frame);
    }
}

// The label cut from its end until it fits the width, centred.
void drawLabel(QPainter &painter, const QRect &box, std::string_view label)
{
    QString text = toQString(label);
    const QFontMetrics metrics(painter.font());
    while (!text.isEmpty() && metrics.horizontalAdvance(text) > box.width())
        text.chop(1);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
}

void drawObject(QPainter &painter, const LayoutObject &object, const QImage &picture, const QSize &page)
{
    const QRect box = drawnRect(object.rect);
    const int kind = object.kind;
    if (kind == static_cast<int>(ObjectKind::Rectangle) || kind == static_cast<int>(ObjectKind::Circle)) {
        const bool ellipse = kind == static_cast<int>(ObjectKind::Circle);
        if (object.fillInShape != 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colourFromWindows(object.fillColour));
            ellipse ? painter.drawEllipse(box) : painter.drawRect(box);
        }
        outline(painter, object, box, ellipse);
        return;
    }
    if (kind == static_cast<int>(ObjectKind::Bitmap)) {
        if (!picture.isNull() && !box.isEmpty())
            painter.drawImage(box, picture);
        if (object.useBorder != 0)
            outline(painter, object, box, false);
        if (object.transparent != 0) {
            painter.setPen(dottedPen(Qt::black));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(QPoint(0, 0), page).adjusted(0, 0, -1, -1));
        }
        return;
    }
    if (!isKnownKind(kind))
        return;
    const KindLook look = kindLook(kind);
    painter.fillRect(box, colourFromWindows(look.colour));
    outline(painter, object, box, false);
    drawLabel(painter, box, look.label);
    painter.setPen(dottedPen(Qt::black));
    for (int x : columnLines(object))
        painter.drawLine(x, box.top(), x, box.bottom());
}

} // namespace

QImage bitmapPlaceholder(int width, int height)
{
    QImage picture(
        std::clamp(width, 1, DrawingReach), std::clamp(height, 1, DrawingReach), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    painter.setFont(pageFont());
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Bitmap"));
    return picture;
}

QImage drawPagePicture(const LayoutRecord &layout, const SlotPictures &pictures, int selectedSlot)
{
    const QSize page(std::clamp<int>(layout.pageWidthPixels, 1, LargestPagePixels),
        std::clamp<int>(layout.pageHeightPixels, 1, LargestPagePixels));
    QImage image(page, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(pageFont());
        for (int slot = 0; slot < layout.safeObjectCount(); ++slot)
            drawObject(painter, layout.objects[slot], pictures[static_cast<std::size_t>(slot)], page);
    }
    if (selectedSlot >= 1 && selectedSlot <= layout.safeObjectCount())
        drawHandles(image, layout.objects[selectedSlot - 1].rect);
    return image;
}

void drawHandles(QImage &page, const PixelRect &rect)
{
    QPainter painter(&page);
    for (int handle = 1; handle <= HandleCount; ++handle)
        painter.fillRect(drawnRect(handleSquare(rect, handle)), Qt::black);
}

void drawRubberFrame(QImage &page, const PixelRect &rect)
{
    QPainter painter(&page);
    painter.setPen(dottedPen(Qt::black));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(drawnRect(rect).adjusted(0, 0, -1, -1));
}

QImage drawRuler(bool horizontal, bool inches, int pixelsPerUnit, int pageLengthPixels)
{
    pageLengthPixels = std::clamp(pageLengthPixels, 0, LargestPagePixels);
    const int length = pageLengthPixels + RulerThickness;
    QImage ruler(
        horizontal ? QSize(length, RulerThickness) : QSize(RulerThickness, length), QImage::Format_RGB32);
    ruler.fill(QColor(Qt::white));
    QPainter painter(&ruler);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(ruler.rect().adjusted(0, 0, -1, -1));
    QFont numbers(QStringLiteral("Arial"));
    numbers.setPointSize(8);
    painter.setFont(numbers);
    for (const RulerMark &mark : rulerMarks(inches, pixelsPerUnit, pageLengthPixels)) {
        const int at = RulerThickness + mark.position;
        if (horizontal)
            painter.drawLine(at, mark.from, at, RulerThickness - 1);
        else
            painter.drawLine(mark.from, at, RulerThickness - 1, at);
        if (mark.number > 0) {
            const QString text = QString::number(mark.number);
            if (horizontal)
                painter.drawText(QRect(at + 2, 1, 24, 14), Qt::AlignLeft | Qt::AlignVCenter, text);
            else
                painter.drawText(QRect(1, at + 1, 14, 14), Qt::AlignCenter, text);
        }
    }
    return ruler;
}

} // namespace gw::layout
