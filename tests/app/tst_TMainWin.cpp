#include "app/MainWindowMenus.h"
#include "app/ScreenSizeChoice.h"
#include "app/TMainWin.h"
#include "layout/LayoutLibrary.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "model/PreviousVersion.h"
#include "model/Settings.h"
#include "render/ui/TMyReport.h"
#include "ui/AppContext.h"
#include "ui/ChoiceDialogs.h"
#include "uisupport/ListLines.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/UiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace gw;
using test::fileBytes;
using test::listLines;
using test::selectedLine;

namespace {

struct Puzzle
{
    const char *category;
    const char *title;
    bool generated = true;
};

// A collection of whole records in the given order; each record's unused tail carries its
// number so that byte checks can tell the records apart.
void writeCollection(const QString &path, const std::vector<Puzzle> &puzzles)
{
    QFile::remove(path);
    QVERIFY(model::createCollection(path.toStdString()));
    for (std::size_t n = 0; n < puzzles.size(); ++n) {
        auto record = std::make_unique<model::PuzzleRecord>();
        record->category.assign(puzzles[n].category);
        record->title.assign(puzzles[n].title);
        record->generated = puzzles[n].generated ? 1 : 0;
        record->unused[0] = static_cast<std::uint8_t>(n + 1);
        QVERIFY(model::savePuzzle(path.toStdString(), *record, true, 0, 0));
    }
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray recordBytes(const QByteArray &collection, int number)
{
    return collection.mid(
        number * static_cast<int>(sizeof(model::PuzzleRecord)), sizeof(model::PuzzleRecord));
}

// Clicks and double-clicks a line, as the system delivers a double click.
void doubleClickLine(QListWidget *list, int row)
{
    const QPoint centre = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

// An old 16-bit puzzle file: "ZPK", a version, one previous-version record.
QByteArray zpkFile(const char *title)
{
    auto old = std::make_unique<model::OldPuzzleRecord>();
    std::memset(old.get(), 0, sizeof *old);
    old->title.assign(title);
    old->size = 9;
    old->wordCount = 1;
    old->words[0].assign("NILE");
    return QByteArray("ZPK\x03"
                      "2.0",
               7)
        + QByteArray(reinterpret_cast<const char *>(old.get()), sizeof *old);
}

// A workspace whose settings file makes the given collection current and keeps the tips away.
struct Harness
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<app::TMainWin> window;
    test::ScriptedChildren children;

    void writeSettings(const std::function<void(model::Settings &)> &change = {})
    {
        app::AppContext &context = workspace.context();
        model::Settings settings = model::loadSettings(context.settingsFile(), context.startDirectory);
        settings.showTips = false;
        settings.lastGroup = workspace.path("start/PUZZLES.ZP3").toStdString();
        if (change)
            change(settings);
        QVERIFY(model::saveSettings(settings, context.settingsFile()));
    }

    app::TMainWin &open()
    {
        // Every language and thesaurus present (only the files' presence counts at start-up),
        // so the Options menu offers all its items.
        for (const char *file : { "ssceam1.clx", "sscebr1.clx", "sscesp1.clx", "ssceit1.clx", "sscefr1.clx",
                 "sscege1.clx", "sscedu1.clx", "sscesw1.clx", "thesdbam.cth", "thesdbbr.cth" }) {
            QFile marker(workspace.path(QString("program/") + file));
            marker.open(QIODevice::WriteOnly);
        }
        window.reset();
        window = std::make_unique<app::TMainWin>(workspace.context());
        return *window;
    }

    // Writes the settings and the collection, then opens the window.
    app::TMainWin &start(
        const std::vector<Puzzle> &puzzles, const std::function<void(model::Settings &)> &change = {})
    {
        writeSettings(change);
        writeCollection(collection(), puzzles);
        return open();
    }

    app::AppContext &context() { return workspace.context(); }
    QString lastGroup() { return QString::fromStdString(context().settings.lastGroup); }
    QListWidget *categories() const { return window->findChild<QListWidget *>("CategoryList"); }
    QListWidget *puzzles() const { return window->findChild<QListWidget *>("PuzzleList"); }
    QAction *item(const char *name) const { return window->findChild<QAction *>(name); }
    QString collection() { return workspace.path("start/PUZZLES.ZP3"); }
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsEmptyThenCreatesACollection();
    void openAndReopenCollections();
    void deleteShiftsTheFileAndReselects_data();
    void deleteShiftsTheFileAndReselects();
    void writesNothingOverPuzzlesAnotherProgramMoved();
    void printWarnsAboutNeverGeneratedPuzzles();
    void importPuzzlesFromACollection();
    void importOfOneFile_data();
    void importOfOneFile();
    void startUpConvertsPreviousVersion();
    void puzzleCommandsSetUpTheWorkingRecord();
    void screenSizeChoice();
    void optionItemsFollowAndWriteTheSettings();
    void tipsGreetOnceAndCtrlHReachesBothItems();
    void fontItemStoresTheColourInThatFontOnly();
    void helpAndManual();
    void everyMenuItemDoesItsJob_data();
    void everyMenuItemDoesItsJob();
};

// A missing "Last Group" file is no error: empty lists and its name shown.  Create empties the
// chosen file (an existing one too), makes it current and asks about a first puzzle: No opens
// nothing, Yes the word list editor on a new working record.
void MainWindowTest::startsEmptyThenCreatesACollection()
{
    Harness h;
    const QString missing = h.workspace.path("start/Missing.zp3");
    h.writeSettings([&](model::Settings &s) { s.lastGroup = missing.toStdString(); });
    h.open();
    QCOMPARE(h.categories()->count() + h.puzzles()->count(), 0);
    QCOMPARE(h.window->windowTitle(), QString("Gridwright 98 (Missing)"));
    QVERIFY(h.dialogs.messages().empty());

    const QString made = h.workspace.path("start/Fresh.zp3");
    writeCollection(made, { { "Old", "Gone" } });
    h.dialogs.chooseFile(made);
    h.dialogs.answer(app::Answer::No);
    h.item("MenuNewGroup")->trigger();
    QCOMPARE(h.dialogs.lastMessage(),
        QString("New Puzzle|Would you like to create your first puzzle now for this new puzzle collection?"));
    QCOMPARE(QFileInfo(made).size(), qint64(0));
    QCOMPARE(h.lastGroup(), made);
    QVERIFY(h.children.opened.isEmpty());

    h.dialogs.chooseFile(h.workspace.path("start/Second.ZP3"));
    h.dialogs.answer(app::Answer::Yes);
    h.item("MenuNewGroup")->trigger();
    QCOMPARE(h.children.opened, QStringList({ "gw::editor::TWordList" }));
    QVERIFY(h.context().workingIsNew);
}

// Reopening a recent entry takes it without an extension check and relists the menu through the
// recent-file rule; a vanished entry does nothing.  Open checks only the name: a .txt is refused
// whatever it holds and the collection stays; a lower-case extension is a collection.
void MainWindowTest::openAndReopenCollections()
{
    Harness h;
    const QString plain = h.workspace.path("start/plain");
    const QString gone = h.workspace.path("start/gone.zp3");
    writeCollection(plain, { { "P", "Plain" } });
    h.start({ { "A", "One" } }, [&](model::Settings &s) {
        s.lastFiles = { plain.toStdString(), gone.toStdString(), "", "", "" };
    });
    h.item("MenuRecent2")->trigger();
    QCOMPARE(h.lastGroup(), h.collection());
    h.item("MenuRecent1")->trigger();
    QCOMPARE(h.lastGroup(), plain);
    QCOMPARE(listLines(h.categories()), QStringList({ "P" }));
    QCOMPARE(h.item("MenuRecent1")->text(), "&1   " + h.collection());

    const QString text = h.workspace.path("start/puzzles.txt");
    QFile::copy(h.collection(), text);
    h.dialogs.chooseFile(text);
    h.item("MenuOpenGroup")->trigger();
    QCOMPARE(h.dialogs.lastMessage(), QString("Error|The file selected is not a valid Crossword file."));
    QCOMPARE(h.lastGroup(), plain);
    const QString other = h.workspace.path("start/other.zp3");
    writeCollection(other, { { "B", "Two" } });
    h.dialogs.chooseFile(other);
    h.item("MenuOpenGroup")->trigger();
    QCOMPARE(listLines(h.categories()), QStringList({ "B" }));
}

void MainWindowTest::deleteShiftsTheFileAndReselects_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QList<int>>("remaining");
    QTest::addColumn<QString>("reselected");
    // File order: 0 N/Weather, 1 N/Animals, 2 W/Rome, 3 N/ocean; N shows the core's case-blind order,
    // Animals, ocean, Weather, never Qt's own sort.
    QTest::newRow("middle line: the one before") << "N" << 1 << true << QList<int> { 0, 1, 2 } << "Animals";
    QTest::newRow("only puzzle of its category") << "W" << 0 << true << QList<int> { 0, 1, 3 } << "";
    QTest::newRow("deleteAnsweredNoKeepsTheFile")
        << "N" << 2 << false << QList<int> { 0, 1, 2, 3 } << "Weather";
}

// Delete asks first, has the core cut the record out of the file and reselects by the core's rule;
// with no line reselected Delete is off, so that it cannot act on a puzzle the user does not see.
void MainWindowTest::deleteShiftsTheFileAndReselects()
{
    QFETCH(QString, category);
    QFETCH(int, row);
    QFETCH(bool, yes);
    QFETCH(QList<int>, remaining);
    QFETCH(QString, reselected);
    Harness h;
    h.start({ { "N", "Weather" }, { "N", "Animals" }, { "W", "Rome" }, { "N", "ocean" } });
    const QByteArray before = fileBytes(h.collection());
    h.categories()->setCurrentRow(listLines(h.categories()).indexOf(category));
    h.puzzles()->setCurrentRow(row);
    const QString title = h.puzzles()->item(row)->text();
    h.dialogs.answer(yes ? app::Answer::Yes : app::Answer::No);
    h.item("MenuDelete")->trigger();

    QCOMPARE(h.dialogs.lastMessage(), "Delete|Are you sure you want to delete " + title + "?");
    QByteArray expected;
    for (int number : remaining)
        expected += recordBytes(before, number);
    QCOMPARE(fileBytes(h.collection()), expected);
    QCOMPARE(selectedLine(h.puzzles()), reselected);
    QCOMPARE(h.item("MenuDelete")->isEnabled(), !reselected.isEmpty());
}

// Another program deleted an earlier puzzle, so the record numbers the window holds name other
// puzzles: the editor's Save, a Modify and a Delete from the old lists write and open nothing,
// say why, and the lists then show the file as it is.
void MainWindowTest::writesNothingOverPuzzlesAnotherProgramMoved()
{
    Harness h;
    h.start({ { "N", "Weather" }, { "N", "Animals" }, { "N", "Ocean" }, { "N", "Zebra" } });
    // Gives the collection after the delete, or nothing when the delete failed.
    const auto deleteElsewhere = [&](int number) {
        const auto record
            = model::readPuzzle(h.collection().toStdString(), number, model::unableToLoadPuzzle());
        if (!model::deletePuzzle(h.collection().toStdString(), number, fingerprintOf(*record)))
            return QByteArray();
        return fileBytes(h.collection());
    };
    const auto refused = [&](const char *done) {
        return h.dialogs.lastMessage()
            == QString("Warning|This puzzle was changed or deleted by another program after it was loaded, "
                       "so it was not %1.  The puzzle lists have been reloaded.")
                   .arg(done);
    };
    h.puzzles()->setCurrentRow(listLines(h.puzzles()).indexOf("Ocean")); // record 2
    QByteArray afterDelete;
    h.children.onChild = [&](QDialog &editor) {
        afterDelete = deleteElsewhere(0);
        editor.show();
        editor.findChild<QLineEdit *>("Title")->setText("Ocean edited");
        editor.findChild<QPushButton *>("SaveButton")->click();
        return int(QDialog::Rejected);
    };
    h.item("MenuModify")->trigger();
    QCOMPARE(fileBytes(h.collection()), afterDelete);
    QVERIFY(refused("saved"));
    QCOMPARE(listLines(h.puzzles()), QStringList({ "Animals", "Ocean", "Zebra" }));

    afterDelete = deleteElsewhere(0);
    h.puzzles()->setCurrentRow(0); // Animals, listed as record 0, which now holds Ocean
    h.item("MenuModify")->trigger();
    QVERIFY(refused("opened"));
    QCOMPARE(h.children.opened.size(), 1);
    QCOMPARE(listLines(h.puzzles()), QStringList({ "Ocean", "Zebra" }));

    afterDelete = deleteElsewhere(0);
    h.puzzles()->setCurrentRow(listLines(h.puzzles()).indexOf("Zebra")); // listed as record 1, now record 0
    h.dialogs.answer(app::Answer::Yes);
    h.item("MenuDelete")->trigger();
    QCOMPARE(fileBytes(h.collection()), afterDelete);
    QVERIFY(refused("deleted"));
    QCOMPARE(listLines(h.puzzles()), QStringList({ "Zebra" }));
}

// A double click opens the print window on the puzzle of its line, as Print does, but refuses a
// puzzle without a grid with the exact warning; a record gone from the file is the print failure.  The
// print window's Change Page Layout opens the layout chooser, whose Select hands the layout over.
void MainWindowTest::printWarnsAboutNeverGeneratedPuzzles()
{
    Harness h;
    h.start({ { "A", "Draft", false }, { "A", "Done", true }, { "A", "Early", true } }).show();
    QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
    test::saveScreenshot(h.window.get(), "TMainWin");
    QStringList titles;
    std::string chosenLayout;
    h.children.onChild = [&](QDialog &child) {
        if (auto *report = qobject_cast<render::TMyReport *>(&child)) {
            titles << QString::fromStdString(report->puzzle().title.str());
            if (titles.size() == 1) {
                report->show();
                test::clickButton(*report, "ChangeLayoutButton");
                chosenLayout = report->puzzle().layout.name.str();
            }
            return int(QDialog::Rejected);
        }
        child.show();
        auto *list = child.findChild<QListWidget *>("PageList");
        list->setCurrentRow(3);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
        test::clickButton(child, "SelectButton");
        return child.result();
    };
    doubleClickLine(h.puzzles(), 0); // Done, record 1
    QCOMPARE(titles, QStringList({ "Done" }));
    QCOMPARE(chosenLayout, std::string("Landscape Letter"));
    QVERIFY(h.dialogs.messages().empty());
    doubleClickLine(h.puzzles(), 1);
    QCOMPARE(h.dialogs.lastMessage(),
        QString("Warning|A puzzle has never been generated for this word/clue list. Please select "
                "\"File|Modify\" from the menu and create the puzzle first"));
    QCOMPARE(titles.size(), 1);

    QVERIFY(QFile::resize(h.collection(), 2 * sizeof(model::PuzzleRecord)));
    doubleClickLine(h.puzzles(), 2); // Early, record 2
    QCOMPARE(h.dialogs.lastMessage(), QString("Error|Unable to load puzzle."));
}

// The window starts in the last import file; the chosen puzzles come in, the lists reload and
// keep what was selected.
void MainWindowTest::importPuzzlesFromACollection()
{
    Harness h;
    const QString sample = h.workspace.path("start/SAMPLE.ZP3");
    QVERIFY(QFile::copy(GW_SOURCE_DIR "/data/SAMPLE.ZP3", sample));
    h.start({ { "Nature", "Owls" }, { "Nature", "Bats" } }, [&](model::Settings &s) {
        s.lastImportPuzzleFile = h.workspace.path("start/last.ZP3").toStdString();
    });
    h.puzzles()->setCurrentRow(1);
    h.dialogs.chooseFile(sample);
    h.children.onChild = [](QDialog &child) {
        for (const int row : { 0, 1 })
            child.findChild<QListWidget *>("PuzzleList")->item(row)->setSelected(true);
        test::clickButton(child, "OkButton");
        return child.result();
    };
    h.item("MenuImport")->trigger();
    QCOMPARE(h.dialogs.fileRequests().at(0).start, h.workspace.path("start/last.ZP3"));
    QCOMPARE(QString::fromStdString(h.context().settings.lastImportPuzzleFile), sample);
    QCOMPARE(listLines(h.puzzles()), QStringList({ "Bats", "Farm Animals", "Owls" }));
    QCOMPARE(selectedLine(h.puzzles()), QString("Owls"));
}

void MainWindowTest::importOfOneFile_data()
{
    QTest::addColumn<QString>("chosen"); // under the workspace, or a path of its own
    QTest::addColumn<QByteArray>("bytes"); // written to the chosen file first, when not empty
    QTest::addColumn<QString>("outcome"); // "caption|text" of the refusal, or "category/title" selected
    QTest::newRow("importRefusesTheOpenCollectionAndOtherFiles: the open collection")
        << "start/../start/PUZZLES.ZP3" << QByteArray()
        << "Error|Import File cannot be the same as the currently open file.";
    QTest::newRow("importRefusesTheOpenCollectionAndOtherFiles: another kind")
        << "start/notes.txt" << QByteArray("words")
        << "Error|The file selected is not a valid Gridwright file.";
    QTest::newRow("importSixteenBitPuzzle")
        << "start/rivers.zpk" << zpkFile("Rivers") << "Version 2.0 Puzzles/Rivers";
    QTest::newRow("importCrosswordsOfOtherPrograms") << GW_SOURCE_DIR "/tests/data/import/garden-15x15.ipuz"
                                                     << QByteArray() << "Imported Puzzles/In the Garden";
}

// A 16-bit puzzle, an .ipuz or a .puz file (offered beside the collections) is converted at
// once, appended and selected; the open collection, however spelled, and a file of another kind
// are refused with their reason before any window and write nothing.
void MainWindowTest::importOfOneFile()
{
    QFETCH(QString, chosen);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, outcome);
    Harness h;
    h.start({ { "Nature", "Owls" } }).show();
    const QString path = QFileInfo(chosen).isAbsolute() ? chosen : h.workspace.path(chosen);
    if (!bytes.isEmpty())
        writeBytes(path, bytes);
    h.dialogs.chooseFile(path);
    h.item("MenuImport")->trigger();
    QVERIFY(h.dialogs.fileRequests().at(0).filter.contains(
        ";;Crosswords of other programs (*.ipuz *.IPUZ *.puz *.PUZ)"));
    QVERIFY(h.children.opened.isEmpty());
    if (outcome.contains('|')) {
        QCOMPARE(h.dialogs.lastMessage(), outcome);
        QCOMPARE(fileBytes(h.collection()).size(), int(sizeof(model::PuzzleRecord)));
        return;
    }
    QVERIFY(h.dialogs.messages().empty());
    QCOMPARE(selectedLine(h.categories()) + "/" + selectedLine(h.puzzles()), outcome);
}

// The previous version's old files are offered for conversion at start-up with these questions
// and notices (the conversion itself is the core's); both old files go.  No leaves the old
// files, and the questions come again at the next start.
void MainWindowTest::startUpConvertsPreviousVersion()
{
    Harness h;
    h.writeSettings();
    const QByteArray oldRecord = zpkFile("Lakes").mid(7);
    writeBytes(h.workspace.path("start/ZPFUPUZZ.DAT"), oldRecord + oldRecord);
    shapes::ShapeRecord shape {};
    shape.title.assign("Old Star");
    shape.width = shape.height = 5;
    writeBytes(h.workspace.path("start/ZPFULAY.DAT"),
        QByteArray(reinterpret_cast<const char *>(&shape), sizeof shape));
    const QStringList oldFiles { h.workspace.path("start/ZPFUPUZZ.DAT"),
        h.workspace.path("start/ZPFULAY.DAT") };
    h.dialogs.answer(app::Answer::No);
    h.dialogs.answer(app::Answer::No);
    h.open();
    QCOMPARE(h.dialogs.messages().size(), std::size_t(2));
    QVERIFY(QFile::exists(oldFiles[0]) && QFile::exists(oldFiles[1]));
    QVERIFY(!QFile::exists(h.workspace.path("start/OLDPUZZ.ZP3")));

    h.dialogs.clear();
    h.open();
    QStringList asked;
    for (const app::MessageRequest &message : h.dialogs.messages())
        asked << message.caption + "|" + message.text;
    QCOMPARE(asked,
        QStringList(
            { "Notice|User generated puzzles from a previous version of Gridwright have been detected.  "
              "Would you like to convert them to a puzzle group?",
                "Ok|A new puzzle group named \"OLDPUZZ.ZP3\" has been created.",
                "Notice|User generated shapes from a previous version of Gridwright have been detected.  "
                "Would you "
                "like to add them to the current list of puzzle shapes?",
                "Ok|Puzzle shapes have been added." }));
    QCOMPARE(h.dialogs.messages().front().buttons, app::Buttons::YesNo);
    QVERIFY(QFile::exists(h.workspace.path("start/OLDPUZZ.ZP3")));
    QVERIFY(!QFile::exists(oldFiles[0]) && !QFile::exists(oldFiles[1]));
    // OLDPUZZ.ZP3 does not become the open collection.
    QCOMPARE(h.lastGroup(), h.collection());
}

// New, Modify and Copy set up the working record for the editor; Puzzle Words reads the puzzle as
// Modify does and opens the grid editor instead.
void MainWindowTest::puzzleCommandsSetUpTheWorkingRecord()
{
    Harness h;
    h.start({ { "A", "Zebra" }, { "A", "Quiz" } });
    const model::PuzzleRecord &working = *h.context().working;
    h.puzzles()->setCurrentRow(0); // Quiz, record 1
    h.item("MenuModify")->trigger();
    QVERIFY(!h.context().workingIsNew);
    QCOMPARE(h.context().workingRecordNumber, 1);
    QCOMPARE(working.title.str(), std::string("Quiz"));

    h.item("MenuCopy")->trigger();
    QVERIFY(h.context().workingIsNew);
    QCOMPARE(working.title.str(), std::string("Quiz (2)"));

    // A default page one past the library's end falls back to the library's first page.
    const auto pages = h.context().layoutLibrary();
    h.context().settings.defaultPage = int(std::filesystem::file_size(pages) / sizeof(layout::LayoutRecord));
    h.item("MenuNew")->trigger();
    QVERIFY(working.title.empty());
    const auto first = layout::readLayout(pages, 0);
    QVERIFY(std::memcmp(&working.layout, &*first, sizeof working.layout) == 0);

    h.puzzles()->setCurrentRow(1);
    h.item("MenuPuzzleWords")->trigger();
    QCOMPARE(h.context().workingRecordNumber, 0);
    QCOMPARE(h.children.opened.last(), QString("gw::generate::TManualAdd"));

    // A collection that vanished under the list is the editing failure.
    QFile::remove(h.collection());
    h.item("MenuModify")->trigger();
    QCOMPARE(h.dialogs.lastMessage(), QString("Error|Unable to access Word List file."));
    QCOMPARE(h.children.opened.size(), 4);
}

// The Screen Size rule on screens of every size, apart from the screen the tests run on: the
// current size does nothing, a size must fit both ways, and 640 x 480 fits on any screen.
void MainWindowTest::screenSizeChoice()
{
    const auto size = [](int width) {
        return *std::find_if(std::begin(app::ScreenSizes), std::end(app::ScreenSizes),
            [width](const app::ScreenSize &s) { return s.width == width; });
    };
    // item, current, screen, the size taken (0: nothing, -1: refused)
    const int cases[][5] = { { 800, 800, 1024, 768, 0 }, { 1280, 640, 1280, 1024, 1280 },
        { 1024, 640, 1000, 800, -1 }, { 800, 640, 1920, 590, -1 }, { 640, 1024, 320, 200, 640 } };
    for (const auto &c : cases) {
        const auto choice = app::chooseScreenSize(size(c[0]), size(c[1]), c[2], c[3]);
        const int taken = !choice ? -1 : choice->has_value() ? (*choice)->width : 0;
        QCOMPARE(taken, c[4]);
    }
}

// Closing writes the settings the items changed, keeping the file's other lines, exactly as the
// settings layer writes them; a stored size the screen cannot show stays stored.
void MainWindowTest::optionItemsFollowAndWriteTheSettings()
{
    Harness h;
    h.writeSettings([](model::Settings &s) { s.windowSize = 1280; });
    const QString iniPath = QString::fromStdString(h.context().settingsFile().string());
    writeBytes(iniPath, fileBytes(iniPath) + "[Own]\r\nkept=1\r\n");
    const QString expectedPath = h.workspace.path("expected.ini");
    QVERIFY(QFile::copy(iniPath, expectedPath));
    // The offscreen screen, 800 x 600, cannot show 1280 x 1024.
    h.open().show();
    h.item("MenuDictSwedish")->trigger();
    h.item("Menu256Colors")->trigger();
    QCOMPARE(h.context().settings.windowSize, 1280);

    const model::Settings expected = h.context().settings;
    h.window->close();
    QVERIFY(model::saveSettings(expected, expectedPath.toStdString()));
    QCOMPARE(fileBytes(iniPath), fileBytes(expectedPath));
    QVERIFY(fileBytes(iniPath).contains("kept=1"));
}

// The tips greet the user once, on the first activation, and only when "Show Tips" is on.
// Ctrl+H opens the shape chooser from the window and the clue headers from the Options menu.
void MainWindowTest::tipsGreetOnceAndCtrlHReachesBothItems()
{
    for (const bool showTips : { true, false }) {
        Harness h;
        h.writeSettings([showTips](model::Settings &s) { s.showTips = showTips; });
        h.open().show();
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QTRY_COMPARE(h.children.opened.size(), showTips ? 1 : 0);
        // Another window takes the focus and gives it back, as a closing child window does.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!h.window->isActiveWindow());
        h.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        QTest::qWait(20);
        QCOMPARE(h.children.opened, showTips ? QStringList({ "gw::app::TTipOfDay" }) : QStringList());
        if (showTips)
            continue;

        QTest::keyClick(h.window.get(), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(h.children.opened, QStringList({ "gw::shapes::TSelectShapes" }));
        auto *options = h.window->findChild<QMenu *>("MenuOptions");
        options->popup(h.window->mapToGlobal(QPoint(40, 40)));
        QVERIFY(QTest::qWaitForWindowExposed(options));
        QTest::keyClick(options, Qt::Key_H, Qt::ControlModifier);
        QTRY_COMPARE(
            h.children.opened, QStringList({ "gw::shapes::TSelectShapes", "gw::layout::TClueHeaders" }));
    }
}

// The font item presets the dialog with that font's stored colour and stores the chosen one in
// that font only; a cancelled dialog changes nothing.
void MainWindowTest::fontItemStoresTheColourInThatFontOnly()
{
    Harness h;
    h.writeSettings([](model::Settings &s) { s.editFont.colour = 0x0000FF; });
    h.open();
    QColor presetColour;
    h.children.onChild = [&](QDialog &child) {
        auto &dialog = dynamic_cast<app::FontColourDialog &>(child);
        presetColour = dialog.choice().colour;
        app::setColourDialogSeam(
            [](QWidget *, const QColor &) { return std::optional<QColor>(QColor(0, 128, 0)); });
        test::clickButton(dialog, "ColorButton");
        app::setColourDialogSeam({});
        return int(QDialog::Accepted);
    };
    const model::FontSetting label = h.context().settings.labelFont;
    h.item("MenuEditFont")->trigger();
    QCOMPARE(presetColour, QColor(255, 0, 0));
    QCOMPARE(h.context().settings.editFont.colour, 0x008000);
    QVERIFY(h.context().settings.labelFont == label);

    h.children.onChild = [](QDialog &) { return int(QDialog::Rejected); };
    h.item("MenuLabelFont")->trigger();
    QVERIFY(h.context().settings.labelFont == label);
}

// Help reports a missing help file; the manual goes through its notice, is reported when it
// is missing, and is not opened when the notice is declined.
void MainWindowTest::helpAndManual()
{
    Harness h;
    h.writeSettings();
    h.open();
    h.item("MenuHelpContents")->trigger();
    QCOMPARE(h.dialogs.lastMessage(),
        QString("Error|The help file could not be located.  Please make sure the help file was installed."));
    QVERIFY(h.children.opened.isEmpty());

    QList<QUrl> documents;
    h.window->setDocumentOpener([&](const QUrl &document) {
        documents << document;
        return true;
    });
    h.children.onChild = [](QDialog &child) { return child.windowTitle() == "User Manual Notice" ? 1 : 0; };
    h.item("MenuUserManual")->trigger();
    QCOMPARE(h.dialogs.lastMessage(),
        QString(
            "Error|The User Manual could not be located.  Please make sure the user manual was installed.  A "
            "copy is available at our web site."));
    const QString program = QString::fromStdString(h.context().folders.data.string());
    QVERIFY(QFile::copy(GW_SOURCE_DIR "/data/GRIDW.HTML", program + "/GRIDW.HTML"));
    h.item("MenuUserManual")->trigger();
    QCOMPARE(documents, QList<QUrl>({ QUrl::fromLocalFile(program + "/GRIDW.HTML") }));

    h.children.onChild = [](QDialog &) { return int(QDialog::Rejected); };
    h.item("MenuUserManual")->trigger();
    QCOMPARE(documents.size(), 1);
}

namespace {

// The settings as the settings file would hold them, one "key=value" line each.
QStringList settingLines(app::AppContext &context, const QString &scratch)
{
    QFile::remove(scratch);
    if (!model::saveSettings(context.settings, scratch.toStdString()))
        return {};
    return QString::fromUtf8(fileBytes(scratch)).split(QRegularExpression("[\r\n]+"), Qt::SkipEmptyParts);
}

// Every item of the menu and its submenus, separators and submenu titles left out.
void collectItems(const QMenu *menu, QStringList &items)
{
    for (const QAction *action : menu->actions()) {
        if (action->menu())
            collectItems(action->menu(), items);
        else if (!action->isSeparator())
            items << action->objectName();
    }
}

} // namespace

// Every item of every menu does its job: it opens its window (answered by the child runner),
// asks for its file, says why it cannot, changes its setting, or closes the window.  The rows
// are the items the menus really hold, so an item added without any effect fails here; the
// table names the effect of the items whose effect is easiest to get wrong (the ends of the
// item groups, the items that refuse or close); the other tests here name the rest they drive.
void MainWindowTest::everyMenuItemDoesItsJob_data()
{
    QTest::addColumn<QString>("effect"); // "window <class>", "file <title>", "message <caption|text>",
                                         // "setting <line>", "closed", or empty: any of these
    const QHash<QString, QString> effects = {
        { "MenuNew", "window gw::editor::TWordList" },
        { "MenuImport", "file Import Puzzles" },
        { "MenuExport", "window gw::model::TExportPuzzles" },
        { "MenuPrint", "window gw::render::TMyReport" },
        { "MenuPrinterSetup", "window QPrintDialog" },
        { "MenuExit", "closed" },
        { "Menu800", "setting Window Size=800" },
        // The offscreen screen is 800 x 600.
        { "Menu1024", "message Error|Your current screen resolution does not support 1024 x 768 pixels." },
        { "MenuDictSwedish", "setting Dictionary=8" },
        { "MenuThesBritish", "setting Thesaurus=2" },
        { "MenuHelpContents", "window gw::app::THelpWindow" },
        { "MenuRecent5", "setting Last Group={start}/R5.ZP3" },
    };
    QMainWindow bare;
    app::buildMainWindowMenus(&bare);
    QStringList items;
    for (const QMenu *menu : bare.menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
        collectItems(menu, items);
    QVERIFY(items.size() > 50);
    for (const QString &item : items)
        QTest::newRow(qPrintable(item)) << effects.value(item);
}

void MainWindowTest::everyMenuItemDoesItsJob()
{
    QFETCH(QString, effect);
    Harness h;
    const QString startDirectory = h.workspace.path("start");
    // The option item being tried is never the current one, so that it changes its setting; a
    // stored size the screen cannot show starts at 640 x 480.
    const QString item = QTest::currentDataTag();
    h.writeSettings([&](model::Settings &s) {
        for (std::size_t k = 0; k < s.lastFiles.size(); ++k)
            s.lastFiles[k] = QString("%1/R%2.ZP3").arg(startDirectory).arg(k + 1).toStdString();
        s.pixelFormat = 0;
        s.dictionary = item == "MenuDictChoose" ? 1 : 9;
        s.thesaurus = item == "MenuThesChoose" ? 1 : 3;
        s.windowSize = item == "Menu640" ? 800 : 1280;
    });
    for (int k = 1; k <= 5; ++k)
        writeCollection(QString("%1/R%2.ZP3").arg(startDirectory).arg(k), { { "R", "Recent" } });
    writeCollection(h.collection(), { { "A", "One" } });
    const QString program = QString::fromStdString(h.context().folders.data.string());
    QVERIFY(QFile::copy(GW_SOURCE_DIR "/data/GRIDW.HLP", program + "/GRIDW.HLP"));
    h.open().show();
    const QString scratch = h.workspace.path("scratch.ini");
    const QStringList before = settingLines(h.context(), scratch);
    QVERIFY(!before.isEmpty());

    // Every window the menus open is pictured here, shown as the user first sees it.
    h.children.onChild = [](QDialog &child) {
        const QString name = child.metaObject()->className();
        if (name.startsWith("gw::")) {
            child.show();
            if (QTest::qWaitForWindowExposed(&child))
                test::saveScreenshot(&child, name.section("::", -1));
        }
        return int(QDialog::Rejected);
    };
    h.item(qPrintable(item))->trigger();

    QStringList done;
    for (const QString &opened : h.children.opened)
        done << "window " + opened;
    for (const app::FileRequest &request : h.dialogs.fileRequests())
        done << "file " + request.title;
    for (const app::MessageRequest &message : h.dialogs.messages())
        done << "message " + message.caption + "|" + message.text;
    for (const QString &line : settingLines(h.context(), scratch)) {
        if (!before.contains(line))
            done << "setting " + line;
    }
    if (!h.window->isVisible())
        done << "closed";
    effect.replace("{start}", startDirectory);
    QVERIFY2(
        effect.isEmpty() ? !done.isEmpty() : done.contains(effect), qPrintable("did: " + done.join("; ")));
}

QTEST_MAIN(MainWindowTest)
#include "tst_TMainWin.moc"