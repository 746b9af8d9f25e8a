#pragma once

#include "layout/LayoutRecord.h"

#include <QDialog>

class QPlainTextEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::layout {

// The text of a Text object: up to 1000 characters, line breaks included.
class TTextInput : public QDialog
{
    Q_OBJECT

public:
    TTextInput(app::AppContext &context, const LayoutObject &object, QWidget *parent);

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
    QPlainTextEdit *m_text = nullptr;
};

} // namespace gw::layout
