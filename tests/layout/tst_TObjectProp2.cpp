#include "layout/ObjectDialogTesting.h"
#include "layout/TObjectProp2.h"
#include "uisupport/UiTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace gw;

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

class ObjectProp2Test : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each button opens the colour dialog on its colour; a chosen colour repaints the swatch and
    // OK stores it; a cancelled dialog changes nothing.
    void colourButtonsOpenOnTheColourAndRepaint()
    {
        test::TestWorkspace workspace;
        test::ScriptedChoices choices;
        layout::TObjectProp2 window(workspace.context(), puzzle(), nullptr);
        window.show();
        test::saveScreenshot(&window, "TObjectProp2");
        choices.colours.push_back(QColor(0, 0, 255));
        test::clickButton(window, "LineColourButton");
        QCOMPARE(choices.colourPresets.back(), QColor(255, 0, 0));
        QVERIFY(window.findChild<QLabel *>("LineColourSwatch")->styleSheet().contains("#0000ff"));
        choices.colours.push_back(std::nullopt);
        test::clickButton(window, "BlockColourButton");
        QCOMPARE(choices.colourPresets.back(), QColor(255, 255, 255));
        choices.colours.push_back(QColor(0x12, 0x34, 0x56));
        test::clickButton(window, "FillColourButton");
        test::clickButton(window, "OkButton");
        QVERIFY(window.ok());
        QCOMPARE(quint32(window.object().lineColour), quint32(0xFF0000));
        QCOMPARE(quint32(window.object().blockColour), quint32(0xFFFFFF));
        QCOMPARE(quint32(window.object().fillColour), quint32(0x563412));
    }

    // A skeleton puzzle has no fill: its colour button is disabled while the box is checked.  A
    // line width below one is refused.
    void skeletonDisablesTheFillColour()
    {
        test::TestWorkspace workspace;
        test::ScriptedDialogs dialogs;
        layout::LayoutObject skeleton = puzzle();
        skeleton.transparent = 1;
        layout::TObjectProp2 window(workspace.context(), skeleton, nullptr);
        QVERIFY(!window.findChild<QPushButton *>("FillColourButton")->isEnabled());
        QVERIFY(window.findChild<QPushButton *>("LineColourButton")->isEnabled());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        test::toggle(window, "SkeletonCheck");
        QVERIFY(window.findChild<QPushButton *>("FillColourButton")->isEnabled());
        test::retype(window, "LineWidthBox", "0");
        test::clickButton(window, "OkButton");
        QCOMPARE(dialogs.lastMessage(), QString("Error|Invalid width entered."));
        QCOMPARE(window.focusWidget(), test::box(window, "LineWidthBox"));
        QVERIFY(!window.ok());
        test::retype(window, "LineWidthBox", "3");
        test::clickButton(window, "OkButton");
        QVERIFY(window.ok());
        QCOMPARE(int(window.object().transparent), 0);
        QCOMPARE(int(window.object().lineWidth), 3);
    }
};

QTEST_MAIN(ObjectProp2Test)
#include "tst_TObjectProp2.moc"
