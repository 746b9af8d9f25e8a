#include "layout/TClueHeaders.h"
#include "uisupport/UiTestSupport.h"

#include <QLineEdit>
#include <QTest>

using namespace gw;

class ClueHeadersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The boxes start on the headings given, under the caller's caption.  Ok stores both texts as
    // typed texts are stored: trimmed, Windows-1252, cut to 25; Cancel changes neither.
    void okStoresTrimmedTextsWithinTheCapacity()
    {
        test::TestWorkspace workspace;
        std::string across = "Across";
        std::string down = "D\xf6wn";
        layout::TClueHeaders window(workspace.context(), across, down, "Default Clue Headers", nullptr);
        window.show();
        test::saveScreenshot(&window, "TClueHeaders");
        QCOMPARE(window.windowTitle(), QString("Default Clue Headers"));
        auto *acrossBox = window.findChild<QLineEdit *>("AcrossHeader");
        auto *downBox = window.findChild<QLineEdit *>("DownHeader");
        QCOMPARE(acrossBox->text(), QString("Across"));
        QCOMPARE(downBox->text(), QString("D\u00f6wn"));

        acrossBox->clear();
        QTest::keyClicks(acrossBox, "  Horizontal  ");
        downBox->setText("Verticale \u00e0 \u20ac\u0416");
        test::clickButton(window, "OkButton");
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(across, std::string("Horizontal"));
        QCOMPARE(down, std::string("Verticale \xe0 \x80?"));

        // Text set past the box's limit is still cut to the capacity.
        acrossBox->setMaxLength(100);
        acrossBox->setText(QString(40, 'x'));
        downBox->setText(QString(40, 'y'));
        test::clickButton(window, "CancelButton");
        QCOMPARE(across, std::string("Horizontal"));
        test::clickButton(window, "OkButton");
        QCOMPARE(across, std::string(25, 'x'));
        QCOMPARE(down, std::string(25, 'y'));
    }
};

QTEST_MAIN(ClueHeadersTest)
#include "tst_TClueHeaders.moc"
