#include "app/TTipOfDay.h"
#include "app/TipTexts.h"
#include "render/TextConversion.h"
#include "uisupport/UiTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QSet>
#include <QTest>

using namespace gw;

class TipOfDayTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tipsAreRealAndShort();
    void nextTipWrapsAfterTheLast();
    void checkBoxIsStoredHoweverTheWindowCloses();
};

// 32 different tips, none empty and none longer than the tip text holds.
void TipOfDayTest::tipsAreRealAndShort()
{
    QSet<QString> seen;
    for (std::string_view tip : app::tipTexts()) {
        QVERIFY(!tip.empty());
        QVERIFY2(tip.size() <= app::TipCapacity, std::string(tip).c_str());
        seen.insert(toQString(tip));
    }
    QCOMPARE(seen.size(), 32);
}

// "Next Tip" walks the tips in order and shows tip 1 after tip 32; a first tip out of range is
// held inside the list.
void TipOfDayTest::nextTipWrapsAfterTheLast()
{
    test::TestWorkspace workspace;
    app::TTipOfDay window(workspace.context(), 31, nullptr);
    auto *text = window.findChild<QLabel *>("TipText");
    QCOMPARE(text->text(), toQString(app::tipTexts()[31]));
    test::clickButton(window, "NextTip");
    QCOMPARE(window.shownTip(), 0);
    QCOMPARE(text->text(), toQString(app::tipTexts()[0]));
    for (int k = 0; k < app::TipCount; ++k)
        test::clickButton(window, "NextTip");
    QCOMPARE(window.shownTip(), 0);

    app::TTipOfDay beyond(workspace.context(), 40, nullptr);
    QCOMPARE(beyond.shownTip(), 31);
}

// The check box is stored on Close and on Escape alike, and only then.
void TipOfDayTest::checkBoxIsStoredHoweverTheWindowCloses()
{
    test::TestWorkspace workspace;
    app::AppContext &context = workspace.context();
    context.settings.showTips = true;
    {
        app::TTipOfDay window(context, 0, nullptr);
        auto *box = window.findChild<QCheckBox *>("ShowTips");
        box->setChecked(false);
        QVERIFY(context.settings.showTips);
        test::clickButton(window, "CloseButton");
        QVERIFY(!context.settings.showTips);
    }
    app::TTipOfDay window(context, 0, nullptr);
    window.show();
    QVERIFY(!window.findChild<QCheckBox *>("ShowTips")->isChecked());
    window.findChild<QCheckBox *>("ShowTips")->setChecked(true);
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QVERIFY(context.settings.showTips);
}

QTEST_MAIN(TipOfDayTest)
#include "tst_TTipOfDay.moc"
