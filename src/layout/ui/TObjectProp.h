#pragma once

#include "layout/ui/ObjectDialog.h"

class QCheckBox;
class QLineEdit;

namespace gw::layout {

// Transparent background (Tile Bitmap for a Bitmap), Make It Fit, the number of columns of the
// clue and word lists and Split Columns of the combined clues, for every kind but the Puzzle.
class TObjectProp : public ObjectDialog
{
    Q_OBJECT

public:
    TObjectProp(app::AppContext &context, const LayoutObject &object, QWidget *parent);

private Q_SLOTS:
    void OkButtonClick();
    void SplitColumnsClick(bool checked);

private:
    QCheckBox *m_transparent = nullptr;
    QCheckBox *m_makeItFit = nullptr;
    QCheckBox *m_splitColumns = nullptr;
    QLineEdit *m_columns = nullptr;
};

} // namespace gw::layout
