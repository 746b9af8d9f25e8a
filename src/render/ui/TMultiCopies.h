#pragma once

#include "ui/TWindow.h"

class QLineEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::render {

// The "Multi-Copies" dialog of the preview: how many copies of the page to print.  Ok accepts
// a whole number above 0 and keeps it.
class TMultiCopies : public app::TWindow
{
    Q_OBJECT

public:
    TMultiCopies(app::AppContext &context, QWidget *parent);

    int copies() const { return m_copies; }

private Q_SLOTS:
    void OkButtonClick();

private:
    QLineEdit *m_copiesEdit;
    int m_copies = 0;
};

} // namespace gw::render
