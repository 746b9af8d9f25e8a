#pragma once

#include "layout/LayoutRecord.h"

#include <QDialog>

namespace gw::app {
struct AppContext;
}

namespace gw::layout {

// The frame of the layout designer's object dialogs: a fixed-size window in the design font
// that works on a copy of one object.  The designer copies object() back only when ok() says
// OK accepted the entries.
class QtObjectDialog : public QDialog
{
    Q_OBJECT

public:
    bool ok() const { return m_ok; }
    const LayoutObject &object() const { return m_object; }

protected:
    // The size is in design pixels, before the window look scales it.
    QtObjectDialog(app::AppContext &context, const LayoutObject &object, const QString &title, int width,
        int height, QWidget *parent);

    void showEvent(QShowEvent *event) override;

    // Marks the copy accepted and closes the window; called once the entries are stored in it.
    void acceptObject();

    LayoutObject m_object;

private:
    void FormShow();

    app::AppContext &m_context;
    bool m_ok = false;
    bool m_shown = false;
};

} // namespace gw::layout
