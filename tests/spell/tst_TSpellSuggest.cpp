#include "spell/SpellWindowSupport.h"
#include "spell/UserLexicon.h"
#include "spell/ui/TSpellSuggest.h"
#include "uisupport/WordListEditor.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace gw;

namespace {

// A new puzzle in the word list editor, with the given lexicon files installed.
struct Editor : test::WordListEditor
{
    explicit Editor(std::initializer_list<const char *> files, int dictionary = 1)
    {
        context().settings.dictionary = dictionary;
        test::installSpelling(workspace, files);
        open();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    bool enabled(const char *button) { return find<QPushButton>(button)->isEnabled(); }
    QString includeFile() { return workspace.path("start/IncEngl.tlx"); }
    QStringList messages() const
    {
        QStringList shown;
        for (const app::MessageRequest &message : dialogs.messages())
            shown << message.caption + "|" + message.text;
        return shown;
    }
};

QString labelText(QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(name)->text();
}

// Selects the suggestion with the text; fails the test when the engine did not offer it.
void select(QWidget *window, const QString &text)
{
    auto *list = window->findChild<QListWidget *>("SuggestList");
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable("no suggestion " + text));
    list->setCurrentItem(found.first());
}

} // namespace

class TestTSpellSuggest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replaceChangesTheGridRows();
    void replaceNeedsASelection();
    void addPutsTheWordInTheIncludeLexicon();
    void chooserUsesTheEnglishUserLexicons();
    void missingDictionaryFiles();
    void buttonsNeedAnInstalledLanguage();
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
    QString message, word;
    int firstSelected = -1;
    script.then("Spelling Suggestions", [&](QWidget *window) {
        test::saveScreenshot(window, "TSpellSuggest");
        message = labelText(window, "Message");
        word = labelText(window, "Word");
        firstSelected = window->findChild<QListWidget *>("SuggestList")->currentRow();
        select(window, "ELEPHANT");
        test::ModalScript::click(window, "ReplaceButton");
    });
    script.then("Spelling Suggestions", [&](QWidget *window) {
        select(window, "family");
        test::ModalScript::click(window, "ReplaceButton");
    });
    editor.click("SpellClue");
    QVERIFY2(script.finished(), qPrintable(script.unscripted().join(",")));
    QCOMPARE(message,
        QString(
            "The following word was not found in the American dictionary.  Suggestions are listed below."));
    QCOMPARE(word, QString("ELEFANT"));
    QCOMPARE(firstSelected, 0);
    QCOMPARE(editor.window->rowWord(1), QString("ELEPHANT"));
    QCOMPARE(editor.window->rowClue(1), QString("A big animal"));
    // The replaced clue is joined again: a blank before the full stop.
    QCOMPARE(editor.window->rowClue(3), QString("Where the family lives ."));
    QCOMPARE(editor.dialogs.lastMessage(), QString("Spelling Status|Spell checking complete."));
}

// Replace without a selected suggestion is refused and the window stays for the same word; a
// text without suggestions gets the Notice and the check goes on.
void TestTSpellSuggest::replaceNeedsASelection()
{
    Editor editor(test::AmericanFiles);
    editor.window->setRowWord(1, "ELEFANT");
    editor.window->setRowWord(2, "QXZJQXZJQ");
    test::ModalScript script;
    bool stillShown = false;
    script.then("Spelling Suggestions", [&](QWidget *window) {
        window->findChild<QListWidget *>("SuggestList")->clearSelection();
        test::ModalScript::click(window, "ReplaceButton");
        stillShown = window->isVisible();
        test::ModalScript::click(window, "IgnoreButton");
    });
    editor.click("SpellClue");
    QVERIFY(script.finished());
    QVERIFY(stillShown);
    QCOMPARE(editor.messages(),
        QStringList({ "Error|No replacement word has been selected.  Please choose a replacement first.",
            "Notice|QXZJQXZJQ was not found in the dictionary.  No suggestions could be found.",
            "Spelling Status|Spell checking complete." }));
    QCOMPARE(editor.window->rowWord(1), QString("ELEFANT"));
}

// Add stores the word in the run's include lexicon (created on first use) and passes it over;
// the next check accepts it.
void TestTSpellSuggest::addPutsTheWordInTheIncludeLexicon()
{
    Editor editor(test::AmericanFiles);
    editor.window->setRowWord(1, "GRIDWRIGHTER");
    test::ModalScript script;
    script.thenClick("Spelling Suggestions", "AddButton");
    editor.click("SpellClue");
    QVERIFY(script.finished());
    QCOMPARE(editor.dialogs.lastMessage(), QString("Spelling Status|Spell checking complete."));
    const auto words = spell::readUserLexicon(editor.includeFile().toStdString());
    QVERIFY(words);
    QCOMPARE(*words, std::vector<std::string> { "GRIDWRIGHTER" });

    editor.click("SpellClue");
    QCOMPARE(editor.dialogs.lastMessage(), QString("Spelling Ok|All words were found in the dictionary."));
}

// With "Dictionary" = 9 the chooser asks for the language (stored at once, languages not
// installed disabled) and the check runs in it with the Engl user lexicons; Cancel checks
// nothing.
void TestTSpellSuggest::chooserUsesTheEnglishUserLexicons()
{
    Editor editor({ "ssceam.tlx", "ssceam1.clx", "sscege.tlx", "sscege1.clx" }, 9);
    QCOMPARE(editor.context().settings.dictionary, 9);
    QVERIFY(spell::writeUserLexicon(editor.includeFile().toStdString(), 1, 1033, { "Zorblax" }));
    editor.context().settings.userDictionary = 1;
    editor.window->setRowClue(1, "Zorblax Hauss");

    test::ModalScript script;
    bool dutchDisabled = false, americanPreset = false;
    script.then("Spell Check", [&](QWidget *window) {
        test::saveScreenshot(window, "TLanguageChoice");
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
    editor.click("SpellClue");
    QVERIFY(script.finished());
    QVERIFY(americanPreset);
    QVERIFY(dutchDisabled);
    QCOMPARE(word, QString("Hauss"));
    QCOMPARE(message,
        QString("The following word was not found in the German dictionary.  Suggestions are listed below."));
    QCOMPARE(editor.context().settings.dictionary, 9);

    editor.dialogs.clear();
    script.thenClick("Spell Check", "CancelButton");
    editor.click("SpellClue");
    QVERIFY(script.finished());
    QVERIFY(editor.dialogs.messages().empty());
}

void TestTSpellSuggest::missingDictionaryFiles()
{
    // The compressed lexicon marks British as installed; its main lexicon is missing.
    Editor editor({ "sscebr1.clx", "ssceam.tlx", "ssceam1.clx" }, 2);
    QCOMPARE(editor.context().settings.dictionary, 2);
    editor.window->setRowWord(1, "COLOUR");
    editor.click("SpellClue");
    QCOMPARE(editor.messages(), QStringList({ "Error|Could not find one of the dictionary files." }));
}

// Spell Check and Thesaurus are disabled when nothing of theirs is installed; British alone
// cannot stand in for American.
void TestTSpellSuggest::buttonsNeedAnInstalledLanguage()
{
    Editor none({}, 1);
    QVERIFY(!none.enabled("SpellClue"));
    QVERIFY(!none.enabled("Thes"));
    Editor british({ "sscebr.tlx", "sscebr1.clx" }, 1);
    QVERIFY(!british.enabled("SpellClue"));
    Editor american(test::AmericanFiles, 1);
    QVERIFY(american.enabled("SpellClue"));
}

QTEST_MAIN(TestTSpellSuggest)
#include "tst_TSpellSuggest.moc"
