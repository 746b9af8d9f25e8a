#include "editor/TWordList.h"
#include "layout/LayoutLibrary.h"
#include "model/PuzzleRecord.h"
#include "spell/LexiconFile.h"
#include "spell/SpellWindowSupport.h"
#include "spell/TThesaurus.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>
#include <map>
#include <memory>

using namespace gw;
using spell::TThesaurus;

namespace {

using Meanings = std::vector<std::string>;

// A thesaurus file of the given words and their meaning lines, "(pos)|term|...", in the
// MyThes index and data form the thesaurus files carry.
void writeThesaurus(const QString &file, const std::map<std::string, Meanings> &entries)
{
    std::string data = "UTF-8\n";
    std::string index = "UTF-8\n" + std::to_string(entries.size()) + "\n";
    for (const auto &[word, meanings] : entries) {
        index += word + "|" + std::to_string(data.size()) + "\n";
        data += word + "|" + std::to_string(meanings.size()) + "\n";
        for (const std::string &meaning : meanings)
            data += meaning + "\n";
    }
    QVERIFY(spell::writeLexiconFile(
        file.toStdString(), { spell::LexiconKindThesaurus, 0, "UTF-8", { index, data } }));
}

const std::map<std::string, Meanings> SmallThesaurus {
    { "bright",
        { "(adj)|smart|clever|dull (antonym)", "(adj)|shining|brilliant|dark (antonym)", "(noun)|" } },
    { "clever", { "(adj)|smart|bright|stupid (antonym)" } },
    { "dull", { "(adj)|boring|tedious|bright (antonym)" } },
};

QStringList lines(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QString selected(const QListWidget *list)
{
    const auto items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

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
    void useSmallThesaurus() { writeThesaurus(workspace.path("program/thesdbbr.cth"), SmallThesaurus); }

    QListWidget *list(const char *name) { return window->findChild<QListWidget *>(name); }
    QListWidget *categories() { return list("CategoryList"); }
    QListWidget *antonyms() { return list("AntonymList"); }
    QListWidget *synonyms() { return list("SynonymList"); }
    QLineEdit *word() { return window->findChild<QLineEdit *>("WordEdit"); }
    QPushButton *button(const char *name) { return window->findChild<QPushButton *>(name); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void clickItem(QListWidget *list, int row)
    {
        const QRect place = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
    void doubleClickItem(QListWidget *list, int row)
    {
        // A double click is a click and then the double click, as the system delivers it.
        const QRect place = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
};

} // namespace

class TestTThesaurus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void happyInTheAmericanThesaurus();
    void categoriesAntonymsAndTheirSynonyms();
    void doubleClickedSynonymIsLookedUp();
    void emptySynonymListDisablesAccept();
    void unknownWordsAndSuggestions();
    void missingThesaurusFile();
    void editorPutsTheSynonymIntoTheClue();
    void chooserOffersInstalledThesauriOnly();
    void screenshots();
};

// Looking up "happy" shows its meanings with their part of speech, the antonym "unhappy", and
// the synonyms of the first meaning, the first selected; Accept hands that synonym back.
void TestTThesaurus::happyInTheAmericanThesaurus()
{
    Lookup lookup;
    test::installSpelling(lookup.workspace, { "thesdbam.cth" });
    lookup.open(1, "happy");
    QVERIFY(lookup.dialogs.messages().empty());
    QCOMPARE(lookup.window->windowTitle(), QString("Thesaurus Lookup"));
    QCOMPARE(lookup.categories()->item(0)->text(), QString("happy (adjective)"));
    QVERIFY(lines(lookup.categories()).contains("glad (adjective)"));
    QCOMPARE(lines(lookup.antonyms()), QStringList({ "unhappy (adjective)" }));
    QCOMPARE(selected(lookup.categories()), QString("happy (adjective)"));
    QVERIFY(lines(lookup.synonyms()).contains("cheerful"));
    QCOMPARE(selected(lookup.synonyms()), lookup.synonyms()->item(0)->text());
    QVERIFY(lookup.button("AcceptButton")->isEnabled());

    lookup.synonyms()->setCurrentItem(lookup.synonyms()->findItems("cheerful", Qt::MatchExactly).first());
    lookup.click("AcceptButton");
    QVERIFY(lookup.window->accepted());
    QCOMPARE(lookup.window->acceptedText(), QString("cheerful"));
    QVERIFY(lookup.window->isHidden());
}

// A click on an antonym shows its synonyms and clears the category selection, and back.
void TestTThesaurus::categoriesAntonymsAndTheirSynonyms()
{
    Lookup lookup;
    lookup.useSmallThesaurus();
    lookup.open(2, "  bright ");
    QCOMPARE(lines(lookup.categories()),
        QStringList({ "smart (adjective)", "shining (adjective)", "bright (noun)" }));
    QCOMPARE(lines(lookup.antonyms()), QStringList({ "dull (adjective)", "dark (adjective)" }));
    QCOMPARE(lines(lookup.synonyms()), QStringList({ "smart", "clever" }));

    lookup.clickItem(lookup.antonyms(), 0);
    QCOMPARE(lines(lookup.synonyms()), QStringList({ "boring", "tedious" }));
    QCOMPARE(selected(lookup.categories()), QString());
    lookup.clickItem(lookup.categories(), 1);
    QCOMPARE(lines(lookup.synonyms()), QStringList({ "shining", "brilliant" }));
    QCOMPARE(selected(lookup.antonyms()), QString());
}

// A double click on a synonym makes it the word and refreshes all three lists.
void TestTThesaurus::doubleClickedSynonymIsLookedUp()
{
    Lookup lookup;
    lookup.useSmallThesaurus();
    lookup.open(2, "bright");
    QCOMPARE(lookup.synonyms()->item(1)->text(), QString("clever"));
    lookup.doubleClickItem(lookup.synonyms(), 1);
    QCOMPARE(lookup.word()->text(), QString("clever"));
    QCOMPARE(lines(lookup.categories()), QStringList({ "smart (adjective)" }));
    QCOMPARE(lines(lookup.antonyms()), QStringList({ "stupid (adjective)" }));
    QCOMPARE(lines(lookup.synonyms()), QStringList({ "smart", "bright" }));
}

// A meaning without synonyms leaves the list empty and Accept disabled; Accept comes back
// with the next meaning that has some.
void TestTThesaurus::emptySynonymListDisablesAccept()
{
    Lookup lookup;
    lookup.useSmallThesaurus();
    lookup.open(2, "bright");
    lookup.clickItem(lookup.categories(), 2);
    QCOMPARE(lookup.synonyms()->count(), 0);
    QVERIFY(!lookup.button("AcceptButton")->isEnabled());
    lookup.clickItem(lookup.categories(), 0);
    QVERIFY(lookup.button("AcceptButton")->isEnabled());

    // Accept without a selected synonym is refused and the window stays.
    lookup.synonyms()->clearSelection();
    lookup.click("AcceptButton");
    QCOMPARE(lookup.dialogs.lastMessage(),
        QString("Error|No replacement word has been selected.  Please choose a replacement first."));
    QVERIFY(lookup.window->isVisible());
    QVERIFY(!lookup.window->accepted());
}

// An unknown word gets the warning; Suggest offers similar words, and Ok looks the chosen one
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
        shownWord = window->findChild<QLabel *>("Word")->text();
        offered = lines(window->findChild<QListWidget *>("SuggestionList"));
        test::ModalScript::click(window, "OkButton");
    });
    lookup.click("SuggestButton");
    QVERIFY(script.finished());
    QCOMPARE(shownWord, QString("brigth"));
    QCOMPARE(offered.value(0), QString("bright"));
    QCOMPARE(lookup.word()->text(), QString("bright"));
    QCOMPARE(lookup.categories()->count(), 3);

    // Cancel changes nothing.
    script.thenClick("Word Suggestions", "CancelButton");
    lookup.word()->setText("dulll");
    lookup.click("SuggestButton");
    QVERIFY(script.finished());
    QCOMPARE(lookup.word()->text(), QString("dulll"));
    QCOMPARE(lookup.categories()->count(), 3);

    lookup.word()->setText("qqqqzzzz");
    lookup.click("SuggestButton");
    QCOMPARE(lookup.dialogs.lastMessage(), QString("Error|No suggestions found for the word qqqqzzzz."));
}

void TestTThesaurus::missingThesaurusFile()
{
    Lookup lookup;
    lookup.open(1, "happy");
    QCOMPARE(lookup.dialogs.lastMessage(), QString("Error|Could not find the Thesaurus file."));
    QCOMPARE(lookup.categories()->count(), 0);
    lookup.click("LookUpButton");
    QCOMPARE(lookup.dialogs.messages().size(), std::size_t(1));
}

// The editor's Thesaurus looks up the trimmed word of the cursor row and puts the accepted
// synonym into that row's clue; Abort leaves the clue, and no current row does nothing.
void TestTThesaurus::editorPutsTheSynonymIntoTheClue()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    writeThesaurus(workspace.path("program/thesdbam.cth"), SmallThesaurus);
    app::AppContext &context = workspace.context();
    context.settings.thesaurus = 1;
    test::installSpelling(workspace, {});
    model::resetToNew(*context.working, layout::loadLayoutForPuzzle(context.layoutLibrary(), 0));
    context.workingIsNew = true;
    editor::TWordList editor(context, "Create New Puzzle");
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    auto *thes = editor.findChild<QPushButton *>("Thes");
    QVERIFY(thes->isEnabled());
    editor.setRowWord(2, " CLEVER ");
    editor.setRowClue(2, "Quick-witted");

    test::ModalScript script;
    QTest::mouseClick(thes, Qt::LeftButton); // no current row: nothing opens
    auto *grid = editor.findChild<QTableWidget *>("WordsCluesGrid");
    grid->setCurrentCell(1, editor::TWordList::WordColumn);
    QString looked;
    script.then("Thesaurus Lookup", [&](QWidget *window) {
        looked = window->findChild<QLineEdit *>("WordEdit")->text();
        test::ModalScript::click(window, "AbortButton");
    });
    QTest::mouseClick(thes, Qt::LeftButton);
    QVERIFY(script.finished());
    QCOMPARE(looked, QString("CLEVER"));
    QCOMPARE(editor.rowClue(2), QString("Quick-witted"));

    script.then("Thesaurus Lookup", [&](QWidget *window) {
        auto *synonyms = window->findChild<QListWidget *>("SynonymList");
        synonyms->setCurrentRow(1);
        test::ModalScript::click(window, "AcceptButton");
    });
    QTest::mouseClick(thes, Qt::LeftButton);
    QVERIFY(script.finished());
    QCOMPARE(editor.rowClue(2), QString("bright"));
    QVERIFY(dialogs.messages().empty());
}

// With "Thesaurus" = 3 and only the American file, the chooser shows British disabled; the
// pick is stored at once and the lookup runs in it.
void TestTThesaurus::chooserOffersInstalledThesauriOnly()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    writeThesaurus(workspace.path("program/thesdbam.cth"), SmallThesaurus);
    app::AppContext &context = workspace.context();
    context.settings.thesaurus = 3;
    context.settings.userThesaurus = 2;
    test::installSpelling(workspace, {});
    QCOMPARE(context.settings.thesaurus, 3);
    model::resetToNew(*context.working, layout::loadLayoutForPuzzle(context.layoutLibrary(), 0));
    editor::TWordList editor(context, "Create New Puzzle");
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.setRowWord(1, "dull");
    editor.findChild<QTableWidget *>("WordsCluesGrid")->setCurrentCell(0, editor::TWordList::ClueColumn);

    test::ModalScript script;
    bool britishDisabled = false, okDisabled = false;
    script.then("Thesaurus", [&](QWidget *window) {
        britishDisabled = !window->findChild<QRadioButton *>("ChoiceBritish")->isEnabled();
        okDisabled = !window->findChild<QPushButton *>("OkButton")->isEnabled();
        QTest::mouseClick(window->findChild<QRadioButton *>("ChoiceAmerican"), Qt::LeftButton);
        test::ModalScript::click(window, "OkButton");
    });
    script.thenClick("Thesaurus Lookup", "AcceptButton");
    QTest::mouseClick(editor.findChild<QPushButton *>("Thes"), Qt::LeftButton);
    QVERIFY(script.finished());
    QVERIFY(britishDisabled);
    // The stored British pick is not installed, so nothing is preset and Ok waits for a pick.
    QVERIFY(okDisabled);
    QCOMPARE(context.settings.userThesaurus, 1);
    QCOMPARE(context.settings.thesaurus, 3);
    QCOMPARE(editor.rowClue(1), QString("boring"));
}

void TestTThesaurus::screenshots()
{
    Lookup lookup;
    test::installSpelling(lookup.workspace, { "thesdbam.cth" });
    lookup.open(1, "happy");
    test::saveScreenshot(lookup.window.get(), "thesaurus-lookup-happy");
    test::ModalScript script;
    script.then("Word Suggestions", [&](QWidget *window) {
        test::saveScreenshot(window, "word-suggestions");
        test::ModalScript::click(window, "CancelButton");
    });
    lookup.word()->setText("hapy");
    lookup.click("SuggestButton");
    QVERIFY(script.finished());
}

QTEST_MAIN(TestTThesaurus)
#include "tst_TThesaurus.moc"
