#include "layout/ObjectDialogTesting.h"
#include "layout/TObjectBorders.h"
#include "uisupport/UiTestSupport.h"

#include <QPushButton>
#include <QtTest>

using namespace gw;

namespace {

layout::LayoutObject rectangle(bool border)
{
    layout::LayoutObject object = test::sampleObject(layout::ObjectKind::Rectangle, "Rectangle 1");
    object.useBorder = border ? 1 : 0;
    object.borderWidth = 2;
    object.borderColour = 0;
    return object;
}

} // namespace

class ObjectBordersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void useBorderEnablesWidthAndColour()
    {
        test::TestWorkspace workspace;
        test::ScriptedChoices choices;
        layout::TObjectBorders window(workspace.context(), rectangle(false), nullptr);
        window.show();
        test::saveScreenshot(&window, "TObjectBorders");
        QCOMPARE(window.windowTitle(), QString("Border Info for Rectangle 1"));
        QVERIFY(!test::box(window, "WidthBox")->isEnabled());
        QVERIFY(!window.findChild<QPushButton *>("BorderColourButton")->isEnabled());
        test::toggle(window, "UseBorderCheck");
        QVERIFY(test::box(window, "WidthBox")->isEnabled());
        choices.colours.push_back(QColor(0, 128, 0));
        test::clickButton(window, "BorderColourButton");
        QCOMPARE(choices.colourPresets.back(), QColor(0, 0, 0));
        test::retype(window, "WidthBox", "5");
        test::clickButton(window, "OkButton");
        QVERIFY(window.ok());
        QCOMPARE(int(window.object().useBorder), 1);
        QCOMPARE(int(window.object().borderWidth), 5);
        QCOMPARE(quint32(window.object().borderColour), quint32(0x008000));
    }

    // With the border on, "0" is refused.  With it off the box cannot be reached, so whatever it
    // holds is neither checked nor stored.
    void refusesAWidthBelowOne()
    {
        test::TestWorkspace workspace;
        test::ScriptedDialogs dialogs;
        layout::TObjectBorders window(workspace.context(), rectangle(true), nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        test::retype(window, "WidthBox", "0");
        test::clickButton(window, "OkButton");
        QCOMPARE(dialogs.lastMessage(), QString("Error|Invalid width entered."));
        QCOMPARE(window.focusWidget(), test::box(window, "WidthBox"));
        QVERIFY(!window.ok());

        dialogs.clear();
        test::toggle(window, "UseBorderCheck");
        test::clickButton(window, "OkButton");
        QVERIFY(dialogs.messages().empty());
        QVERIFY(window.ok());
        QCOMPARE(int(window.object().useBorder), 0);
        QCOMPARE(int(window.object().borderWidth), 2);
    }
};

QTEST_MAIN(ObjectBordersTest)
#include "tst_TObjectBorders.moc"
