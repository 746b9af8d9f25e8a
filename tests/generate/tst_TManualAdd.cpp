#include "app/TMainWin.h"
#include "editor/TWordList.h"
#include "generate/ManualEdits.h"
#include "generate/QtCandidatePicture.h"
#include "generate/TAddAClue.h"
#include "generate/TManualAdd.h"
#include "model/CollectionFile.h"
#include "shapes/QtShapePicture.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/UiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <vector>

using namespace gw;

namespace {

constexpr qint64 RecordSize = sizeof(model::PuzzleRecord);
constexpr int PuzzleRecordNumber = 1;

// A generated 7 x 7 puzzle: CAT and DOG across, COW down, one square outside the shape, and
// ZEBRA left out after the placed words.  Protected: (4,1) after CAT, (3,3) and (7,3) around
// DOG, (1,4) below COW.
std::unique_ptr<model::PuzzleRecord> storedPuzzle()
{
    const std::vector<std::string> rows { "CAT....", "O......", "W..DOG.", ".......", "..#....", ".......",
        "......." };
    auto record = std::make_unique<model::PuzzleRecord>();
    record->version.assign("3.0b");
    record->title.assign("Pets");
    record->category.assign("Animals");
    record->generated = 1;
    record->width = 7;
    record->height = 7;
    std::memset(record->grid, model::BlankCell, sizeof record->grid);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            record->grid[r * 50 + c] = rows[r][c] == '#' ? model::OutsideCell
                : rows[r][c] == '.'                      ? model::BlankCell
                                                         : static_cast<std::uint8_t>(rows[r][c]);
    generate::addNewWords(*record, [](std::string_view letters) {
        return generate::ClueAnswer { "clue of " + std::string(letters), 1 };
    });
    record->words[3].assign("ZEBRA");
    record->clues[3].assign("striped");
    for (int i = 0; i < 3; ++i)
        record->placed[i] = 1;
    return record;
}

QByteArray bytesOf(const model::PuzzleRecord &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), RecordSize);
}

QByteArray neighbour(const char *title)
{
    auto record = std::make_unique<model::PuzzleRecord>();
    std::memset(record.get(), 0x5A, sizeof(model::PuzzleRecord));
    record->category.assign("Zoo");
    record->title.assign(title);
    return bytesOf(*record);
}

// The collection: records 0 and 2 are neighbours that must stay as they are.
struct Collection
{
    QByteArray before = neighbour("Before");
    QByteArray after = neighbour("After");

    void write(const QString &path, const model::PuzzleRecord &puzzle) const
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(before + bytesOf(puzzle) + after);
    }
    QByteArray expected(const model::PuzzleRecord &puzzle) const { return before + bytesOf(puzzle) + after; }
};

// What Ok must write: the opened puzzle with the letters typed and the clue windows answered.
struct Typed
{
    int column;
    int row;
    char letter;
};
std::unique_ptr<model::PuzzleRecord> expectedAfter(const model::PuzzleRecord &opened,
    const std::vector<Typed> &typed, std::deque<generate::ClueAnswer> answers)
{
    auto record = std::make_unique<model::PuzzleRecord>(opened);
    for (const Typed &square : typed)
        record->grid[shapes::cellIndex(square.column, square.row) - 1]
            = static_cast<std::uint8_t>(square.letter);
    generate::addNewWords(*record, [&](std::string_view) {
        const generate::ClueAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    });
    return record;
}

// The clue window answered as a user does: the clue typed, a case picked (or none), Ok.
struct ClueScript
{
    QString clue;
    const char *caseButton; // nullptr: leave the case as it stands
};

class Driver
{
public:
    explicit Driver(QWidget &window)
        : m_window(window)
    { }

    QLabel *picture() const { return m_window.findChild<QLabel *>("PuzzImage1"); }
    QLineEdit *letterBox() const { return m_window.findChild<QLineEdit *>("TheLetter"); }
    QPushButton *button(const char *name) const { return m_window.findChild<QPushButton *>(name); }
    int cell() const { return generate::candidateCellSize(picture()->size(), 7, 7); }
    QPoint centre(int column, int row) const
    {
        return QPoint((column - 1) * cell() + cell() / 2, (row - 1) * cell() + cell() / 2);
    }
    void click(int column, int row) { QTest::mouseClick(picture(), Qt::LeftButton, {}, centre(column, row)); }
    // Clicks the square, types into the box that opens and accepts.
    void type(int column, int row, const QString &text)
    {
        click(column, row);
        QVERIFY(letterBox()->isVisible());
        QTest::keyClicks(letterBox(), text);
        QTest::mouseClick(button("Accept"), Qt::LeftButton);
    }
    QColor pixel(int column, int row) const
    {
        return picture()->pixmap().toImage().pixelColor(centre(column, row));
    }
    QColor corner(int column, int row) const
    {
        return picture()->pixmap().toImage().pixelColor((column - 1) * cell() + 2, (row - 1) * cell() + 2);
    }

private:
    QWidget &m_window;
};

// Answers each clue window from the script, and keeps the words it showed.
std::function<int(QDialog &)> scriptedClues(std::deque<ClueScript> &script, QStringList &shown)
{
    return test::afterLooking([&script, &shown](QDialog &window) {
        window.show();
        shown << window.findChild<QLabel *>("MyWord")->text();
        QVERIFY(!script.empty());
        const ClueScript next = script.front();
        script.pop_front();
        QTest::keyClicks(window.findChild<QLineEdit *>("TheClue"), next.clue);
        if (next.caseButton)
            QTest::mouseClick(window.findChild<QRadioButton *>(next.caseButton), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    });
}

// Polls for the modal window of the given class and runs the script on it once.
template <typename Window> void whenModal(QObject *owner, std::function<void(Window &)> script)
{
    auto *poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, [poll, script] {
        if (auto *window = qobject_cast<Window *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            script(*window);
        }
    });
    poll->start(10);
}

struct Workspace
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    Collection collection;
    std::unique_ptr<model::PuzzleRecord> stored = storedPuzzle();
    QStringList reselected;

    Workspace()
    {
        app::AppContext &context = workspace.context();
        context.settings.lastGroup = workspace.path("start/PETS.ZP3").toStdString();
        context.settings.caseSensitivity = 1;
        collection.write(path(), *stored);
        *context.working = *stored;
        context.workingIsNew = false;
        context.workingRecordNumber = PuzzleRecordNumber;
        context.workingLoaded = fingerprintOf(*stored);
        context.reselectAndReload = [this](const std::string &category, const std::string &title) {
            reselected << QString::fromStdString(category + "/" + title);
        };
    }
    app::AppContext &context() { return workspace.context(); }
    QString path() { return workspace.path("start/PETS.ZP3"); }
};

// The editor opened on the workspace's puzzle, driven through its picture.
struct OpenEditor : Driver
{
    generate::TManualAdd window;
    explicit OpenEditor(Workspace &w)
        : Driver(window)
        , window(w.context())
    {
        window.show();
    }
};

} // namespace

class TManualAddTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The squares drawn black or teal and the controls hidden until a square is edited; the
    // pointer tells where a letter may go.
    void opensOnTheGridWithItsProtectedSquares()
    {
        Workspace w;
        OpenEditor e(w);
        for (QWidget *hidden : { static_cast<QWidget *>(e.letterBox()),
                 static_cast<QWidget *>(e.button("Accept")), static_cast<QWidget *>(e.button("Reject")) }) {
            QVERIFY(!hidden->isVisible());
            QVERIFY(!hidden->isEnabled());
        }
        const QColor teal(0, 128, 128);
        QCOMPARE(e.corner(4, 1), teal); // after CAT
        QCOMPARE(e.corner(3, 3), teal); // before DOG
        QCOMPARE(e.corner(7, 3), teal); // after DOG
        QCOMPARE(e.corner(1, 4), teal); // below COW
        QCOMPARE(e.corner(2, 2), QColor(Qt::black));
        QCOMPARE(e.corner(2, 1), QColor(Qt::white)); // the A of CAT
        QCOMPARE(e.corner(3, 5), shapes::buttonFaceColour());

        QTest::mouseMove(e.picture(), e.centre(2, 2));
        QCOMPARE(e.picture()->cursor().shape(), Qt::DragCopyCursor);
        QTest::mouseMove(e.picture(), e.centre(4, 1));
        QCOMPARE(e.picture()->cursor().shape(), Qt::ForbiddenCursor);
        QTest::mouseMove(e.picture(), e.centre(2, 1));
        QCOMPARE(e.picture()->cursor().shape(), Qt::ForbiddenCursor);
        QTest::mouseMove(e.picture(), QPoint(7 * e.cell() + 5, 20));
        QVERIFY(!e.picture()->testAttribute(Qt::WA_SetCursor));
    }

    // A protected square, a letter and a square outside the shape open no letter box; an empty
    // square opens it over itself with Accept and Reject.
    void onlyEditableSquaresOpenTheLetterBox()
    {
        Workspace w;
        OpenEditor e(w);
        QVERIFY(QTest::qWaitForWindowActive(&e.window));
        for (const QPoint square : { QPoint(4, 1), QPoint(1, 1), QPoint(3, 5) }) {
            e.click(square.x(), square.y());
            QVERIFY2(
                !e.letterBox()->isVisible(), qPrintable(QString("%1,%2").arg(square.x()).arg(square.y())));
        }
        // Pressed on one square, released on another: nothing opens.
        QTest::mousePress(e.picture(), Qt::LeftButton, {}, e.centre(2, 2));
        QTest::mouseRelease(e.picture(), Qt::LeftButton, {}, e.centre(5, 5));
        QVERIFY(!e.letterBox()->isVisible());

        e.click(5, 4);
        QVERIFY(e.letterBox()->isVisible());
        QVERIFY(e.letterBox()->hasFocus());
        QCOMPARE(e.letterBox()->pos(), QPoint(4 + 4 * e.cell(), 2 + 3 * e.cell()));
        QVERIFY(e.button("Accept")->isVisible() && e.button("Accept")->isEnabled());
        QVERIFY(e.button("Reject")->isVisible() && e.button("Reject")->isEnabled());
        QTest::keyClicks(e.letterBox(), "n");
        test::saveScreenshot(&e.window, "manual_add_letter_box");
        QTest::mouseClick(e.button("Accept"), Qt::LeftButton);
        QVERIFY(!e.letterBox()->isVisible());
        QCOMPARE(e.corner(5, 4), QColor(Qt::white));
    }

    // Anything but A..Z is refused with the exact message and the box stays open; Reject and an
    // empty Accept make the square empty again; a click elsewhere settles the box.
    void lettersAreCheckedAndCanBeTakenBack()
    {
        Workspace w;
        OpenEditor e(w);
        e.click(2, 2);
        // keyClicks types ASCII only: the accented letter is put in as the keyboard puts it.
        e.letterBox()->insert(QString::fromUtf8("\xC3\xA9"));
        QTest::mouseClick(e.button("Accept"), Qt::LeftButton);
        QCOMPARE(w.dialogs.lastMessage(), QString("Error|Puzzle letter must be between A and Z."));
        QVERIFY(e.letterBox()->isVisible());
        // A click on another square does not get past a refused letter either.
        e.click(5, 5);
        QCOMPARE(w.dialogs.messages().size(), std::size_t(2));
        QVERIFY(e.letterBox()->isVisible());
        QCOMPARE(e.corner(2, 2), QColor(Qt::black));
        QTest::mouseClick(e.button("Reject"), Qt::LeftButton);

        e.type(2, 2, "q");
        QCOMPARE(e.corner(2, 2), QColor(Qt::white));
        e.click(2, 2);
        QTest::mouseClick(e.button("Reject"), Qt::LeftButton);
        QCOMPARE(e.corner(2, 2), QColor(Qt::black));

        e.type(2, 2, "q");
        e.click(2, 2);
        QTest::mouseClick(e.button("Accept"), Qt::LeftButton); // empty box
        QCOMPARE(e.corner(2, 2), QColor(Qt::black));

        e.click(2, 2);
        QTest::keyClicks(e.letterBox(), "z");
        e.click(6, 6); // settles Z into (2,2) and opens the box over (6,6)
        QCOMPARE(e.corner(2, 2), QColor(Qt::white));
        QVERIFY(e.letterBox()->isVisible());
        QCOMPARE(e.letterBox()->text(), QString());
    }

    // Protects the main road of the window: letters typed, two runs through existing letters
    // and one down from DOG, three clue windows in scan order, and the record written back in
    // place with the new words in clue order and ZEBRA still there.
    void okAddsTheWordsAndWritesThePuzzleBack()
    {
        Workspace w;
        OpenEditor e(w);
        std::deque<ClueScript> script { { "Letters AX", "Lower" }, { "Hoof beast", "FirstLet" },
            { "Upon", nullptr } };
        QStringList shown;
        test::ScriptedChildren children;
        children.onChild = scriptedClues(script, shown);
        e.type(2, 2, "x");
        e.type(5, 4, "n");
        QTest::mouseClick(e.button("OkButton"), Qt::LeftButton);

        QCOMPARE(shown, QStringList({ "AX", "OX", "ON" }));
        QVERIFY(script.empty());
        QVERIFY(w.dialogs.messages().empty());
        const auto expected = expectedAfter(*w.stored, { { 2, 2, 'X' }, { 5, 4, 'N' } },
            { { "Letters AX", 2 }, { "Hoof beast", 3 }, { "Upon", 3 } });
        QCOMPARE(test::fileBytes(w.path()), w.collection.expected(*expected));
        QCOMPARE(bytesOf(*w.context().working), bytesOf(*expected));
        QCOMPARE(w.reselected, QStringList({ "Animals/Pets" }));
        QVERIFY(e.window.wordsAdded());
        QVERIFY(!e.window.isVisible());
        QCOMPARE(e.window.result(), int(QDialog::Accepted));
        QCOMPARE(w.context().settings.caseSensitivity, 3);
    }

    // A letter still in the box when Ok is clicked counts; a lone letter makes no word, and Ok
    // then says so and writes nothing.
    void okWithoutANewWordWritesNothing()
    {
        Workspace w;
        OpenEditor e(w);
        e.click(6, 6);
        QTest::keyClicks(e.letterBox(), "k");
        QTest::mouseClick(e.button("OkButton"), Qt::LeftButton);
        QCOMPARE(w.dialogs.lastMessage(), QString("Notice|No changes to the puzzle were detected."));
        QVERIFY(!e.window.isVisible());
        QVERIFY(!e.window.wordsAdded());
        QCOMPARE(test::fileBytes(w.path()), w.collection.expected(*w.stored));
        QVERIFY(w.reselected.isEmpty());
    }

    // Cancel closes without writing anything, whatever was typed.
    void cancelWritesNothing()
    {
        Workspace w;
        OpenEditor e(w);
        e.type(5, 4, "n");
        QTest::mouseClick(e.button("Cancel"), Qt::LeftButton);
        QVERIFY(!e.window.isVisible());
        QCOMPARE(test::fileBytes(w.path()), w.collection.expected(*w.stored));
        QCOMPARE(bytesOf(*w.context().working), bytesOf(*w.stored));
    }

    // A collection that can be neither opened nor created: the message, the window closes, the
    // working record holds the new words.
    void unwritableCollectionIsReported()
    {
        Workspace w;
        w.context().settings.lastGroup = w.workspace.path("start/missing/PETS.ZP3").toStdString();
        OpenEditor e(w);
        std::deque<ClueScript> script { { "Upon", nullptr } };
        QStringList shown;
        test::ScriptedChildren children;
        children.onChild = scriptedClues(script, shown);
        e.type(5, 4, "n");
        QTest::mouseClick(e.button("OkButton"), Qt::LeftButton);
        QCOMPARE(w.dialogs.lastMessage(), QString("Error|Unable to save puzzle."));
        QVERIFY(!e.window.isVisible());
        QVERIFY(e.window.wordsAdded());
        QCOMPARE(int(w.context().working->wordCount), 4);
        QVERIFY(w.reselected.isEmpty());
    }

    // Mode 1: Puzzle Words in the main window opens the editor on the selected puzzle; Ok
    // writes it in place and the lists are reloaded with the puzzle selected.  A puzzle never
    // generated has no grid to edit and is refused.
    void puzzleWordsFromTheMainWindow()
    {
        Workspace w;
        app::AppContext &context = w.context();
        model::Settings settings = context.settings;
        settings.showTips = false;
        QVERIFY(model::saveSettings(settings, context.settingsFile()));
        app::TMainWin main(context);
        main.show();
        auto *puzzles = main.findChild<QListWidget *>("PuzzleList");
        QCOMPARE(puzzles->count(), 1); // the neighbours are in another category
        QCOMPARE(puzzles->currentItem()->text(), QString("Pets"));
        QByteArray ants = bytesOf(*w.stored);
        ants.replace(int(offsetof(model::PuzzleRecord, title)), 5, QByteArray("\x04""Ants"));
        int opened = 0;
        std::deque<ClueScript> script;
        QStringList shown;
        const auto clues = scriptedClues(script, shown);
        test::ScriptedChildren children;
        children.onChild = [&](QDialog &child) {
            if (qobject_cast<generate::TAddAClue *>(&child))
                return clues(child);
            ++opened;
            auto *editor = qobject_cast<generate::TManualAdd *>(&child);
            if (!editor)
                return int(QDialog::Rejected);
            script = { { "Upon", nullptr } };
            editor->show();
            Driver d(*editor);
            d.type(5, 4, "n");
            // A puzzle the lists do not know yet shows once they are reloaded.
            QFile file(w.path());
            if (file.open(QIODevice::Append))
                file.write(ants);
            file.close();
            QTest::mouseClick(d.button("OkButton"), Qt::LeftButton);
            return editor->result();
        };
        main.findChild<QAction *>("MenuPuzzleWords")->trigger();
        QCOMPARE(opened, 1);
        const auto expected = expectedAfter(*w.stored, { { 5, 4, 'N' } }, { { "Upon", 1 } });
        QCOMPARE(test::fileBytes(w.path()), w.collection.expected(*expected) + ants);
        QCOMPARE(puzzles->count(), 2);
        QCOMPARE(puzzles->item(0)->text(), QString("Ants"));
        QCOMPARE(puzzles->currentItem()->text(), QString("Pets"));
        QVERIFY(!context.workingIsNew);
        QCOMPARE(context.workingRecordNumber, PuzzleRecordNumber);

        auto never = std::make_unique<model::PuzzleRecord>(*expected);
        never->generated = 0;
        w.collection.write(w.path(), *never);
        // Changed behind the lists: reloaded first, then read as it is now.
        main.findChild<QAction *>("MenuPuzzleWords")->trigger();
        QCOMPARE(w.dialogs.lastMessage(),
            QString("Warning|This puzzle was changed or deleted by another program after it was loaded, so it was not "
                    "opened.  The puzzle lists have been reloaded."));
        main.findChild<QAction *>("MenuPuzzleWords")->trigger();
        QCOMPARE(opened, 1);
        QCOMPARE(w.dialogs.lastMessage(),
            QString("Warning|A grid has never been generated for this puzzle.  Create the puzzle first, then "
                    "add words to its grid."));
    }

    // Mode 2: Add Words in the word list editor of a stored puzzle.  The clue typed in the editor
    // goes along, the rows then show the new order with "x" in the U column up to the new word
    // count, and ZEBRA, left out, follows without it.
    void addWordsFromTheWordListEditor()
    {
        Workspace w;
        editor::TWordList list(w.context(), "Modify Existing Puzzle");
        list.show();
        auto *grid = list.findChild<QTableWidget *>("WordsCluesGrid");
        QVERIFY(grid);
        list.setRowClue(1, "Meows");
        whenModal<generate::TManualAdd>(&list, [&](generate::TManualAdd &editor) {
            whenModal<generate::TAddAClue>(&editor, [](generate::TAddAClue &clue) {
                QTest::keyClicks(clue.findChild<QLineEdit *>("TheClue"), "Upon");
                test::saveScreenshot(&clue, "add_a_clue");
                QTest::mouseClick(clue.findChild<QPushButton *>("OkButton"), Qt::LeftButton);
            });
            Driver d(editor);
            d.type(5, 4, "n");
            QTest::mouseClick(d.button("OkButton"), Qt::LeftButton);
        });
        QTest::mouseClick(list.findChild<QPushButton *>("AddWordsButton"), Qt::LeftButton);

        auto typedHere = std::make_unique<model::PuzzleRecord>(*w.stored);
        typedHere->clues[0].assign("Meows");
        typedHere->wordCount = 4; // the editor's rows count ZEBRA as well
        const auto expected = expectedAfter(*typedHere, { { 5, 4, 'N' } }, { { "Upon", 1 } });
        QCOMPARE(test::fileBytes(w.path()), w.collection.expected(*expected));
        const QStringList rows { "CAT", "DOG", "COW", "ON", "ZEBRA", "" };
        for (int row = 1; row <= rows.size(); ++row) {
            QCOMPARE(list.rowWord(row), rows[row - 1]);
            QCOMPARE(list.rowUsed(row), row <= 4);
        }
        QCOMPARE(list.rowClue(1), QString("Meows"));
        QCOMPARE(list.rowClue(4), QString("Upon"));
        QCOMPARE(list.rowClue(5), QString("striped"));
        // What was written is what the editor holds: leaving it asks nothing.
        QVERIFY(!list.PuzzleChanged());
    }

    // At 1.6 the squares grow with the picture and the letter box still lands on its square.
    void scalesToTheScreenSize()
    {
        Workspace w;
        w.context().scaleFactor = 1.6;
        OpenEditor e(w);
        QCOMPARE(e.picture()->size(), QSize(658, 658));
        e.click(5, 4);
        QVERIFY(e.letterBox()->isVisible());
        QCOMPARE(e.letterBox()->pos(), e.picture()->pos() + QPoint(4 * e.cell(), 3 * e.cell()));
    }
};

QTEST_MAIN(TManualAddTest)
#include "tst_TManualAdd.moc"
