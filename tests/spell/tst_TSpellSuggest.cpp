#include "spell/SpellWindowSupport.h"
#include "spell/UserLexicon.h"
#include "spell/ui/TSpellSuggest.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

using namespace gw;

namespace {

using Editor = test::SpellingEditor;

QStringList messages(const test::ScriptedDialogs &dialogs)
{
    QStringList shown;
    for (const app::MessageRequest &message : dialogs.messages())
        shown << message.caption + "|" + message.text;
    return shown;
}

// The American include lexicon of the run, in the user's folder.
std::string includeFile(Editor &editor)
{
    return editor.workspace.path("start/IncEngl.tlx").toStdString();
}

QString labelText(QWidget &window, const char *name)
{
    return window.findChild<QLabel *>(name)->text();
}

// Selects the suggestion with the text; fails the test when the engine did not offer it.
void select(QWidget &window, const QString &text)
{
    auto *list = window.findChild<QListWidget *>("SuggestList");
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable("no suggestion " + text));
    list->setCurrentItem(found.first());
}

} // namespace

class TestTSpellSuggest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replaceWritesTheChosenWordIntoItsRow();
    void addPutsTheWordInTheIncludeLexicon();
    void chooserUsesTheEnglishUserLexicons();
    void missingDictionaryFiles();
};

// The window names the language; Replace without a selection
// is refused, with one it writes into the word's row, and into the clue, joined again.  A text
// without suggestions gets the Notice and the check goes on.
void TestTSpellSuggest::replaceWritesTheChosenWordIntoItsRow()
{
    Editor editor(test::AmericanFiles, 1);
    editor.window->setRowWord(1, "ELEFANT");
    editor.window->setRowClue(1, "Where the famly lives.");
    editor.window->setRowWord(2, "QXZJQXZJQ");
    test::ChildSteps steps;
    QString message;
    steps.then([&](QDialog &window) {
        test::saveScreenshot(&window, "TSpellSuggest");
        message = labelText(window, "Message");
        window.findChild<QListWidget *>("SuggestList")->clearSelection();
        test::clickButton(window, "ReplaceButton");
        select(window, "ELEPHANT");
        test::clickButton(window, "ReplaceButton");
    });
    steps.then([&](QDialog &window) {
        select(window, "family");
        test::clickButton(window, "ReplaceButton");
    });
    editor.click("SpellClue");
    QVERIFY(steps.steps.empty());
    QCOMPARE(message,
        QString(
            "The following word was not found in the American dictionary.  Suggestions are listed below."));
    QCOMPARE(editor.window->rowWord(1), QString("ELEPHANT"));
    QCOMPARE(editor.window->rowClue(1), QString("Where the family lives ."));
    QCOMPARE(messages(editor.dialogs),
        QStringList({ "Error|No replacement word has been selected.  Please choose a replacement first.",
            "Notice|QXZJQXZJQ was not found in the dictionary.  No suggestions could be found.",
            "Spelling Status|Spell checking complete." }));
}

// Add stores the word in the run's include lexicon (created on first use) and passes it over;
// the next check accepts it.
void TestTSpellSuggest::addPutsTheWordInTheIncludeLexicon()
{
    Editor editor(test::AmericanFiles, 1);
    editor.window->setRowWord(1, "GRIDWRIGHTER");
    test::ChildSteps steps;
    steps.thenClick("AddButton");
    editor.click("SpellClue");
    QCOMPARE(editor.dialogs.lastMessage(), QString("Spelling Status|Spell checking complete."));
    const auto words = spell::readUserLexicon(includeFile(editor));
    QVERIFY(words);
    QCOMPARE(*words, std::vector<std::string> { "GRIDWRIGHTER" });

    editor.click("SpellClue");
    QCOMPARE(editor.dialogs.lastMessage(), QString("Spelling Ok|All words were found in the dictionary."));
    QCOMPARE(steps.captions, QStringList({ "Spelling Suggestions" }));
}

// With "Dictionary" = 9 the chooser asks for the language (stored at once) and the check runs
// in it with the Engl user lexicons; Cancel checks nothing.
void TestTSpellSuggest::chooserUsesTheEnglishUserLexicons()
{
    Editor editor({ "ssceam.tlx", "ssceam1.clx", "sscege.tlx", "sscege1.clx" }, 9);
    QVERIFY(spell::writeUserLexicon(includeFile(editor), 1, 1033, { "Zorblax" }));
    editor.context().settings.userDictionary = 1;
    editor.window->setRowClue(1, "Zorblax Hauss");

    test::ChildSteps steps;
    steps.then([&](QDialog &window) {
        test::saveScreenshot(&window, "TLanguageChoice");
        QTest::mouseClick(window.findChild<QRadioButton *>("ChoiceGerman"), Qt::LeftButton);
        QCOMPARE(editor.context().settings.userDictionary, 6);
        test::clickButton(window, "OkButton");
    });
    QString message, word;
    steps.then([&](QDialog &window) {
        message = labelText(window, "Message");
        word = labelText(window, "Word");
        test::clickButton(window, "AbortButton");
    });
    steps.thenClick("CancelButton");
    editor.click("SpellClue");
    QCOMPARE(steps.captions, QStringList({ "Spell Check", "Spelling Suggestions" }));
    QCOMPARE(word, QString("Hauss"));
    QCOMPARE(message,
        QString("The following word was not found in the German dictionary.  Suggestions are listed below."));
    QCOMPARE(editor.context().settings.dictionary, 9);

    editor.dialogs.clear();
    editor.click("SpellClue");
    QVERIFY(steps.steps.empty());
    QVERIFY(editor.dialogs.messages().empty());
}

void TestTSpellSuggest::missingDictionaryFiles()
{
    // The compressed lexicon marks British as installed; its main lexicon is missing.
    Editor editor({ "sscebr1.clx", "ssceam.tlx", "ssceam1.clx" }, 2);
    QCOMPARE(editor.context().settings.dictionary, 2);
    editor.window->setRowWord(1, "COLOUR");
    editor.click("SpellClue");
    QCOMPARE(editor.dialogs.messages().size(), std::size_t(1));
    QCOMPARE(editor.dialogs.messages().front().caption, QString("Error"));
}

QTEST_MAIN(TestTSpellSuggest)
#include "tst_TSpellSuggest.moc"
