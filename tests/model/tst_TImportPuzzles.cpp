#include "model/CollectionFile.h"
#include "model/TransferWindowTest.h"
#include "model/ui/TImportPuzzles.h"

#include <QFile>
#include <QListWidget>
#include <QtTest>

using namespace gw;
using namespace gw::test;

namespace {

constexpr int RecordSize = sizeof(model::PuzzleRecord);

// The bundled sample as the file to import from, and an open collection of one puzzle.
struct Import : TransferWindow<model::TImportPuzzles>
{
    QString source = workspace.path("start/SAMPLE.ZP3");
    QString open = workspace.path("start/PUZZLES.ZP3");

    Import()
    {
        QFile::copy(GW_SOURCE_DIR "/data/SAMPLE.ZP3", source);
        QFile::copy(GW_SOURCE_DIR "/data/SAMPLE.ZP3", open);
        QFile(open).resize(RecordSize);
        workspace.context().settings.lastGroup = open.toStdString();
        window = std::make_unique<model::TImportPuzzles>(workspace.context(), source.toStdString());
        window->show();
    }
    QListWidget *list() { return find<QListWidget>("PuzzleList"); }
};

} // namespace

class ImportPuzzlesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void okAppendsTheSelectedRecordsInListOrder();
    void collectionThatCannotBeWrittenIsReported();
};

// The chosen records arrive unchanged at the end of the open collection, in list order.
void ImportPuzzlesTest::okAppendsTheSelectedRecordsInListOrder()
{
    Import i;
    const QByteArray source = fileBytes(i.source);
    const QByteArray before = fileBytes(i.open);
    clickRow(i.list(), 3); // Weather Watch, record 2
    clickRow(i.list(), 0, Qt::ControlModifier); // Capital Cities, record 3
    test::saveScreenshot(i.window.get(), "TImportPuzzles");
    i.click("OkButton");
    QCOMPARE(i.window->result(), int(QDialog::Accepted));
    QCOMPARE(fileBytes(i.open),
        before + source.mid(3 * RecordSize, RecordSize) + source.mid(2 * RecordSize, RecordSize));
}

void ImportPuzzlesTest::collectionThatCannotBeWrittenIsReported()
{
    Import i;
    i.workspace.context().settings.lastGroup = i.workspace.path("start/no/such.ZP3").toStdString();
    clickRow(i.list(), 0);
    i.click("OkButton");
    QCOMPARE(i.dialogs.lastMessage(), QString("Error|Unable to import puzzles."));
    QCOMPARE(i.window->result(), int(QDialog::Rejected));
}

QTEST_MAIN(ImportPuzzlesTest)
#include "tst_TImportPuzzles.moc"
