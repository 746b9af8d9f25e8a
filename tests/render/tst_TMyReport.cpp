#include "layout/LayoutLibrary.h"
#include "render/PdfReading.h"
#include "render/SamplePage.h"
#include "render/ui/TMyPreview.h"
#include "render/ui/TMyReport.h"
#include "render/ui/TReportStatus.h"
#include "ui/ChoiceDialogs.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/UiTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

using namespace gw;
using render::TMyReport;

namespace {

int slotOf(const model::PuzzleRecord &puzzle, layout::ObjectKind kind)
{
    for (int slot = 0; slot < puzzle.layout.safeObjectCount(); ++slot) {
        if (puzzle.layout.objects[slot].kind == static_cast<std::int16_t>(kind))
            return slot;
    }
    return -1;
}

// Runs the status dialog as the program would until its run has ended, keeps its status line
// and closes it.
int runStatus(render::TReportStatus &status, QString &statusLine)
{
    status.show();
    if (!QTest::qWaitFor([&] { return status.finished(); }, 20000))
        return QDialog::Rejected;
    statusLine = status.findChild<QLabel *>("StatusLine")->text();
    status.findChild<QPushButton *>("CancelButton")->click();
    return status.result();
}

// A Reports window on the sample puzzle, its child windows answered by onChild.
struct Reports
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<model::PuzzleRecord> puzzle = test::samplePuzzle();
    std::unique_ptr<TMyReport> window;
    test::ScriptedChildren children;

    app::AppContext &context() { return workspace.context(); }
    model::Settings &settings() { return workspace.context().settings; }

    TMyReport &open()
    {
        window = std::make_unique<TMyReport>(context(), *puzzle, nullptr);
        return *window;
    }

    template <typename T> T *find(const char *name) const { return window->findChild<T *>(name); }
    QCheckBox *box(const char *name) const { return find<QCheckBox>(name); }
    void click(const char *name) const { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
};

} // namespace

class ReportsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionsWriteTheSettings();
    void fontListStopsAtTwentyOne();
    void layoutChooserTakesTheLayoutAgain();
    void fontHeadersBonusAndWordsBelongToTheCopy();
    void viewPrintPrintsThePreviewedPageToPdf();
    void cancelStopsTheRunWithoutPreview();
    void overflowWarningsFollowTheRun();
    void printerSetupKeepsOnlyAnAcceptedChoice();
};

// The letters edit and Skeleton Puzzle write their option into the settings at once.
void ReportsTest::optionsWriteTheSettings()
{
    Reports r;
    r.open().show();
    QVERIFY(QTest::qWaitForWindowExposed(r.window.get()));
    // With the answer key on (as it was by default once) Partial Answer is greyed out.
    r.click("PartialAnswer");
    r.click("PartialLetters");
    QVERIFY(r.settings().partialAnswer && r.settings().partialLetters);
    auto *letters = r.find<QLineEdit>("LettersEdit");
    letters->clear();
    QTest::keyClicks(letters, " ae");
    letters->insert(QString::fromUtf8("\u00e9 "));
    // Trimmed at every change, as Windows-1252.
    QCOMPARE(r.settings().letters, std::string("ae\xe9"));
    r.click("SkeletonPuzzle");
    QCOMPARE(r.settings().useBoxes, !r.box("SkeletonPuzzle")->isChecked());
}

// Twenty objects can name more fonts than the menu holds: the first 21 are listed.
void ReportsTest::fontListStopsAtTwentyOne()
{
    Reports r;
    layout::LayoutRecord &page = r.puzzle->layout;
    page.objectCount = layout::MaxObjects;
    for (int slot = 0; slot < layout::MaxObjects; ++slot) {
        page.objects[slot].kind
            = static_cast<std::int16_t>(slot == 0 ? layout::ObjectKind::Bitmap : layout::ObjectKind::Puzzle);
        page.objects[slot].name.assign("Grid");
    }
    r.open();
    QCOMPARE(r.window->fontEntries().size(), 21);
}

// Change Page Layout takes in the layout its chooser picks: the skeleton flag of its Puzzle
// object sets Skeleton Puzzle.
void ReportsTest::layoutChooserTakesTheLayoutAgain()
{
    Reports r;
    auto skeleton = std::make_unique<layout::LayoutRecord>(r.puzzle->layout);
    skeleton->name.assign("Skeleton Page");
    skeleton->objects[slotOf(*r.puzzle, layout::ObjectKind::Puzzle)].transparent = 1;
    QVERIFY(layout::addLayout(r.context().layoutLibrary(), *skeleton).hasValue());
    r.open().show();
    QVERIFY(r.settings().useBoxes && !r.box("SkeletonPuzzle")->isChecked());
    r.children.onChild = [](QDialog &chooser) {
        chooser.show();
        auto *list = chooser.findChild<QListWidget *>("PageList");
        list->setCurrentItem(list->findItems("Skeleton Page", Qt::MatchStartsWith).value(0));
        test::clickButton(chooser, "SelectButton");
        return chooser.result();
    };
    r.click("ChangeLayoutButton");
    QCOMPARE(r.children.opened, QStringList({ "gw::layout::TListPages" }));
    QVERIFY(r.box("SkeletonPuzzle")->isChecked() && !r.settings().useBoxes);
}

// A font, the headers, the bonus question and partial answers change the window's copy, never the
// puzzle it was opened on nor the default headers.
void ReportsTest::fontHeadersBonusAndWordsBelongToTheCopy()
{
    Reports r;
    r.open().show();
    const int grid = slotOf(*r.puzzle, layout::ObjectKind::Puzzle);
    const int originalSize = r.puzzle->layout.objects[grid].textFont.size;
    app::setFontDialogSeam([](QWidget *, const app::FontChoice &, const QString &) {
        return std::optional(app::FontChoice { QFont("DejaVu Serif", 19), Qt::black });
    });
    const int answerFont = int(r.window->fontEntries().indexOf("Puzzle Answer Font"));
    r.find<QAction>(qPrintable(QString("FontItem%1").arg(answerFont + 1)))->trigger();
    app::setFontDialogSeam({});
    QCOMPARE(int(r.window->puzzle().layout.objects[grid].textFont.size), 19);
    QCOMPARE(int(r.puzzle->layout.objects[grid].textFont.size), originalSize);

    // Each child dialog is answered with OK after the change.
    const auto answer = [&](const std::function<void(QDialog &)> &change) {
        r.children.onChild = [change](QDialog &child) {
            change(child);
            child.findChild<QPushButton *>("OkButton")->click();
            return child.result();
        };
    };
    answer([](QDialog &child) { child.findChild<QLineEdit *>("AcrossHeader")->setText("Sideways"); });
    r.click("ClueHeadersButton");
    QCOMPARE(r.window->acrossLabel(), std::string("Sideways"));
    QCOMPARE(r.settings().acrossLabel, std::string("Across"));

    answer([](QDialog &child) { child.findChild<QLineEdit *>("BonusQuestionEdit")->setText("Moo?"); });
    r.click("BonusQuestionButton");
    QCOMPARE(r.window->puzzle().bonusQuestion.str(), std::string("Moo?"));
    QVERIFY(r.puzzle->bonusQuestion.str() != "Moo?");

    answer([](QDialog &child) { child.findChild<QListWidget *>("WordList")->item(1)->setSelected(true); });
    r.click("PartialAnswer");
    r.click("SelectButton");
    QVERIFY(!r.window->partialWords()[0] && r.window->partialWords()[1]);
}

// View/Print runs the job in the status dialog, then the preview prints the page: the PDF
// holds the answer key.  What partial letters print is left to the print command's test.
void ReportsTest::viewPrintPrintsThePreviewedPageToPdf()
{
    Reports r;
    const QString pdf = r.workspace.path("printed.pdf");
    r.context().printer.pdfFile = pdf;
    r.settings().answerKey = true;
    r.open().show();
    QString statusLine;
    r.children.onChild = [&](QDialog &child) {
        if (auto *status = qobject_cast<render::TReportStatus *>(&child))
            return runStatus(*status, statusLine);
        auto *preview = qobject_cast<render::TMyPreview *>(&child);
        preview->findChild<QAction *>("MenuPrintPage")->trigger();
        return int(QDialog::Accepted);
    };
    r.click("ViewPrintButton");
    QCOMPARE(r.children.opened, QStringList({ "gw::render::TReportStatus", "gw::render::TMyPreview" }));
    QCOMPARE(statusLine, QString("Puzzle Generated!"));
    QVERIFY(r.dialogs.messages().empty());
    const QString key = test::pdfText(pdf);
    QVERIFY2(key.contains("R O O S T E R") && key.contains("Farm Animals"), qPrintable(key));
}

// Cancel while the page is drawn aborts the run: the status says so and no preview opens.
void ReportsTest::cancelStopsTheRunWithoutPreview()
{
    Reports r;
    r.open().show();
    QString statusText;
    r.children.onChild = [&](QDialog &child) {
        auto *status = qobject_cast<render::TReportStatus *>(&child);
        status->show();
        // Queued behind the start of the run, so it is answered while the page is drawn.
        QTimer::singleShot(0, status->findChild<QPushButton *>("CancelButton"), &QPushButton::click);
        return runStatus(*status, statusText);
    };
    r.click("ViewPrintButton");
    QCOMPARE(statusText, QString("Puzzle Generation Canceled!"));
    QCOMPARE(r.children.opened, QStringList({ "gw::render::TReportStatus" }));
    QVERIFY(r.dialogs.messages().empty());
}

// Text that did not fit is named in the status after "Puzzle Generated!" and each warning
// is shown in its message box.
void ReportsTest::overflowWarningsFollowTheRun()
{
    Reports r;
    const int clues = slotOf(*r.puzzle, layout::ObjectKind::AcrossClues);
    QVERIFY(clues >= 0);
    layout::LayoutObject &list = r.puzzle->layout.objects[clues];
    list.rect.bottom = list.rect.top + 4; // room for no clue at all
    list.makeItFit = 0;
    r.open().show();
    QString statusText;
    // The status dialog runs; the preview is not opened.
    r.children.onChild = [&statusText](QDialog &child) {
        auto *status = qobject_cast<render::TReportStatus *>(&child);
        return status ? runStatus(*status, statusText) : int(QDialog::Rejected);
    };
    r.click("ViewPrintButton");
    const QString warning
        = "Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on "
          "the page layout, change the font size for the clues or select the \"Make It Fit\" attribute for "
          "the clue fonts.";
    QCOMPARE(statusText, "Puzzle Generated!\n\n" + warning);
    QCOMPARE(r.dialogs.lastMessage(), "Warning|" + warning);
    QCOMPARE(r.children.opened.last(), QString("gw::render::TMyPreview"));
}

// Printer Setup opens the printer dialog on the program's choice and keeps what it chooses
// only when accepted.
void ReportsTest::printerSetupKeepsOnlyAnAcceptedChoice()
{
    Reports r;
    r.open().show();
    const QString before = r.workspace.path("before.pdf");
    r.context().printer.pdfFile = before;
    int answer = QDialog::Rejected;
    QStringList seen;
    r.children.onChild = [&](QDialog &child) {
        QPrinter *printer = static_cast<QPrintDialog &>(child).printer();
        seen << printer->outputFileName();
        printer->setOutputFileName(r.workspace.path("after.pdf"));
        return answer;
    };
    r.find<QAction>("MenuPrinterSetup")->trigger();
    QCOMPARE(r.context().printer.pdfFile, before);
    answer = QDialog::Accepted;
    r.find<QAction>("MenuPrinterSetup")->trigger();
    QCOMPARE(seen, QStringList({ before, before }));
    QCOMPARE(r.context().printer.pdfFile, r.workspace.path("after.pdf"));
}

QTEST_MAIN(ReportsTest)
#include "tst_TMyReport.moc"
