#pragma once

#include "layout/ui/ObjectDialog.h"

class QPlainTextEdit;

namespace gw::layout {

// The text of a Text object: up to 1000 characters, line breaks included.
class TTextInput : public ObjectDialog
{
    Q_OBJECT

public:
    TTextInput(app::AppContext &context, const LayoutObject &object, QWidget *parent);

private Q_SLOTS:
    void OkButtonClick();

private:
    QPlainTextEdit *m_text = nullptr;
};

} // namespace gw::layout
