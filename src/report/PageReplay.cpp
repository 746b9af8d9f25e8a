#include "report/PageReplay.h"

#include "render/TextConversion.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace gw::report {

namespace {

constexpr double Reference = TextMetrics::ReferenceDotsPerInch;

QRectF referenceRect(const InchRect &box)
{
    return QRectF(QPointF(box.left * Reference, box.top * Reference),
        QPointF(box.right * Reference, box.bottom * Reference));
}

// Draws in reference dots; a line is one device dot of the page wide, but never thinner than
// one pixel of the device it lands on.
class Replay
{
public:
    Replay(QPainter &painter, double deviceDotsPerInch)
        : m_painter(painter)
        , m_penWidth(std::max(Reference / RecordedPage::DeviceDotsPerInch, Reference / deviceDotsPerInch))
    { }

    void operator()(const LineOperation &line)
    {
        // A line covers the dots to the right of and below the points it joins, so that an
        // outline drawn along a filled box's edges sits on the box, as the device dots lie.
        const double half = m_penWidth / 2;
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setPen(pen(line.colour, Qt::SquareCap));
        m_painter.drawLine(QPointF(line.x1 * Reference + half, line.y1 * Reference + half),
            QPointF(line.x2 * Reference + half, line.y2 * Reference + half));
    }

    void operator()(const FillOperation &fill)
    {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.fillRect(referenceRect(fill.box), colourFromWindows(fill.colour));
    }

    void operator()(const AreaOperation &area)
    {
        // One path for the whole area: a reader that smooths edges then has none inside it.
        QPainterPath path;
        for (const Outline &outline : area.outlines) {
            path.moveTo(outline.front().x * Reference, outline.front().y * Reference);
            for (std::size_t i = 1; i < outline.size(); ++i)
                path.lineTo(outline[i].x * Reference, outline[i].y * Reference);
            path.closeSubpath();
        }
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.fillPath(path, colourFromWindows(area.colour));
    }

    void operator()(const EllipseOperation &ellipse)
    {
        m_painter.setRenderHint(QPainter::Antialiasing, true);
        m_painter.setPen(pen(ellipse.penColour, Qt::FlatCap));
        m_painter.setBrush(colourFromWindows(ellipse.brushColour));
        m_painter.drawEllipse(referenceRect(ellipse.box));
    }

    void operator()(const ArcOperation &arc)
    {
        // Qt counts arc angles in sixteenths of a degree.
        m_painter.setRenderHint(QPainter::Antialiasing, true);
        m_painter.setPen(pen(arc.colour, Qt::FlatCap));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawArc(referenceRect(arc.box), static_cast<int>(arc.startDegrees * 16),
            static_cast<int>(arc.spanDegrees * 16));
    }

    void operator()(const TextOperation &text)
    {
        if (text.opaque) {
            m_painter.fillRect(QRectF(text.x * Reference, (text.baseline - text.ascent) * Reference,
                                   text.width * Reference, (text.ascent + text.descent) * Reference),
                Qt::white);
        }
        m_painter.setFont(TextMetrics::qtFont(text.font));
        m_painter.setPen(colourFromWindows(text.font.colour));
        m_painter.drawText(QPointF(text.x * Reference, text.baseline * Reference), toQString(text.text));
    }

    void operator()(const BitmapOperation &bitmap)
    {
        m_painter.drawImage(referenceRect(bitmap.box), bitmap.bitmap);
    }

private:
    QPen pen(std::uint32_t colour, Qt::PenCapStyle cap) const
    {
        return QPen(colourFromWindows(colour), m_penWidth, Qt::SolidLine, cap, Qt::MiterJoin);
    }

    QPainter &m_painter;
    double m_penWidth;
};

} // namespace

void replayPage(QPainter &painter, const RecordedPage &page, double deviceDotsPerInch)
{
    painter.save();
    painter.scale(deviceDotsPerInch / Reference, deviceDotsPerInch / Reference);
    painter.setClipRect(
        QRectF(0, 0, page.setup().sheetWidth() * Reference, page.setup().sheetHeight() * Reference));
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    Replay replay(painter, deviceDotsPerInch);
    for (const PageOperation &operation : page.operations())
        std::visit(replay, operation);
    painter.restore();
}

} // namespace gw::report
