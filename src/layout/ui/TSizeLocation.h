#pragma once

#include "layout/ui/ObjectDialog.h"

class QLineEdit;

namespace gw::layout {

// The object's rectangle typed in the layout's unit: left, top, width and height with three
// decimals, stored back as layout pixels (pixelsPerUnit of them to a unit, rounded half to even).
// The page size in layout pixels tells when the object would start off the page.
class TSizeLocation : public ObjectDialog
{
    Q_OBJECT

public:
    TSizeLocation(app::AppContext &context, const LayoutObject &object, double pixelsPerUnit, bool inches,
        int pageWidthPixels, int pageHeightPixels, QWidget *parent);

private Q_SLOTS:
    void OkButtonClick();

private:
    double m_pixelsPerUnit;
    int m_pageWidthPixels;
    int m_pageHeightPixels;
    QLineEdit *m_left = nullptr;
    QLineEdit *m_top = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
};

} // namespace gw::layout
