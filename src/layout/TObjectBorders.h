#pragma once

#include "layout/LayoutRecord.h"
#include "layout/QtObjectDialogParts.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::layout {

// Whether the object has a border, its colour and its width (1..9 nested outlines).
class TObjectBorders : public QDialog
{
    Q_OBJECT

public:
    TObjectBorders(app::AppContext &context, const LayoutObject &object, QWidget *parent);

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
    QCheckBox *m_useBorder = nullptr;
    ColourChoice m_borderColour;
    QLineEdit *m_width = nullptr;
};

} // namespace gw::layout
