#include "report/RecordedPage.h"

#include <algorithm>

namespace gw::report {

RecordedPage::RecordedPage(const PageSetup &setup)
    : m_setup(setup)
    , m_metrics(m_font)
{ }

void RecordedPage::keep(PageOperation operation, const InchRect &extent)
{
    if (extent.left <= m_setup.sheetWidth() && extent.right >= 0 && extent.top <= m_setup.sheetHeight()
        && extent.bottom >= 0)
        m_operations.push_back(std::move(operation));
}

void RecordedPage::moveTo(double x, double y)
{
    m_x = x;
    m_y = y;
}

void RecordedPage::lineTo(double x, double y)
{
    keep(LineOperation { m_x, m_y, x, y, m_penColour },
        { std::min(m_x, x), std::min(m_y, y), std::max(m_x, x), std::max(m_y, y) });
    moveTo(x, y);
}

void RecordedPage::fillRect(const InchRect &box)
{
    keep(FillOperation { box, m_brushColour }, box);
}

void RecordedPage::fillArea(std::span<const InchRect> boxes)
{
    std::vector<Outline> outlines = areaOutlines(boxes);
    if (outlines.empty())
        return;
    InchRect extent { outlines[0][0].x, outlines[0][0].y, outlines[0][0].x, outlines[0][0].y };
    for (const Outline &outline : outlines) {
        for (const InchPoint &corner : outline) {
            extent = { std::min(extent.left, corner.x), std::min(extent.top, corner.y),
                std::max(extent.right, corner.x), std::max(extent.bottom, corner.y) };
        }
    }
    keep(AreaOperation { std::move(outlines), m_brushColour }, extent);
}

void RecordedPage::ellipse(const InchRect &box)
{
    keep(EllipseOperation { box, m_penColour, m_brushColour }, box);
}

void RecordedPage::arc(const InchRect &box, double startDegrees, double spanDegrees)
{
    keep(ArcOperation { box, startDegrees, spanDegrees, m_penColour }, box);
}

void RecordedPage::stretchBitmap(const InchRect &box, const QImage &bitmap)
{
    if (!bitmap.isNull())
        keep(BitmapOperation { box, bitmap }, box);
}

void RecordedPage::setFont(const FontSpec &font)
{
    if (font == m_font)
        return;
    m_font = font;
    m_metrics = TextMetrics(font);
}

void RecordedPage::printText(double x, double baseline, std::string_view text)
{
    if (text.empty())
        return;
    const double width = m_metrics.width(text);
    keep(TextOperation { x, baseline, std::string(text), m_font, !m_transparentText, width,
             m_metrics.ascent(), m_metrics.descent() },
        { x, baseline - m_metrics.ascent(), x + width, baseline + m_metrics.descent() });
}

} // namespace gw::report
