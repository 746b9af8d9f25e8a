#include "app/TMainWin.h"
#include "editor/TWordList.h"
#include "model/Settings.h"
#include "spell/SpellWindowSupport.h"
#include "spell/TUserDictionary.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>
#include <functional>
#include <memory>

using namespace gw;

namespace {

// A main window started on a program directory holding only the given files, with the stored
// "Dictionary" and "Thesaurus" settings.
struct Started
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<app::TMainWin> window;
    std::function<int(QDialog &)> onChild;

    Started(std::initializer_list<const char *> files, int dictionary, int thesaurus)
    {
        app::AppContext &context = workspace.context();
        model::Settings settings = context.settings;
        settings.showTips = false;
        settings.dictionary = dictionary;
        settings.thesaurus = thesaurus;
        settings.lastGroup = workspace.path("start/PUZZLES.ZP3").toStdString();
        QVERIFY(model::saveSettings(settings, context.settingsFile()));
        for (const char *file : files)
            QFile::link(QString(GW_PROGRAM_DIR "/") + file, workspace.path(QString("program/") + file));
        window = std::make_unique<app::TMainWin>(context);
        window->setChildRunner(
            [this](QDialog &child) { return onChild ? onChild(child) : int(QDialog::Rejected); });
    }

    app::AppContext &context() { return workspace.context(); }
    QAction *item(const char *name) const { return window->findChild<QAction *>(name); }
    QStringList enabled(std::initializer_list<const char *> names) const
    {
        QStringList found;
        for (const char *name : names) {
            if (item(name)->isEnabled())
                found << name;
        }
        return found;
    }
    QStringList checked(std::initializer_list<const char *> names) const
    {
        QStringList found;
        for (const char *name : names) {
            if (item(name)->isChecked())
                found << name;
        }
        return found;
    }
};

const std::initializer_list<const char *> DictionaryItems
    = { "MenuDictChoose", "MenuDictAmerican", "MenuDictBritish", "MenuDictSpanish", "MenuDictItalian",
          "MenuDictFrench", "MenuDictGerman", "MenuDictDutch", "MenuDictSwedish" };
const std::initializer_list<const char *> ThesaurusItems
    = { "MenuThesChoose", "MenuThesAmerican", "MenuThesBritish" };

} // namespace

class TestTMainWinSpelling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void britishAloneSettlesToNone();
    void installedItemsAreOfferedAndChecked();
    void userDictionaryCommands();
    void userWalkthrough();
};

// With only British installed a stored "Dictionary" = 1 settles to 0: American cannot be
// replaced by British, so no item is checked, and only British and Choose are offered.
void TestTMainWinSpelling::britishAloneSettlesToNone()
{
    Started started({ "sscebr.tlx", "sscebr1.clx", "thesdbam.cth" }, 1, 2);
    QCOMPARE(started.context().settings.dictionary, 0);
    QCOMPARE(started.enabled(DictionaryItems), QStringList({ "MenuDictChoose", "MenuDictBritish" }));
    QCOMPARE(started.checked(DictionaryItems), QStringList());
    QCOMPARE(started.context().settings.thesaurus, 1);
    QCOMPARE(started.enabled(ThesaurusItems), QStringList({ "MenuThesChoose", "MenuThesAmerican" }));
    QCOMPARE(started.checked(ThesaurusItems), QStringList({ "MenuThesAmerican" }));

    // The settled types are what the settings file gets back.
    started.window->close();
    const model::Settings saved
        = model::loadSettings(started.context().settingsFile(), started.context().startDirectory);
    QCOMPARE(saved.dictionary, 0);
    QCOMPARE(saved.thesaurus, 1);
}

void TestTMainWinSpelling::installedItemsAreOfferedAndChecked()
{
    Started started(
        { "ssceam.tlx", "ssceam1.clx", "sscege.tlx", "sscege1.clx", "thesdbam.cth", "thesdbbr.cth" }, 6, 3);
    QCOMPARE(started.enabled(DictionaryItems),
        QStringList({ "MenuDictChoose", "MenuDictAmerican", "MenuDictGerman" }));
    QCOMPARE(started.checked(DictionaryItems), QStringList({ "MenuDictGerman" }));
    QCOMPARE(started.checked(ThesaurusItems), QStringList({ "MenuThesChoose" }));
    QCOMPARE(started.context().spelling.userStem, std::string("Germ"));

    // Choosing a type checks its item only; the user lexicons stay those of the start.
    started.item("MenuDictAmerican")->trigger();
    QCOMPARE(started.context().settings.dictionary, 1);
    QCOMPARE(started.checked(DictionaryItems), QStringList({ "MenuDictAmerican" }));
    QCOMPARE(started.context().spelling.userStem, std::string("Germ"));
    started.item("MenuThesBritish")->trigger();
    QCOMPARE(started.context().settings.thesaurus, 2);
    QCOMPARE(started.checked(ThesaurusItems), QStringList({ "MenuThesBritish" }));
}

// Add to Dictionary and Exclude From Dictionary open the maintenance window in their mode.
void TestTMainWinSpelling::userDictionaryCommands()
{
    Started started(test::AmericanFiles, 1, 1);
    QStringList headings;
    started.onChild = [&](QDialog &child) {
        auto *window = qobject_cast<spell::TUserDictionary *>(&child);
        headings << (window ? window->findChild<QLabel *>("Heading")->text()
                            : child.metaObject()->className());
        return int(QDialog::Rejected);
    };
    started.item("MenuAddDict")->trigger();
    started.item("MenuExcludeDict")->trigger();
    QCOMPARE(headings,
        QStringList({ "These words will be added to the American dictionary and counted as valid.",
            "These words will be excluded from the  American dictionary and will be invalid." }));
    QCOMPARE(started.item("MenuAddDict")->shortcut(), QKeySequence("Ctrl+T"));
    QCOMPARE(started.item("MenuExcludeDict")->shortcut(), QKeySequence("Ctrl+U"));
}

namespace {

// Types into one cell of the editor's grid through its cell editor, as a user does.
void typeCell(QWidget *editor, int row, int column, const QString &typed)
{
    auto *grid = editor->findChild<QTableWidget *>("WordsCluesGrid");
    grid->setFocus();
    grid->setCurrentCell(row - 1, column);
    grid->editItem(grid->item(row - 1, column));
    // Editors of cells typed before are hidden and wait for their deletion.
    QLineEdit *field = nullptr;
    for (QLineEdit *editorField : grid->viewport()->findChildren<QLineEdit *>()) {
        if (editorField->isVisible())
            field = editorField;
    }
    QVERIFY(field);
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Return);
    QCoreApplication::processEvents();
}

QString shownWord(QWidget *window)
{
    return window->findChild<QLabel *>("Word")->text();
}

void pickSuggestion(QWidget *window, const QString &text)
{
    auto *list = window->findChild<QListWidget *>("SuggestList");
    const auto found = list->findItems(text, Qt::MatchExactly);
    QStringList offered;
    for (int row = 0; row < list->count(); ++row)
        offered << list->item(row)->text();
    QVERIFY2(!found.isEmpty(), qPrintable(shownWord(window) + ": no " + text + " in " + offered.join(",")));
    list->setCurrentItem(found.first());
}

void chooseLanguage(test::ModalScript &script, const char *choice)
{
    script.then("Spell Check", [choice](QWidget *window) {
        QTest::mouseClick(window->findChild<QRadioButton *>(choice), Qt::LeftButton);
        test::ModalScript::click(window, "OkButton");
    });
}

} // namespace

// What a user does from the main window: type a puzzle with misspellings, check it in
// American (replacing one word, adding another to the dictionary) and in German, exclude a
// correct word and see it flagged, and take a synonym of "happy" into a clue.
void TestTMainWinSpelling::userWalkthrough()
{
    Started started({ "ssceam.tlx", "ssceam1.clx", "sscege.tlx", "sscege1.clx", "thesdbam.cth" }, 1, 1);
    started.onChild = [](QDialog &child) { return child.exec(); };
    started.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(started.window.get()));
    started.item("MenuDictChoose")->trigger();
    test::ModalScript script;
    constexpr int Word = editor::TWordList::WordColumn;
    constexpr int Clue = editor::TWordList::ClueColumn;
    QStringList asked;
    const auto note = [&](QWidget *window) { asked << shownWord(window); };

    // The first puzzle: typed, checked in American, then in German.
    script.then("Create New Puzzle", [&](QWidget *editor) {
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        typeCell(editor, 1, Word, "ELEFANT");
        typeCell(editor, 1, Clue, "A big gray animal");
        typeCell(editor, 2, Word, "ZORBLAX");
        typeCell(editor, 2, Clue, "An alien from a hapy planet");
        test::saveScreenshot(editor, "walk-1-editor-typed");

        chooseLanguage(script, "ChoiceAmerican");
        script.then("Spelling Suggestions", [&](QWidget *window) {
            note(window);
            test::saveScreenshot(window, "walk-2-suggestions-american");
            pickSuggestion(window, "ELEPHANT");
            test::ModalScript::click(window, "ReplaceButton");
        });
        script.then("Spelling Suggestions", [&](QWidget *window) {
            note(window);
            test::ModalScript::click(window, "AddButton");
        });
        script.then("Spelling Suggestions", [&](QWidget *window) {
            note(window);
            pickSuggestion(window, "happy");
            test::ModalScript::click(window, "ReplaceButton");
        });
        QTest::mouseClick(editor->findChild<QPushButton *>("SpellClue"), Qt::LeftButton);
        test::saveScreenshot(editor, "walk-3-editor-after-american");

        chooseLanguage(script, "ChoiceGerman");
        script.then("Spelling Suggestions", [&](QWidget *window) {
            note(window);
            test::saveScreenshot(window, "walk-4-suggestions-german");
            test::ModalScript::click(window, "AbortButton");
        });
        QTest::mouseClick(editor->findChild<QPushButton *>("SpellClue"), Qt::LeftButton);
        started.dialogs.answer(app::Answer::No); // Exit asks before it drops the typed puzzle
        test::ModalScript::click(editor, "Cancel");
    });
    started.item("MenuNew")->trigger();
    QVERIFY2(script.finished(), qPrintable(script.unscripted().join(",")));
    QCOMPARE(asked, QStringList({ "ELEFANT", "ZORBLAX", "hapy", "ELEPHANT" }));
    QVERIFY(started.dialogs.messages().size() >= 2);
    QCOMPARE(started.dialogs.messages()[0].text, QString("Spell checking complete."));
    QCOMPARE(started.dialogs.messages()[1].text, QString("Spell checking aborted."));

    // "HOUSE" excluded through Dictionary Maintenance is flagged by the next check.
    script.then("Dictionary Maintenance", [&](QWidget *window) {
        QTest::keyClicks(window->findChild<QLineEdit *>("NewWord"), "HOUSE");
        test::ModalScript::click(window, "AddButton");
        test::saveScreenshot(window, "walk-5-exclude-house");
        test::ModalScript::click(window, "OkButton");
    });
    started.item("MenuExcludeDict")->trigger();
    QVERIFY(script.finished());

    asked.clear();
    QString clueTaken, picked;
    script.then("Create New Puzzle", [&](QWidget *editor) {
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        typeCell(editor, 1, Word, "HOUSE");
        typeCell(editor, 2, Word, "HAPPY");
        chooseLanguage(script, "ChoiceAmerican");
        script.then("Spelling Suggestions", [&](QWidget *window) {
            note(window);
            test::saveScreenshot(window, "walk-6-house-flagged");
            test::ModalScript::click(window, "IgnoreButton");
        });
        QTest::mouseClick(editor->findChild<QPushButton *>("SpellClue"), Qt::LeftButton);

        // The thesaurus on row 2: wander from "HAPPY" to "glad", take one of its synonyms into the clue.
        script.then("Thesaurus Lookup", [&](QWidget *window) {
            test::saveScreenshot(window, "walk-7-thesaurus-happy");
            auto *synonyms = window->findChild<QListWidget *>("SynonymList");
            const auto glad = synonyms->findItems("glad", Qt::MatchExactly);
            QVERIFY(!glad.isEmpty());
            synonyms->scrollToItem(glad.first());
            const QRect shown = synonyms->visualItemRect(glad.first());
            QTest::mouseClick(synonyms->viewport(), Qt::LeftButton, {}, shown.center());
            QTest::mouseDClick(synonyms->viewport(), Qt::LeftButton, {}, shown.center());
            QCOMPARE(window->findChild<QLineEdit *>("WordEdit")->text(), QString("glad"));
            QVERIFY(synonyms->count() > 1);
            synonyms->setCurrentRow(1);
            picked = synonyms->item(1)->text();
            test::saveScreenshot(window, "walk-8-thesaurus-glad");
            test::ModalScript::click(window, "AcceptButton");
        });
        editor->findChild<QTableWidget *>("WordsCluesGrid")->setCurrentCell(1, Word);
        QTest::mouseClick(editor->findChild<QPushButton *>("Thes"), Qt::LeftButton);
        clueTaken = editor->findChild<QTableWidget *>("WordsCluesGrid")->item(1, Clue)->text();
        test::saveScreenshot(editor, "walk-9-editor-synonym-in-clue");
        started.dialogs.answer(app::Answer::No);
        test::ModalScript::click(editor, "Cancel");
    });
    started.item("MenuNew")->trigger();
    QVERIFY2(script.finished(), qPrintable(script.unscripted().join(",")));
    QCOMPARE(asked, QStringList({ "HOUSE" }));
    QVERIFY(!picked.isEmpty());
    QCOMPARE(clueTaken, picked);
}

QTEST_MAIN(TestTMainWinSpelling)
#include "tst_TMainWinSpelling.moc"
