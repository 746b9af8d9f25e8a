#pragma once

#include <QToolButton>

namespace gw::app {

// A tool-bar button whose picture grows and shrinks with the button as the window is scaled.
class SpeedButton : public QToolButton
{
    Q_OBJECT

public:
    using QToolButton::QToolButton;

protected:
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace gw::app
