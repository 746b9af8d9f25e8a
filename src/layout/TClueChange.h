#pragma once

#include "layout/LayoutRecord.h"

#include <QDialog>

class QLineEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::layout {

// The heading text of an Across Header or Down Header object, at most 25 characters.
class TClueChange : public QDialog
{
    Q_OBJECT

public:
    TClueChange(app::AppContext &context, const LayoutObject &object, QWidget *parent);

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
    QLineEdit *m_header = nullptr;
};

} // namespace gw::layout
