#pragma once

#include "ui/TWindow.h"

#include <string>

class QLineEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::layout {

// The bonus question of one printout, held by the print window.  Ok stores the typed text,
// Cancel leaves it.
class TBonusQuestion : public app::TWindow
{
    Q_OBJECT

public:
    TBonusQuestion(app::AppContext &context, std::string &question, QWidget *parent);

    static constexpr int TypedCapacity = 120; // what the box takes
    static constexpr int StoredCapacity = 150; // what the puzzle record holds

private Q_SLOTS:
    void OkButtonClick();

private:
    std::string &m_question;
    QLineEdit *m_box;
};

} // namespace gw::layout
