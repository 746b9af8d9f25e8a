#include "app/TTipOfDay.h"
#include "app/TipTexts.h"
#include "platform/QtText.h"
#include "uisupport/UiTestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
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
    void screenshots();
};

// 32 different tips, none empty and none over 180 characters.
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

// "Next Tip" walks the tips in order and shows tip 1 after tip 32.
void TipOfDayTest::nextTipWrapsAfterTheLast()
{
    test::TestWorkspace workspace;
    app::TTipOfDay window(workspace.context(), 31, nullptr);
    QCOMPARE(window.windowTitle(), QString("Tip of the Day"));
    QCOMPARE(window.findChild<QLabel *>("TipHeading")->text(), QString("Did you know?"));
    auto *text = window.findChild<QLabel *>("TipText");
    auto *next = window.findChild<QPushButton *>("NextTip");
    QCOMPARE(next->text(), QString("Next Tip"));
    QCOMPARE(window.findChild<QPushButton *>("CloseButton")->text(), QString("Close"));
    QCOMPARE(text->text(), toQString(app::tipTexts()[31]));
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(window.shownTip(), 0);
    QCOMPARE(text->text(), toQString(app::tipTexts()[0]));
    for (int k = 0; k < app::TipCount; ++k)
        QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(window.shownTip(), 0);

    // A first tip out of range is held inside the list.
    app::TTipOfDay beyond(workspace.context(), 40, nullptr);
    QCOMPARE(beyond.shownTip(), 31);
}

// The check box shows "Show Tips" and is stored on Close and on Escape alike.
void TipOfDayTest::checkBoxIsStoredHoweverTheWindowCloses()
{
    test::TestWorkspace workspace;
    app::AppContext &context = workspace.context();
    context.settings.showTips = true;
    {
        app::TTipOfDay window(context, 0, nullptr);
        auto *box = window.findChild<QCheckBox *>("ShowTips");
        QCOMPARE(box->text(), QString("Show Tips at Startup"));
        QVERIFY(box->isChecked());
        box->setChecked(false);
        QVERIFY(context.settings.showTips);
        QTest::mouseClick(window.findChild<QPushButton *>("CloseButton"), Qt::LeftButton);
        QVERIFY(!context.settings.showTips);
    }
    {
        app::TTipOfDay window(context, 0, nullptr);
        window.show();
        QVERIFY(!window.findChild<QCheckBox *>("ShowTips")->isChecked());
        window.findChild<QCheckBox *>("ShowTips")->setChecked(true);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QVERIFY(context.settings.showTips);
    }
}

// Pictures at the scales 1.0 and 1.6, for looking at clipped texts and overlaps.
void TipOfDayTest::screenshots()
{
    test::TestWorkspace workspace;
    for (double factor : { 1.0, 1.6 }) {
        workspace.context().scaleFactor = factor;
        app::TTipOfDay window(workspace.context(), 3, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        test::saveScreenshot(&window, QString("TTipOfDay-%1").arg(qRound(factor * 100)));
        if (factor == 1.6)
            QCOMPARE(window.size(), QSize(640, 342));
    }
}

QTEST_MAIN(TipOfDayTest)
#include "tst_TTipOfDay.moc"
