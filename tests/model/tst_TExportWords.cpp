#include "model/TExportWords.h"
#include "model/TransferWindowTest.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace gw;
using namespace gw::test;

namespace {

QStringList selectedLines(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            texts << list->item(row)->text();
    }
    return texts;
}

QString padded(const QString &word)
{
    return word.leftJustified(31, ' ');
}

struct Export : TransferWindow<model::TExportWords>
{
    explicit Export(int exportOption = 3)
    {
        std::vector<model::TableRow> rows(model::TableRows);
        rows[0] = { "ZEBRA", "Striped horse", true };
        rows[1] = { "ANT", "", false };
        rows[2] = { "", "A clue alone", false };
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
    void listsFollowTheMode();
    void separatorRebuildsThePairs();
    void selectUsedAndSave();
    void saveNeedsASelectionAndAWritableFile();
};

// Each mode lists its lines, sorted, and is stored at once; the separator only for pairs.
void ExportWordsTest::listsFollowTheMode()
{
    Export e;
    QVERIFY(e.find<QRadioButton>("WordsAndClues")->isChecked());
    QCOMPARE(lines(e.list()),
        QStringList({ padded("") + ": A clue alone", padded("ANT") + ": ", padded("YAK") + ": Shaggy ox",
            padded("ZEBRA") + ": Striped horse" }));
    QVERIFY(!e.button("SaveFileButton")->isEnabled());
    QVERIFY(e.find<QLineEdit>("SeparatorEdit")->isVisible());

    clickRadio(e.find<QRadioButton>("Words"));
    QCOMPARE(e.workspace.context().settings.exportOption, 1);
    QCOMPARE(lines(e.list()), QStringList({ "ANT", "YAK", "ZEBRA" }));
    QVERIFY(!e.find<QLineEdit>("SeparatorEdit")->isVisible());
    clickRadio(e.find<QRadioButton>("Clues"));
    QCOMPARE(e.workspace.context().settings.exportOption, 2);
    QCOMPARE(lines(e.list()), QStringList({ "A clue alone", "Shaggy ox", "Striped horse" }));
    clickRow(e.list(), 1);
    test::saveScreenshot(e.window.get(), "TExportWords");
}

// The pair lines follow every change of the separator field.
void ExportWordsTest::separatorRebuildsThePairs()
{
    Export e;
    QLineEdit *separator = e.find<QLineEdit>("SeparatorEdit");
    separator->selectAll();
    QTest::keyClicks(separator, "=");
    QCOMPARE(e.workspace.context().settings.sepChar, '=');
    QCOMPARE(e.list()->item(3)->text(), padded("ZEBRA") + "= Striped horse");
    // An empty field writes ':' and keeps the stored separator.
    QTest::keyClick(separator, Qt::Key_Backspace);
    QCOMPARE(e.list()->item(3)->text(), padded("ZEBRA") + ": Striped horse");
    QCOMPARE(e.workspace.context().settings.sepChar, '=');
}

// Select Used selects the lines of words in the saved grid; the file holds the chosen lines
// in list order, each ended by CR LF.
void ExportWordsTest::selectUsedAndSave()
{
    Export e(1);
    e.click("SelectUsedButton");
    QCOMPARE(selectedLines(e.list()), QStringList({ "YAK", "ZEBRA" }));
    QVERIFY(e.button("SaveFileButton")->isEnabled());
    clickRow(e.list(), 0, Qt::ControlModifier);
    e.dialogs.chooseFile(std::nullopt);
    e.click("SaveFileButton");
    QVERIFY(e.window->isVisible());

    const QString out = e.workspace.path("start/out.txt");
    e.dialogs.chooseFile(out);
    e.click("SaveFileButton");
    const app::FileRequest &request = e.dialogs.fileRequests().back();
    QCOMPARE(request.title, QString("Save Word/Clue List"));
    QCOMPARE(request.kind, app::FileDialogKind::Save);
    QCOMPARE(request.defaultExtension, QString("txt"));
    QCOMPARE(request.start, e.workspace.path("start/last.txt"));
    QCOMPARE(e.window->result(), int(QDialog::Accepted));
    QCOMPARE(fileBytes(out), QByteArray("ANT\r\nYAK\r\nZEBRA\r\n"));
    QCOMPARE(QString::fromStdString(e.workspace.context().settings.lastExportWordFile), out);
}

// Save with nothing selected, or into a file that cannot be created, says so and keeps the window.
void ExportWordsTest::saveNeedsASelectionAndAWritableFile()
{
    Export e;
    e.click("SelectAllButton");
    e.click("ClearButton");
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
    e.click("ExitButton");
    QCOMPARE(e.window->result(), int(QDialog::Rejected));
}

QTEST_MAIN(ExportWordsTest)
#include "tst_TExportWords.moc"
