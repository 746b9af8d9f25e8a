#include "editor/TWordList.h"
#include "layout/LayoutLibrary.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "uisupport/UiTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>
#include <memory>

using namespace gw;
using editor::TWordList;

namespace {

constexpr auto Word = TWordList::WordColumn;
constexpr auto Clue = TWordList::ClueColumn;

// An editor on a new puzzle, or on the first sample puzzle stored as record 0, shown and
// active so that cell editors take the keyboard.
struct Editor
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<TWordList> window;

    explicit Editor(bool stored)
    {
        app::AppContext &context = workspace.context();
        const QString collection = workspace.path("start/PUZZLES.ZP3");
        context.settings.lastGroup = collection.toStdString();
        if (stored) {
            auto sample = model::readPuzzle(GW_SOURCE_DIR "/data/SAMPLE.ZP3", 0, model::unableToLoadPuzzle());
            if (!sample)
                qFatal("sample collection unreadable");
            *context.working = *sample;
            QFile file(collection);
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            file.write(reinterpret_cast<const char *>(context.working.get()), sizeof(model::PuzzleRecord));
            context.workingIsNew = false;
            context.workingRecordNumber = 0;
        } else {
            model::resetToNew(*context.working, layout::loadLayoutForPuzzle(context.layoutLibrary(), 0));
            context.workingIsNew = true;
        }
        window = std::make_unique<TWordList>(context, stored ? "Modify" : "Create");
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("editor not active");
    }

    QTableWidget *grid() { return window->findChild<QTableWidget *>("WordsCluesGrid"); }

    QLineEdit *startEditing(int row, int column)
    {
        grid()->setFocus();
        grid()->setCurrentCell(row - 1, column);
        grid()->editItem(grid()->item(row - 1, column));
        return cellEditor();
    }

    // The open cell editor, after the view has handled the queued close of the previous one.
    static QLineEdit *cellEditor()
    {
        QCoreApplication::processEvents();
        return qobject_cast<QLineEdit *>(QApplication::focusWidget());
    }

    // Types into the focused cell editor and leaves it with the key.
    static void typeAndLeave(const QString &typed, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QLineEdit *editor = cellEditor();
        QVERIFY(editor);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, key, modifiers);
    }
};

} // namespace

class TestQtWordCellDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tabSkipsTheFixedColumns();
    void tabInAStoredPuzzleGoesFromClueToClue();
};

// Typing word, Tab, clue, Tab, word, ... fills row after row: Tab at the end of a clue opens
// the next row's word, not the fixed "Cnt" column where the typing was lost; Shift+Tab in a
// word goes back to the clue above.
void TestQtWordCellDelegate::tabSkipsTheFixedColumns()
{
    Editor editor(false);
    TWordList &window = *editor.window;
    QVERIFY(editor.startEditing(1, Word));
    Editor::typeAndLeave("PLANET", Qt::Key_Tab);
    Editor::typeAndLeave("A body circling a star", Qt::Key_Tab);
    Editor::typeAndLeave("COMET", Qt::Key_Tab);
    Editor::typeAndLeave("Icy visitor", Qt::Key_Tab);
    Editor::typeAndLeave("ORBIT", Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(editor.grid()->currentRow(), 1);
    QCOMPARE(editor.grid()->currentColumn(), int { Clue });
    QVERIFY(Editor::cellEditor());
    QTest::keyClick(Editor::cellEditor(), Qt::Key_End); // the editor opens with its text selected
    Editor::typeAndLeave(" with a tail", Qt::Key_Return);
    QCoreApplication::processEvents();

    QCOMPARE(window.rowWord(1), QString("PLANET"));
    QCOMPARE(window.rowClue(1), QString("A body circling a star"));
    QCOMPARE(window.rowWord(2), QString("COMET"));
    QCOMPARE(window.rowClue(2), QString("Icy visitor with a tail"));
    QCOMPARE(window.rowWord(3), QString("ORBIT"));
    QCOMPARE(editor.grid()->item(1, TWordList::CntColumn)->text(), QString("2"));
    QCOMPARE(window.GetWordCount(), 3);
}

// With the words of a stored puzzle fixed, Tab moves from one clue to the next.
void TestQtWordCellDelegate::tabInAStoredPuzzleGoesFromClueToClue()
{
    Editor editor(true);
    TWordList &window = *editor.window;
    const QString secondWord = window.rowWord(2);
    QVERIFY(editor.startEditing(1, Clue));
    Editor::typeAndLeave("!", Qt::Key_Tab);
    QCOMPARE(editor.grid()->currentRow(), 1);
    QCOMPARE(editor.grid()->currentColumn(), int { Clue });
    QLineEdit *second = Editor::cellEditor();
    QVERIFY(second);
    second->setText("Second clue");
    QTest::keyClick(second, Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(window.rowClue(1).endsWith('!'));
    QCOMPARE(window.rowClue(2), QString("Second clue"));
    QCOMPARE(window.rowWord(2), secondWord);
}

QTEST_MAIN(TestQtWordCellDelegate)
#include "tst_QtWordCellDelegate.moc"
