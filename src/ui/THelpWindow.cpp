#include "ui/THelpWindow.h"

#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>

namespace gw::app {

THelpWindow::THelpWindow(AppContext &context, const QString &anchor, QWidget *parent)
    : TWindow(context, parent)
    , m_anchor(anchor)
    , m_browser(new QTextBrowser(this))
{
    setWindowTitle("Gridwright Help");
    setFont(designFont("Arial", DesignFontPixels));
    setFixedSize(600, 420);

    m_browser->setObjectName("HelpText");
    m_browser->setGeometry(8, 8, 584, 370);
    // The page is the program's own; links to the web open in the user's browser.
    m_browser->setOpenExternalLinks(true);

    auto *close = addButton(this, "CloseButton", "Close", { 509, 386, 83, 25 });
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    const QString file = QString::fromStdString((context.folders.data / FileName).string());
    if (!QFileInfo(file).isFile()) {
        m_loaded = Failure { "Error",
            "The help file could not be located.  Please make sure the help file was installed." };
        return;
    }
    // The file's extension is not one Qt knows as HTML, so the kind is named.
    m_browser->setSource(QUrl::fromLocalFile(file), QTextDocument::HtmlResource);
}

void THelpWindow::FormShow()
{
    // The anchor's place depends on the width the page is laid out at, known only now.
    if (m_anchor.isEmpty())
        m_browser->verticalScrollBar()->setValue(0);
    else
        m_browser->scrollToAnchor(m_anchor);
}

} // namespace gw::app
