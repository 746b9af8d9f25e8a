#include "layout/ObjectDialogTesting.h"
#include "layout/TNumberClueFont.h"
#include "uisupport/UiTestSupport.h"

#include <QRadioButton>
#include <QtTest>

using namespace gw;

class NumberClueFontTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void orientationFollowsTheObject();
    void changeFontStoresTheChosenFont();
    void screenshots();
};

namespace {

layout::LayoutObject puzzle(bool horizontal)
{
    layout::LayoutObject object = test::sampleObject(layout::ObjectKind::Puzzle, "Puzzle");
    object.numberFont.face.assign("Arial");
    object.numberFont.size = 5;
    object.numberFont.colour = 0x0000FF;
    object.numberHorizontal = horizontal ? 1 : 0;
    return object;
}

} // namespace

void NumberClueFontTest::orientationFollowsTheObject()
{
    test::TestWorkspace workspace;
    layout::TNumberClueFont vertical(workspace.context(), puzzle(false), nullptr);
    QCOMPARE(vertical.windowTitle(), QString("Numbers In Puzzle"));
    QCOMPARE(vertical.findChild<QRadioButton *>("HorizontalRadio")->text(), QString("&Horizontal"));
    QCOMPARE(vertical.findChild<QRadioButton *>("VerticalRadio")->text(), QString("&Vertical"));
    QVERIFY(vertical.findChild<QRadioButton *>("VerticalRadio")->isChecked());
    vertical.show();
    QTest::mouseClick(vertical.findChild<QRadioButton *>("HorizontalRadio"), Qt::LeftButton);
    test::click(vertical, "OkButton");
    QVERIFY(vertical.ok());
    QCOMPARE(int(vertical.object().numberHorizontal), 1);

    layout::TNumberClueFont horizontal(workspace.context(), puzzle(true), nullptr);
    horizontal.show();
    QVERIFY(horizontal.findChild<QRadioButton *>("HorizontalRadio")->isChecked());
    QTest::mouseClick(horizontal.findChild<QRadioButton *>("VerticalRadio"), Qt::LeftButton);
    test::click(horizontal, "CancelButton");
    QVERIFY(!horizontal.ok());
}

// The font dialog opens on the number font and its colour; face (cut to 30), size, colour and
// styles are stored; a cancelled dialog changes nothing.
void NumberClueFontTest::changeFontStoresTheChosenFont()
{
    test::TestWorkspace workspace;
    test::ScriptedChoices choices;
    layout::TNumberClueFont window(workspace.context(), puzzle(true), nullptr);
    QCOMPARE(window.findChild<QPushButton *>("FontButton")->text(), QString("Change &Font"));
    test::click(window, "FontButton");
    QCOMPARE(choices.fontPresets.back().font.family(), QString("Arial"));
    QCOMPARE(choices.fontPresets.back().font.pointSize(), 5);
    QCOMPARE(choices.fontPresets.back().colour, QColor(255, 0, 0));
    QCOMPARE(window.object().numberFont.face.view(), std::string_view("Arial"));

    QFont chosen(QString(40, 'F'));
    chosen.setPointSize(7);
    chosen.setBold(true);
    chosen.setStrikeOut(true);
    choices.fonts.push_back(app::FontChoice { chosen, QColor(0x12, 0x34, 0x56) });
    test::click(window, "FontButton");
    test::click(window, "OkButton");
    const layout::LayoutFont font = window.object().numberFont;
    QCOMPARE(font.face.view(), std::string_view(std::string(30, 'F')));
    QCOMPARE(int(font.size), 7);
    QCOMPARE(int(font.style.bold), 1);
    QCOMPARE(int(font.style.italic), 0);
    QCOMPARE(int(font.style.strikeout), 1);
    QCOMPARE(quint32(font.colour), quint32(0x563412));
}

void NumberClueFontTest::screenshots()
{
    test::TestWorkspace workspace;
    layout::TNumberClueFont window(workspace.context(), puzzle(true), nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::saveScreenshot(&window, "TNumberClueFont");
}

QTEST_MAIN(NumberClueFontTest)
#include "tst_TNumberClueFont.moc"
