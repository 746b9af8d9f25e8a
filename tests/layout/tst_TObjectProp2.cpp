#include "layout/ObjectDialogTesting.h"
#include "layout/TObjectProp2.h"
#include "uisupport/UiTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

using namespace gw;

class ObjectProp2Test : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colourButtonsOpenOnTheColourAndRepaint();
    void skeletonDisablesTheFillColour();
    void refusesALineWidthBelowOne();
    void screenshots();
};

namespace {

layout::LayoutObject puzzle()
{
    layout::LayoutObject object = test::sampleObject(layout::ObjectKind::Puzzle, "Puzzle");
    object.fillColour = 0x000000;
    object.blockColour = 0xFFFFFF;
    object.lineColour = 0x0000FF; // red
    object.lineWidth = 1;
    object.transparent = 0;
    return object;
}

} // namespace

// Each button opens the colour dialog on its colour; a chosen colour repaints the swatch and
// OK stores it; a cancelled dialog changes nothing.
void ObjectProp2Test::colourButtonsOpenOnTheColourAndRepaint()
{
    test::TestWorkspace workspace;
    test::ScriptedChoices choices;
    layout::TObjectProp2 window(workspace.context(), puzzle(), nullptr);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Properties for Puzzle"));
    QCOMPARE(window.findChild<QLabel *>("FillColourLabel")->text(), QString("Puzzle Fill Color"));
    QCOMPARE(window.findChild<QLabel *>("BlockColourLabel")->text(), QString("Puzzle Block Color"));
    QCOMPARE(window.findChild<QLabel *>("LineColourLabel")->text(), QString("Puzzle Line Color"));
    QCOMPARE(window.findChild<QLabel *>("LineWidthLabel")->text(), QString("Puzzle Line Width"));
    QCOMPARE(window.findChild<QPushButton *>("FillColourButton")->text(), QString("C&hange Color"));
    QCOMPARE(window.findChild<QPushButton *>("BlockColourButton")->text(), QString("Ch&ange Color"));
    QCOMPARE(test::box(window, "LineWidthBox")->maxLength(), 1);

    choices.colours.push_back(QColor(0, 0, 255));
    test::click(window, "LineColourButton");
    QCOMPARE(choices.colourPresets.back(), QColor(255, 0, 0));
    QVERIFY(window.findChild<QLabel *>("LineColourSwatch")->styleSheet().contains("#0000ff"));
    choices.colours.push_back(std::nullopt);
    test::click(window, "BlockColourButton");
    QCOMPARE(choices.colourPresets.back(), QColor(255, 255, 255));
    choices.colours.push_back(QColor(0x12, 0x34, 0x56));
    test::click(window, "FillColourButton");
    test::click(window, "OkButton");
    QVERIFY(window.ok());
    QCOMPARE(quint32(window.object().lineColour), quint32(0xFF0000));
    QCOMPARE(quint32(window.object().blockColour), quint32(0xFFFFFF));
    QCOMPARE(quint32(window.object().fillColour), quint32(0x563412));
}

// A skeleton puzzle has no fill: its colour button is disabled while the box is checked.
void ObjectProp2Test::skeletonDisablesTheFillColour()
{
    test::TestWorkspace workspace;
    layout::LayoutObject skeleton = puzzle();
    skeleton.transparent = 1;
    layout::TObjectProp2 window(workspace.context(), skeleton, nullptr);
    auto *check = window.findChild<QCheckBox *>("SkeletonCheck");
    QCOMPARE(check->text(), QString("Skeleton Puzzle"));
    QVERIFY(check->isChecked());
    QVERIFY(!window.findChild<QPushButton *>("FillColourButton")->isEnabled());
    QVERIFY(window.findChild<QPushButton *>("LineColourButton")->isEnabled());
    window.show();
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(7, check->height() / 2));
    QVERIFY(window.findChild<QPushButton *>("FillColourButton")->isEnabled());
    test::retype(window, "LineWidthBox", "3");
    test::click(window, "OkButton");
    QCOMPARE(int(window.object().transparent), 0);
    QCOMPARE(int(window.object().lineWidth), 3);
}

void ObjectProp2Test::refusesALineWidthBelowOne()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    for (const QString typed : { "0", "a", "-" }) {
        layout::TObjectProp2 window(workspace.context(), puzzle(), nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        test::retype(window, "LineWidthBox", typed);
        test::click(window, "OkButton");
        QCOMPARE(dialogs.lastMessage(), QString("Error|Invalid width entered."));
        QCOMPARE(window.focusWidget(), test::box(window, "LineWidthBox"));
        QVERIFY(!window.ok());
    }
}

void ObjectProp2Test::screenshots()
{
    test::TestWorkspace workspace;
    layout::TObjectProp2 window(workspace.context(), puzzle(), nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::saveScreenshot(&window, "TObjectProp2");
}

QTEST_MAIN(ObjectProp2Test)
#include "tst_TObjectProp2.moc"
