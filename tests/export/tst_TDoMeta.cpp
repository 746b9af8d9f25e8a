#include "export/QtPreviewExports.h"
#include "export/TDoMeta.h"
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
    void waitsThenCreatesTheMetafile();
    void reportsAFileThatCannotBeWritten();
    void exportAsksForTheFileAndRemembersIt();
    void bitmapsAreWarnedAboutFirst();
    void cancelledSaveWritesNothing();
};

// The wait message stands while the page is drawn; then "Metafile Created" and Ok, which closes.
void DoMetaTest::waitsThenCreatesTheMetafile()
{
    test::TestWorkspace workspace;
    const test::SamplePage sample;
    const QString file = workspace.path("start/page.wmf");
    exports::TDoMeta window(workspace.context(), sample.page(), file.toStdString(), 0, nullptr);
    auto *status = window.findChild<QLabel *>("StatusLabel");
    auto *ok = window.findChild<QPushButton *>("OkButton");
    QCOMPARE(status->text(), QString("Creating Metafile...  Please Wait."));
    QVERIFY(ok->isHidden() && !ok->isEnabled());
    window.show();
    QTRY_COMPARE(status->text(), QString("Metafile Created"));
    test::saveScreenshot(&window, "TDoMeta");
    QVERIFY(window.created());
    QVERIFY(ok->isVisible() && ok->isEnabled());
    QCOMPARE(test::fileBytes(file).left(4), QByteArray("\xD7\xCD\xC6\x9A", 4)); // the placeable key
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Accepted));

    const QString enhanced = workspace.path("start/page.emf");
    exports::TDoMeta emf(workspace.context(), sample.page(), enhanced.toStdString(), 1, nullptr);
    showUntilCreated(emf);
    QCOMPARE(test::fileBytes(enhanced).left(4), QByteArray("\x01\x00\x00\x00", 4)); // the header record
}

// A metafile that cannot be written is reported, not announced as created.
void DoMetaTest::reportsAFileThatCannotBeWritten()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    const test::SamplePage sample;
    const QString file = workspace.path("missing/page.wmf");
    exports::TDoMeta window(workspace.context(), sample.page(), file.toStdString(), 0, nullptr);
    showUntilCreated(window);
    QVERIFY(!window.created());
    QCOMPARE(window.findChild<QLabel *>("StatusLabel")->text(), QString("Metafile Not Created"));
    QCOMPARE(dialogs.lastMessage(), "Error|Unable to write the file " + file + ".");
}

// The save dialogs of both kinds, from and then into their last-file settings.
void DoMetaTest::exportAsksForTheFileAndRemembersIt()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    const test::SamplePage sample;
    model::Settings &settings = workspace.context().settings;
    settings.lastExportWmfFile = workspace.path("start/old.wmf").toStdString();
    const QString wmf = workspace.path("start/new.wmf");
    const QString emf = workspace.path("start/new.emf");
    dialogs.chooseFile(wmf);
    dialogs.chooseFile(emf);
    test::ScriptedChildren children;
    children.onChild = showUntilCreated;
    exports::exportMetafile(nullptr, workspace.context(), sample.page(), *sample.puzzle, 0);
    exports::exportMetafile(nullptr, workspace.context(), sample.page(), *sample.puzzle, 1);
    QCOMPARE(dialogs.fileRequests().size(), std::size_t(2));
    const app::FileRequest &first = dialogs.fileRequests()[0];
    QCOMPARE(first.kind, app::FileDialogKind::Save);
    QCOMPARE(first.title + "|" + first.filter + "|" + first.defaultExtension + "|" + first.start,
        "Save Puzzle As MetaFile|Metafile (*.WMF *.wmf)|WMF|" + workspace.path("start/old.wmf"));
    const app::FileRequest &second = dialogs.fileRequests()[1];
    QCOMPARE(second.title + "|" + second.filter + "|" + second.defaultExtension,
        QString("Save Puzzle As Enhanced MetaFile|Enhanced Metafile (*.EMF *.emf)|EMF"));
    QCOMPARE(QString::fromStdString(settings.lastExportWmfFile), wmf);
    QCOMPARE(QString::fromStdString(settings.lastExportEmfFile), emf);
    QVERIFY(QFile::exists(wmf) && QFile::exists(emf));
    QVERIFY2(dialogs.messages().empty(), "the sample layout has no bitmap");
}

// A layout with a Bitmap object is warned about, then the metafile is written without it.
void DoMetaTest::bitmapsAreWarnedAboutFirst()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    test::SamplePage sample;
    layout::LayoutRecord &pageLayout = sample.puzzle->layout;
    const int slot = pageLayout.objectCount++;
    pageLayout.objects[slot] = pageLayout.objects[0];
    pageLayout.objects[slot].kind = static_cast<std::int16_t>(layout::ObjectKind::Bitmap);
    const QString file = workspace.path("start/with-bitmap.emf");
    dialogs.chooseFile(file);
    bool warnedBeforeDrawing = false;
    test::ScriptedChildren children;
    children.onChild = [&](QDialog &window) {
        warnedBeforeDrawing = !QFile::exists(file) && !dialogs.messages().empty();
        return showUntilCreated(window);
    };
    exports::exportMetafile(nullptr, workspace.context(), sample.page(), *sample.puzzle, 1);
    QVERIFY(warnedBeforeDrawing);
    QCOMPARE(dialogs.messages().size(), std::size_t(1));
    QCOMPARE(
        dialogs.lastMessage(), QString("Warning|Bitmaps in this puzzle will not be saved in the metafile."));
    QVERIFY(QFile::exists(file));
}

// Cancelling the save dialog ends the command: no warning, no window, no file.
void DoMetaTest::cancelledSaveWritesNothing()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    const test::SamplePage sample;
    const std::string lastFile = workspace.context().settings.lastExportWmfFile;
    dialogs.chooseFile(std::nullopt);
    test::ScriptedChildren children;
    exports::exportMetafile(nullptr, workspace.context(), sample.page(), *sample.puzzle, 0);
    QVERIFY(children.opened.isEmpty());
    QVERIFY(dialogs.messages().empty());
    QCOMPARE(workspace.context().settings.lastExportWmfFile, lastFile);
}

QTEST_MAIN(DoMetaTest)
#include "tst_TDoMeta.moc"
