#include "model/TImportWords.h"
#include "model/TransferWindowTest.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
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
        workspace.context().settings.lastImportWordFile = workspace.path("start/last.txt").toStdString();
        window = std::make_unique<model::TImportWords>(workspace.context(), rows);
        window->show();
    }
    // The window works on rows, which go before the base's members.
    ~Import() { window.reset(); }
    QListWidget *list() { return find<QListWidget>("LineList"); }
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
    void modeAndSeparatorAreStoredAtOnce();
    void openFileListsTrimmedSortedLines();
    void pairsNeedASeparator();
    void warnsWhenTooManyWords();
    void cluesGoToWordsWithoutClue();
    void unreadableFile();
};

// The stored mode is checked (an unknown one as words), the separator shown only for pairs,
// Ok and the selection buttons disabled until a file is read; every mode choice and separator
// change reaches the settings at once, and an emptied field keeps the stored separator.
void ImportWordsTest::modeAndSeparatorAreStoredAtOnce()
{
    Import i(7);
    model::Settings &settings = i.workspace.context().settings;
    QVERIFY(i.find<QRadioButton>("AsWords")->isChecked());
    QLineEdit *separator = i.find<QLineEdit>("SeparatorEdit");
    QVERIFY(!separator->isVisible());
    QVERIFY(!i.find<QLabel>("SeparatorLabel")->isVisible());
    for (const char *name : { "OkButton", "SelectAllButton", "ClearButton" })
        QVERIFY2(!i.button(name)->isEnabled(), name);
    QVERIFY(i.button("OpenFileButton")->isEnabled());

    clickRadio(i.find<QRadioButton>("AsClues"));
    QCOMPARE(settings.importOption, 2);
    clickRadio(i.find<QRadioButton>("AsWordsAndClues"));
    QCOMPARE(settings.importOption, 3);
    QVERIFY(separator->isVisible() && separator->isEnabled());
    QCOMPARE(separator->text(), QString(":"));
    separator->selectAll();
    QTest::keyClicks(separator, ";");
    QCOMPARE(settings.sepChar, ';');
    QTest::keyClick(separator, Qt::Key_Backspace);
    QCOMPARE(settings.sepChar, ';');
    clickRadio(i.find<QRadioButton>("AsWords"));
    QCOMPARE(settings.importOption, 1);
    QVERIFY(!separator->isVisible());

    Import pairs(3);
    QVERIFY(pairs.find<QRadioButton>("AsWordsAndClues")->isChecked());
    pairs.openFile("sun: star of the day\nmoon: shines at night\n");
    test::saveScreenshot(pairs.window.get(), "TImportWords");
}

// Lines of blanks are dropped, the rest trimmed and sorted; UTF-8 text is shown as written.
void ImportWordsTest::openFileListsTrimmedSortedLines()
{
    Import i;
    i.openFile("  zebra  \r\n\r\n    \ncaf\xc3\xa9\nApple\n");
    QCOMPARE(lines(i.list()), QStringList({ "Apple", QString::fromUtf8("caf\xc3\xa9"), "zebra" }));
    const app::FileRequest &request = i.dialogs.fileRequests().at(0);
    QCOMPARE(request.title, QString("Import Word/Clue List"));
    QCOMPARE(request.defaultExtension, QString("txt"));
    QCOMPARE(request.start, i.workspace.path("start/last.txt"));
    QCOMPARE(QString::fromStdString(i.workspace.context().settings.lastImportWordFile), i.file);
    for (const char *name : { "OkButton", "SelectAllButton", "ClearButton" })
        QVERIFY2(i.button(name)->isEnabled(), name);

    i.click("SelectAllButton");
    QCOMPARE(i.list()->selectedItems().size(), 3);
    i.click("ClearButton");
    QVERIFY(i.list()->selectedItems().isEmpty());
    clickRow(i.list(), 2);
    clickRow(i.list(), 1, Qt::ControlModifier);
    i.click("OkButton");
    QCOMPARE(i.window->result(), int(QDialog::Accepted));
    QCOMPARE(i.window->changedRows(), (std::vector<int> { 0, 1 }));
    QCOMPARE(i.rows[0].word, std::string("caf\xe9"));
    QCOMPARE(i.rows[1].word, std::string("zebra"));
}

// Pairs split at the separator; an empty separator field is refused and gets the focus.
void ImportWordsTest::pairsNeedASeparator()
{
    Import i(3);
    i.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(i.window.get()));
    i.openFile("sun; star of the day\nmoon\n");
    QLineEdit *separator = i.find<QLineEdit>("SeparatorEdit");
    separator->clear();
    i.click("SelectAllButton");
    i.click("OkButton");
    QCOMPARE(i.dialogs.lastMessage(), QString("Error|No word/clue seperator character specified."));
    QVERIFY(separator->hasFocus());
    QVERIFY(i.window->isVisible());

    QTest::keyClicks(separator, ";");
    i.click("OkButton");
    QCOMPARE(i.window->result(), int(QDialog::Accepted));
    QCOMPARE(i.rows[0].word, std::string("moon"));
    QCOMPARE(i.rows[0].clue, std::string(""));
    QCOMPARE(i.rows[1].word, std::string("sun"));
    QCOMPARE(i.rows[1].clue, std::string("star of the day"));
}

// 198 words and 5 lines: the warning names 3; No changes nothing, Yes adds the first two.
void ImportWordsTest::warnsWhenTooManyWords()
{
    Import i(1, 198);
    i.openFile("eel\ndog\ncat\nbee\nant\n");
    i.click("SelectAllButton");
    i.dialogs.answer(app::Answer::No);
    i.click("OkButton");
    QCOMPARE(i.dialogs.messages().back().caption, QString("Warning"));
    QCOMPARE(i.dialogs.messages().back().text,
        QString("Too many words selected.  Last 3 words will not be used.  Continue?"));
    QCOMPARE(i.dialogs.messages().back().buttons, app::Buttons::YesNo);
    QVERIFY(i.window->isVisible());
    QVERIFY(i.rows[198].word.empty());

    i.dialogs.answer(app::Answer::Yes);
    i.click("OkButton");
    QCOMPARE(i.window->result(), int(QDialog::Accepted));
    QCOMPARE(i.rows[198].word, std::string("ant"));
    QCOMPARE(i.rows[199].word, std::string("bee"));
}

// In the clue mode the lines fill the clues of rows with a word, and no warning is asked.
void ImportWordsTest::cluesGoToWordsWithoutClue()
{
    Import i(2, 2);
    i.openFile("first clue\nsecond clue\n");
    i.click("SelectAllButton");
    i.click("OkButton");
    QVERIFY(i.dialogs.messages().empty());
    QCOMPARE(i.rows[0].clue, std::string("first clue"));
    QCOMPARE(i.rows[1].clue, std::string("second clue"));
}

// A file that cannot be read is reported and leaves Ok disabled; Help closes like Cancel.
void ImportWordsTest::unreadableFile()
{
    Import i;
    i.dialogs.chooseFile(i.workspace.path("start/missing.txt"));
    i.click("OpenFileButton");
    QCOMPARE(i.dialogs.lastMessage(), QString("Error|Unable to open import file."));
    QVERIFY(!i.button("OkButton")->isEnabled());
    i.click("HelpButton");
    QCOMPARE(i.window->result(), int(QDialog::Rejected));
}

QTEST_MAIN(ImportWordsTest)
#include "tst_TImportWords.moc"
