#include "render/PdfReading.h"
#include "render/SamplePage.h"
#include "render/ui/PreviewPage.h"
#include "render/ui/TMyPreview.h"
#include "ui/PageWindowBounds.h"
#include "ui/ProgramPrinter.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/UiTestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <QtTest>
#include <memory>

using namespace gw;
using render::TMyPreview;

namespace {

// The page of the first sample puzzle, recorded as the Reports window's job records it, and a
// preview on it whose printer choice is a PDF file.
struct Preview
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    test::SamplePage sample { 0, render::PrintOptions::fromSettings(workspace.context().settings) };
    std::unique_ptr<TMyPreview> window;
    QString pdf = workspace.path("preview.pdf");
    test::ScriptedChildren children;

    Preview() { context().printer.pdfFile = pdf; }

    app::AppContext &context() { return workspace.context(); }

    TMyPreview &open()
    {
        window = std::make_unique<TMyPreview>(context(), *sample.job, sample.engine, nullptr);
        return *window;
    }

    QAction *item(const char *name) const { return window->findChild<QAction *>(name); }
};

} // namespace

class PreviewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void multipleCopiesAsksForAValidCount();
    void busyEngineRefusesToPrint();
    void printingWithoutAPrinterOffersAPdf_data();
    void printingWithoutAPrinterOffersAPdf();
    void printerSetupTakesEffectAfterAFailedPrint();
    void saveAsPdfWritesThePageWhateverThePrinter();
    void opensShowingTheWholePage();
    void pageWindowBoundsGrowToThePage_data();
    void pageWindowBoundsGrowToThePage();
};

// "Copies To Print" refuses what is not a number above 0 and stays open; n copies of the page
// end up in the one PDF file.
void PreviewTest::multipleCopiesAsksForAValidCount()
{
    Preview p;
    p.open().show();
    p.children.onChild = [&](QDialog &dialog) {
        for (const char *typed : { "0", "abc", " 3 " }) {
            dialog.findChild<QLineEdit *>("CopiesEdit")->setText(typed);
            dialog.findChild<QPushButton *>("OkButton")->click();
        }
        return dialog.result();
    };
    p.item("MenuMultiCopies")->trigger();
    QCOMPARE(p.children.opened, QStringList({ "gw::render::TMultiCopies" }));
    QCOMPARE(int(p.dialogs.messages().size()), 2);
    QCOMPARE(p.dialogs.lastMessage(), QString("Error|Invalid number of copies entered."));
    QCOMPARE(test::pdfPages(p.pdf), 3);
}

// While the engine runs, printing is refused with the engine's busy message and nothing is
// written.
void PreviewTest::busyEngineRefusesToPrint()
{
    Preview p;
    p.open();
    bool asked = false;
    p.sample.engine.setEventPump([&] {
        if (asked)
            return;
        asked = true;
        p.item("MenuPrintPage")->trigger();
        p.window->findChild<QToolButton *>("SpeedPrint")->click();
    });
    QVERIFY(p.sample.job->run(p.sample.engine));
    QCOMPARE(int(p.dialogs.messages().size()), 2);
    QVERIFY(p.dialogs.lastMessage().startsWith("Error|"));
    QVERIFY(!QFile::exists(p.pdf));
}

void PreviewTest::printingWithoutAPrinterOffersAPdf_data()
{
    QTest::addColumn<QString>("printerName");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("chooseFile");
    QTest::addColumn<QString>("question");
    QTest::newRow("none installed, saved")
        << "" << true << true << "Printer|No printer is installed.  Save the page as a PDF file instead?";
    QTest::newRow("chosen one gone, dialog cancelled")
        << "Office" << true << false
        << "Printer|The printer \"Office\" is not installed.  Save the page as a PDF file instead?";
}

// With no printer, Print Page said only "Unable to print the puzzle.": now it names the cause
// and offers to keep the page as a PDF file, written only when a file is chosen.
void PreviewTest::printingWithoutAPrinterOffersAPdf()
{
    QFETCH(QString, printerName);
    QFETCH(bool, accept);
    QFETCH(bool, chooseFile);
    QFETCH(QString, question);
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("a printer is installed");
    Preview p;
    p.context().printer = { printerName, {} };
    const QString saved = p.workspace.path("instead.pdf");
    p.dialogs.answer(accept ? app::Answer::Yes : app::Answer::No);
    p.dialogs.chooseFile(chooseFile ? std::optional(saved) : std::nullopt);
    p.open().show();
    p.item("MenuPrintPage")->trigger();
    QCOMPARE(int(p.dialogs.messages().size()), 1);
    QCOMPARE(p.dialogs.lastMessage(), question);
    QCOMPARE(p.dialogs.messages().front().buttons, app::Buttons::YesNo);
    QCOMPARE(int(p.dialogs.fileRequests().size()), accept ? 1 : 0);
    QCOMPARE(QFile::exists(saved), chooseFile);
    if (chooseFile)
        QVERIFY(test::pdfText(saved).contains("Farm Animals"));
}

// After a print failed for want of a printer, a PDF file chosen under Printer Setup had no
// effect until the program was restarted; now the next print goes there.
void PreviewTest::printerSetupTakesEffectAfterAFailedPrint()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("a printer is installed");
    Preview p;
    p.context().printer = {};
    p.dialogs.answer(app::Answer::No);
    p.open().show();
    p.item("MenuPrintPage")->trigger();
    QCOMPARE(int(p.dialogs.messages().size()), 1);
    p.children.onChild = [&](QDialog &dialog) {
        QPrinter *printer = static_cast<QPrintDialog &>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(p.pdf);
        return int(QDialog::Accepted);
    };
    app::runPrinterSetup(p.context(), p.window.get());
    p.item("MenuPrintPage")->trigger();
    QCOMPARE(int(p.dialogs.messages().size()), 1);
    QCOMPARE(test::pdfPages(p.pdf), 1);
}

// File, Save as PDF keeps the page as printed in the file chosen, whatever the printer; a
// cancelled dialog writes nothing.
void PreviewTest::saveAsPdfWritesThePageWhateverThePrinter()
{
    Preview p;
    const QString saved = p.workspace.path("page.pdf");
    p.dialogs.chooseFile(std::nullopt);
    p.dialogs.chooseFile(saved);
    p.open().show();
    p.item("MenuSavePdf")->trigger();
    QVERIFY(!QFile::exists(saved));
    p.item("MenuSavePdf")->trigger();
    QCOMPARE(test::pdfPages(saved), 1);
    QVERIFY(test::pdfInfo(saved).contains(QRegularExpression("Title:\\s+Farm Animals")));
    QVERIFY(!QFile::exists(p.pdf));
    QVERIFY(p.dialogs.messages().empty());
}

// The preview opened at 640 x 480 in the screen's corner, showing the top of the page: it opens
// on the screen, as large as the whole page needs or the screen allows, with the whole page in
// view, and can be maximised.
void PreviewTest::opensShowingTheWholePage()
{
    Preview p;
    model::Settings &settings = p.context().settings;
    settings.reportViewingWindowLeft = -100;
    settings.reportViewingWindowTop = -50;
    settings.reportViewingWindowWidth = 3000;
    settings.reportViewingWindowHeight = 2000;
    p.open().show();
    QVERIFY(QTest::qWaitForWindowExposed(p.window.get()));
    const QRect screen = p.window->screen()->availableGeometry();
    QVERIFY(screen.contains(p.window->frameGeometry()));
    // A Letter page at 100 % is taller than the test screen, so the window takes its height.
    QCOMPARE(p.window->frameGeometry().height(), screen.height());
    auto *page = p.window->findChild<render::PreviewPage *>("PreviewPage");
    const QWidget *view = p.window->findChild<QScrollArea *>("PreviewArea")->viewport();
    QVERIFY(view->rect().contains(QRect(page->mapTo(view, QPoint(0, 0)), page->size())));
    QVERIFY(p.window->windowFlags() & Qt::WindowMaximizeButtonHint);
}

// Stored bounds grow to the whole page, within the free area of the screen; a window never
// placed is centred, one placed keeps its place where it fits.
void PreviewTest::pageWindowBoundsGrowToThePage_data()
{
    QTest::addColumn<QRect>("stored");
    QTest::addColumn<QSize>("wholePage");
    QTest::addColumn<QRect>("opened");
    QTest::newRow("never placed") << QRect(0, 0, 640, 480) << QSize(900, 1000) << QRect(509, 54, 900, 1000);
    QTest::newRow("placed, pushed up")
        << QRect(100, 100, 1000, 900) << QSize(900, 1000) << QRect(100, 80, 1000, 1000);
    QTest::newRow("larger than the screen")
        << QRect(-100, -50, 3000, 2000) << QSize(900, 1000) << QRect(0, 30, 1920, 1050);
    QTest::newRow("already large enough")
        << QRect(200, 50, 1200, 900) << QSize(800, 600) << QRect(200, 50, 1200, 900);
}

void PreviewTest::pageWindowBoundsGrowToThePage()
{
    QFETCH(QRect, stored);
    QFETCH(QSize, wholePage);
    QFETCH(QRect, opened);
    QCOMPARE(app::pageWindowBounds(stored, wholePage, QRect(0, 30, 1920, 1050)), opened);
}

QTEST_MAIN(PreviewTest)
#include "tst_TMyPreview.moc"
