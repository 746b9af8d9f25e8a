#include "app/TAbout.h"
#include "app/THelpWindow.h"
#include "app/TManualNotice.h"
#include "app/TOtherProducts.h"
#include "uisupport/UiTestSupport.h"

#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

using namespace gw;

namespace {

void installHelp(test::TestWorkspace &workspace)
{
    const QString program = QString::fromStdString(workspace.context().folders.data.string());
    QVERIFY(QFile::copy(GW_SOURCE_DIR "/data/GRIDW.HLP", program + "/GRIDW.HLP"));
}

int scrolledTo(app::THelpWindow &window)
{
    return window.findChild<QTextBrowser *>("HelpText")->verticalScrollBar()->value();
}

} // namespace

class HelpWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void helpFileHoldsTheKeywordAnchors();
    void opensAtTheAnchor();
    void missingHelpFileIsReported();
    void screenshots();
};

// Windows open the help at these keywords; each must be an anchor of the file.
void HelpWindowTest::helpFileHoldsTheKeywordAnchors()
{
    QFile file(GW_SOURCE_DIR "/data/GRIDW.HLP");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    for (const char *anchor : { app::HelpPuzzleConnection, app::HelpCrosswordObjects, app::HelpReportWindow })
        QVERIFY2(text.contains(QByteArray("<a name=\"") + anchor + "\">"), anchor);
}

// Contents open at the top, a keyword further down the page.
void HelpWindowTest::opensAtTheAnchor()
{
    test::TestWorkspace workspace;
    installHelp(workspace);
    app::THelpWindow contents(workspace.context(), app::HelpContents, nullptr);
    QVERIFY(contents.loaded());
    contents.show();
    QVERIFY(QTest::qWaitForWindowExposed(&contents));
    QCOMPARE(scrolledTo(contents), 0);
    QVERIFY(
        contents.findChild<QTextBrowser *>("HelpText")->toPlainText().contains("Making your first puzzle"));

    int previous = 0;
    for (const char *anchor :
        { app::HelpCrosswordObjects, app::HelpReportWindow, app::HelpPuzzleConnection }) {
        app::THelpWindow help(workspace.context(), anchor, nullptr);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QVERIFY2(scrolledTo(help) > previous, anchor);
        previous = scrolledTo(help);
    }
}

// Without GRIDW.HLP the window says so instead of showing an empty page.
void HelpWindowTest::missingHelpFileIsReported()
{
    test::TestWorkspace workspace;
    app::THelpWindow help(workspace.context(), app::HelpContents, nullptr);
    QVERIFY(!help.loaded());
    QCOMPARE(QString::fromStdString(help.loaded().error().caption), QString("Error"));
    QCOMPARE(QString::fromStdString(help.loaded().error().text),
        QString("The help file could not be located.  Please make sure the help file was installed."));
}

// Pictures at the scales 1.0 and 1.6, for looking at clipped texts and overlaps.
void HelpWindowTest::screenshots()
{
    test::TestWorkspace workspace;
    installHelp(workspace);
    for (double factor : { 1.0, 1.6 }) {
        workspace.context().scaleFactor = factor;
        const QString scale = QString::number(qRound(factor * 100));
        app::THelpWindow help(workspace.context(), app::HelpPuzzleConnection, nullptr);
        app::TAbout about(workspace.context(), nullptr);
        app::TManualNotice notice(workspace.context(), nullptr);
        app::TOtherProducts products(workspace.context(), nullptr);
        const std::pair<QDialog *, QString> windows[] = { { &help, "THelpWindow" }, { &about, "TAbout" },
            { &notice, "TManualNotice" }, { &products, "TOtherProducts" } };
        for (const auto &[window, name] : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            test::saveScreenshot(window, name + "-" + scale);
        }
    }
}

QTEST_MAIN(HelpWindowTest)
#include "tst_THelpWindow.moc"
