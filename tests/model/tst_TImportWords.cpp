#include "model/TransferWindowTest.h"
#include "model/ui/TImportWords.h"

#include <QFile>
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
    QLineEdit *separator() { return find<QLineEdit>("SeparatorEdit"); }
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
    void openFileFillsTheChosenRows();
    void pairsNeedASeparator();
    void warnsWhenTooManyWords();
};

// An unknown stored mode is taken as words; every mode choice and separator change reaches the
// settings at once.
void ImportWordsTest::modeAndSeparatorAreStoredAtOnce()
{
    Import i(7);
    model::Settings &settings = i.workspace.context().settings;
    QVERIFY(i.find<QRadioButton>("AsWords")->isChecked());
    QVERIFY(!i.separator()->isVisible());
    QVERIFY(!i.button("OkButton")->isEnabled());
    clickRadio(i.find<QRadioButton>("AsClues"));
    QCOMPARE(settings.importOption, 2);
    clickRadio(i.find<QRadioButton>("AsWordsAndClues"));
    QCOMPARE(settings.importOption, 3);
    QVERIFY(i.separator()->isVisible());
    i.separator()->selectAll();
    QTest::keyClicks(i.separator(), ";");
    QCOMPARE(settings.sepChar, ';');
}

// A file that cannot be read is reported and leaves Ok disabled.  The file dialog starts at the
// last file, which the chosen one replaces; the selected lines go into the table.
void ImportWordsTest::openFileFillsTheChosenRows()
{
    Import i;
    i.dialogs.chooseFile(i.workspace.path("start/missing.txt"));
    i.click("OpenFileButton");
    QCOMPARE(i.dialogs.lastMessage(), QString("Error|Unable to open import file."));
    QVERIFY(!i.button("OkButton")->isEnabled());
    i.openFile("zebra\ncaf\xc3\xa9\nApple\n");
    const app::FileRequest &request = i.dialogs.fileRequests().at(0);
    QCOMPARE(request.title + "|" + request.defaultExtension + "|" + request.start,
        "Import Word/Clue List|txt|" + i.workspace.path("start/last.txt"));
    QCOMPARE(QString::fromStdString(i.workspace.context().settings.lastImportWordFile), i.file);
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
    i.openFile("sun; star of the day\n");
    test::saveScreenshot(i.window.get(), "TImportWords");
    i.separator()->clear();
    i.click("SelectAllButton");
    i.click("OkButton");
    QCOMPARE(i.dialogs.lastMessage(), QString("Error|No word/clue seperator character specified."));
    QVERIFY(i.separator()->hasFocus());
    QVERIFY(i.window->isVisible());

    QTest::keyClicks(i.separator(), ";");
    i.click("OkButton");
    QCOMPARE(i.window->result(), int(QDialog::Accepted));
    QCOMPARE(i.rows[0].clue, std::string("star of the day"));
}

// 198 words and 5 lines: the warning names 3; No changes nothing, Yes adds the first two.
void ImportWordsTest::warnsWhenTooManyWords()
{
    Import i(1, 198);
    i.openFile("eel\ndog\ncat\nbee\nant\n");
    i.click("SelectAllButton");
    i.dialogs.answer(app::Answer::No);
    i.click("OkButton");
    QCOMPARE(i.dialogs.messages().back().caption + "|" + i.dialogs.messages().back().text,
        QString("Warning|Too many words selected.  Last 3 words will not be used.  Continue?"));
    QCOMPARE(i.dialogs.messages().back().buttons, app::Buttons::YesNo);
    QVERIFY(i.window->isVisible());
    QVERIFY(i.rows[198].word.empty());

    i.dialogs.answer(app::Answer::Yes);
    i.click("OkButton");
    QCOMPARE(i.window->result(), int(QDialog::Accepted));
    QCOMPARE(i.rows[199].word, std::string("bee"));
}

QTEST_MAIN(ImportWordsTest)
#include "tst_TImportWords.moc"
