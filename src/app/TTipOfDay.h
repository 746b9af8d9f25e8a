#pragma once

#include "ui/TWindow.h"

class QCheckBox;
class QLabel;

namespace gw::app {

struct AppContext;

// The tip of the day: one of the program's tips, the next one on request, and the check box
// that stores whether the window opens when the program starts.
class TTipOfDay : public TWindow
{
    Q_OBJECT

public:
    // firstTip counts from 0; the main window picks it at random.
    TTipOfDay(AppContext &context, int firstTip, QWidget *parent);

    static int randomTip();
    int shownTip() const { return m_tip; }

    void done(int result) override;

private Q_SLOTS:
    void NextTipClick();

private:
    void showTip();

    int m_tip;
    QLabel *m_text;
    QCheckBox *m_showTips;
};

} // namespace gw::app
