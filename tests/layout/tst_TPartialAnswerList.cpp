#include "layout/TPartialAnswerList.h"
#include "uisupport/UiTestSupport.h"

#include <QListWidget>
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

} // namespace

class PartialAnswerListTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // One line per word entry, in entry order, the flagged ones selected; clicks choose several
    // lines.  Ok writes 1 for each selected line and 0 for every other entry; Cancel keeps the flags.
    void okStoresOneFlagPerWord()
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
        QCOMPARE(words->count(), 3);
        QCOMPARE(words->item(1)->text(), QString::fromUtf8("CAF\u00c9"));
        QVERIFY(!words->item(0)->isSelected() && words->item(1)->isSelected());
        for (int row : { 0, 1, 2 })
            QTest::mouseClick(
                words->viewport(), Qt::LeftButton, {}, words->visualItemRect(words->item(row)).center());
        test::saveScreenshot(&window, "TPartialAnswerList");
        TPartialAnswerList::Flags expected {};
        expected[0] = 1;
        expected[2] = 1;
        TPartialAnswerList cancelled(workspace.context(), *puzzle, flags, nullptr);
        cancelled.findChild<QListWidget *>("WordList")->item(2)->setSelected(true);
        test::clickButton(cancelled, "CancelButton");
        QCOMPARE(int(flags[2]), 0);
        test::clickButton(window, "OkButton");
        QVERIFY(flags == expected);
    }

    // A record claiming more words than it holds lists 200 at most.
    void untrustedWordCountIsHeld()
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
};

QTEST_MAIN(PartialAnswerListTest)
#include "tst_TPartialAnswerList.moc"
