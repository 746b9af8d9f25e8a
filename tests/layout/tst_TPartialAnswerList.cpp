#include "layout/TPartialAnswerList.h"
#include "uisupport/UiTestSupport.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace gw;
using layout::TPartialAnswerList;

namespace {

std::unique_ptr<model::PuzzleRecord> threeWords()
{
    auto puzzle = std::make_unique<model::PuzzleRecord>();
    puzzle->wordCount = 3;
    puzzle->words[0].assign("PIGLET");
    puzzle->words[1].assign("CAF\xc9");
    puzzle->words[2].assign("LAMB");
    return puzzle;
}

QList<int> selectedRows(const QListWidget *list)
{
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            rows << row;
    }
    return rows;
}

} // namespace

class PartialAnswerListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsTheWordsWithTheirFlags();
    void okStoresOneFlagPerWord();
    void cancelLeavesTheFlags();
    void untrustedWordCountIsHeld();
};

// One line per word entry, in entry order, the flagged ones selected; several at once.
void PartialAnswerListTest::listsTheWordsWithTheirFlags()
{
    test::TestWorkspace workspace;
    const auto puzzle = threeWords();
    TPartialAnswerList::Flags flags {};
    flags[1] = 1;
    TPartialAnswerList window(workspace.context(), *puzzle, flags, nullptr);
    QCOMPARE(window.windowTitle(), QString("Partial Answer"));
    QCOMPARE(window.findChild<QLabel *>("Explanation")->text(),
        QString("Select those words you would like filled in the puzzle."));
    auto *words = window.findChild<QListWidget *>("WordList");
    QCOMPARE(words->count(), 3);
    QCOMPARE(words->item(1)->text(), QString::fromUtf8("CAF\u00c9"));
    QCOMPARE(selectedRows(words), QList<int>({ 1 }));
    QCOMPARE(words->selectionMode(), QAbstractItemView::MultiSelection);
}

// Clicks choose lines; Ok writes 1 for each selected line and 0 for every other entry.
void PartialAnswerListTest::okStoresOneFlagPerWord()
{
    test::TestWorkspace workspace;
    const auto puzzle = threeWords();
    TPartialAnswerList::Flags flags {};
    flags[1] = 1;
    flags[150] = 1; // beyond the words: cleared too
    TPartialAnswerList window(workspace.context(), *puzzle, flags, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *words = window.findChild<QListWidget *>("WordList");
    for (int row : { 0, 1, 2 })
        QTest::mouseClick(
            words->viewport(), Qt::LeftButton, {}, words->visualItemRect(words->item(row)).center());
    QCOMPARE(selectedRows(words), QList<int>({ 0, 2 }));
    test::saveScreenshot(&window, "TPartialAnswerList");
    QTest::mouseClick(window.findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    TPartialAnswerList::Flags expected {};
    expected[0] = 1;
    expected[2] = 1;
    QVERIFY(flags == expected);
}

// Cancel keeps the flags.
void PartialAnswerListTest::cancelLeavesTheFlags()
{
    test::TestWorkspace workspace;
    const auto puzzle = threeWords();
    TPartialAnswerList::Flags flags {};
    flags[0] = 1;
    TPartialAnswerList window(workspace.context(), *puzzle, flags, nullptr);
    window.findChild<QListWidget *>("WordList")->item(2)->setSelected(true);
    QTest::mouseClick(window.findChild<QPushButton *>("CancelButton"), Qt::LeftButton);
    QCOMPARE(int(flags[0]), 1);
    QCOMPARE(int(flags[2]), 0);
}

// A record claiming more words than it holds lists 200 at most.
void PartialAnswerListTest::untrustedWordCountIsHeld()
{
    test::TestWorkspace workspace;
    auto puzzle = threeWords();
    puzzle->wordCount = 30000;
    TPartialAnswerList::Flags flags {};
    TPartialAnswerList window(workspace.context(), *puzzle, flags, nullptr);
    QCOMPARE(window.findChild<QListWidget *>("WordList")->count(), model::MaxWords);
    puzzle->wordCount = -4;
    TPartialAnswerList none(workspace.context(), *puzzle, flags, nullptr);
    QCOMPARE(none.findChild<QListWidget *>("WordList")->count(), 0);
}

QTEST_MAIN(PartialAnswerListTest)
#include "tst_TPartialAnswerList.moc"
