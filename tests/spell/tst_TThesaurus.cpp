#include "spell/SpellWindowSupport.h"
#include "spell/ThesaurusFile.h"
#include "spell/ui/TThesaurus.h"
#include "uisupport/ListLines.h"
#include "uisupport/WordListEditor.h"

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

// A lookup window on a word, shown, over a workspace with the given thesaurus files.
struct Lookup
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<TThesaurus> window;

    void open(int type, const QString &word)
    {
        window = std::make_unique<TThesaurus>(workspace.context(), type, word, nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void useSmallThesaurus()
    {
        QVERIFY(test::writeThesaurusFile(
            workspace.path("program/thesdbbr.cth").toStdString(), test::SmallThesaurus));
    }

    QListWidget *list(const char *name) { return window->findChild<QListWidget *>(name); }
    QListWidget *categories() { return list("CategoryList"); }
    QListWidget *antonyms() { return list("AntonymList"); }
    QListWidget *synonyms() { return list("SynonymList"); }
    QLineEdit *word() { return window->findChild<QLineEdit *>("WordEdit"); }
    bool acceptEnabled() { return window->findChild<QPushButton *>("AcceptButton")->isEnabled(); }
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

// The word is looked up trimmed: its meanings with their part of speech, their antonyms, and
// the synonyms of the first meaning, the first selected.  A click on an antonym shows its
// synonyms and clears the category selection, and back; a double-clicked synonym is looked up.
void TestTThesaurus::categoriesAntonymsAndTheirSynonyms()
{
    Lookup lookup;
    lookup.useSmallThesaurus();
    lookup.open(2, "  bright ");
    test::saveScreenshot(lookup.window.get(), "TThesaurus");
    QVERIFY(lookup.dialogs.messages().empty());
    QCOMPARE(listLines(lookup.categories()),
        QStringList({ "smart (adjective)", "shining (adjective)", "cheerful (adjective)", "bright (noun)" }));
    QCOMPARE(selectedLine(lookup.categories()), QString("smart (adjective)"));
    QCOMPARE(listLines(lookup.antonyms()), QStringList({ "dull (adjective)", "dark (adjective)" }));
    QCOMPARE(listLines(lookup.synonyms()), QStringList({ "smart", "clever" }));
    QCOMPARE(selectedLine(lookup.synonyms()), QString("smart"));

    lookup.clickItem(lookup.antonyms(), 0);
    QCOMPARE(listLines(lookup.synonyms()), QStringList({ "boring", "tedious" }));
    QCOMPARE(selectedLine(lookup.categories()), QString());
    lookup.clickItem(lookup.categories(), 1);
    QCOMPARE(listLines(lookup.synonyms()), QStringList({ "shining", "brilliant" }));
    QCOMPARE(selectedLine(lookup.antonyms()), QString());

    // A double click on a synonym makes it the word and refreshes all three lists.
    QListWidget *synonyms = lookup.synonyms();
    lookup.clickItem(lookup.categories(), 0);
    const QPoint clever = synonyms->visualItemRect(synonyms->item(1)).center();
    // A double click is a click and then the double click, as the system delivers it.
    QTest::mouseClick(synonyms->viewport(), Qt::LeftButton, {}, clever);
    QTest::mouseDClick(synonyms->viewport(), Qt::LeftButton, {}, clever);
    QCOMPARE(lookup.word()->text(), QString("clever"));
    QCOMPARE(listLines(lookup.categories()), QStringList({ "smart (adjective)" }));
    QCOMPARE(listLines(lookup.antonyms()), QStringList({ "stupid (adjective)" }));
    QCOMPARE(listLines(lookup.synonyms()), QStringList({ "smart", "bright" }));
}

// A meaning without synonyms leaves the list empty and Accept disabled; Accept comes back
// with the next meaning that has some, and without a selected synonym it is refused.
void TestTThesaurus::emptySynonymListDisablesAccept()
{
    Lookup lookup;
    lookup.useSmallThesaurus();
    lookup.open(2, "bright");
    lookup.clickItem(lookup.categories(), 3);
    QCOMPARE(lookup.synonyms()->count(), 0);
    QVERIFY(!lookup.acceptEnabled());
    lookup.clickItem(lookup.categories(), 0);
    QVERIFY(lookup.acceptEnabled());

    lookup.synonyms()->clearSelection();
    lookup.click("AcceptButton");
    QCOMPARE(lookup.dialogs.lastMessage(),
        QString("Error|No replacement word has been selected.  Please choose a replacement first."));
    QVERIFY(lookup.window->isVisible());
    QVERIFY(!lookup.window->accepted());
}

// An unknown word gets the warning; Suggest offers similar words and Ok looks the chosen one
// up.  A word with nothing similar is reported.
void TestTThesaurus::unknownWordsAndSuggestions()
{
    Lookup lookup;
    lookup.useSmallThesaurus();
    lookup.open(2, "brigth");
    QCOMPARE(lookup.dialogs.lastMessage(),
        QString("Warning|Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words."));
    QCOMPARE(lookup.categories()->count(), 0);

    test::ModalScript script;
    QString shownWord;
    QStringList offered;
    script.then("Word Suggestions", [&](QWidget *window) {
        test::saveScreenshot(window, "TWordSuggestions");
        shownWord = window->findChild<QLabel *>("Word")->text();
        offered = listLines(window->findChild<QListWidget *>("SuggestionList"));
        test::ModalScript::click(window, "OkButton");
    });
    lookup.click("SuggestButton");
    QVERIFY(script.finished());
    QCOMPARE(shownWord, QString("brigth"));
    QCOMPARE(offered.value(0), QString("bright"));
    QCOMPARE(lookup.word()->text(), QString("bright"));
    QCOMPARE(lookup.categories()->count(), 4);

    lookup.word()->setText("qqqqzzzz");
    lookup.click("SuggestButton");
    QCOMPARE(lookup.dialogs.lastMessage(), QString("Error|No suggestions found for the word qqqqzzzz."));
}

void TestTThesaurus::missingThesaurusFile()
{
    Lookup lookup;
    lookup.open(1, "happy");
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
    test::ModalScript script;
    editor.click("Thes"); // no current row: nothing opens
    editor.grid()->setCurrentCell(1, editor::TWordList::WordColumn);
    QString looked;
    script.then("Thesaurus Lookup", [&](QWidget *window) {
        looked = window->findChild<QLineEdit *>("WordEdit")->text();
        test::ModalScript::click(window, "AbortButton");
    });
    editor.click("Thes");
    QVERIFY(script.finished());
    QCOMPARE(looked, QString("CLEVER"));
    QCOMPARE(editor.window->rowClue(2), QString("Quick-witted"));

    script.then("Thesaurus Lookup", [&](QWidget *window) {
        window->findChild<QListWidget *>("SynonymList")->setCurrentRow(1);
        test::ModalScript::click(window, "AcceptButton");
    });
    editor.click("Thes");
    QVERIFY(script.finished());
    QCOMPARE(editor.window->rowClue(2), QString("bright"));
    QVERIFY(editor.dialogs.messages().empty());
}

// With "Thesaurus" = 3 and only the American file, the chooser shows British disabled and,
// the stored British pick not being installed, waits for a pick; the pick is stored at once
// and the lookup runs in it.
void TestTThesaurus::chooserOffersInstalledThesauriOnly()
{
    EditorOverThesaurus editor(3);
    app::AppContext &context = editor.context();
    context.settings.userThesaurus = 2;
    QCOMPARE(context.settings.thesaurus, 3);
    editor.window->setRowWord(1, "dull");
    editor.grid()->setCurrentCell(0, editor::TWordList::ClueColumn);

    test::ModalScript script;
    bool britishDisabled = false, okDisabled = false;
    script.then("Thesaurus", [&](QWidget *window) {
        test::saveScreenshot(window, "TThesaurusChoice");
        britishDisabled = !window->findChild<QRadioButton *>("ChoiceBritish")->isEnabled();
        okDisabled = !window->findChild<QPushButton *>("OkButton")->isEnabled();
        QTest::mouseClick(window->findChild<QRadioButton *>("ChoiceAmerican"), Qt::LeftButton);
        test::ModalScript::click(window, "OkButton");
    });
    script.thenClick("Thesaurus Lookup", "AcceptButton");
    editor.click("Thes");
    QVERIFY(script.finished());
    QVERIFY(britishDisabled);
    QVERIFY(okDisabled);
    QCOMPARE(context.settings.userThesaurus, 1);
    QCOMPARE(context.settings.thesaurus, 3);
    QCOMPARE(editor.window->rowClue(1), QString("boring"));
}

QTEST_MAIN(TestTThesaurus)
#include "tst_TThesaurus.moc"
