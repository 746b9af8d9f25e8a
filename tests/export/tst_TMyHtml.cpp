#include "export/HtmlPage.h"
#include "export/TMyHtml.h"
#include "uisupport/UiTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace gw;

namespace {

QImage pageImage()
{
    QImage image(170, 220, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class MyHtmlTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsStartFromTheSettings();
    void stylesAndSizesAreStoredAtOnce();
    void saveWritesThePageAndThePictureBesideIt();
    void saveKeepsTextsWithinTheirCapacity();
    void cancelledSaveDialogWritesNothing();
    void pageThatCannotBeCreatedIsReported();
    void screenshots();
};

// Every control shows its setting; the defaults give the first header in bold, centred, 14 pt.
void MyHtmlTest::controlsStartFromTheSettings()
{
    test::TestWorkspace workspace;
    workspace.context().settings.secondFooter = { "Bye", false, true, false, 7 };
    workspace.context().settings.horizontalLower = true;
    exports::TMyHtml window(workspace.context(), pageImage(), nullptr);
    QCOMPARE(window.windowTitle(), QString("HTML Creation"));
    QCOMPARE(window.findChild<QLabel *>("HeadingLabel")->text(), QString("Create A Web Page"));
    QCOMPARE(window.findChild<QLabel *>("PuzzleFrameLabel")->text(), QString("Puzzle will go here"));
    QCOMPARE(window.findChild<QLineEdit *>("WebTitleEdit")->text(), QString("Crossword Puzzle"));
    QCOMPARE(window.findChild<QLineEdit *>("WebTitleEdit")->maxLength(), 100);
    QCOMPARE(window.findChild<QPlainTextEdit *>("FirstHeaderMemo")->toPlainText(), QString("My Puzzle"));
    QVERIFY(window.findChild<QCheckBox *>("FirstHeaderBold")->isChecked());
    QVERIFY(!window.findChild<QCheckBox *>("FirstHeaderItalic")->isChecked());
    QVERIFY(window.findChild<QCheckBox *>("FirstHeaderCenter")->isChecked());
    QCOMPARE(window.findChild<QComboBox *>("FirstHeaderSize")->currentText(), QString("14 pt"));
    QCOMPARE(window.findChild<QComboBox *>("SecondHeaderSize")->currentText(), QString("12 pt"));
    QCOMPARE(window.findChild<QComboBox *>("SecondHeaderSize")->count(), 7);
    QCOMPARE(window.findChild<QPlainTextEdit *>("SecondFooterMemo")->toPlainText(), QString("Bye"));
    QVERIFY(window.findChild<QCheckBox *>("SecondFooterItalic")->isChecked());
    QCOMPARE(window.findChild<QComboBox *>("SecondFooterSize")->currentText(), QString("36 pt"));
    QVERIFY(!window.findChild<QCheckBox *>("UpperLineCheck")->isChecked());
    QVERIFY(window.findChild<QCheckBox *>("LowerLineCheck")->isChecked());
    QCOMPARE(window.findChild<QCheckBox *>("UpperLineCheck")->text(), QString("Horizontal Line"));
    QCOMPARE(window.findChild<QPushButton *>("SaveButton")->text(), QString("&Save HTML"));
}

// Check boxes and size lists write their settings as they change, before any save.
void MyHtmlTest::stylesAndSizesAreStoredAtOnce()
{
    test::TestWorkspace workspace;
    const model::Settings &settings = workspace.context().settings;
    exports::TMyHtml window(workspace.context(), pageImage(), nullptr);
    window.findChild<QCheckBox *>("FirstFooterBold")->click();
    window.findChild<QCheckBox *>("FirstFooterItalic")->click();
    window.findChild<QCheckBox *>("FirstHeaderCenter")->click();
    window.findChild<QCheckBox *>("UpperLineCheck")->click();
    window.findChild<QComboBox *>("SecondHeaderSize")->setCurrentIndex(5);
    QVERIFY(settings.firstFooter.bold);
    QVERIFY(settings.firstFooter.italic);
    QVERIFY(!settings.firstHeader.center);
    QVERIFY(settings.horizontalUpper);
    QCOMPARE(settings.secondHeader.fontSize, 6);
    // Cancel does not undo them: they were stored when changed.
    QTest::mouseClick(window.findChild<QPushButton *>("CancelButton"), Qt::LeftButton);
    QVERIFY(settings.firstFooter.bold);
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
    QTest::mouseClick(window.findChild<QPushButton *>("SaveButton"), Qt::LeftButton);

    QCOMPARE(dialogs.fileRequests().size(), std::size_t(1));
    const app::FileRequest &request = dialogs.fileRequests().front();
    QCOMPARE(request.kind, app::FileDialogKind::Save);
    QCOMPARE(request.title, QString("Save HTML Document"));
    QCOMPARE(request.filter, QString("html (*.htm *.HTM)"));
    QCOMPARE(request.defaultExtension, QString("htm"));
    QCOMPARE(request.start, workspace.path("start/old.htm"));
    QVERIFY(dialogs.messages().empty());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(workspace.context().settings.lastExportHtmlFile), page);
    QCOMPARE(workspace.context().settings.webTitle, std::string("Farm"));

    const QByteArray written = fileBytes(page);
    QCOMPARE(written,
        QByteArray("<HTML>\r\n <HEAD>\r\n  <TITLE>Farm</TITLE>\r\n"
                   "  <META NAME=\"GENERATOR\" CONTENT=\"Brackenfold / Gridwright 97\">\r\n"
                   " </HEAD>\r\n <BODY>\r\n"
                   "  <CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>\r\n"
                   "  <CENTER><IMG SRC=\"PUZZLE.JPG\" ALT=\"Gridwright 97 Puzzle\"></CENTER><P>\r\n"
                   "  <I><B><FONT SIZE=3>a < b\r\nsecond line</FONT></B></I><P>\r\n"
                   " </BODY>\r\n</HTML>\r\n"));
    const QImage picture(workspace.path("start/PUZZLE.JPG"));
    QCOMPARE(picture.size(), QSize(170, 220));
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
    QTest::mouseClick(window.findChild<QPushButton *>("SaveButton"), Qt::LeftButton);
    QCOMPARE(workspace.context().settings.secondHeader.text, std::string(999, 'x'));
    QCOMPARE(workspace.context().settings.webTitle, std::string(100, 't'));
    QVERIFY(
        fileBytes(workspace.path("start/long.htm")).contains("<TITLE>" + QByteArray(100, 't') + "</TITLE>"));
}

// Cancelling the save dialog leaves everything as it was and the dialog open.
void MyHtmlTest::cancelledSaveDialogWritesNothing()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    exports::TMyHtml window(workspace.context(), pageImage(), nullptr);
    window.findChild<QPlainTextEdit *>("FirstHeaderMemo")->setPlainText("Changed");
    dialogs.chooseFile(std::nullopt);
    QTest::mouseClick(window.findChild<QPushButton *>("SaveButton"), Qt::LeftButton);
    QCOMPARE(workspace.context().settings.firstHeader.text, std::string("My Puzzle"));
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QVERIFY(QDir(workspace.path("start")).isEmpty());
}

// A page that cannot be created is reported; no picture is written.
void MyHtmlTest::pageThatCannotBeCreatedIsReported()
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    exports::TMyHtml window(workspace.context(), pageImage(), nullptr);
    dialogs.chooseFile(workspace.path("missing/P.htm"));
    QTest::mouseClick(window.findChild<QPushButton *>("SaveButton"), Qt::LeftButton);
    QCOMPARE(dialogs.lastMessage(), QString("Error|Unable to create html file."));
    QVERIFY(!QFile::exists(workspace.path("missing/P.JPG")));
    QCOMPARE(window.result(), int(QDialog::Rejected));
}

// Pictures at the scales 1.0 and 1.6, for looking at clipped texts and overlaps.
void MyHtmlTest::screenshots()
{
    test::TestWorkspace workspace;
    for (double factor : { 1.0, 1.6 }) {
        workspace.context().scaleFactor = factor;
        exports::TMyHtml window(workspace.context(), pageImage(), nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        test::saveScreenshot(&window, QString("TMyHtml-%1").arg(qRound(factor * 100)));
    }
}

QTEST_MAIN(MyHtmlTest)
#include "tst_TMyHtml.moc"
