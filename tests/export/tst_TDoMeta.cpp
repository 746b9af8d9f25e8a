#include "export/ui/PreviewExports.h"
#include "export/ui/TDoMeta.h"
#include "render/SamplePage.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/UiTestSupport.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace gw;

namespace {

// Shows the window and waits until it has written its file.
int showUntilCreated(QDialog &window)
{
    window.show();
    return QTest::qWaitFor([&] { return window.findChild<QPushButton *>("OkButton")->isEnabled(); }) ? 0 : 1;
}

} // namespace

class DoMetaTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createsTheMetafileOrReportsTheFailure();
    void bitmapsAreWarnedAboutFirst();
};

// The page is drawn into the file while the window shows; then "Metafile Created", or the
// failure reported and not announced as created.
void DoMetaTest::createsTheMetafileOrReportsTheFailure()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    const test::SamplePage sample;
    const QString file = workspace.path("start/page.wmf");
    exports::TDoMeta window(workspace.context(), sample.page(), file.toStdString(), 0, nullptr);
    QCOMPARE(showUntilCreated(window), 0);
    test::saveScreenshot(&window, "TDoMeta");
    QVERIFY(window.created());
    QCOMPARE(window.findChild<QLabel *>("StatusLabel")->text(), QString("Metafile Created"));
    QCOMPARE(test::fileBytes(file).left(4), QByteArray("\xD7\xCD\xC6\x9A", 4)); // the placeable key

    const QString missing = workspace.path("missing/page.wmf");
    exports::TDoMeta failing(workspace.context(), sample.page(), missing.toStdString(), 0, nullptr);
    showUntilCreated(failing);
    QVERIFY(!failing.created());
    QCOMPARE(failing.findChild<QLabel *>("StatusLabel")->text(), QString("Metafile Not Created"));
    QCOMPARE(dialogs.lastMessage(), "Error|Unable to write the file " + missing + ".");
}

// A layout with a Bitmap object is warned about, then the metafile is written without it;
// cancelling the save dialog ends the command before any warning or window.
void DoMetaTest::bitmapsAreWarnedAboutFirst()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    test::SamplePage sample;
    layout::LayoutRecord &pageLayout = sample.puzzle->layout;
    const int slot = pageLayout.objectCount++;
    pageLayout.objects[slot] = pageLayout.objects[0];
    pageLayout.objects[slot].kind = static_cast<std::int16_t>(layout::ObjectKind::Bitmap);
    test::ScriptedChildren children;
    dialogs.chooseFile(std::nullopt);
    exports::exportMetafile(nullptr, workspace.context(), sample.page(), *sample.puzzle, 1);
    QVERIFY(children.opened.isEmpty());
    QVERIFY(dialogs.messages().empty());

    const QString file = workspace.path("start/with-bitmap.emf");
    dialogs.chooseFile(file);
    bool warnedBeforeDrawing = false;
    children.onChild = [&](QDialog &window) {
        warnedBeforeDrawing = !QFile::exists(file) && !dialogs.messages().empty();
        return showUntilCreated(window);
    };
    exports::exportMetafile(nullptr, workspace.context(), sample.page(), *sample.puzzle, 1);
    QVERIFY(warnedBeforeDrawing);
    QCOMPARE(dialogs.messages().size(), std::size_t(1));
    QCOMPARE(
        dialogs.lastMessage(), QString("Warning|Bitmaps in this puzzle will not be saved in the metafile."));
    QCOMPARE(test::fileBytes(file).left(4), QByteArray("\x01\x00\x00\x00", 4)); // the header record
}

QTEST_MAIN(DoMetaTest)
#include "tst_TDoMeta.moc"
