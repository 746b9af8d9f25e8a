#pragma once

#include "layout/LayoutRecord.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::layout {

// Transparent background (Tile Bitmap for a Bitmap), Make It Fit, the number of columns of the
// clue and word lists and Split Columns of the combined clues, for every kind but the Puzzle.
class TObjectProp : public QDialog
{
    Q_OBJECT

public:
    TObjectProp(app::AppContext &context, const LayoutObject &object, QWidget *parent);

    // Set only when OK accepted the entries; the designer copies object() back only then.
    bool ok() const { return m_ok; }
    const LayoutObject &object() const { return m_object; }

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void OkButtonClick();
    void SplitColumnsClick(bool checked);

private:
    void FormShow();

    app::AppContext &m_context;
    LayoutObject m_object;
    bool m_ok = false;
    bool m_shown = false;
    QCheckBox *m_transparent = nullptr;
    QCheckBox *m_makeItFit = nullptr;
    QCheckBox *m_splitColumns = nullptr;
    QLineEdit *m_columns = nullptr;
};

} // namespace gw::layout
