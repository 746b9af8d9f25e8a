#include "model/Settings.h"
#include "model/TExportPuzzles.h"
#include "model/TransferWindowTest.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace gw;
using namespace gw::test;

namespace {

constexpr int RecordSize = sizeof(model::PuzzleRecord);

// The bundled sample as the open collection.
struct Export : TransferWindow<model::TExportPuzzles>
{
    QString open = workspace.path("start/SAMPLE.ZP3");

    Export()
    {
        QFile::copy(GW_SOURCE_DIR "/data/SAMPLE.ZP3", open);
        workspace.context().settings.lastGroup = open.toStdString();
        workspace.context().settings.lastExportPuzzleFile = workspace.path("start/last.ZP3").toStdString();
        window = std::make_unique<model::TExportPuzzles>(workspace.context());
        window->show();
    }
    QListWidget *list() { return find<QListWidget>("PuzzleList"); }
    void save() { click("SaveFileButton"); }
};

} // namespace

class ExportPuzzlesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsEveryPuzzleOfTheCollection();
    void savesTheSelectedRecordsInListOrder();
    void cancelInTheFileDialogClosesTheWindow();
    void neverExportsIntoTheOpenCollection();
    void unwritableFileIsReported();
};

// Every puzzle of every category, sorted; Save File only while a line is selected.
void ExportPuzzlesTest::listsEveryPuzzleOfTheCollection()
{
    Export e;
    QCOMPARE(
        lines(e.list()), QStringList({ "Capital Cities", "Farm Animals", "Ocean Life", "Weather Watch" }));
    QVERIFY(!e.button("SaveFileButton")->isEnabled());
    e.click("SelectAllButton");
    QVERIFY(e.button("SaveFileButton")->isEnabled());
    e.click("ClearAllButton");
    QVERIFY(!e.button("SaveFileButton")->isEnabled());
    clickRow(e.list(), 1);
    clickRow(e.list(), 2, Qt::ControlModifier);
    QVERIFY(e.button("SaveFileButton")->isEnabled());
    test::saveScreenshot(e.window.get(), "TExportPuzzles");
}

// The new file holds the chosen records in alphabetical order, not file order; the path is
// remembered at once.
void ExportPuzzlesTest::savesTheSelectedRecordsInListOrder()
{
    Export e;
    const QByteArray source = fileBytes(e.open);
    const QString out = e.workspace.path("start/out.zp3");
    QFile stale(out);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("stale");
    stale.close();
    clickRow(e.list(), 3); // Weather Watch, record 2
    clickRow(e.list(), 1, Qt::ControlModifier); // Farm Animals, record 0
    clickRow(e.list(), 0, Qt::ControlModifier); // Capital Cities, record 3
    e.dialogs.chooseFile(out);
    e.save();
    QCOMPARE(e.dialogs.fileRequests().size(), std::size_t(1));
    const app::FileRequest &request = e.dialogs.fileRequests()[0];
    QCOMPARE(request.kind, app::FileDialogKind::Save);
    QCOMPARE(request.title, QString("Save Crossword Puzzles"));
    QCOMPARE(request.defaultExtension, QString("ZP3"));
    QCOMPARE(request.start, e.workspace.path("start/last.ZP3"));
    QVERIFY(e.dialogs.messages().empty());
    QCOMPARE(e.window->result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(e.workspace.context().settings.lastExportPuzzleFile), out);
    QCOMPARE(fileBytes(out),
        source.mid(3 * RecordSize, RecordSize) + source.mid(0, RecordSize)
            + source.mid(2 * RecordSize, RecordSize));
}

// Cancel in the save dialog ends the export and keeps the remembered path.
void ExportPuzzlesTest::cancelInTheFileDialogClosesTheWindow()
{
    Export e;
    clickRow(e.list(), 0);
    e.dialogs.chooseFile(std::nullopt);
    e.save();
    QCOMPARE(e.window->result(), int(QDialog::Rejected));
    QVERIFY(!e.window->isVisible());
    QCOMPARE(e.workspace.context().settings.lastExportPuzzleFile,
        e.workspace.path("start/last.ZP3").toStdString());
}

// Choosing the open collection's own file would empty it: refused, file intact, window open.
void ExportPuzzlesTest::neverExportsIntoTheOpenCollection()
{
    Export e;
    const QByteArray before = fileBytes(e.open);
    clickRow(e.list(), 0);
    e.dialogs.chooseFile(e.workspace.path("start/../start/SAMPLE.ZP3"));
    e.save();
    QCOMPARE(
        e.dialogs.lastMessage(), QString("Error|Export File cannot be the same as the currently open file."));
    QCOMPARE(fileBytes(e.open), before);
    QVERIFY(e.window->isVisible());
}

// A file that cannot be created is reported and ends the export.
void ExportPuzzlesTest::unwritableFileIsReported()
{
    Export e;
    e.click("SelectAllButton");
    e.dialogs.chooseFile(e.workspace.path("start/no/such.ZP3"));
    e.save();
    QCOMPARE(e.dialogs.lastMessage(), QString("Error|Unable to export puzzles."));
    QCOMPARE(e.window->result(), int(QDialog::Rejected));
}

QTEST_MAIN(ExportPuzzlesTest)
#include "tst_TExportPuzzles.moc"
