#pragma once

#include "layout/ui/ObjectDialog.h"

class QLineEdit;

namespace gw::layout {

// The heading text of an Across Header or Down Header object, at most 25 characters.
class TClueChange : public ObjectDialog
{
    Q_OBJECT

public:
    TClueChange(app::AppContext &context, const LayoutObject &object, QWidget *parent);

private Q_SLOTS:
    void OkButtonClick();

private:
    QLineEdit *m_header = nullptr;
};

} // namespace gw::layout
