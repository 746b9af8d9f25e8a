#pragma once

#include "layout/ui/ObjectDialog.h"

class QRadioButton;

namespace gw::layout {

// The font and orientation of the clue numbers printed in the Puzzle's squares.
class TNumberClueFont : public ObjectDialog
{
    Q_OBJECT

public:
    TNumberClueFont(app::AppContext &context, const LayoutObject &object, QWidget *parent);

private Q_SLOTS:
    void OkButtonClick();
    void ChangeFontClick();

private:
    QRadioButton *m_horizontal = nullptr;
    QRadioButton *m_vertical = nullptr;
};

} // namespace gw::layout
