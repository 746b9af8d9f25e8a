#pragma once

#include "layout/ui/ObjectDialog.h"
#include "layout/ui/ObjectDialogParts.h"

class QCheckBox;
class QLineEdit;

namespace gw::layout {

// The Puzzle's properties: skeleton, fill, block and line colours and the line width.
class TObjectProp2 : public ObjectDialog
{
    Q_OBJECT

public:
    TObjectProp2(app::AppContext &context, const LayoutObject &object, QWidget *parent);

private Q_SLOTS:
    void OkButtonClick();

private:
    QCheckBox *m_skeleton = nullptr;
    ColourChoice m_fillColour;
    ColourChoice m_blockColour;
    ColourChoice m_lineColour;
    QLineEdit *m_lineWidth = nullptr;
};

} // namespace gw::layout
