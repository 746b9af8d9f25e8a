#include "layout/ObjectDialogTesting.h"
#include "layout/TObjectFill.h"
#include "uisupport/UiTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

using namespace gw;

class ObjectFillTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fillInShapeEnablesTheColour();
    void screenshots();
};

namespace {

layout::LayoutObject rectangle()
{
    layout::LayoutObject object = test::sampleObject(layout::ObjectKind::Rectangle, "Rectangle 1");
    object.fillInShape = 0;
    object.fillColour = 0xFFFFFF;
    return object;
}

} // namespace

// The colour button works only while Fill In Shape is checked; OK stores both, Cancel neither.
void ObjectFillTest::fillInShapeEnablesTheColour()
{
    test::TestWorkspace workspace;
    test::ScriptedChoices choices;
    layout::TObjectFill window(workspace.context(), rectangle(), nullptr);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Fill Info for Rectangle 1"));
    QCOMPARE(window.findChild<QLabel *>("FillColourLabel")->text(), QString("Fill Color"));
    auto *check = window.findChild<QCheckBox *>("FillInShapeCheck");
    QCOMPARE(check->text(), QString("&Fill In Shape"));
    QVERIFY(!window.findChild<QPushButton *>("FillColourButton")->isEnabled());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(7, check->height() / 2));
    QVERIFY(window.findChild<QPushButton *>("FillColourButton")->isEnabled());
    choices.colours.push_back(QColor(255, 255, 0));
    test::click(window, "FillColourButton");
    test::click(window, "OkButton");
    QVERIFY(window.ok());
    QCOMPARE(int(window.object().fillInShape), 1);
    QCOMPARE(quint32(window.object().fillColour), quint32(0x00FFFF));

    layout::TObjectFill cancelled(workspace.context(), rectangle(), nullptr);
    test::toggle(cancelled, "FillInShapeCheck");
    test::click(cancelled, "CancelButton");
    QVERIFY(!cancelled.ok());
}

void ObjectFillTest::screenshots()
{
    test::TestWorkspace workspace;
    layout::TObjectFill fill(workspace.context(), rectangle(), nullptr);
    fill.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fill));
    test::saveScreenshot(&fill, "TObjectFill");
}

QTEST_MAIN(ObjectFillTest)
#include "tst_TObjectFill.moc"
