#include "ui/THelpWindow.h"
#include "uisupport/UiTestSupport.h"

#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

using namespace gw;

class HelpWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensAtTheAnchor();
};

// Contents open at the top, each keyword the windows use further down the page: a keyword
// that is no anchor of the file would leave the page where it was.
void HelpWindowTest::opensAtTheAnchor()
{
    test::TestWorkspace workspace;
    const QString program = QString::fromStdString(workspace.context().folders.data.string());
    QVERIFY(QFile::copy(GW_SOURCE_DIR "/data/GRIDW.HLP", program + "/GRIDW.HLP"));
    int previous = -1;
    for (const char *anchor :
        { app::HelpContents, app::HelpCrosswordObjects, app::HelpReportWindow, app::HelpPuzzleConnection }) {
        app::THelpWindow help(workspace.context(), anchor, nullptr);
        QVERIFY(help.loaded());
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        auto *text = help.findChild<QTextBrowser *>("HelpText");
        QVERIFY(text->toPlainText().contains("Making your first puzzle"));
        const int scrolled = text->verticalScrollBar()->value();
        QVERIFY2(previous < 0 ? scrolled == 0 : scrolled > previous, anchor);
        previous = scrolled;
    }
}

QTEST_MAIN(HelpWindowTest)
#include "tst_THelpWindow.moc"
