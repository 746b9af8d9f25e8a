#pragma once

#include "ui/TWindow.h"

#include <QString>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace gw::app {
struct AppContext;
}

namespace gw::generate {

// The clue window of the hand editor: shows one new word and takes its clue.  The radio
// buttons store the setting "Case Sensitivity" as soon as they are clicked; however the window
// closes, the clue stands as typed.
class TAddAClue : public app::TWindow
{
    Q_OBJECT

public:
    static constexpr int ClueLength = 150;

    TAddAClue(app::AppContext &context, const QString &word, QWidget *parent = nullptr);

    QString clue() const;

private Q_SLOTS:
    void UpperClick();
    void LowerClick();
    void FirstLetClick();
    void OkButtonClick();

private:
    void FormShow() override;

    QLabel *m_word;
    QLineEdit *m_clue;
    QRadioButton *m_upper;
    QRadioButton *m_lower;
    QRadioButton *m_firstLet;
};

} // namespace gw::generate
