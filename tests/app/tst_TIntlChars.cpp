#include "ui/InternationalTyping.h"
#include "ui/TIntlChars.h"
#include "uisupport/UiTestSupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

using namespace gw;

class IntlCharsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void presetsThenOkStoresFourCharacterCodes();
    void typingDeliversTheCharacter();
};

namespace {

QComboBox *key(app::TIntlChars &window, int number)
{
    return window.findChild<QComboBox *>(QString("Key%1").arg(number));
}

} // namespace

// Stored codes preset the drop-downs, and a code outside 192..255 shows character 192.  Cancel closes without
// touching the settings; Ok stores every key as "0" and the decimal code, an unusable stored code included.
void IntlCharsTest::presetsThenOkStoresFourCharacterCodes()
{
    test::TestWorkspace workspace;
    auto &keys = workspace.context().settings.intKeys;
    keys[1] = "0191";
    keys[2] = "0256";
    keys[3] = "abc";
    keys[4] = "";
    keys[5] = "0255";
    keys[11] = "9";
    const auto before = keys;
    {
        app::TIntlChars window(workspace.context(), nullptr);
        QList<int> codes;
        for (int k = 1; k <= 6; ++k)
            codes << key(window, k)->currentData().toInt();
        QCOMPARE(codes, QList<int>({ 225, 192, 192, 192, 192, 255 }));
        key(window, 1)->setCurrentIndex(5);
        test::clickButton(window, "CancelButton");
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(keys == before);
    }
    app::TIntlChars window(workspace.context(), nullptr);
    key(window, 1)->setCurrentIndex(233 - 192);
    test::clickButton(window, "OkButton");
    QCOMPARE(window.result(), int(QDialog::Accepted));
    const auto stored = [&](int number) { return QString::fromStdString(keys[std::size_t(number - 1)]); };
    QCOMPARE(QStringList({ stored(1), stored(3), stored(12) }), QStringList({ "0233", "0192", "0192" }));
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

    for (const char *code : { "0225", "0241", "", "0000", "0300" })
        app::typeInternationalCharacter(code);
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

QTEST_MAIN(IntlCharsTest)
#include "tst_TIntlChars.moc"
