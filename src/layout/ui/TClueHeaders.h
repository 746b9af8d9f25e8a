#pragma once

#include "ui/TWindow.h"

#include <QString>
#include <string>

class QLineEdit;

namespace gw::app {
struct AppContext;
}

namespace gw::layout {

// The two headings printed above the across and the down clues.  The main window lets it edit
// the defaults in the settings, the print window the headings of one printout; Ok stores both
// texts, Cancel neither.
class TClueHeaders : public app::TWindow
{
    Q_OBJECT

public:
    TClueHeaders(app::AppContext &context, std::string &acrossHeader, std::string &downHeader,
        const QString &caption, QWidget *parent);

    static constexpr int HeaderCapacity = 25;

private Q_SLOTS:
    void OkButtonClick();

private:
    std::string &m_acrossHeader;
    std::string &m_downHeader;
    QLineEdit *m_across;
    QLineEdit *m_down;
};

} // namespace gw::layout
