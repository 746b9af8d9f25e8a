#include "layout/ObjectDialogTesting.h"
#include "layout/TObjectProp.h"
#include "uisupport/UiTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

using namespace gw;
using layout::ObjectKind;

class ObjectPropTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Columns only for the clue lists, the word list and the combined clues; Split Columns only for
    // the combined clues; Tile Bitmap for a bitmap.
    void showsTheControlsOfTheKind()
    {
        test::TestWorkspace workspace;
        const struct
        {
            ObjectKind kind;
            bool columns;
            bool split;
        } kinds[] = { { ObjectKind::Title, false, false }, { ObjectKind::DownClues, true, false },
            { ObjectKind::AcrossClues, true, false }, { ObjectKind::WordList, true, false },
            { ObjectKind::CombinedClues, true, true }, { ObjectKind::Text, false, false } };
        for (const auto &expected : kinds) {
            layout::TObjectProp window(
                workspace.context(), test::sampleObject(expected.kind, "Words"), nullptr);
            window.show();
            QCOMPARE(window.windowTitle(), QString("Properties for Words"));
            QCOMPARE(test::box(window, "ColumnsBox")->isVisible(), expected.columns);
            QCOMPARE(window.findChild<QLabel *>("ColumnsLabel")->isVisible(), expected.columns);
            QCOMPARE(window.findChild<QCheckBox *>("SplitColumnsCheck")->isVisible(), expected.split);
            if (expected.split)
                test::saveScreenshot(&window, "TObjectProp");
        }
        layout::TObjectProp bitmap(
            workspace.context(), test::sampleObject(ObjectKind::Bitmap, "Bitmap 1"), nullptr);
        QCOMPARE(bitmap.findChild<QCheckBox *>("TransparentCheck")->text(), QString("&Tile Bitmap"));
    }

    // "0" or a letter is refused.  Checking Split Columns makes the count even (1 leaves 0, which
    // OK refuses); unchecking it leaves the box alone.
    void refusesColumnsBelowOne()
    {
        test::TestWorkspace workspace;
        test::ScriptedDialogs dialogs;
        for (const QString typed : { "0", "a" }) {
            layout::TObjectProp window(
                workspace.context(), test::sampleObject(ObjectKind::WordList, "Words"), nullptr);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            test::retype(window, "ColumnsBox", typed);
            test::clickButton(window, "OkButton");
            QCOMPARE(dialogs.lastMessage(), QString("Error|Invalid columns entered."));
            QCOMPARE(window.focusWidget(), test::box(window, "ColumnsBox"));
            QVERIFY(!window.ok());
        }
        layout::TObjectProp combined(
            workspace.context(), test::sampleObject(ObjectKind::CombinedClues, "Clues"), nullptr);
        combined.show();
        test::box(combined, "ColumnsBox")->setText("1");
        test::toggle(combined, "SplitColumnsCheck");
        QCOMPARE(test::box(combined, "ColumnsBox")->text(), QString("0"));
        dialogs.clear();
        test::clickButton(combined, "OkButton");
        QCOMPARE(dialogs.lastMessage(), QString("Error|Invalid columns entered."));
        QVERIFY(!combined.ok());
        test::toggle(combined, "SplitColumnsCheck");
        QCOMPARE(test::box(combined, "ColumnsBox")->text(), QString("0"));
    }

    // The three flags and the column count land in the object; a kind without columns keeps its
    // count whatever the hidden box says.
    void okStoresTheFlagsAndColumns()
    {
        test::TestWorkspace workspace;
        layout::LayoutObject object = test::sampleObject(ObjectKind::CombinedClues, "Clues");
        object.transparent = 1;
        object.makeItFit = 1;
        object.columns = 3;
        layout::TObjectProp window(workspace.context(), object, nullptr);
        window.show();
        QCOMPARE(test::box(window, "ColumnsBox")->text(), QString("3"));
        test::toggle(window, "TransparentCheck");
        test::toggle(window, "MakeItFitCheck");
        test::toggle(window, "SplitColumnsCheck");
        test::clickButton(window, "OkButton");
        QVERIFY(window.ok());
        QCOMPARE(int(window.object().transparent), 0);
        QCOMPARE(int(window.object().makeItFit), 0);
        QCOMPARE(int(window.object().splitColumns), 1);
        QCOMPARE(int(window.object().columns), 2);

        layout::LayoutObject title = test::sampleObject(ObjectKind::Title, "Title");
        title.columns = 1;
        layout::TObjectProp titleWindow(workspace.context(), title, nullptr);
        test::box(titleWindow, "ColumnsBox")->setText("0");
        test::clickButton(titleWindow, "OkButton");
        QVERIFY(titleWindow.ok());
        QCOMPARE(int(titleWindow.object().columns), 1);
    }
};

QTEST_MAIN(ObjectPropTest)
#include "tst_TObjectProp.moc"
