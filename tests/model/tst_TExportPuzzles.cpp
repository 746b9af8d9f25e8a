#include "model/Settings.h"
#include "model/TransferWindowTest.h"
#include "model/ui/TExportPuzzles.h"

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
    void save(const std::optional<QString> &file)
    {
        dialogs.chooseFile(file);
        click("SaveFileButton");
    }
};

} // namespace

class ExportPuzzlesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savesTheSelectedRecordsInListOrder();
    void cancelOrAFailureEndsTheExport();
    void neverExportsIntoTheOpenCollection();
};

// The new file holds the chosen records in alphabetical order, not file order; the path is
// remembered at once.
void ExportPuzzlesTest::savesTheSelectedRecordsInListOrder()
{
    Export e;
    const QByteArray source = fileBytes(e.open);
    const QString out = e.workspace.path("start/out.zp3");
    QVERIFY(!e.button("SaveFileButton")->isEnabled());
    clickRow(e.list(), 3); // Weather Watch, record 2
    clickRow(e.list(), 1, Qt::ControlModifier); // Farm Animals, record 0
    clickRow(e.list(), 0, Qt::ControlModifier); // Capital Cities, record 3
    test::saveScreenshot(e.window.get(), "TExportPuzzles");
    e.save(out);
    const app::FileRequest &request = e.dialogs.fileRequests().at(0);
    QCOMPARE(request.kind, app::FileDialogKind::Save);
    QCOMPARE(request.title + "|" + request.defaultExtension + "|" + request.start,
        "Save Crossword Puzzles|ZP3|" + e.workspace.path("start/last.ZP3"));
    QVERIFY(e.dialogs.messages().empty());
    QCOMPARE(e.window->result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(e.workspace.context().settings.lastExportPuzzleFile), out);
    QCOMPARE(fileBytes(out),
        source.mid(3 * RecordSize, RecordSize) + source.mid(0, RecordSize)
            + source.mid(2 * RecordSize, RecordSize));
}

// Cancel in the save dialog ends the export and keeps the remembered path; a file that cannot
// be created is reported and ends it too.
void ExportPuzzlesTest::cancelOrAFailureEndsTheExport()
{
    {
        Export e;
        clickRow(e.list(), 0);
        e.save(std::nullopt);
        QCOMPARE(e.window->result(), int(QDialog::Rejected));
        QCOMPARE(e.workspace.context().settings.lastExportPuzzleFile,
            e.workspace.path("start/last.ZP3").toStdString());
    }
    Export e;
    e.click("SelectAllButton");
    e.save(e.workspace.path("start/no/such.ZP3"));
    QCOMPARE(e.dialogs.lastMessage(), QString("Error|Unable to export puzzles."));
    QCOMPARE(e.window->result(), int(QDialog::Rejected));
}

// Choosing the open collection's own file would empty it: refused, file intact, window open.
void ExportPuzzlesTest::neverExportsIntoTheOpenCollection()
{
    Export e;
    const QByteArray before = fileBytes(e.open);
    clickRow(e.list(), 0);
    e.save(e.workspace.path("start/../start/SAMPLE.ZP3"));
    QCOMPARE(
        e.dialogs.lastMessage(), QString("Error|Export File cannot be the same as the currently open file."));
    QCOMPARE(fileBytes(e.open), before);
    QVERIFY(e.window->isVisible());
}

QTEST_MAIN(ExportPuzzlesTest)
#include "tst_TExportPuzzles.moc"
