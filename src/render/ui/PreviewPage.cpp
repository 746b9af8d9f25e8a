#include "render/ui/PreviewPage.h"

#include "report/PageReplay.h"
#include "report/RecordedPage.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace gw::render {

PreviewPage::PreviewPage(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPage::setPage(const report::RecordedPage *page)
{
    m_page = page;
    resizeToPage();
}

void PreviewPage::setZoom(double percent)
{
    m_zoom = percent;
    resizeToPage();
}

QSize PreviewPage::pagePixels(const report::RecordedPage &page, double percent)
{
    const double dotsPerInch = ScreenDotsPerInch * percent / 100;
    return QSize(static_cast<int>(std::lround(page.setup().sheetWidth() * dotsPerInch)),
        static_cast<int>(std::lround(page.setup().sheetHeight() * dotsPerInch)));
}

int PreviewPage::marginPixels(const report::RecordedPage &page, double percent)
{
    return static_cast<int>(std::lround(pagePixels(page, percent).width() * MarginPercent / 100));
}

QSize PreviewPage::sizeHint() const
{
    if (!m_page)
        return QSize(1, 1);
    const int margin = marginPixels(*m_page, m_zoom);
    return pagePixels(*m_page, m_zoom) + QSize(2 * margin, 2 * margin);
}

void PreviewPage::resizeToPage()
{
    resize(sizeHint());
    update();
}

void PreviewPage::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    if (!m_page)
        return;
    const int margin = marginPixels(*m_page, m_zoom);
    const QRect sheet(QPoint(margin, margin), pagePixels(*m_page, m_zoom));
    painter.fillRect(sheet, Qt::white);
    painter.setClipRect(sheet.intersected(event->rect()));
    painter.translate(sheet.topLeft());
    report::replayPage(painter, *m_page, ScreenDotsPerInch * m_zoom / 100);
}

} // namespace gw::render
