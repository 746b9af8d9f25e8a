#include "model/Settings.h"
#include "model/TransferWindowTest.h"
#include "model/ui/TExportPuzzles.h"

#include <QFile>
#include <QListWidget>
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
        window = std::make_unique<model::TExportPuzzles>(workspace.context());
        window->show();
    }
    QListWidget *list() { return find<QListWidget>("PuzzleList"); }
    void save(const QString &file)
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
    void failuresAreReported_data();
    void failuresAreReported();
};

// The new file holds the records the chosen lines name, in list order, not the lines' row
// numbers; the path is remembered at once.
void ExportPuzzlesTest::savesTheSelectedRecordsInListOrder()
{
    Export e;
    const QByteArray source = fileBytes(e.open);
    const QString out = e.workspace.path("start/out.zp3");
    clickRow(e.list(), 3); // Weather Watch, record 2
    clickRow(e.list(), 1, Qt::ControlModifier); // Farm Animals, record 0
    clickRow(e.list(), 0, Qt::ControlModifier); // Capital Cities, record 3
    test::saveScreenshot(e.window.get(), "TExportPuzzles");
    e.save(out);
    QCOMPARE(e.window->result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(e.workspace.context().settings.lastExportPuzzleFile), out);
    QCOMPARE(fileBytes(out),
        source.mid(3 * RecordSize, RecordSize) + source.mid(0, RecordSize)
            + source.mid(2 * RecordSize, RecordSize));
}

void ExportPuzzlesTest::failuresAreReported_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("cannot be created") << "start/no/such.ZP3"
                                       << "Error|Unable to export puzzles.";
    QTest::newRow("the open collection")
        << "start/../start/SAMPLE.ZP3"
        << "Error|Export File cannot be the same as the currently open file.";
}

void ExportPuzzlesTest::failuresAreReported()
{
    QFETCH(QString, file);
    QFETCH(QString, message);
    Export e;
    clickRow(e.list(), 0);
    e.save(e.workspace.path(file));
    QCOMPARE(e.dialogs.lastMessage(), message);
}

QTEST_MAIN(ExportPuzzlesTest)
#include "tst_TExportPuzzles.moc"
