#include "app/InternationalTyping.h"
#include "app/TIntlChars.h"
#include "uisupport/UiTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

using namespace gw;

class IntlCharsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void offersTheUpperHalfOfTheCodePage();
    void presetsFromTheSettings();
    void okStoresFourCharacterCodes();
    void cancelStoresNothing();
    void typingDeliversTheCharacter();
    void screenshots();
};

// Each key offers the 64 characters 192..255, shown as themselves.
void IntlCharsTest::offersTheUpperHalfOfTheCodePage()
{
    test::TestWorkspace workspace;
    app::TIntlChars window(workspace.context(), nullptr);
    QCOMPARE(window.windowTitle(), QString("International Characters"));
    QCOMPARE(window.findChild<QLabel *>("IntText")->text(),
        QString(
            "The function keys F1 through F12 can be assigned any number of international characters.  The "
            "function keys will play back the assigned international key in the Puzzle Creation Window."));
    for (int k = 1; k <= 12; ++k) {
        auto *keys = window.findChild<QComboBox *>(QString("Key%1").arg(k));
        QVERIFY(keys);
        QCOMPARE(keys->count(), 64);
        QCOMPARE(keys->itemText(0), QString("\u00c0"));
        QCOMPARE(keys->itemText(63), QString("\u00ff"));
        QCOMPARE(window.findChild<QLabel *>(QString("F%1Label").arg(k))->text(), QString("F%1").arg(k));
    }
}

// Stored codes preset the drop-downs; a code outside 192..255 shows character 192.
void IntlCharsTest::presetsFromTheSettings()
{
    test::TestWorkspace workspace;
    auto &keys = workspace.context().settings.intKeys;
    QCOMPARE(QString::fromStdString(keys[0]), QString("0225"));
    keys[1] = "0191";
    keys[2] = "0256";
    keys[3] = "abc";
    keys[4] = "";
    keys[5] = "0255";
    app::TIntlChars window(workspace.context(), nullptr);
    const auto code = [&](int key) {
        return window.findChild<QComboBox *>(QString("Key%1").arg(key))->currentData().toInt();
    };
    QCOMPARE(code(1), 225);
    QCOMPARE(code(2), 192);
    QCOMPARE(code(3), 192);
    QCOMPARE(code(4), 192);
    QCOMPARE(code(5), 192);
    QCOMPARE(code(6), 255);
    QCOMPARE(window.findChild<QComboBox *>("Key1")->currentText(), QString("\u00e1"));
}

// Ok stores every key as "0" and the decimal code.
void IntlCharsTest::okStoresFourCharacterCodes()
{
    test::TestWorkspace workspace;
    auto &keys = workspace.context().settings.intKeys;
    keys[11] = "9";
    app::TIntlChars window(workspace.context(), nullptr);
    window.findChild<QComboBox *>("Key1")->setCurrentIndex(233 - 192);
    window.findChild<QComboBox *>("Key7")->setCurrentIndex(0);
    QTest::mouseClick(window.findChild<QPushButton *>("OkButton"), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    const std::array<std::string, 12> expected
        = { "0233", "0233", "0237", "0243", "0241", "0246", "0192", "0228", "0229", "0224", "0232", "0192" };
    for (std::size_t k = 0; k < expected.size(); ++k)
        QCOMPARE(QString::fromStdString(keys[k]), QString::fromStdString(expected[k]));
}

// Cancel closes without touching the settings.
void IntlCharsTest::cancelStoresNothing()
{
    test::TestWorkspace workspace;
    const auto before = workspace.context().settings.intKeys;
    workspace.context().settings.intKeys[3] = "0300";
    app::TIntlChars window(workspace.context(), nullptr);
    window.findChild<QComboBox *>("Key1")->setCurrentIndex(5);
    QTest::mouseClick(window.findChild<QPushButton *>("CancelButton"), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(
        QString::fromStdString(workspace.context().settings.intKeys[0]), QString::fromStdString(before[0]));
    QCOMPARE(QString::fromStdString(workspace.context().settings.intKeys[3]), QString("0300"));
}

// A stored code types its Windows-1252 character into the focused field, a table cell
// included; codes naming no character type nothing.
void IntlCharsTest::typingDeliversTheCharacter()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *edit = new QLineEdit(&window);
    auto *table = new QTableWidget(3, 2, &window);
    layout->addWidget(edit);
    layout->addWidget(table);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());

    app::typeInternationalCharacter("0225");
    app::typeInternationalCharacter("0241");
    QCOMPARE(edit->text(), QString("\u00e1\u00f1"));
    app::typeInternationalCharacter("");
    app::typeInternationalCharacter("0000");
    app::typeInternationalCharacter("0300");
    QCOMPARE(edit->text(), QString("\u00e1\u00f1"));
    // 128 is the euro sign in Windows-1252, not a control character.
    app::typeInternationalCharacter("0128");
    QCOMPARE(edit->text(), QString("\u00e1\u00f1\u20ac"));

    table->setFocus();
    table->setCurrentCell(1, 1);
    QTRY_VERIFY(table->hasFocus());
    app::typeInternationalCharacter("0246");
    QApplication::focusWidget()->clearFocus();
    QTRY_VERIFY(table->item(1, 1) != nullptr);
    QCOMPARE(table->item(1, 1)->text(), QString("\u00f6"));
}

// Pictures at the scales 1.0 and 1.6, for looking at clipped texts and overlaps.
void IntlCharsTest::screenshots()
{
    test::TestWorkspace workspace;
    for (double factor : { 1.0, 1.6 }) {
        workspace.context().scaleFactor = factor;
        app::TIntlChars window(workspace.context(), nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        test::saveScreenshot(&window, QString("TIntlChars-%1").arg(qRound(factor * 100)));
    }
}

QTEST_MAIN(IntlCharsTest)
#include "tst_TIntlChars.moc"
