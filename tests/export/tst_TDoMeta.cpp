#include "export/QtPreviewExports.h"
#include "export/TDoMeta.h"
#include "layout/LayoutRecord.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "render/PrintJob.h"
#include "report/ReportEngine.h"
#include "uisupport/UiTestSupport.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace gw;

namespace {

// The sample collection's first puzzle printed as the program prints it.
struct Printed
{
    Printed()
    {
        const auto read = model::readPuzzle(GW_SOURCE_DIR "/data/SAMPLE.ZP3", 0, model::unableToLoadPuzzle());
        puzzle = std::make_unique<model::PuzzleRecord>(*read);
        job = std::make_unique<render::PrintJob>(*puzzle, render::PrintOptions {});
        job->run(engine);
    }
    const report::RecordedPage &page() const { return engine.pages().front(); }

    std::unique_ptr<model::PuzzleRecord> puzzle;
    std::unique_ptr<render::PrintJob> job;
    report::ReportEngine engine;
};

QByteArray fileStart(const QString &path, int bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(bytes);
}

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
    void screenshots();
};

// The wait message stands while the page is drawn; then "Metafile Created" and Ok, which closes.
void DoMetaTest::waitsThenCreatesTheMetafile()
{
    test::TestWorkspace workspace;
    const Printed printed;
    const QString file = workspace.path("start/page.wmf");
    exports::TDoMeta window(workspace.context(), printed.page(), file.toStdString(), 0, nullptr);
    QCOMPARE(window.windowTitle(), QString("Metafile Creation"));
    auto *status = window.findChild<QLabel *>("StatusLabel");
    auto *ok = window.findChild<QPushButton *>("OkButton");
    QCOMPARE(status->text(), QString("Creating Metafile...  Please Wait."));
    QCOMPARE(ok->text(), QString("&Ok"));
    QVERIFY(ok->isHidden());
    QVERIFY(!ok->isEnabled());
    window.show();
    QTRY_COMPARE(status->text(), QString("Metafile Created"));
    QVERIFY(window.created());
    QVERIFY(ok->isVisible());
    QVERIFY(ok->isEnabled());
    QCOMPARE(fileStart(file, 4), QByteArray("\xD7\xCD\xC6\x9A", 4)); // the placeable key
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Accepted));

    const QString enhanced = workspace.path("start/page.emf");
    exports::TDoMeta emf(workspace.context(), printed.page(), enhanced.toStdString(), 1, nullptr);
    showUntilCreated(emf);
    QCOMPARE(fileStart(enhanced, 4), QByteArray("\x01\x00\x00\x00", 4)); // the header record
}

// A metafile that cannot be written is reported, not announced as created.
void DoMetaTest::reportsAFileThatCannotBeWritten()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    const Printed printed;
    const QString file = workspace.path("missing/page.wmf");
    exports::TDoMeta window(workspace.context(), printed.page(), file.toStdString(), 0, nullptr);
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
    const Printed printed;
    workspace.context().settings.lastExportWmfFile = workspace.path("start/old.wmf").toStdString();
    const QString wmf = workspace.path("start/new.wmf");
    const QString emf = workspace.path("start/new.emf");
    dialogs.chooseFile(wmf);
    dialogs.chooseFile(emf);
    exports::exportMetafile(
        nullptr, workspace.context(), printed.page(), *printed.puzzle, 0, showUntilCreated);
    exports::exportMetafile(
        nullptr, workspace.context(), printed.page(), *printed.puzzle, 1, showUntilCreated);
    QCOMPARE(dialogs.fileRequests().size(), std::size_t(2));
    const app::FileRequest &first = dialogs.fileRequests()[0];
    QCOMPARE(first.kind, app::FileDialogKind::Save);
    QCOMPARE(first.title, QString("Save Puzzle As MetaFile"));
    QCOMPARE(first.filter, QString("Metafile (*.WMF *.wmf)"));
    QCOMPARE(first.defaultExtension, QString("WMF"));
    QCOMPARE(first.start, workspace.path("start/old.wmf"));
    const app::FileRequest &second = dialogs.fileRequests()[1];
    QCOMPARE(second.title, QString("Save Puzzle As Enhanced MetaFile"));
    QCOMPARE(second.filter, QString("Enhanced Metafile (*.EMF *.emf)"));
    QCOMPARE(second.defaultExtension, QString("EMF"));
    QCOMPARE(QString::fromStdString(workspace.context().settings.lastExportWmfFile), wmf);
    QCOMPARE(QString::fromStdString(workspace.context().settings.lastExportEmfFile), emf);
    QVERIFY(QFile::exists(wmf));
    QVERIFY(QFile::exists(emf));
    QVERIFY2(dialogs.messages().empty(), "the sample layout has no bitmap");
}

// A layout with a Bitmap object is warned about, then the metafile is written without it.
void DoMetaTest::bitmapsAreWarnedAboutFirst()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    Printed printed;
    layout::LayoutRecord &pageLayout = printed.puzzle->layout;
    const int slot = pageLayout.objectCount++;
    pageLayout.objects[slot] = pageLayout.objects[0];
    pageLayout.objects[slot].kind = static_cast<std::int16_t>(layout::ObjectKind::Bitmap);
    const QString file = workspace.path("start/with-bitmap.emf");
    dialogs.chooseFile(file);
    bool warnedBeforeDrawing = false;
    exports::exportMetafile(
        nullptr, workspace.context(), printed.page(), *printed.puzzle, 1, [&](QDialog &window) {
            warnedBeforeDrawing = !QFile::exists(file) && !dialogs.messages().empty();
            return showUntilCreated(window);
        });
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
    const Printed printed;
    const std::string lastFile = workspace.context().settings.lastExportWmfFile;
    dialogs.chooseFile(std::nullopt);
    bool ran = false;
    exports::exportMetafile(nullptr, workspace.context(), printed.page(), *printed.puzzle, 0, [&](QDialog &) {
        ran = true;
        return 0;
    });
    QVERIFY(!ran);
    QVERIFY(dialogs.messages().empty());
    QCOMPARE(workspace.context().settings.lastExportWmfFile, lastFile);
}

// Pictures at the scales 1.0 and 1.6, before and after the metafile is written.
void DoMetaTest::screenshots()
{
    test::TestWorkspace workspace;
    const Printed printed;
    for (double factor : { 1.0, 1.6 }) {
        workspace.context().scaleFactor = factor;
        exports::TDoMeta window(
            workspace.context(), printed.page(), workspace.path("start/s.wmf").toStdString(), 0, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        test::saveScreenshot(&window, QString("TDoMeta-waiting-%1").arg(qRound(factor * 100)));
        QTRY_VERIFY(window.created());
        test::saveScreenshot(&window, QString("TDoMeta-created-%1").arg(qRound(factor * 100)));
    }
}

QTEST_MAIN(DoMetaTest)
#include "tst_TDoMeta.moc"
