#pragma once

#include "ui/TWindow.h"

class QCheckBox;
class QLineEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::generate {

// The word separator window: which punctuation characters of a word the printed puzzle shows
// in its squares.  Every change is stored in the settings at once; Ok only closes.
class TWordLetters : public app::TWindow
{
    Q_OBJECT

public:
    TWordLetters(app::AppContext &context, QWidget *parent);

private Q_SLOTS:
    void WordSepDashClick();
    void WordSepSlashClick();
    void WordSepPlusClick();
    void WordSepStarClick();
    void WordSepOtherClick();
    void WordSepCharChange();
    void OkButtonClick();

private:
    void FormShow() override;

    QCheckBox *m_dash;
    QCheckBox *m_slash;
    QCheckBox *m_plus;
    QCheckBox *m_star;
    QCheckBox *m_other;
    QLineEdit *m_char;
};

} // namespace gw::generate
