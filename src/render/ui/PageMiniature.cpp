#include "render/ui/PageMiniature.h"

#include "render/ObjectGeometry.h"
#include "render/TextConversion.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace gw::render {

PageMiniature::PageMiniature(QWidget *parent)
    : QWidget(parent)
{ }

void PageMiniature::setPageLayout(const layout::LayoutRecord *pageLayout)
{
    m_layout = pageLayout;
    update();
}

QColor PageMiniature::kindColour(int kind)
{
    using layout::ObjectKind;
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Title:
        return colourFromWindows(0x00FFFF);
    case ObjectKind::Puzzle:
        return colourFromWindows(0x000080);
    case ObjectKind::DownHeader:
    case ObjectKind::DownClues:
        return colourFromWindows(0x008080);
    case ObjectKind::AcrossHeader:
    case ObjectKind::AcrossClues:
    case ObjectKind::CombinedClues:
        return colourFromWindows(0xFFFF00);
    case ObjectKind::WordList:
        return colourFromWindows(0x808000);
    case ObjectKind::BonusQuestion:
        return colourFromWindows(0xFF00FF);
    case ObjectKind::Bitmap:
        return colourFromWindows(0xFFFFFF);
    default:
        return colourFromWindows(0x808080); // text, rectangle, circle
    }
}

int PageMiniature::shownColumns(const layout::LayoutObject &object)
{
    using layout::ObjectKind;
    switch (static_cast<ObjectKind>(object.kind)) {
    case ObjectKind::DownClues:
    case ObjectKind::AcrossClues:
    case ObjectKind::CombinedClues:
    case ObjectKind::WordList:
        return objectColumns(object);
    default:
        return 1;
    }
}

void PageMiniature::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_layout || m_layout->pageWidthPixels <= 0 || m_layout->pageHeightPixels <= 0)
        return;
    // One pixel is kept free at the right and bottom for the page's outline; the page is centred.
    const double room = width() - 1;
    const double roomDown = height() - 1;
    const double scale = std::min(room / m_layout->pageWidthPixels, roomDown / m_layout->pageHeightPixels);
    painter.translate(std::floor((room - scale * m_layout->pageWidthPixels) / 2),
        std::floor((roomDown - scale * m_layout->pageHeightPixels) / 2));
    painter.scale(scale, scale);
    painter.setPen(QPen(Qt::black, 0)); // a cosmetic pen: one pixel at any scale
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(0, 0, m_layout->pageWidthPixels, m_layout->pageHeightPixels));
    for (int slot = 0; slot < m_layout->safeObjectCount(); ++slot) {
        const layout::LayoutObject &object = m_layout->objects[slot];
        const QRectF box(
            QPointF(object.rect.left, object.rect.top), QPointF(object.rect.right, object.rect.bottom));
        painter.setBrush(kindColour(object.kind));
        if (object.kind == static_cast<std::int16_t>(layout::ObjectKind::Circle))
            painter.drawEllipse(box);
        else
            painter.drawRect(box);
        const int columns = shownColumns(object);
        for (int column = 1; column < columns; ++column) {
            const double x = box.left() + box.width() * column / columns;
            painter.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom()));
        }
    }
}

} // namespace gw::render
