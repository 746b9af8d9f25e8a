#pragma once

#include "layout/LayoutRecord.h"

#include <QDialog>

class QRadioButton;

namespace gw::app {
struct AppContext;
}

namespace gw::layout {

// The font and orientation of the clue numbers printed in the Puzzle's squares.
class TNumberClueFont : public QDialog
{
    Q_OBJECT

public:
    TNumberClueFont(app::AppContext &context, const LayoutObject &object, QWidget *parent);

    // Set only when OK accepted the entries; the designer copies object() back only then.
    bool ok() const { return m_ok; }
    const LayoutObject &object() const { return m_object; }

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void OkButtonClick();
    void ChangeFontClick();

private:
    void FormShow();

    app::AppContext &m_context;
    LayoutObject m_object;
    bool m_ok = false;
    bool m_shown = false;
    QRadioButton *m_horizontal = nullptr;
    QRadioButton *m_vertical = nullptr;
};

} // namespace gw::layout
