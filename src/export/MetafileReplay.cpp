#include "export/MetafileReplay.h"

#include "export/MetafileGeometry.h"
#include "report/TextMetrics.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace gw::exports {

namespace {

constexpr std::uint32_t White = 0x00FFFFFF;
constexpr double PointsPerInch = 72;

PixelPoint pixel(double x, double y)
{
    return { metafilePixel(x), metafilePixel(y) };
}

PixelRect pixels(const report::InchRect &box)
{
    return { metafilePixel(box.left), metafilePixel(box.top), metafilePixel(box.right),
        metafilePixel(box.bottom) };
}

// The point where the ray from the box's centre at the angle (degrees counter-clockwise from
// three o'clock, y growing downwards) meets the ellipse in the box.
PixelPoint onEllipse(const report::InchRect &box, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180;
    const double cx = (box.left + box.right) / 2;
    const double cy = (box.top + box.bottom) / 2;
    return pixel(cx + std::cos(radians) * box.width() / 2, cy - std::sin(radians) * box.height() / 2);
}

class Replay
{
public:
    explicit Replay(MetafileDevice &device)
        : m_device(device)
    { }

    void operator()(const report::LineOperation &line)
    {
        m_device.setPenColour(line.colour);
        m_device.moveTo(pixel(line.x1, line.y1));
        m_device.lineTo(pixel(line.x2, line.y2));
    }

    void operator()(const report::FillOperation &fill)
    {
        // The pen in the brush's colour covers the right and bottom edge the rectangle would
        // otherwise leave open, so the fill covers from left up to, not including, right.
        m_device.setPenColour(fill.colour);
        m_device.setBrushColour(fill.colour);
        m_device.rectangle(pixels(fill.box));
    }

    void operator()(const report::AreaOperation &area)
    {
        std::vector<std::vector<PixelPoint>> outlines;
        for (const report::Outline &outline : area.outlines) {
            outlines.emplace_back();
            for (const report::InchPoint &corner : outline)
                outlines.back().push_back(pixel(corner.x, corner.y));
        }
        m_device.setNullPen();
        m_device.setBrushColour(area.colour);
        m_device.polyPolygon(outlines);
    }

    void operator()(const report::EllipseOperation &ellipse)
    {
        m_device.setPenColour(ellipse.penColour);
        m_device.setBrushColour(ellipse.brushColour);
        m_device.ellipse(pixels(ellipse.box));
    }

    void operator()(const report::ArcOperation &arc)
    {
        m_device.setPenColour(arc.colour);
        m_device.arc(pixels(arc.box), onEllipse(arc.box, arc.startDegrees),
            onEllipse(arc.box, arc.startDegrees + arc.spanDegrees));
    }

    void operator()(const report::TextOperation &text)
    {
        const int height = static_cast<int>(
            std::lround(report::clampedPointSize(text.font.size) * MetafilePixelsPerInch / PointsPerInch));
        m_device.setFont(text.font, height);
        m_device.setOpaqueText(text.opaque);
        // Each character ends where the text up to it ends on the page.
        const report::TextMetrics metrics(text.font);
        std::vector<int> advances;
        advances.reserve(text.text.size());
        int previous = metafilePixel(text.x);
        for (std::size_t i = 1; i <= text.text.size(); ++i) {
            const int end = metafilePixel(text.x + metrics.width(std::string_view(text.text).substr(0, i)));
            advances.push_back(end - previous);
            previous = end;
        }
        m_device.text(pixel(text.x, text.baseline), text.text, advances);
    }

    void operator()(const report::BitmapOperation &) { }

private:
    MetafileDevice &m_device;
};

} // namespace

void replayIntoMetafile(const report::RecordedPage &page, MetafileDevice &device)
{
    const MetafileSize size = MetafileSize::ofSheet(page.setup().sheetWidth(), page.setup().sheetHeight());
    device.setPenColour(White);
    device.setBrushColour(White);
    device.rectangle({ 0, 0, size.width, size.height });
    Replay replay(device);
    for (const report::PageOperation &operation : page.operations())
        std::visit(replay, operation);
}

} // namespace gw::exports
