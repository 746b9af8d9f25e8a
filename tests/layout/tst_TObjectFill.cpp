#include "layout/ObjectDialogTesting.h"
#include "layout/TObjectFill.h"
#include "uisupport/UiTestSupport.h"

#include <QPushButton>
#include <QtTest>

using namespace gw;

class ObjectFillTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The colour button works only while Fill In Shape is checked; OK stores both, Cancel neither.
    void fillInShapeEnablesTheColour()
    {
        test::TestWorkspace workspace;
        test::ScriptedChoices choices;
        layout::LayoutObject rectangle = test::sampleObject(layout::ObjectKind::Rectangle, "Rectangle 1");
        rectangle.fillInShape = 0;
        rectangle.fillColour = 0xFFFFFF;
        layout::TObjectFill window(workspace.context(), rectangle, nullptr);
        window.show();
        test::saveScreenshot(&window, "TObjectFill");
        QVERIFY(!window.findChild<QPushButton *>("FillColourButton")->isEnabled());
        test::toggle(window, "FillInShapeCheck");
        QVERIFY(window.findChild<QPushButton *>("FillColourButton")->isEnabled());
        choices.colours.push_back(QColor(255, 255, 0));
        test::clickButton(window, "FillColourButton");
        test::clickButton(window, "OkButton");
        QVERIFY(window.ok());
        QCOMPARE(int(window.object().fillInShape), 1);
        QCOMPARE(quint32(window.object().fillColour), quint32(0x00FFFF));

        layout::TObjectFill cancelled(workspace.context(), rectangle, nullptr);
        test::toggle(cancelled, "FillInShapeCheck");
        test::clickButton(cancelled, "CancelButton");
        QVERIFY(!cancelled.ok());
    }
};

QTEST_MAIN(ObjectFillTest)
#include "tst_TObjectFill.moc"
