#include "app/TAbout.h"
#include "generate/ui/TWordLetters.h"
#include "shapes/ui/TSelectShapes.h"
#include "ui/THelpWindow.h"
#include "uisupport/UiTestSupport.h"

#include <QApplication>
#include <QTest>
#include <QWindowStateChangeEvent>
#include <functional>
#include <memory>
#include <string>

using namespace gw;

using WindowMaker = std::function<std::unique_ptr<QDialog>(app::AppContext &)>;
Q_DECLARE_METATYPE(WindowMaker)

class WindowRestoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void restoredFromTheTaskBarKeepsItsPlace_data();
    void restoredFromTheTaskBarKeepsItsPlace();
};

namespace {

// What the window system sends a window the user brings back from the task bar.
void restoreFromTaskBar(QWidget &window)
{
    QWindowStateChangeEvent restored(Qt::WindowMinimized);
    QApplication::sendEvent(&window, &restored);
}

} // namespace

void WindowRestoreTest::restoredFromTheTaskBarKeepsItsPlace_data()
{
    QTest::addColumn<WindowMaker>("make");
    QTest::newRow("TAbout") << WindowMaker(
        [](app::AppContext &c) { return std::make_unique<app::TAbout>(c, nullptr); });
    QTest::newRow("TWordLetters") << WindowMaker(
        [](app::AppContext &c) { return std::make_unique<generate::TWordLetters>(c, nullptr); });
    QTest::newRow("TSelectShapes") << WindowMaker(
        [](app::AppContext &c) { return std::make_unique<shapes::TSelectShapes>(c, nullptr); });
}

// A window the user moved and then brought back from the task bar stays where the user put it,
// and so does one the program shows again.  The rows: the shared window base alone, and the
// windows that do more when shown.
void WindowRestoreTest::restoredFromTheTaskBarKeepsItsPlace()
{
    QFETCH(WindowMaker, make);
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<QDialog> window = make(workspace.context());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->move(3, 5);
    const QRect placed = window->geometry();
    restoreFromTaskBar(*window);
    QCOMPARE(window->geometry(), placed);
    window->hide();
    window->show();
    QCOMPARE(window->geometry(), placed);
}

QTEST_MAIN(WindowRestoreTest)
#include "tst_WindowRestore.moc"
