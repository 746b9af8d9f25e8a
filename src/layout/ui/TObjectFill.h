#pragma once

#include "layout/ui/ObjectDialog.h"
#include "layout/ui/ObjectDialogParts.h"

class QCheckBox;

namespace gw::layout {

// Whether a Rectangle or Circle is filled, and its fill colour.
class TObjectFill : public ObjectDialog
{
    Q_OBJECT

public:
    TObjectFill(app::AppContext &context, const LayoutObject &object, QWidget *parent);

private Q_SLOTS:
    void OkButtonClick();

private:
    QCheckBox *m_fillInShape = nullptr;
    ColourChoice m_fillColour;
};

} // namespace gw::layout
