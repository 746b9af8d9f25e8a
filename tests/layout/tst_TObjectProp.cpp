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
    void showsTheControlsOfTheKind();
    void splitColumnsMakesTheCountEven_data();
    void splitColumnsMakesTheCountEven();
    void refusesColumnsBelowOne();
    void okStoresTheFlagsAndColumns();
    void screenshots();
};

// Columns only for the clue lists, the word list and the combined clues; Split Columns only for
// the combined clues; Tile Bitmap for a bitmap.
void ObjectPropTest::showsTheControlsOfTheKind()
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
        layout::TObjectProp window(workspace.context(), test::sampleObject(expected.kind, "Words"), nullptr);
        window.show();
        QCOMPARE(window.windowTitle(), QString("Properties for Words"));
        QCOMPARE(test::box(window, "ColumnsBox")->isVisible(), expected.columns);
        QCOMPARE(window.findChild<QLabel *>("ColumnsLabel")->isVisible(), expected.columns);
        QCOMPARE(window.findChild<QCheckBox *>("SplitColumnsCheck")->isVisible(), expected.split);
        QCOMPARE(
            window.findChild<QCheckBox *>("TransparentCheck")->text(), QString("&Transparent Background"));
        QCOMPARE(window.findChild<QCheckBox *>("MakeItFitCheck")->text(),
            QString("&Make It Fit (Auto-Shrink Font)"));
        QCOMPARE(window.findChild<QLabel *>("ColumnsLabel")->text(), QString("Number of Columns"));
        QCOMPARE(test::box(window, "ColumnsBox")->maxLength(), 1);
    }
    layout::TObjectProp bitmap(
        workspace.context(), test::sampleObject(ObjectKind::Bitmap, "Bitmap 1"), nullptr);
    QCOMPARE(bitmap.findChild<QCheckBox *>("TransparentCheck")->text(), QString("&Tile Bitmap"));
}

void ObjectPropTest::splitColumnsMakesTheCountEven_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("3") << "3"
                       << "2";
    QTest::newRow("1") << "1"
                       << "0";
    QTest::newRow("4") << "4"
                       << "4";
    QTest::newRow("0") << "0"
                       << "2";
    QTest::newRow("empty") << ""
                           << "2";
    QTest::newRow("letter") << "x"
                            << "2";
}

// Checking replaces the box's text; unchecking only clears the flag.
void ObjectPropTest::splitColumnsMakesTheCountEven()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    test::TestWorkspace workspace;
    layout::TObjectProp window(
        workspace.context(), test::sampleObject(ObjectKind::CombinedClues, "Clues"), nullptr);
    window.show();
    test::box(window, "ColumnsBox")->setText(before);
    auto *split = window.findChild<QCheckBox *>("SplitColumnsCheck");
    QTest::mouseClick(split, Qt::LeftButton, {}, QPoint(7, split->height() / 2));
    QVERIFY(split->isChecked());
    QCOMPARE(test::box(window, "ColumnsBox")->text(), after);
    QTest::mouseClick(split, Qt::LeftButton, {}, QPoint(7, split->height() / 2));
    QVERIFY(!split->isChecked());
    QCOMPARE(test::box(window, "ColumnsBox")->text(), after);
}

// "0", a letter or an empty box is refused; Split Columns with 1 leaves 0, which OK refuses.
void ObjectPropTest::refusesColumnsBelowOne()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    for (const QString typed : { "0", "a", "" }) {
        layout::TObjectProp window(
            workspace.context(), test::sampleObject(ObjectKind::WordList, "Words"), nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        test::retype(window, "ColumnsBox", typed);
        test::click(window, "OkButton");
        QCOMPARE(dialogs.lastMessage(), QString("Error|Invalid columns entered."));
        QCOMPARE(window.focusWidget(), test::box(window, "ColumnsBox"));
        QVERIFY(!window.ok());
    }
    layout::TObjectProp combined(
        workspace.context(), test::sampleObject(ObjectKind::CombinedClues, "Clues"), nullptr);
    combined.show();
    test::box(combined, "ColumnsBox")->setText("1");
    test::toggle(combined, "SplitColumnsCheck");
    dialogs.clear();
    test::click(combined, "OkButton");
    QCOMPARE(dialogs.lastMessage(), QString("Error|Invalid columns entered."));
    QVERIFY(!combined.ok());
}

// The three flags and the column count land in the object; a kind without columns keeps its
// count whatever the hidden box says.
void ObjectPropTest::okStoresTheFlagsAndColumns()
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
    test::click(window, "OkButton");
    QVERIFY(window.ok());
    QCOMPARE(int(window.object().transparent), 0);
    QCOMPARE(int(window.object().makeItFit), 0);
    QCOMPARE(int(window.object().splitColumns), 1);
    QCOMPARE(int(window.object().columns), 2);

    layout::LayoutObject title = test::sampleObject(ObjectKind::Title, "Title");
    title.columns = 1;
    layout::TObjectProp titleWindow(workspace.context(), title, nullptr);
    test::box(titleWindow, "ColumnsBox")->setText("0");
    test::click(titleWindow, "OkButton");
    QVERIFY(titleWindow.ok());
    QCOMPARE(int(titleWindow.object().columns), 1);

    layout::TObjectProp cancelled(workspace.context(), object, nullptr);
    test::click(cancelled, "CancelButton");
    QVERIFY(!cancelled.ok());
}

void ObjectPropTest::screenshots()
{
    test::TestWorkspace workspace;
    layout::LayoutObject combined = test::sampleObject(ObjectKind::CombinedClues, "Combined Clues");
    combined.columns = 2;
    layout::TObjectProp window(workspace.context(), combined, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::saveScreenshot(&window, "TObjectProp-combined");
    layout::TObjectProp bitmap(
        workspace.context(), test::sampleObject(ObjectKind::Bitmap, "Bitmap 1"), nullptr);
    bitmap.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bitmap));
    test::saveScreenshot(&bitmap, "TObjectProp-bitmap");
}

QTEST_MAIN(ObjectPropTest)
#include "tst_TObjectProp.moc"
