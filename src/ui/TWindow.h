#pragma once

#include <QDialog>

namespace gw::app {

struct AppContext;

// Every window of the program but the main window.  The look (the user's fonts, the scale of
// the chosen screen size, the window centred) is applied once, on the first show: it moves the
// window, and a window shown again keeps the place the user gave it.  FormShow runs on every
// show the program asks for; a window restored from the task bar is shown again by the system
// and keeps its state.
class TWindow : public QDialog
{
    Q_OBJECT

public:
    // raise lifts the centred window by that many design pixels, never above the top.
    TWindow(AppContext &context, QWidget *parent, int raise = 0);

protected:
    void showEvent(QShowEvent *event) override;

    // The window's own look; the few windows that are not scaled as drawn replace it.
    virtual void applyLook();
    virtual void FormShow() { }

    AppContext &m_context;

private:
    int m_raise;
    bool m_lookApplied = false;
};

} // namespace gw::app
