#include "model/TransferWindowTest.h"
#include "model/ui/TExportWords.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace gw;
using namespace gw::test;

namespace {

struct Export : TransferWindow<model::TExportWords>
{
    explicit Export(int exportOption = 3)
    {
        std::vector<model::TableRow> rows(model::TableRows);
        rows[0] = { "ZEBRA", "Striped horse", true };
        rows[1] = { "ANT", "", false };
        rows[199] = { "YAK", "Shaggy ox", true };
        workspace.context().settings.exportOption = exportOption;
        workspace.context().settings.lastExportWordFile = workspace.path("start/last.txt").toStdString();
        window = std::make_unique<model::TExportWords>(workspace.context(), rows);
        window->show();
    }
    QListWidget *list() { return find<QListWidget>("LineList"); }
};

} // namespace

class ExportWordsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modeAndSeparatorRebuildTheList();
    void selectUsedAndSave();
    void saveNeedsASelectionAndAWritableFile();
};

// Each mode and each change of the separator rebuilds the list and is stored at once; an empty
// separator field writes ':' and keeps the stored separator.
void ExportWordsTest::modeAndSeparatorRebuildTheList()
{
    Export e;
    QLineEdit *separator = e.find<QLineEdit>("SeparatorEdit");
    separator->selectAll();
    QTest::keyClicks(separator, "=");
    QCOMPARE(e.workspace.context().settings.sepChar, '=');
    QCOMPARE(e.list()->item(2)->text(), QString("ZEBRA").leftJustified(31, ' ') + "= Striped horse");
    QTest::keyClick(separator, Qt::Key_Backspace);
    QCOMPARE(e.list()->item(2)->text(), QString("ZEBRA").leftJustified(31, ' ') + ": Striped horse");
    QCOMPARE(e.workspace.context().settings.sepChar, '=');

    clickRadio(e.find<QRadioButton>("Clues"));
    QCOMPARE(e.workspace.context().settings.exportOption, 2);
    QCOMPARE(lines(e.list()), QStringList({ "Shaggy ox", "Striped horse" }));
    QVERIFY(!separator->isVisible());
    test::saveScreenshot(e.window.get(), "TExportWords");
}

// Select Used selects the lines of words in the saved grid; the file holds the chosen lines
// in list order, each ended by CR LF.
void ExportWordsTest::selectUsedAndSave()
{
    Export e(1);
    e.click("SelectUsedButton");
    clickRow(e.list(), 0, Qt::ControlModifier);
    const QString out = e.workspace.path("start/out.txt");
    e.dialogs.chooseFile(out);
    e.click("SaveFileButton");
    const app::FileRequest &request = e.dialogs.fileRequests().back();
    QCOMPARE(request.kind, app::FileDialogKind::Save);
    QCOMPARE(request.title + "|" + request.defaultExtension + "|" + request.start,
        "Save Word/Clue List|txt|" + e.workspace.path("start/last.txt"));
    QCOMPARE(e.window->result(), int(QDialog::Accepted));
    QCOMPARE(fileBytes(out), QByteArray("ANT\r\nYAK\r\nZEBRA\r\n"));
    QCOMPARE(QString::fromStdString(e.workspace.context().settings.lastExportWordFile), out);
}

// Save with nothing selected, or into a file that cannot be created, says so and keeps the window.
void ExportWordsTest::saveNeedsASelectionAndAWritableFile()
{
    Export e;
    QVERIFY(!e.button("SaveFileButton")->isEnabled());
    e.button("SaveFileButton")->setEnabled(true);
    e.click("SaveFileButton");
    QCOMPARE(e.dialogs.lastMessage(),
        QString("Error|No words/clues selected for output.  Please select the desired words/clues."));
    e.click("SelectAllButton");
    e.dialogs.chooseFile(e.workspace.path("start/no/out.txt"));
    e.click("SaveFileButton");
    QCOMPARE(e.dialogs.lastMessage(), QString("Error|Unable to create export file."));
    QVERIFY(e.window->isVisible());
}

QTEST_MAIN(ExportWordsTest)
#include "tst_TExportWords.moc"
