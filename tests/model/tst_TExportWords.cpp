#include "model/TransferWindowTest.h"
#include "model/ui/TExportWords.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace gw;
using namespace gw::test;

namespace {

// The words mode over a table with two words of the saved grid.
struct Export : TransferWindow<model::TExportWords>
{
    Export()
    {
        std::vector<model::TableRow> rows(model::TableRows);
        rows[0] = { "ZEBRA", "Striped horse", true };
        rows[1] = { "ANT", "", false };
        rows[199] = { "YAK", "Shaggy ox", true };
        workspace.context().settings.exportOption = 1;
        window = std::make_unique<model::TExportWords>(workspace.context(), rows);
        window->show();
        test::saveScreenshot(window.get(), "TExportWords");
    }
};

} // namespace

class ExportWordsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void selectUsedAndSave();
    void saveNeedsASelectionAndAWritableFile();
};

// Select Used selects the lines of words in the saved grid; the file holds the chosen lines
// in list order, each ended by CR LF.
void ExportWordsTest::selectUsedAndSave()
{
    Export e;
    e.click("SelectUsedButton");
    clickRow(e.find<QListWidget>("LineList"), 0, Qt::ControlModifier);
    const QString out = e.workspace.path("start/out.txt");
    e.dialogs.chooseFile(out);
    e.click("SaveFileButton");
    QCOMPARE(e.window->result(), int(QDialog::Accepted));
    QCOMPARE(fileBytes(out), QByteArray("ANT\r\nYAK\r\nZEBRA\r\n"));
    QCOMPARE(QString::fromStdString(e.workspace.context().settings.lastExportWordFile), out);
}

// Save with nothing selected, or into a file that cannot be created, says so.
void ExportWordsTest::saveNeedsASelectionAndAWritableFile()
{
    Export e;
    e.find<QPushButton>("SaveFileButton")->setEnabled(true);
    e.click("SaveFileButton");
    QCOMPARE(e.dialogs.lastMessage(),
        QString("Error|No words/clues selected for output.  Please select the desired words/clues."));
    e.click("SelectAllButton");
    e.dialogs.chooseFile(e.workspace.path("start/no/out.txt"));
    e.click("SaveFileButton");
    QCOMPARE(e.dialogs.lastMessage(), QString("Error|Unable to create export file."));
}

QTEST_MAIN(ExportWordsTest)
#include "tst_TExportWords.moc"
