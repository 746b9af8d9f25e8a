#pragma once

#include "platform/Failure.h"
#include "ui/TWindow.h"

#include <QString>

class QTextBrowser;

namespace gw::app {

struct AppContext;

// Places in the help file that windows open it at; an empty anchor is its contents.
inline constexpr const char *HelpContents = "";
inline constexpr const char *HelpPuzzleConnection = "PUZZLE CONNECTION";
inline constexpr const char *HelpCrosswordObjects = "CROSSWORD OBJECTS";
inline constexpr const char *HelpReportWindow = "Report Window";

// The help window: the program's help file GRIDW.HLP, an HTML page in the program directory,
// opened at one of its anchors.
class THelpWindow : public TWindow
{
    Q_OBJECT

public:
    THelpWindow(AppContext &context, const QString &anchor, QWidget *parent);

    static constexpr const char *FileName = "GRIDW.HLP";

    // Whether the help file was found; the window is not worth showing without it.
    const Status &loaded() const { return m_loaded; }

private:
    void FormShow() override;

    QString m_anchor;
    QTextBrowser *m_browser;
    Status m_loaded = ok();
};

} // namespace gw::app
