#include "spell/SpellWindowSupport.h"
#include "spell/ThesaurusFile.h"
#include "spell/ui/TThesaurus.h"
#include "uisupport/ListLines.h"

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
};

// The word is looked up trimmed, the synonyms of the first meaning shown.  A click on an
// antonym shows its synonyms; a double-clicked synonym is looked up.
void TestTThesaurus::categoriesAntonymsAndTheirSynonyms()
{
    Lookup lookup("  bright ");
    test::saveScreenshot(lookup.window.get(), "TThesaurus");
    QVERIFY(lookup.dialogs.messages().empty());
    QCOMPARE(listLines(lookup.synonyms()), QStringList({ "smart", "clever" }));

    lookup.clickItem(lookup.antonyms(), 0);
    QCOMPARE(listLines(lookup.synonyms()), QStringList({ "boring", "tedious" }));

    QListWidget *synonyms = lookup.synonyms();
    lookup.clickItem(lookup.categories(), 0);
    // A double click is a click and then the double click, as the system delivers it.
    lookup.clickItem(synonyms, 1);
    QTest::mouseDClick(
        synonyms->viewport(), Qt::LeftButton, {}, synonyms->visualItemRect(synonyms->item(1)).center());
    QCOMPARE(lookup.word()->text(), QString("clever"));
    QCOMPARE(listLines(lookup.antonyms()), QStringList({ "stupid (adjective)" }));
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
    steps.then([&](QDialog &window) {
        test::saveScreenshot(&window, "TWordSuggestions");
        test::clickButton(window, "OkButton");
    });
    lookup.click("SuggestButton");
    QCOMPARE(lookup.word()->text(), QString("bright"));

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

// The editor's Thesaurus looks up the trimmed word of the cursor row (without one nothing
// opens).  Over the small thesaurus as the American one, with "Thesaurus" = 3, the chooser's
// pick is stored at once and the lookup runs in it; Abort leaves the row's clue, Accept puts
// the synonym there.
void TestTThesaurus::editorPutsTheSynonymIntoTheClue()
{
    test::WordListEditor editor;
    QVERIFY(test::writeThesaurusFile(
        editor.workspace.path("program/thesdbam.cth").toStdString(), test::SmallThesaurus));
    app::AppContext &context = editor.context();
    context.settings.thesaurus = 3;
    context.settings.userThesaurus = 2;
    test::installSpelling(editor.workspace, {});
    editor.open();
    editor.show();
    editor.window->setRowWord(1, " DULL ");
    editor.window->setRowClue(1, "Not sharp");
    test::ChildSteps steps;
    editor.click("Thes"); // no current row: nothing opens
    QVERIFY(steps.captions.isEmpty());
    editor.grid()->setCurrentCell(0, editor::TWordList::ClueColumn);
    const auto chooseAmerican = [](QDialog &window) {
        test::saveScreenshot(&window, "TThesaurusChoice");
        QTest::mouseClick(window.findChild<QRadioButton *>("ChoiceAmerican"), Qt::LeftButton);
        test::clickButton(window, "OkButton");
    };
    QString looked;
    steps.then(chooseAmerican);
    steps.then([&](QDialog &window) {
        looked = window.findChild<QLineEdit *>("WordEdit")->text();
        test::clickButton(window, "AbortButton");
    });
    editor.click("Thes");
    QCOMPARE(looked, QString("DULL"));
    QCOMPARE(editor.window->rowClue(1), QString("Not sharp"));
    QCOMPARE(context.settings.userThesaurus, 1);
    QCOMPARE(context.settings.thesaurus, 3);

    steps.then(chooseAmerican);
    steps.thenClick("AcceptButton");
    editor.click("Thes");
    QCOMPARE(
        steps.captions, QStringList({ "Thesaurus", "Thesaurus Lookup", "Thesaurus", "Thesaurus Lookup" }));
    QCOMPARE(editor.window->rowClue(1), QString("boring"));
}

QTEST_MAIN(TestTThesaurus)
#include "tst_TThesaurus.moc"
