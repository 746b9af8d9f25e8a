#include "editor/ui/TWordList.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "uisupport/WordListEditor.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

using namespace gw;
using editor::TWordList;

namespace {

constexpr auto Word = TWordList::WordColumn;
constexpr auto Clue = TWordList::ClueColumn;

// The open cell editor, after the view has handled the queued close of the previous one.
QLineEdit *cellEditor()
{
    QCoreApplication::processEvents();
    return qobject_cast<QLineEdit *>(QApplication::focusWidget());
}

// Types into the focused cell editor and leaves it with the key.
void typeAndLeave(const QString &typed, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QLineEdit *editor = cellEditor();
    QVERIFY(editor);
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, key, modifiers);
}

void startEditing(test::WordListEditor &editor, int row, int column)
{
    editor.grid()->setFocus();
    editor.grid()->setCurrentCell(row - 1, column);
    editor.grid()->editItem(editor.grid()->item(row - 1, column));
}

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
    test::WordListEditor editor;
    TWordList &window = editor.open();
    editor.show();
    startEditing(editor, 1, Word);
    typeAndLeave("PLANET", Qt::Key_Tab);
    typeAndLeave("A body circling a star", Qt::Key_Tab);
    typeAndLeave("COMET", Qt::Key_Tab);
    typeAndLeave("Icy visitor", Qt::Key_Tab);
    typeAndLeave("ORBIT", Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(editor.grid()->currentRow(), 1);
    QCOMPARE(editor.grid()->currentColumn(), int { Clue });
    QVERIFY(cellEditor());
    QTest::keyClick(cellEditor(), Qt::Key_End); // the editor opens with its text selected
    typeAndLeave(" with a tail", Qt::Key_Return);
    QCoreApplication::processEvents();

    QCOMPARE(QStringList({ window.rowWord(1), window.rowClue(1), window.rowWord(2), window.rowClue(2) }),
        QStringList({ "PLANET", "A body circling a star", "COMET", "Icy visitor with a tail" }));
    QCOMPARE(window.rowWord(3), QString("ORBIT"));
    QCOMPARE(editor.grid()->item(1, TWordList::CntColumn)->text(), QString("2"));
}

// With the words of a stored puzzle fixed, Tab moves from one clue to the next.
void TestQtWordCellDelegate::tabInAStoredPuzzleGoesFromClueToClue()
{
    test::WordListEditor editor;
    const auto sample = model::readPuzzle(GW_SOURCE_DIR "/data/SAMPLE.ZP3", 0, model::unableToLoadPuzzle());
    QVERIFY(sample);
    editor.storeAndModify(*sample);
    TWordList &window = editor.open();
    editor.show();
    const QString secondWord = window.rowWord(2);
    startEditing(editor, 1, Clue);
    typeAndLeave("!", Qt::Key_Tab);
    QCOMPARE(editor.grid()->currentRow(), 1);
    QCOMPARE(editor.grid()->currentColumn(), int { Clue });
    typeAndLeave("Second clue", Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(window.rowClue(1).endsWith('!'));
    QCOMPARE(window.rowClue(2), QString("Second clue"));
    QCOMPARE(window.rowWord(2), secondWord);
}

QTEST_MAIN(TestQtWordCellDelegate)
#include "tst_WordCellDelegate.moc"
