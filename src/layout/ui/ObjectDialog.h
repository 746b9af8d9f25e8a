#pragma once

#include "layout/LayoutRecord.h"
#include "ui/TWindow.h"

namespace gw::app {
struct AppContext;
}

namespace gw::layout {

// The frame of the layout designer's object dialogs: a fixed-size window in the design font
// that works on a copy of one object.  The designer copies object() back only when ok() says
// OK accepted the entries.
class ObjectDialog : public app::TWindow
{
    Q_OBJECT

public:
    bool ok() const { return m_ok; }
    const LayoutObject &object() const { return m_object; }

protected:
    // The size is in design pixels, before the window look scales it.
    ObjectDialog(app::AppContext &context, const LayoutObject &object, const QString &title, int width,
        int height, QWidget *parent);

    // Marks the copy accepted and closes the window; called once the entries are stored in it.
    void acceptObject();

    LayoutObject m_object;

private:
    bool m_ok = false;
};

} // namespace gw::layout
