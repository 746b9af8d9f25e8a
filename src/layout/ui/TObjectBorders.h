#pragma once

#include "layout/ui/ObjectDialog.h"
#include "layout/ui/ObjectDialogParts.h"

class QCheckBox;
class QLineEdit;

namespace gw::layout {

// Whether the object has a border, its colour and its width (1..9 nested outlines).
class TObjectBorders : public ObjectDialog
{
    Q_OBJECT

public:
    TObjectBorders(app::AppContext &context, const LayoutObject &object, QWidget *parent);

private Q_SLOTS:
    void OkButtonClick();

private:
    QCheckBox *m_useBorder = nullptr;
    ColourChoice m_borderColour;
    QLineEdit *m_width = nullptr;
};

} // namespace gw::layout
