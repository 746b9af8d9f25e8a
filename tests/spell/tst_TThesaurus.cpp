#include "spell/SpellWindowSupport.h"
#include "spell/ThesaurusFile.h"
#include "spell/ui/TThesaurus.h"
#include "uisupport/ListLines.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

using namespace gw;
using spell::TThesaurus;
using test::listLines;
using test::selectedLine;

namespace {

// A lookup window on a word, shown, over a workspace with the small thesaurus as the British
// one (or with no thesaurus file).
struct Lookup
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<TThesaurus> window;

    explicit Lookup(const QString &word, bool withFile = true)
    {
        if (withFile)
            QVERIFY(test::writeThesaurusFile(
                workspace.path("program/thesdbbr.cth").toStdString(), test::SmallThesaurus));
        window = std::make_unique<TThesaurus>(workspace.context(), withFile ? 2 : 1, word, nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QListWidget *list(const char *name) { return window->findChild<QListWidget *>(name); }
    QListWidget *categories() { return list("CategoryList"); }
    QListWidget *antonyms() { return list("AntonymList"); }
    QListWidget *synonyms() { return list("SynonymList"); }
    QLineEdit *word() { return window->findChild<QLineEdit *>("WordEdit"); }
    void click(const char *name) { test::clickButton(*window, name); }
    void clickItem(QListWidget *list, int row)
    {
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
};

// An editor on a new puzzle over the small thesaurus as the American one, "Thesaurus" as given.
struct EditorOverThesaurus : test::WordListEditor
{
    explicit EditorOverThesaurus(int thesaurus)
    {
        QVERIFY(test::writeThesaurusFile(
            workspace.path("program/thesdbam.cth").toStdString(), test::SmallThesaurus));
        context().settings.thesaurus = thesaurus;
        test::installSpelling(workspace, {});
        open();
        show();
    }
};

} // namespace

class TestTThesaurus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void categoriesAntonymsAndTheirSynonyms();
    void emptySynonymListDisablesAccept();
    void unknownWordsAndSuggestions();
    void missingThesaurusFile();
    void editorPutsTheSynonymIntoTheClue();
    void chooserOffersInstalledThesauriOnly();
};

// The word is looked up trimmed, the synonyms of the first meaning shown.  A click on an
// antonym shows its synonyms and clears the category selection; a double-clicked synonym is
// looked up.
void TestTThesaurus::categoriesAntonymsAndTheirSynonyms()
{
    Lookup lookup("  bright ");
    test::saveScreenshot(lookup.window.get(), "TThesaurus");
    QVERIFY(lookup.dialogs.messages().empty());
    QCOMPARE(listLines(lookup.synonyms()), QStringList({ "smart", "clever" }));
    QCOMPARE(selectedLine(lookup.synonyms()), QString("smart"));

    lookup.clickItem(lookup.antonyms(), 0);
    QCOMPARE(listLines(lookup.synonyms()), QStringList({ "boring", "tedious" }));
    QCOMPARE(selectedLine(lookup.categories()), QString());

    QListWidget *synonyms = lookup.synonyms();
    lookup.clickItem(lookup.categories(), 0);
    const QPoint clever = synonyms->visualItemRect(synonyms->item(1)).center();
    // A double click is a click and then the double click, as the system delivers it.
    QTest::mouseClick(synonyms->viewport(), Qt::LeftButton, {}, clever);
    QTest::mouseDClick(synonyms->viewport(), Qt::LeftButton, {}, clever);
    QCOMPARE(lookup.word()->text(), QString("clever"));
    QCOMPARE(listLines(lookup.antonyms()), QStringList({ "stupid (adjective)" }));
    QCOMPARE(listLines(lookup.synonyms()), QStringList({ "smart", "bright" }));
}

// A meaning without synonyms leaves Accept disabled, so nothing can replace the clue; without a
// selected synonym Accept is refused.
void TestTThesaurus::emptySynonymListDisablesAccept()
{
    Lookup lookup("bright");
    auto *accept = lookup.window->findChild<QPushButton *>("AcceptButton");
    lookup.clickItem(lookup.categories(), 3);
    QVERIFY(!accept->isEnabled());
    lookup.clickItem(lookup.categories(), 0);
    lookup.synonyms()->clearSelection();
    lookup.click("AcceptButton");
    QCOMPARE(lookup.dialogs.lastMessage(),
        QString("Error|No replacement word has been selected.  Please choose a replacement first."));
    QVERIFY(!lookup.window->accepted());
}

// An unknown word gets the warning; Suggest offers similar words and Ok looks the chosen one
// up.  A word with nothing similar is reported.
void TestTThesaurus::unknownWordsAndSuggestions()
{
    Lookup lookup("brigth");
    QCOMPARE(lookup.dialogs.lastMessage(),
        QString("Warning|Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words."));

    test::ChildSteps steps;
    QString shownWord;
    steps.then([&](QDialog &window) {
        test::saveScreenshot(&window, "TWordSuggestions");
        shownWord = window.findChild<QLabel *>("Word")->text();
        test::clickButton(window, "OkButton");
    });
    lookup.click("SuggestButton");
    QCOMPARE(shownWord, QString("brigth"));
    QCOMPARE(lookup.word()->text(), QString("bright"));
    QCOMPARE(lookup.categories()->count(), 4);

    lookup.word()->setText("qqqqzzzz");
    lookup.click("SuggestButton");
    QCOMPARE(lookup.dialogs.lastMessage(), QString("Error|No suggestions found for the word qqqqzzzz."));
}

void TestTThesaurus::missingThesaurusFile()
{
    Lookup lookup("happy", false);
    QCOMPARE(lookup.dialogs.lastMessage(), QString("Error|Could not find the Thesaurus file."));
    lookup.click("LookUpButton");
    QCOMPARE(lookup.dialogs.messages().size(), std::size_t(1));
}

// The editor's Thesaurus looks up the trimmed word of the cursor row and puts the accepted
// synonym into that row's clue; Abort leaves the clue, and no current row does nothing.
void TestTThesaurus::editorPutsTheSynonymIntoTheClue()
{
    EditorOverThesaurus editor(1);
    editor.window->setRowWord(2, " CLEVER ");
    editor.window->setRowClue(2, "Quick-witted");
    test::ChildSteps steps;
    editor.click("Thes"); // no current row: nothing opens
    QVERIFY(steps.captions.isEmpty());
    editor.grid()->setCurrentCell(1, editor::TWordList::WordColumn);
    QString looked;
    steps.then([&](QDialog &window) {
        looked = window.findChild<QLineEdit *>("WordEdit")->text();
        test::clickButton(window, "AbortButton");
    });
    editor.click("Thes");
    QCOMPARE(looked, QString("CLEVER"));
    QCOMPARE(editor.window->rowClue(2), QString("Quick-witted"));

    steps.then([&](QDialog &window) {
        window.findChild<QListWidget *>("SynonymList")->setCurrentRow(1);
        test::clickButton(window, "AcceptButton");
    });
    editor.click("Thes");
    QCOMPARE(editor.window->rowClue(2), QString("bright"));
    QVERIFY(editor.dialogs.messages().empty());
}

// With "Thesaurus" = 3 the chooser's pick is stored at once and the lookup runs in it.
void TestTThesaurus::chooserOffersInstalledThesauriOnly()
{
    EditorOverThesaurus editor(3);
    app::AppContext &context = editor.context();
    context.settings.userThesaurus = 2;
    editor.window->setRowWord(1, "dull");
    editor.grid()->setCurrentCell(0, editor::TWordList::ClueColumn);

    test::ChildSteps steps;
    steps.then([&](QDialog &window) {
        test::saveScreenshot(&window, "TThesaurusChoice");
        QTest::mouseClick(window.findChild<QRadioButton *>("ChoiceAmerican"), Qt::LeftButton);
        test::clickButton(window, "OkButton");
    });
    steps.thenClick("AcceptButton");
    editor.click("Thes");
    QCOMPARE(steps.captions, QStringList({ "Thesaurus", "Thesaurus Lookup" }));
    QCOMPARE(context.settings.userThesaurus, 1);
    QCOMPARE(context.settings.thesaurus, 3);
    QCOMPARE(editor.window->rowClue(1), QString("boring"));
}

QTEST_MAIN(TestTThesaurus)
#include "tst_TThesaurus.moc"
