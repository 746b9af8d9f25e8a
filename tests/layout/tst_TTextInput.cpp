#include "layout/ObjectDialogTesting.h"
#include "layout/TTextInput.h"
#include "uisupport/UiTestSupport.h"

#include <QPlainTextEdit>
#include <QtTest>

using namespace gw;

namespace {

layout::LayoutObject textObject(std::string_view text)
{
    layout::LayoutObject object = test::sampleObject(layout::ObjectKind::Text, "Text 1");
    object.setText(text);
    return object;
}

} // namespace

class TextInputTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Stored line breaks are CR LF; the box shows them as lines and OK writes them back.
    void showsAndStoresLinesAsCrLf()
    {
        test::TestWorkspace workspace;
        layout::TTextInput window(workspace.context(), textObject("Name:\r\nDate:"), nullptr);
        auto *text = window.findChild<QPlainTextEdit *>("TextBox");
        QCOMPARE(text->toPlainText(), QString("Name:\nDate:"));
        window.show();
        test::saveScreenshot(&window, "TTextInput");
        text->moveCursor(QTextCursor::End);
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "Cours ");
        text->insertPlainText(QString::fromUtf8("\u00e9t\u00e9"));
        test::clickButton(window, "OkButton");
        QVERIFY(window.ok());
        QCOMPARE(window.object().textView(), std::string_view("Name:\r\nDate:\r\nCours \xe9t\xe9"));
    }

    // A paste past the capacity is cut in the box, and line breaks counted twice are cut on OK,
    // so the stored text always ends in its zero within the field.
    void holdsAtMostAThousandCharacters()
    {
        test::TestWorkspace workspace;
        layout::TTextInput window(workspace.context(), textObject(""), nullptr);
        auto *text = window.findChild<QPlainTextEdit *>("TextBox");
        text->setPlainText(QString(1200, 'a'));
        QCOMPARE(text->toPlainText().size(), 1000);
        text->setPlainText(QString("a\n").repeated(500));
        test::clickButton(window, "OkButton");
        QCOMPARE(window.object().textView().size(), std::size_t(1000));
        QCOMPARE(window.object().text[1000], '\0');
    }
};

QTEST_MAIN(TextInputTest)
#include "tst_TTextInput.moc"
