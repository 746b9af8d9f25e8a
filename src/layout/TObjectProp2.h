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

// The Puzzle's properties: skeleton, fill, block and line colours and the line width.
class TObjectProp2 : public QDialog
{
    Q_OBJECT

public:
    TObjectProp2(app::AppContext &context, const LayoutObject &object, QWidget *parent);

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
    QCheckBox *m_skeleton = nullptr;
    ColourChoice m_fillColour;
    ColourChoice m_blockColour;
    ColourChoice m_lineColour;
    QLineEdit *m_lineWidth = nullptr;
};

} // namespace gw::layout
