#include "editor/TWordList.h"
#include "layout/LayoutLibrary.h"
#include "model/PuzzleRecord.h"
#include "spell/Dictionaries.h"
#include "spell/SpellCheckSession.h"
#include "spell/SpellWindowSupport.h"
#include "spell/TSpellSuggest.h"
#include "spell/UserLexicon.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

using namespace gw;
using editor::TWordList;

namespace {

// A new puzzle in the word list editor, with the given lexicon files installed.
struct Editor
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<TWordList> window;

    explicit Editor(std::initializer_list<const char *> files, int dictionary = 1)
    {
        app::AppContext &context = workspace.context();
        context.settings.dictionary = dictionary;
        test::installSpelling(workspace, files);
        model::resetToNew(*context.working, layout::loadLayoutForPuzzle(context.layoutLibrary(), 0));
        context.workingIsNew = true;
        window = std::make_unique<TWordList>(context, "Create New Puzzle");
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    app::AppContext &context() { return workspace.context(); }
    QPushButton *button(const char *name) { return window->findChild<QPushButton *>(name); }
    void spellCheck() { QTest::mouseClick(button("SpellClue"), Qt::LeftButton); }
    QString includeFile() { return workspace.path("start/IncEngl.tlx"); }
};

QString labelText(QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(name)->text();
}

QListWidget *suggestions(QWidget *window)
{
    return window->findChild<QListWidget *>("SuggestList");
}

// Selects the suggestion with the text; fails the test when the engine did not offer it.
void select(QWidget *window, const QString &text)
{
    const auto found = suggestions(window)->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable("no suggestion " + text));
    suggestions(window)->setCurrentItem(found.first());
}

QStringList captionsAndTexts(const test::ScriptedDialogs &dialogs)
{
    QStringList shown;
    for (const app::MessageRequest &message : dialogs.messages())
        shown << message.caption + "|" + message.text;
    return shown;
}

} // namespace

class TestTSpellSuggest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replaceChangesTheGridRows();
    void replaceNeedsASelection();
    void noSuggestionIsNoticedAndCheckingGoesOn();
    void addPutsTheWordInTheIncludeLexicon();
    void abortStopsTheWholeCheck();
    void chooserUsesTheEnglishUserLexicons();
    void missingDictionaryFiles();
    void buttonsNeedAnInstalledLanguage();
    void screenshots();
};

// The suggestions window names the language and the word, selects the first suggestion, and
// Replace writes the chosen one into the word and the clue of their rows.
void TestTSpellSuggest::replaceChangesTheGridRows()
{
    Editor editor(test::AmericanFiles);
    editor.window->setRowWord(1, "ELEFANT");
    editor.window->setRowClue(1, "A big animal");
    editor.window->setRowWord(3, "HOUSE");
    editor.window->setRowClue(3, "Where the famly lives.");
    test::ModalScript script;
    QString message, word, firstSelected;
    script.then("Spelling Suggestions", [&](QWidget *window) {
        message = labelText(window, "Message");
        word = labelText(window, "Word");
        firstSelected
            = suggestions(window)->currentRow() == 0 ? suggestions(window)->currentItem()->text() : "";
        select(window, "ELEPHANT");
        test::ModalScript::click(window, "ReplaceButton");
    });
    script.then("Spelling Suggestions", [&](QWidget *window) {
        QCOMPARE(labelText(window, "Word"), QString("famly"));
        select(window, "family");
        test::ModalScript::click(window, "ReplaceButton");
    });
    editor.spellCheck();
    QVERIFY2(script.finished(), qPrintable(script.unscripted().join(",")));
    QCOMPARE(message,
        QString(
            "The following word was not found in the American dictionary.  Suggestions are listed below."));
    QCOMPARE(word, QString("ELEFANT"));
    QVERIFY(!firstSelected.isEmpty());
    QCOMPARE(editor.window->rowWord(1), QString("ELEPHANT"));
    QCOMPARE(editor.window->rowClue(1), QString("A big animal"));
    // The replaced clue is joined again: a blank before the full stop.
    QCOMPARE(editor.window->rowClue(3), QString("Where the family lives ."));
    QCOMPARE(editor.dialogs.lastMessage(), QString("Spelling Status|Spell checking complete."));
}

// Replace without a selected suggestion is refused and the window stays for the same word.
void TestTSpellSuggest::replaceNeedsASelection()
{
    Editor editor(test::AmericanFiles);
    editor.window->setRowWord(1, "ELEFANT");
    test::ModalScript script;
    bool stillShown = false;
    script.then("Spelling Suggestions", [&](QWidget *window) {
        suggestions(window)->clearSelection();
        test::ModalScript::click(window, "ReplaceButton");
        stillShown = window->isVisible();
        test::ModalScript::click(window, "IgnoreButton");
    });
    editor.spellCheck();
    QVERIFY(script.finished());
    QVERIFY(stillShown);
    QCOMPARE(captionsAndTexts(editor.dialogs),
        QStringList({ "Error|No replacement word has been selected.  Please choose a replacement first.",
            "Spelling Status|Spell checking complete." }));
    QCOMPARE(editor.window->rowWord(1), QString("ELEFANT"));
}

// A text without suggestions gets the Notice, stays as it was, and the check goes on to the
// next unknown text.
void TestTSpellSuggest::noSuggestionIsNoticedAndCheckingGoesOn()
{
    Editor editor(test::AmericanFiles);
    editor.window->setRowWord(1, "QXZJQXZJQ");
    editor.window->setRowClue(2, "A ruond thing");
    test::ModalScript script;
    QString asked;
    script.then("Spelling Suggestions", [&](QWidget *window) {
        asked = labelText(window, "Word");
        test::ModalScript::click(window, "IgnoreButton");
    });
    editor.spellCheck();
    QVERIFY(script.finished());
    QCOMPARE(asked, QString("ruond"));
    QCOMPARE(captionsAndTexts(editor.dialogs),
        QStringList({ "Notice|QXZJQXZJQ was not found in the dictionary.  No suggestions could be found.",
            "Spelling Status|Spell checking complete." }));
    QCOMPARE(editor.window->rowWord(1), QString("QXZJQXZJQ"));
}

// Add stores the word in the run's include lexicon (created on first use) and passes it over;
// the next check accepts it.
void TestTSpellSuggest::addPutsTheWordInTheIncludeLexicon()
{
    Editor editor(test::AmericanFiles);
    editor.window->setRowWord(1, "GRIDWRIGHTER");
    QVERIFY(!QFile::exists(editor.includeFile()));
    test::ModalScript script;
    script.thenClick("Spelling Suggestions", "AddButton");
    editor.spellCheck();
    QVERIFY(script.finished());
    QCOMPARE(editor.dialogs.lastMessage(), QString("Spelling Status|Spell checking complete."));
    QFile file(editor.includeFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("GRIDWRIGHTER"));
    const auto words = spell::readUserLexicon(editor.includeFile().toStdString());
    QVERIFY(words);
    QCOMPARE(*words, std::vector<std::string> { "GRIDWRIGHTER" });

    editor.spellCheck();
    QCOMPARE(editor.dialogs.lastMessage(), QString("Spelling Ok|All words were found in the dictionary."));
}

// Abort ends the whole check: the clue after the aborted word is never looked at.
void TestTSpellSuggest::abortStopsTheWholeCheck()
{
    Editor editor(test::AmericanFiles);
    editor.window->setRowWord(1, "ELEFANT");
    editor.window->setRowClue(1, "QXZJQXZJQ");
    test::ModalScript script;
    script.thenClick("Spelling Suggestions", "AbortButton");
    editor.spellCheck();
    QVERIFY(script.finished());
    QCOMPARE(captionsAndTexts(editor.dialogs), QStringList({ "Spelling Status|Spell checking aborted." }));
}

// With "Dictionary" = 9 the chooser asks for the language (stored at once, languages not
// installed disabled) and the check runs in it with the Engl user lexicons.
void TestTSpellSuggest::chooserUsesTheEnglishUserLexicons()
{
    Editor editor({ "ssceam.tlx", "ssceam1.clx", "sscege.tlx", "sscege1.clx" }, 9);
    QCOMPARE(editor.context().settings.dictionary, 9);
    QCOMPARE(editor.context().spelling.userStem, std::string("Engl"));
    QVERIFY(spell::writeUserLexicon(editor.includeFile().toStdString(), 1, 1033, { "Zorblax" }));
    editor.context().settings.userDictionary = 1;
    editor.window->setRowClue(1, "Zorblax Hauss");

    test::ModalScript script;
    bool dutchDisabled = false, americanPreset = false;
    script.then("Spell Check", [&](QWidget *window) {
        americanPreset = window->findChild<QRadioButton *>("ChoiceAmerican")->isChecked();
        dutchDisabled = !window->findChild<QRadioButton *>("ChoiceDutch")->isEnabled();
        QTest::mouseClick(window->findChild<QRadioButton *>("ChoiceGerman"), Qt::LeftButton);
        QCOMPARE(editor.context().settings.userDictionary, 6);
        test::ModalScript::click(window, "OkButton");
    });
    QString message, word;
    script.then("Spelling Suggestions", [&](QWidget *window) {
        message = labelText(window, "Message");
        word = labelText(window, "Word");
        test::ModalScript::click(window, "AbortButton");
    });
    editor.spellCheck();
    QVERIFY(script.finished());
    QVERIFY(americanPreset);
    QVERIFY(dutchDisabled);
    QCOMPARE(word, QString("Hauss"));
    QCOMPARE(message,
        QString("The following word was not found in the German dictionary.  Suggestions are listed below."));
    QCOMPARE(editor.context().settings.dictionary, 9);

    // Cancel in the chooser checks nothing.
    editor.dialogs.clear();
    script.thenClick("Spell Check", "CancelButton");
    editor.spellCheck();
    QVERIFY(script.finished());
    QVERIFY(editor.dialogs.messages().empty());
}

void TestTSpellSuggest::missingDictionaryFiles()
{
    // The compressed lexicon marks British as installed; its main lexicon is missing.
    Editor editor({ "sscebr1.clx", "ssceam.tlx", "ssceam1.clx" }, 2);
    QCOMPARE(editor.context().settings.dictionary, 2);
    editor.window->setRowWord(1, "COLOUR");
    editor.spellCheck();
    QCOMPARE(captionsAndTexts(editor.dialogs),
        QStringList({ "Error|Could not find one of the dictionary files." }));
}

// Spell Check and Thesaurus are disabled when nothing of theirs is installed.
void TestTSpellSuggest::buttonsNeedAnInstalledLanguage()
{
    Editor none({}, 1);
    QVERIFY(!none.button("SpellClue")->isEnabled());
    QVERIFY(!none.button("Thes")->isEnabled());
    Editor british({ "sscebr.tlx", "sscebr1.clx" }, 1);
    QCOMPARE(british.context().settings.dictionary, 0);
    QVERIFY(!british.button("SpellClue")->isEnabled());
    Editor american(test::AmericanFiles, 1);
    QVERIFY(american.button("SpellClue")->isEnabled());
}

void TestTSpellSuggest::screenshots()
{
    Editor editor({ "ssceam.tlx", "ssceam1.clx", "sscege.tlx", "sscege1.clx" }, 9);
    editor.window->setRowWord(1, "ELEFANT");
    test::ModalScript script;
    script.then("Spell Check", [&](QWidget *window) {
        test::saveScreenshot(window, "spell-check-chooser");
        test::ModalScript::click(window, "OkButton");
    });
    script.then("Spelling Suggestions", [&](QWidget *window) {
        test::saveScreenshot(window, "spelling-suggestions");
        test::ModalScript::click(window, "AbortButton");
    });
    editor.spellCheck();
    QVERIFY(script.finished());
}

QTEST_MAIN(TestTSpellSuggest)
#include "tst_TSpellSuggest.moc"
