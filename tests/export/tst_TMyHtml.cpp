#include "export/ui/TMyHtml.h"
#include "uisupport/UiTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace gw;

namespace {

QImage pageImage()
{
    QImage image(170, 220, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

class MyHtmlTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsShowAndStoreTheSettings();
    void saveWritesThePageAndThePictureBesideIt();
    void saveKeepsTextsWithinTheirCapacity();
    void cancelOrAFailureWritesNothing();
};

// Every control shows its setting; check boxes and size lists write their settings as they
// change, and Cancel does not undo them.
void MyHtmlTest::controlsShowAndStoreTheSettings()
{
    test::TestWorkspace workspace;
    model::Settings &settings = workspace.context().settings;
    settings.secondFooter = { "Bye", false, true, false, 7 };
    exports::TMyHtml window(workspace.context(), pageImage(), nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    test::saveScreenshot(&window, "TMyHtml");
    const auto box = [&](const char *name) { return window.findChild<QCheckBox *>(name); };
    const auto size = [&](const char *name) { return window.findChild<QComboBox *>(name); };
    QCOMPARE(window.findChild<QPlainTextEdit *>("SecondFooterMemo")->toPlainText(), QString("Bye"));
    QVERIFY(box("SecondFooterItalic")->isChecked() && !box("SecondFooterBold")->isChecked());
    QCOMPARE(size("SecondFooterSize")->currentText(), QString("36 pt"));

    box("FirstFooterItalic")->click();
    box("FirstHeaderCenter")->click();
    box("UpperLineCheck")->click();
    size("SecondHeaderSize")->setCurrentIndex(5);
    test::clickButton(window, "CancelButton");
    QVERIFY(settings.firstFooter.italic && !settings.firstHeader.center && settings.horizontalUpper);
    QCOMPARE(settings.secondHeader.fontSize, 6);
}

// Save writes the page from the dialog's texts and the picture it names, and remembers the file.
void MyHtmlTest::saveWritesThePageAndThePictureBesideIt()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    workspace.context().settings.lastExportHtmlFile = workspace.path("start/old.htm").toStdString();
    exports::TMyHtml window(workspace.context(), pageImage(), nullptr);
    window.findChild<QPlainTextEdit *>("FirstFooterMemo")->setPlainText("a < b\nsecond line");
    window.findChild<QCheckBox *>("FirstFooterBold")->click();
    window.findChild<QCheckBox *>("FirstFooterItalic")->click();
    window.findChild<QLineEdit *>("WebTitleEdit")->setText("  Farm  ");
    const QString page = workspace.path("start/PUZZLE.htm");
    dialogs.chooseFile(page);
    test::clickButton(window, "SaveButton");

    QCOMPARE(dialogs.fileRequests().size(), std::size_t(1));
    const app::FileRequest &asked = dialogs.fileRequests().front();
    QCOMPARE(asked.kind, app::FileDialogKind::Save);
    QCOMPARE(asked.title + "|" + asked.filter + "|" + asked.defaultExtension + "|" + asked.start,
        "Save HTML Document|html (*.htm *.HTM)|htm|" + workspace.path("start/old.htm"));
    QVERIFY(dialogs.messages().empty());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(workspace.context().settings.lastExportHtmlFile), page);
    QCOMPARE(workspace.context().settings.webTitle, std::string("Farm"));
    // A block is built from the inside out (size, bold, italic, centre); its text goes in
    // unchanged, line breaks and less-than signs included.
    QCOMPARE(test::fileBytes(page),
        QByteArray("<HTML>\r\n <HEAD>\r\n  <TITLE>Farm</TITLE>\r\n"
                   "  <META NAME=\"GENERATOR\" CONTENT=\"Brackenfold / Gridwright 97\">\r\n"
                   " </HEAD>\r\n <BODY>\r\n"
                   "  <CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>\r\n"
                   "  <CENTER><IMG SRC=\"PUZZLE.JPG\" ALT=\"Gridwright 97 Puzzle\"></CENTER><P>\r\n"
                   "  <I><B><FONT SIZE=3>a < b\r\nsecond line</FONT></B></I><P>\r\n"
                   " </BODY>\r\n</HTML>\r\n"));
    QCOMPARE(QImage(workspace.path("start/PUZZLE.JPG")).size(), QSize(170, 220));
}

// A block keeps at most 999 characters and the title 100, in the settings and in the page.
void MyHtmlTest::saveKeepsTextsWithinTheirCapacity()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    exports::TMyHtml window(workspace.context(), pageImage(), nullptr);
    auto *memo = window.findChild<QPlainTextEdit *>("SecondHeaderMemo");
    memo->setPlainText(QString(1200, 'x'));
    QCOMPARE(memo->toPlainText().size(), qsizetype(1000));
    auto *title = window.findChild<QLineEdit *>("WebTitleEdit");
    title->setMaxLength(200);
    title->setText(QString(120, 't'));
    dialogs.chooseFile(workspace.path("start/long.htm"));
    test::clickButton(window, "SaveButton");
    QCOMPARE(workspace.context().settings.secondHeader.text, std::string(999, 'x'));
    QCOMPARE(workspace.context().settings.webTitle, std::string(100, 't'));
    QVERIFY(test::fileBytes(workspace.path("start/long.htm"))
                .contains("<TITLE>" + QByteArray(100, 't') + "</TITLE>"));
}

// Cancelling the save dialog leaves everything as it was and the dialog open; a page that
// cannot be created is reported, and no picture is written.
void MyHtmlTest::cancelOrAFailureWritesNothing()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    exports::TMyHtml window(workspace.context(), pageImage(), nullptr);
    window.findChild<QPlainTextEdit *>("FirstHeaderMemo")->setPlainText("Changed");
    dialogs.chooseFile(std::nullopt);
    test::clickButton(window, "SaveButton");
    QCOMPARE(workspace.context().settings.firstHeader.text, std::string("My Puzzle"));
    QVERIFY(QDir(workspace.path("start")).isEmpty());
    QVERIFY(dialogs.messages().empty());

    dialogs.chooseFile(workspace.path("missing/P.htm"));
    test::clickButton(window, "SaveButton");
    QCOMPARE(dialogs.lastMessage(), QString("Error|Unable to create html file."));
    QVERIFY(!QFile::exists(workspace.path("missing/P.JPG")));
    QCOMPARE(window.result(), int(QDialog::Rejected));
}

QTEST_MAIN(MyHtmlTest)
#include "tst_TMyHtml.moc"
