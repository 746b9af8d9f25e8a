#include "app/TMainWin.h"
#include "model/Settings.h"
#include "spell/SpellCheckSession.h"
#include "spell/SpellWindowSupport.h"
#include "spell/UserLexicon.h"
#include "spell/ui/TUserDictionary.h"
#include "uisupport/ListLines.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace gw;
using spell::TUserDictionary;
using test::listLines;

namespace {

std::vector<std::string> lexicon(const QString &file)
{
    const auto words = spell::readUserLexicon(file.toStdString());
    return words ? *words : std::vector<std::string> { "<unreadable>" };
}

// The window in one mode over a workspace with American and French installed.
struct Maintenance
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<TUserDictionary> window;

    explicit Maintenance(int dictionary = 1)
    {
        workspace.context().settings.dictionary = dictionary;
        test::installSpelling(workspace, { "ssceam.tlx", "ssceam1.clx", "sscefr.tlx", "sscefr1.clx" });
    }

    void open(TUserDictionary::Mode mode)
    {
        window = std::make_unique<TUserDictionary>(workspace.context(), mode, nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QString file(const char *name) { return workspace.path(QString("start/") + name); }
    QString lexiconFile() { return QString::fromStdString(window->lexiconFile().string()); }
    QListWidget *words() { return window->findChild<QListWidget *>("WordList"); }
    void click(const char *name) { test::clickButton(*window, name); }
    void add(const QString &typed)
    {
        QTest::keyClicks(window->findChild<QLineEdit *>("NewWord"), typed);
        click("AddButton");
    }
};

// A main window started on a program directory holding only the given files, with the stored
// "Dictionary" and "Thesaurus" settings.
struct Started
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<app::TMainWin> window;
    test::ScriptedChildren children;

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
    }

    app::AppContext &context() { return workspace.context(); }
    QAction *item(const char *name) const { return window->findChild<QAction *>(name); }
    // The items of the dictionary and thesaurus menus that are enabled, or checked.
    QStringList items(bool checked) const
    {
        QStringList found;
        for (const char *name : { "MenuDictChoose", "MenuDictAmerican", "MenuDictBritish", "MenuDictSpanish",
                 "MenuDictItalian", "MenuDictFrench", "MenuDictGerman", "MenuDictDutch", "MenuDictSwedish",
                 "MenuThesChoose", "MenuThesAmerican", "MenuThesBritish" }) {
            if (checked ? item(name)->isChecked() : item(name)->isEnabled())
                found << name;
        }
        return found;
    }
};

} // namespace

class TestTUserDictionary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lexiconFollowsTheLanguageAndMode();
    void addDeleteAndOkRewriteTheLexicon();
    void cancelKeepsTheFileAndAnEmptyListLeavesAnEmptyLexicon();
    void excludedWordIsFlagged();
    void installedItemsAreOfferedAndChecked();
    void userDictionaryCommands();
};

// The window works on the lexicon of its language and mode; type 9 keeps the user lexicons of
// the run's start-up type.
void TestTUserDictionary::lexiconFollowsTheLanguageAndMode()
{
    Maintenance french(5);
    french.open(TUserDictionary::Mode::Include);
    QCOMPARE(french.lexiconFile(), french.file("IncFrnch.tlx"));

    Maintenance choose(9);
    choose.open(TUserDictionary::Mode::Exclude);
    QCOMPARE(choose.lexiconFile(), choose.file("ExcEngl.tlx"));
}

// Add trims and appends (twice the same word is kept twice), Delete selects the word now in
// its place, and Ok writes the list in order as the whole new lexicon, which the window shows
// again next time.
void TestTUserDictionary::addDeleteAndOkRewriteTheLexicon()
{
    Maintenance m;
    QVERIFY(spell::writeUserLexicon(m.file("IncEngl.tlx").toStdString(), 1, 1033, { "Zorblax", "Quimby" }));
    m.open(TUserDictionary::Mode::Include);
    QCOMPARE(listLines(m.words()), QStringList({ "Zorblax", "Quimby" }));
    m.add("  Frobnitz ");
    m.add("   ");
    m.add("Frobnitz");
    test::saveScreenshot(m.window.get(), "TUserDictionary");
    QCOMPARE(listLines(m.words()), QStringList({ "Zorblax", "Quimby", "Frobnitz", "Frobnitz" }));

    m.words()->setCurrentRow(1);
    m.click("DeleteButton");
    QCOMPARE(listLines(m.words()), QStringList({ "Zorblax", "Frobnitz", "Frobnitz" }));
    QCOMPARE(m.words()->currentRow(), 1);
    m.words()->setCurrentRow(2);
    m.click("DeleteButton");
    QCOMPARE(m.words()->currentRow(), 1);

    m.click("OkButton");
    QCOMPARE(lexicon(m.file("IncEngl.tlx")), (std::vector<std::string> { "Zorblax", "Frobnitz" }));
    m.open(TUserDictionary::Mode::Include);
    QCOMPARE(listLines(m.words()), QStringList({ "Zorblax", "Frobnitz" }));
}

// Cancel leaves the file byte for byte; Ok with every word deleted leaves an empty lexicon.
void TestTUserDictionary::cancelKeepsTheFileAndAnEmptyListLeavesAnEmptyLexicon()
{
    Maintenance m;
    QVERIFY(spell::writeUserLexicon(m.file("ExcEngl.tlx").toStdString(), 3, 1033, { "house" }));
    const QByteArray before = test::fileBytes(m.file("ExcEngl.tlx"));
    m.open(TUserDictionary::Mode::Exclude);
    m.add("garden");
    m.click("CancelButton");
    QCOMPARE(test::fileBytes(m.file("ExcEngl.tlx")), before);

    m.open(TUserDictionary::Mode::Exclude);
    m.words()->setCurrentRow(0);
    m.click("DeleteButton");
    m.click("OkButton");
    QVERIFY(QFile::exists(m.file("ExcEngl.tlx")));
    QVERIFY(lexicon(m.file("ExcEngl.tlx")).empty());
    QVERIFY(m.dialogs.messages().empty());
}

// A correct word put into the exclude lexicon is refused by the next check.
void TestTUserDictionary::excludedWordIsFlagged()
{
    Maintenance m;
    const auto check = [&] {
        auto session = spell::SpellCheckSession::open(
            m.workspace.context().folders.data, m.workspace.context().folders.user, 1, "Engl");
        return session && session->accepted("house");
    };
    QVERIFY(check());
    m.open(TUserDictionary::Mode::Exclude);
    m.add("house");
    m.click("OkButton");
    QVERIFY(!check());
}

// Only the installed languages are offered; choosing a type checks its item only, while the
// user lexicons stay those of the start.
void TestTUserDictionary::installedItemsAreOfferedAndChecked()
{
    Started started(
        { "ssceam.tlx", "ssceam1.clx", "sscege.tlx", "sscege1.clx", "thesdbam.cth", "thesdbbr.cth" }, 6, 3);
    QCOMPARE(started.items(false),
        QStringList({ "MenuDictChoose", "MenuDictAmerican", "MenuDictGerman", "MenuThesChoose",
            "MenuThesAmerican", "MenuThesBritish" }));
    QCOMPARE(started.items(true), QStringList({ "MenuDictGerman", "MenuThesChoose" }));

    started.item("MenuDictAmerican")->trigger();
    started.item("MenuThesBritish")->trigger();
    QCOMPARE(started.items(true), QStringList({ "MenuDictAmerican", "MenuThesBritish" }));
    QCOMPARE(started.context().spelling.userStem, std::string("Germ"));
}

// Add to Dictionary and Exclude From Dictionary open the maintenance window in their mode.
void TestTUserDictionary::userDictionaryCommands()
{
    Started started(test::AmericanFiles, 1, 1);
    QStringList headings;
    started.children.onChild = [&](QDialog &child) {
        headings << child.findChild<QLabel *>("Heading")->text();
        return int(QDialog::Rejected);
    };
    started.item("MenuAddDict")->trigger();
    started.item("MenuExcludeDict")->trigger();
    QCOMPARE(headings,
        QStringList({ "These words will be added to the American dictionary and counted as valid.",
            "These words will be excluded from the  American dictionary and will be invalid." }));
}

QTEST_MAIN(TestTUserDictionary)
#include "tst_TUserDictionary.moc"
