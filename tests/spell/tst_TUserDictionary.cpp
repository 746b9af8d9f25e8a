#include "app/TMainWin.h"
#include "model/Settings.h"
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

// The window in one mode over a workspace with American installed.
struct Maintenance
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<TUserDictionary> window;

    Maintenance() { test::installSpelling(workspace, test::AmericanFiles); }

    void open(TUserDictionary::Mode mode)
    {
        window = std::make_unique<TUserDictionary>(workspace.context(), mode, nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QString file(const char *name) { return workspace.path(QString("start/") + name); }
    QListWidget *words() { return window->findChild<QListWidget *>("WordList"); }
    void click(const char *name) { test::clickButton(*window, name); }
    void add(const QString &typed)
    {
        QTest::keyClicks(window->findChild<QLineEdit *>("NewWord"), typed);
        click("AddButton");
    }
};

// A main window started on a program directory holding only the given files, with the stored
// "Dictionary" setting.
struct Started
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<app::TMainWin> window;
    test::ScriptedChildren children;

    Started(std::initializer_list<const char *> files, int dictionary)
    {
        app::AppContext &context = workspace.context();
        model::Settings settings = context.settings;
        settings.showTips = false;
        settings.dictionary = dictionary;
        settings.lastGroup = workspace.path("start/PUZZLES.ZP3").toStdString();
        QVERIFY(model::saveSettings(settings, context.settingsFile()));
        for (const char *file : files)
            QFile::link(QString(GW_PROGRAM_DIR "/") + file, workspace.path(QString("program/") + file));
        window = std::make_unique<app::TMainWin>(context);
    }

    QAction *item(const char *name) const { return window->findChild<QAction *>(name); }
};

} // namespace

class TestTUserDictionary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addDeleteAndOkRewriteTheLexicon();
    void cancelKeepsTheFileAndAnEmptyListLeavesAnEmptyLexicon();
    void menusOfferInstalledLanguagesAndOpenTheWindow();
};

// The window shows the lexicon; Add trims and appends (twice the same word is kept twice),
// Delete selects the word now in its place, and Ok writes the list in order as the whole new
// lexicon.
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
    m.words()->setCurrentRow(1);
    m.click("DeleteButton");
    QCOMPARE(m.words()->currentRow(), 1);

    m.click("OkButton");
    QCOMPARE(
        lexicon(m.file("IncEngl.tlx")), (std::vector<std::string> { "Zorblax", "Frobnitz", "Frobnitz" }));
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

// Only the installed languages are offered.  Add to Dictionary and Exclude From Dictionary open
// the maintenance window in their mode, in the language chosen, yet on the user lexicons of the
// language the run started with.
void TestTUserDictionary::menusOfferInstalledLanguagesAndOpenTheWindow()
{
    Started started({ "ssceam.tlx", "ssceam1.clx", "sscege.tlx", "sscege1.clx" }, 6);
    QVERIFY(started.item("MenuDictAmerican")->isEnabled());
    QVERIFY(!started.item("MenuDictBritish")->isEnabled());
    started.item("MenuDictAmerican")->trigger();

    QStringList headings;
    std::vector<std::string> files;
    started.children.onChild = [&](QDialog &child) {
        headings << child.findChild<QLabel *>("Heading")->text();
        files.push_back(qobject_cast<TUserDictionary *>(&child)->lexiconFile().filename().string());
        return int(QDialog::Rejected);
    };
    started.item("MenuAddDict")->trigger();
    started.item("MenuExcludeDict")->trigger();
    QCOMPARE(headings,
        QStringList({ "These words will be added to the American dictionary and counted as valid.",
            "These words will be excluded from the  American dictionary and will be invalid." }));
    QCOMPARE(files, (std::vector<std::string> { "IncGerm.tlx", "ExcGerm.tlx" }));
}

QTEST_MAIN(TestTUserDictionary)
#include "tst_TUserDictionary.moc"
