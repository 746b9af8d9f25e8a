#pragma once

#include "layout/LayoutRecord.h"

#include <QDialog>

class QLineEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::layout {

// The object's rectangle typed in the layout's unit: left, top, width and height with three
// decimals, stored back as layout pixels (pixelsPerUnit of them to a unit, rounded half to even).
// The page size in layout pixels tells when the object would start off the page.
class TSizeLocation : public QDialog
{
    Q_OBJECT

public:
    TSizeLocation(app::AppContext &context, const LayoutObject &object, double pixelsPerUnit, bool inches,
        int pageWidthPixels, int pageHeightPixels, QWidget *parent);

    // Set only when OK accepted the entries; the designer copies object() back only then.
    bool ok() const { return m_ok; }
    const LayoutObject &object() const { return m_object; }

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void OkButtonClick();

private:
    void FormShow();

    app::AppContext &m_context;
    LayoutObject m_object;
    bool m_ok = false;
    bool m_shown = false;
    double m_pixelsPerUnit;
    int m_pageWidthPixels;
    int m_pageHeightPixels;
    QLineEdit *m_left = nullptr;
    QLineEdit *m_top = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
};

} // namespace gw::layout
