#pragma once

#include "layout/LayoutRecord.h"
#include "layout/QtObjectDialogParts.h"

#include <QDialog>

class QCheckBox;

namespace gw::app {
struct AppContext;
}

namespace gw::layout {

// Whether a Rectangle or Circle is filled, and its fill colour.
class TObjectFill : public QDialog
{
    Q_OBJECT

public:
    TObjectFill(app::AppContext &context, const LayoutObject &object, QWidget *parent);

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
    QCheckBox *m_fillInShape = nullptr;
    ColourChoice m_fillColour;
};

} // namespace gw::layout
