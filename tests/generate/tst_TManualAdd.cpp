#include "app/TMainWin.h"
#include "editor/ui/TWordList.h"
#include "generate/DrawnPuzzle.h"
#include "generate/ui/CandidatePicture.h"
#include "generate/ui/TAddAClue.h"
#include "generate/ui/TManualAdd.h"
#include "model/CollectionFile.h"
#include "support/TestRecords.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/UiTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cstring>
#include <deque>
#include <memory>
#include <string>
#include <vector>

using namespace gw;

namespace {

// A generated 7 x 7 puzzle: CAT and DOG across, COW down, one square outside the shape, and
// ZEBRA left out after the placed words.  Protected: (4,1) after CAT, (3,3) and (7,3) around
// DOG, (1,4) below COW.
std::unique_ptr<model::PuzzleRecord> storedPuzzle()
{
    auto record
        = test::drawnPuzzle({ "CAT....", "O......", "W..DOG.", ".......", "..#....", ".......", "......." });
    record->version.assign("3.0b");
    record->title.assign("Pets");
    record->category.assign("Animals");
    record->words[3].assign("ZEBRA");
    record->clues[3].assign("striped");
    return record;
}

QByteArray bytesOf(const model::PuzzleRecord &record)
{
    return QByteArray::fromStdString(test::bytesOf(record));
}

QByteArray neighbour(const char *title)
{
    auto record = std::make_unique<model::PuzzleRecord>();
    std::memset(record.get(), 'Z', sizeof *record);
    record->category.assign("Zoo");
    record->title.assign(title);
    return bytesOf(*record);
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

private:
    QWidget &m_window;
};

// Answers each clue window from the script, and keeps the words it showed; a clue never takes
// more than 150 characters.
std::function<int(QDialog &)> scriptedClues(std::deque<ClueScript> &script, QStringList &shown)
{
    return test::afterLooking([&script, &shown](QDialog &window) {
        window.show();
        shown << window.findChild<QLabel *>("MyWord")->text();
        QVERIFY(!script.empty());
        const ClueScript next = script.front();
        script.pop_front();
        QTest::keyClicks(window.findChild<QLineEdit *>("TheClue"), next.clue);
        QVERIFY(window.findChild<QLineEdit *>("TheClue")->text().size() <= 150);
        if (next.caseButton)
            QTest::mouseClick(window.findChild<QRadioButton *>(next.caseButton), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    });
}

// The puzzle stored as record 1, between two neighbours that must stay as they are, and opened.
struct Workspace
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    QByteArray before = neighbour("Before");
    QByteArray after = neighbour("After");
    std::unique_ptr<model::PuzzleRecord> stored = storedPuzzle();
    QStringList reselected;

    Workspace()
    {
        app::AppContext &context = workspace.context();
        context.settings.lastGroup = workspace.path("start/PETS.ZP3").toStdString();
        context.settings.caseSensitivity = 1;
        write(*stored);
        *context.working = *stored;
        context.workingIsNew = false;
        context.workingRecordNumber = 1;
        context.workingLoaded = fingerprintOf(*stored);
        context.reselectAndReload = [this](const std::string &category, const std::string &title) {
            reselected << QString::fromStdString(category + "/" + title);
        };
    }
    app::AppContext &context() { return workspace.context(); }
    QString path() { return workspace.path("start/PETS.ZP3"); }
    QByteArray expected(const model::PuzzleRecord &puzzle) const { return before + bytesOf(puzzle) + after; }
    void write(const model::PuzzleRecord &puzzle)
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(expected(puzzle));
    }
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
    // Anything but A..Z is refused with the exact message, also when another square is
    // clicked; Reject and an empty Accept leave the square empty, so a lone letter makes no
    // word and Ok says so and writes nothing.
    void lettersAreCheckedAndCanBeTakenBack()
    {
        Workspace w;
        OpenEditor e(w);
        test::ScriptedChildren children;
        e.click(2, 2);
        // keyClicks types ASCII only: the accented letter is put in as the keyboard puts it.
        e.letterBox()->insert(QString::fromUtf8("\xC3\xA9"));
        QTest::mouseClick(e.button("Accept"), Qt::LeftButton);
        QCOMPARE(w.dialogs.lastMessage(), QString("Error|Puzzle letter must be between A and Z."));
        e.click(5, 5);
        QCOMPARE(w.dialogs.messages().size(), std::size_t(2));
        QTest::mouseClick(e.button("Reject"), Qt::LeftButton);
        e.type(2, 2, "q");
        e.click(2, 2);
        QTest::mouseClick(e.button("Accept"), Qt::LeftButton); // empty box

        e.click(6, 6);
        QTest::keyClicks(e.letterBox(), "k");
        QTest::mouseClick(e.button("OkButton"), Qt::LeftButton);
        QVERIFY(children.opened.isEmpty());
        QCOMPARE(w.dialogs.lastMessage(), QString("Notice|No changes to the puzzle were detected."));
        QCOMPARE(test::fileBytes(w.path()), w.expected(*w.stored));
    }

    // Protects the main road of the window: a letter settled by a click on another square and
    // one still in the box at Ok, two runs through existing letters and one down from DOG, three
    // clue windows in scan order (a clue takes up to 150 characters, each case button stores its
    // value), and the record written back in place with the new words in clue order and ZEBRA
    // still there.
    void okAddsTheWordsAndWritesThePuzzleBack()
    {
        Workspace w;
        OpenEditor e(w);
        const QString longClue = "Letters AX" + QString(200, 'x');
        std::deque<ClueScript> script { { longClue, "Lower" }, { "Hoof beast", "FirstLet" },
            { "Upon", nullptr } };
        QStringList shown;
        test::ScriptedChildren children;
        children.onChild = scriptedClues(script, shown);
        e.click(2, 2);
        QTest::keyClicks(e.letterBox(), "x");
        e.click(5, 4);
        QTest::keyClicks(e.letterBox(), "n");
        QTest::mouseClick(e.button("OkButton"), Qt::LeftButton);

        QCOMPARE(shown, QStringList({ "AX", "OX", "ON" }));
        auto expected = std::make_unique<model::PuzzleRecord>(*w.stored);
        expected->grid[shapes::cellIndex(2, 2) - 1] = 'X';
        expected->grid[shapes::cellIndex(5, 4) - 1] = 'N';
        std::deque<generate::ClueAnswer> answers { { longClue.left(150).toStdString(), 2 },
            { "Hoof beast", 3 }, { "Upon", 3 } };
        generate::addNewWords(*expected, [&](std::string_view) {
            const generate::ClueAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        });
        QCOMPARE(test::fileBytes(w.path()), w.expected(*expected));
        QCOMPARE(w.reselected, QStringList({ "Animals/Pets" }));
    }

    // Cancel writes nothing; a collection that can be neither opened nor created is reported,
    // and the working record holds the new words.
    void nothingIsWritten_data()
    {
        QTest::addColumn<bool>("unwritable");
        QTest::newRow("cancelWritesNothing") << false;
        QTest::newRow("unwritableCollectionIsReported") << true;
    }
    void nothingIsWritten()
    {
        QFETCH(bool, unwritable);
        Workspace w;
        if (unwritable)
            w.context().settings.lastGroup = w.workspace.path("start/missing/PETS.ZP3").toStdString();
        OpenEditor e(w);
        std::deque<ClueScript> script { { "Upon", nullptr } };
        QStringList shown;
        test::ScriptedChildren children;
        children.onChild = scriptedClues(script, shown);
        e.type(5, 4, "n");
        QTest::mouseClick(e.button(unwritable ? "OkButton" : "Cancel"), Qt::LeftButton);
        QCOMPARE(w.dialogs.lastMessage(), unwritable ? QString("Error|Unable to save puzzle.") : QString());
        QCOMPARE(int(w.context().working->wordCount), unwritable ? 4 : 3);
        QCOMPARE(test::fileBytes(w.path()), w.expected(*w.stored));
    }

    // Mode 1: Puzzle Words in the main window refuses a puzzle never generated.  (A puzzle changed
    // behind the lists is refused by the reading the main window's other commands share.)
    void puzzleWordsFromTheMainWindow()
    {
        Workspace w;
        auto never = std::make_unique<model::PuzzleRecord>(*w.stored);
        never->generated = 0;
        w.write(*never);
        app::AppContext &context = w.context();
        model::Settings settings = context.settings;
        settings.showTips = false;
        QVERIFY(model::saveSettings(settings, context.settingsFile()));
        app::TMainWin main(context);
        main.show();
        test::ScriptedChildren children;
        main.findChild<QAction *>("MenuPuzzleWords")->trigger();
        QVERIFY(children.opened.isEmpty());
        QCOMPARE(w.dialogs.lastMessage(),
            QString("Warning|A grid has never been generated for this puzzle.  Create the puzzle first, then "
                    "add words to its grid."));
    }

    // Mode 2: Add Words in the word list editor of a stored puzzle.  The clue typed in the editor
    // goes along, the rows then show the new order with "x" in the U column up to the new word
    // count, and ZEBRA, left out, follows with its clue; what was written is what the editor
    // holds.
    void addWordsFromTheWordListEditor()
    {
        Workspace w;
        editor::TWordList list(w.context(), "Modify Existing Puzzle");
        list.show();
        list.setRowClue(1, "Meows");
        std::deque<ClueScript> script { { "Upon", nullptr } };
        QStringList shown;
        const auto clues = scriptedClues(script, shown);
        test::ScriptedChildren children;
        children.onChild = [&](QDialog &child) {
            if (qobject_cast<generate::TAddAClue *>(&child))
                return clues(child);
            child.show();
            Driver d(child);
            d.type(5, 4, "n");
            QTest::mouseClick(d.button("OkButton"), Qt::LeftButton);
            return child.result();
        };
        test::clickButton(list, "AddWordsButton");

        const QStringList rows { "CAT", "DOG", "COW", "ON", "ZEBRA", "" };
        for (int row = 1; row <= rows.size(); ++row) {
            QCOMPARE(list.rowWord(row), rows[row - 1]);
            QCOMPARE(list.rowUsed(row), row <= 4);
        }
        QCOMPARE(list.rowClue(1), QString("Meows"));
        QCOMPARE(list.rowClue(5), QString("striped"));
        QCOMPARE(test::fileBytes(w.path()), w.expected(*w.context().working));
        QVERIFY(!list.PuzzleChanged());
    }
};

QTEST_MAIN(TManualAddTest)
#include "tst_TManualAdd.moc"
