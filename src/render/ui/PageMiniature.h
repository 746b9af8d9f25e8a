#pragma once

#include "layout/LayoutRecord.h"

#include <QColor>
#include <QWidget>

namespace gw::render {

// The Reports window's miniature of a page layout: the page in white, scaled to fit, and each
// object as a box in the colour of its kind, divided into its columns.
class PageMiniature : public QWidget
{
    Q_OBJECT

public:
    explicit PageMiniature(QWidget *parent = nullptr);

    // The layout is read at every repaint; it must outlive the widget.
    void setPageLayout(const layout::LayoutRecord *pageLayout);

    // The colour an object of the kind is drawn in, and how many columns its box shows.
    static QColor kindColour(int kind);
    static int shownColumns(const layout::LayoutObject &object);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const layout::LayoutRecord *m_layout = nullptr;
};

} // namespace gw::render
