#include "model/TransferWindowTest.h"
#include "model/ui/TImportWords.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace gw;
using namespace gw::test;

namespace {

// An import window over a table of `words` rows holding WORDn, with the mode setting given.
struct Import : TransferWindow<model::TImportWords>
{
    std::vector<model::TableRow> rows = std::vector<model::TableRow>(model::TableRows);
    QString file = workspace.path("start/words.txt");

    explicit Import(int importOption = 1, int words = 0)
    {
        for (int i = 0; i < words; ++i)
            rows[static_cast<std::size_t>(i)] = { "WORD" + std::to_string(i + 1), "", false };
        workspace.context().settings.importOption = importOption;
        window = std::make_unique<model::TImportWords>(workspace.context(), rows);
        window->show();
    }
    // The window works on rows, which go before the base's members.
    ~Import() { window.reset(); }
    void openFile(const QByteArray &bytes)
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        dialogs.chooseFile(file);
        click("OpenFileButton");
    }
};

} // namespace

class ImportWordsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openFileFillsTheChosenRows();
    void pairsNeedASeparator();
    void warnsWhenTooManyWords();
};

// A file that cannot be read is reported; the chosen one is remembered, and the selected lines
// go into the table.
void ImportWordsTest::openFileFillsTheChosenRows()
{
    Import i;
    i.dialogs.chooseFile(i.workspace.path("start/missing.txt"));
    i.click("OpenFileButton");
    QCOMPARE(i.dialogs.messages().back().caption, QString("Error"));
    i.openFile("zebra\ncaf\xc3\xa9\nApple\n");
    QCOMPARE(QString::fromStdString(i.workspace.context().settings.lastImportWordFile), i.file);
    auto *list = i.find<QListWidget>("LineList");
    clickRow(list, 2);
    clickRow(list, 1, Qt::ControlModifier);
    i.click("OkButton");
    QCOMPARE(i.window->result(), int(QDialog::Accepted));
    QCOMPARE(i.window->changedRows(), (std::vector<int> { 0, 1 }));
    QCOMPARE(i.rows[1].word, std::string("zebra"));
}

// An empty separator field is refused and keeps the window open.
void ImportWordsTest::pairsNeedASeparator()
{
    Import i(3);
    i.openFile("sun; star of the day\n");
    test::saveScreenshot(i.window.get(), "TImportWords");
    i.find<QLineEdit>("SeparatorEdit")->clear();
    i.click("SelectAllButton");
    i.click("OkButton");
    QCOMPARE(i.dialogs.lastMessage(), QString("Error|No word/clue seperator character specified."));
    QVERIFY(i.window->isVisible());
}

// 198 words and 5 lines: the question (its text is the core's test's) asks; No changes nothing.
void ImportWordsTest::warnsWhenTooManyWords()
{
    Import i(1, 198);
    i.openFile("eel\ndog\ncat\nbee\nant\n");
    i.click("SelectAllButton");
    i.dialogs.answer(app::Answer::No);
    i.click("OkButton");
    QCOMPARE(i.dialogs.messages().back().caption, QString("Warning"));
    QCOMPARE(i.dialogs.messages().back().buttons, app::Buttons::YesNo);
    QVERIFY(i.rows[198].word.empty());
}

QTEST_MAIN(ImportWordsTest)
#include "tst_TImportWords.moc"
