#include "report/PageSetup.h"

#include <QMarginsF>
#include <QPageSize>
#include <algorithm>
#include <cmath>

namespace gw::report {

namespace {

constexpr double MillimetresPerInch = 25.4;

QPageSize::PageSizeId pageSizeId(int code)
{
    switch (code) {
    case PageSetup::Legal:
        return QPageSize::Legal;
    case PageSetup::Executive:
        return QPageSize::ExecutiveStandard; // 7.25 x 10.5 inches
    case PageSetup::A4:
        return QPageSize::A4;
    case PageSetup::A5:
        return QPageSize::A5;
    case PageSetup::B5:
        return QPageSize::JisB5; // 182 x 257 mm, the B5 of the printer codes
    default:
        return QPageSize::Letter;
    }
}

bool knownCode(int code)
{
    return code == PageSetup::Letter || code == PageSetup::Legal || code == PageSetup::Executive
        || code == PageSetup::A4 || code == PageSetup::A5 || code == PageSetup::B5;
}

double heldSide(double side, double fallback)
{
    if (!std::isfinite(side))
        return fallback;
    return std::clamp(side, PageSetup::SmallestSide, PageSetup::LargestSide);
}

} // namespace

void PageSetup::setPaperCode(int code)
{
    m_paperCode = knownCode(code) ? code : Letter;
}

void PageSetup::setCustomSize(double width, double height)
{
    m_paperCode = 0;
    m_customWidth = heldSide(width, 8.5);
    m_customHeight = heldSide(height, 11);
}

QPageSize PageSetup::pageSize() const
{
    if (m_paperCode == 0)
        return QPageSize(
            QSizeF(m_customWidth, m_customHeight), QPageSize::Inch, QString(), QPageSize::ExactMatch);
    return QPageSize(pageSizeId(m_paperCode));
}

QSizeF PageSetup::portraitSize() const
{
    if (m_paperCode == 0)
        return QSizeF(m_customWidth, m_customHeight);
    const QPageSize size(pageSizeId(m_paperCode));
    if (size.definitionUnits() == QPageSize::Inch)
        return size.definitionSize();
    return size.definitionSize() / MillimetresPerInch; // the metric sizes are defined in mm
}

double PageSetup::sheetWidth() const
{
    return m_orientation == Orientation::Portrait ? portraitSize().width() : portraitSize().height();
}

double PageSetup::sheetHeight() const
{
    return m_orientation == Orientation::Portrait ? portraitSize().height() : portraitSize().width();
}

QPageLayout PageSetup::pageLayout() const
{
    QPageLayout layout(pageSize(),
        m_orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
        QMarginsF(MarginInches, MarginInches, MarginInches, MarginInches), QPageLayout::Inch);
    // Pages are drawn from the sheet's corner; the margins only tell the printer what to keep free.
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

} // namespace gw::report
