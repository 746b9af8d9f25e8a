#include "layout/ObjectDialogTesting.h"
#include "layout/TNumberClueFont.h"
#include "uisupport/UiTestSupport.h"

#include <QRadioButton>
#include <QtTest>

using namespace gw;

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

class NumberClueFontTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The radio buttons start on the object's orientation.  The font dialog opens on the number
    // font and its colour; face (cut to 30), size, colour and styles are stored; a cancelled dialog
    // changes nothing.
    void okStoresOrientationAndChosenFont()
    {
        test::TestWorkspace workspace;
        test::ScriptedChoices choices;
        layout::TNumberClueFont window(workspace.context(), puzzle(false), nullptr);
        QVERIFY(window.findChild<QRadioButton *>("VerticalRadio")->isChecked());
        window.show();
        test::saveScreenshot(&window, "TNumberClueFont");
        test::clickButton(window, "FontButton");
        QCOMPARE(choices.fontPresets.back().font.family(), QString("Arial"));
        QCOMPARE(choices.fontPresets.back().font.pointSize(), 5);
        QCOMPARE(choices.fontPresets.back().colour, QColor(255, 0, 0));
        QCOMPARE(window.object().numberFont.face.view(), std::string_view("Arial"));

        QFont chosen(QString(40, 'F'));
        chosen.setPointSize(7);
        chosen.setBold(true);
        chosen.setStrikeOut(true);
        choices.fonts.push_back(app::FontChoice { chosen, QColor(0x12, 0x34, 0x56) });
        test::clickButton(window, "FontButton");
        test::clickButton(window, "HorizontalRadio");
        test::clickButton(window, "OkButton");
        QVERIFY(window.ok());
        QCOMPARE(int(window.object().numberHorizontal), 1);
        const layout::LayoutFont font = window.object().numberFont;
        QCOMPARE(font.face.view(), std::string_view(std::string(30, 'F')));
        QCOMPARE(int(font.size), 7);
        QCOMPARE(int(font.style.bold), 1);
        QCOMPARE(int(font.style.italic), 0);
        QCOMPARE(int(font.style.strikeout), 1);
        QCOMPARE(quint32(font.colour), quint32(0x563412));
    }
};

QTEST_MAIN(NumberClueFontTest)
#include "tst_TNumberClueFont.moc"
