#include "layout/ObjectDialogTesting.h"
#include "layout/TObjectBorders.h"
#include "uisupport/UiTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

using namespace gw;

class ObjectBordersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void useBorderEnablesWidthAndColour();
    void refusesAWidthBelowOne();
    void screenshots();
};

namespace {

layout::LayoutObject rectangle(bool border, bool fill)
{
    layout::LayoutObject object = test::sampleObject(layout::ObjectKind::Rectangle, "Rectangle 1");
    object.useBorder = border ? 1 : 0;
    object.borderWidth = 2;
    object.borderColour = 0;
    object.fillInShape = fill ? 1 : 0;
    object.fillColour = 0xFFFFFF;
    return object;
}

} // namespace

void ObjectBordersTest::useBorderEnablesWidthAndColour()
{
    test::TestWorkspace workspace;
    test::ScriptedChoices choices;
    layout::TObjectBorders window(workspace.context(), rectangle(false, false), nullptr);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Border Info for Rectangle 1"));
    QCOMPARE(window.findChild<QLabel *>("BorderColourLabel")->text(), QString("Border Color"));
    QCOMPARE(window.findChild<QLabel *>("WidthLabel")->text(), QString("Width"));
    auto *check = window.findChild<QCheckBox *>("UseBorderCheck");
    QCOMPARE(check->text(), QString("&Use Border"));
    QVERIFY(!test::box(window, "WidthBox")->isEnabled());
    QVERIFY(!window.findChild<QPushButton *>("BorderColourButton")->isEnabled());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(7, check->height() / 2));
    QVERIFY(test::box(window, "WidthBox")->isEnabled());
    choices.colours.push_back(QColor(0, 128, 0));
    test::click(window, "BorderColourButton");
    QCOMPARE(choices.colourPresets.back(), QColor(0, 0, 0));
    test::retype(window, "WidthBox", "5");
    test::click(window, "OkButton");
    QVERIFY(window.ok());
    QCOMPARE(int(window.object().useBorder), 1);
    QCOMPARE(int(window.object().borderWidth), 5);
    QCOMPARE(quint32(window.object().borderColour), quint32(0x008000));
}

// With the border on, "0" or a letter is refused.  With it off the box cannot be reached, so
// whatever it holds is neither checked nor stored.
void ObjectBordersTest::refusesAWidthBelowOne()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    for (const QString typed : { "0", "b" }) {
        layout::TObjectBorders window(workspace.context(), rectangle(true, false), nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        test::retype(window, "WidthBox", typed);
        test::click(window, "OkButton");
        QCOMPARE(dialogs.lastMessage(), QString("Error|Invalid width entered."));
        QCOMPARE(window.focusWidget(), test::box(window, "WidthBox"));
        QVERIFY(!window.ok());
    }
    dialogs.clear();
    layout::TObjectBorders off(workspace.context(), rectangle(true, false), nullptr);
    off.show();
    test::retype(off, "WidthBox", "0");
    test::toggle(off, "UseBorderCheck");
    test::click(off, "OkButton");
    QVERIFY(dialogs.messages().empty());
    QVERIFY(off.ok());
    QCOMPARE(int(off.object().useBorder), 0);
    QCOMPARE(int(off.object().borderWidth), 2);
}

void ObjectBordersTest::screenshots()
{
    test::TestWorkspace workspace;
    layout::TObjectBorders borders(workspace.context(), rectangle(true, true), nullptr);
    borders.show();
    QVERIFY(QTest::qWaitForWindowExposed(&borders));
    test::saveScreenshot(&borders, "TObjectBorders");
}

QTEST_MAIN(ObjectBordersTest)
#include "tst_TObjectBorders.moc"
