#include "app/TMainWin.h"
#include "model/Settings.h"
#include "spell/SpellWindowSupport.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QtTest>
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

class TestTMainWinSpelling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void installedItemsAreOfferedAndChecked();
    void userDictionaryCommands();
};

// Only the installed languages are offered; choosing a type checks its item only, while the
// user lexicons stay those of the start.
void TestTMainWinSpelling::installedItemsAreOfferedAndChecked()
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
void TestTMainWinSpelling::userDictionaryCommands()
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

QTEST_MAIN(TestTMainWinSpelling)
#include "tst_TMainWinSpelling.moc"
