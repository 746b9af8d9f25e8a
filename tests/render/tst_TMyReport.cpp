#include "app/ChoiceDialogs.h"
#include "app/THelpWindow.h"
#include "layout/TBonusQuestion.h"
#include "layout/TClueHeaders.h"
#include "layout/TPartialAnswerList.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "platform/QtText.h"
#include "render/QtPageMiniature.h"
#include "render/TMyPreview.h"
#include "render/TMyReport.h"
#include "render/TReportStatus.h"
#include "uisupport/UiTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

using namespace gw;
using render::TMyReport;

namespace {

// The first bundled sample puzzle, "Farm Animals".
std::unique_ptr<model::PuzzleRecord> samplePuzzle()
{
    auto sample = model::readPuzzle(GW_SOURCE_DIR "/data/SAMPLE.ZP3", 0, model::unableToLoadPuzzle());
    if (!sample)
        qFatal("sample collection unreadable");
    return std::make_unique<model::PuzzleRecord>(*sample);
}

int slotOf(const model::PuzzleRecord &puzzle, layout::ObjectKind kind)
{
    for (int slot = 0; slot < puzzle.layout.safeObjectCount(); ++slot) {
        if (puzzle.layout.objects[slot].kind == static_cast<std::int16_t>(kind))
            return slot;
    }
    return -1;
}

QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start("pdftotext", { "-raw", pdf, "-" });
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &pdf)
{
    QProcess process;
    process.start("pdfinfo", { pdf });
    process.waitForFinished();
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Runs the status dialog as the program would, until its run has ended, and closes it.
int runStatus(render::TReportStatus &status)
{
    status.show();
    if (!QTest::qWaitFor([&] { return status.finished(); }, 20000))
        return QDialog::Rejected;
    status.findChild<QPushButton *>("CancelButton")->click();
    return status.result();
}

// A Reports window on the sample puzzle, its child windows answered by onChild.
struct Reports
{
    test::TestWorkspace workspace;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<model::PuzzleRecord> puzzle = samplePuzzle();
    std::unique_ptr<TMyReport> window;
    QStringList opened;
    QStringList seen; // what the child windows showed, checked after they closed
    std::function<int(QDialog &)> onChild;

    app::AppContext &context() { return workspace.context(); }
    model::Settings &settings() { return workspace.context().settings; }

    TMyReport &open()
    {
        window = std::make_unique<TMyReport>(context(), *puzzle, nullptr);
        window->setChildRunner([this](QDialog &child) {
            opened << child.metaObject()->className();
            return onChild ? onChild(child) : int(QDialog::Rejected);
        });
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
    void controlsAndMenus();
    void partsAndAnswerOptionsWriteTheSettings();
    void answerKeyDisablesThePartialOptions();
    void takingTheLayoutSetsBoxesLabelsAndFonts();
    void fontListStopsAtTwentyOne();
    void layoutChooserTakesTheLayoutAgain();
    void fontColourHeadersBonusAndWordsBelongToTheCopy();
    void viewPrintPrintsThePreviewedPageToPdf();
    void cancelStopsTheRunWithoutPreview();
    void overflowWarningsFollowTheRun();
    void printerSetupAndHelp();
    void miniatureColoursTheKinds();
    void screenshots();
};

// Every control and menu item carries its caption and shortcut.
void ReportsTest::controlsAndMenus()
{
    Reports r;
    r.open();
    QCOMPARE(r.window->windowTitle(), QString("Reports"));
    const std::pair<const char *, const char *> texts[] = {
        { "PrintTitle", "Puzzle &Title" },
        { "PrintBody", "Puzzle &Body" },
        { "PrintClues", "Puzzle &Clues" },
        { "PrintWords", "Puzzle &Words" },
        { "PrintBonus", "Bonus &Question" },
        { "AnswerKey", "&Answer Key" },
        { "PartialAnswer", "&Partial Answers" },
        { "SelectButton", "&Select" },
        { "PartialLetters", "Pa&rtial Letters" },
        { "ChangeLayoutButton", "Change Page &Layout" },
        { "ChangeFontsButton", "Change &Fonts" },
        { "SkeletonPuzzle", "&Skeleton Puzzle" },
        { "BoxColorButton", "&Filled Box Color" },
        { "ClueHeadersButton", "Change Clue &Headers" },
        { "BonusQuestionButton", "Change Bon&us Question" },
        { "ViewPrintButton", "&View/Print" },
        { "ExitButton", "E&xit" },
    };
    for (const auto &[name, text] : texts)
        QCOMPARE(r.find<QAbstractButton>(name)->text(), QString(text));
    QCOMPARE(r.find<QLabel>("LettersLabel")->text(), QString("Letters"));
    QCOMPARE(r.find<QLineEdit>("LettersEdit")->maxLength(), 25);
    QVERIFY(r.find<QPushButton>("ViewPrintButton")->isDefault());
    QCOMPARE(r.find<QGroupBox>("PartsGroup")->title(), QString("Parts To Print"));
    QCOMPARE(r.find<QGroupBox>("AnswerKeyGroup")->title(), QString("Answer Key Options"));
    QCOMPARE(r.find<QGroupBox>("OverridesGroup")->title(), QString("Puzzle Overrides"));
    const std::tuple<const char *, const char *, const char *> items[] = {
        { "MenuViewPrint", "&View/Print", "Ctrl+V" },
        { "MenuPrinterSetup", "Printer &Setup", "Ctrl+S" },
        { "MenuExit", "E&xit", "Ctrl+X" },
        { "MenuHelp", "&Help", "" },
    };
    for (const auto &[name, text, keys] : items) {
        QCOMPARE(r.find<QAction>(name)->text(), QString(text));
        QCOMPARE(r.find<QAction>(name)->shortcut(), QKeySequence(keys));
    }
    QCOMPARE(r.find<QMenu>("MenuFile")->title(), QString("&File"));
}

// Each check box and the letters edit write their option into the settings at once.
void ReportsTest::partsAndAnswerOptionsWriteTheSettings()
{
    Reports r;
    r.settings().printClues = false;
    r.settings().letters = "XY";
    r.open().show();
    QVERIFY(!r.box("PrintClues")->isChecked());
    QVERIFY(r.box("PrintTitle")->isChecked());
    QCOMPARE(r.find<QLineEdit>("LettersEdit")->text(), QString("XY"));

    r.click("PrintClues");
    QVERIFY(r.settings().printClues);
    r.click("PrintTitle");
    r.click("PrintBody");
    r.click("PrintWords");
    r.click("PrintBonus");
    QVERIFY(!r.settings().printTitle && !r.settings().printBody && !r.settings().printWords
        && !r.settings().printBonus);

    r.click("PartialAnswer");
    QVERIFY(r.settings().partialAnswer);
    r.click("PartialLetters");
    QVERIFY(r.settings().partialLetters);
    auto *letters = r.find<QLineEdit>("LettersEdit");
    letters->clear();
    QCOMPARE(r.settings().letters, std::string());
    QTest::keyClicks(letters, " ae");
    letters->insert(QString::fromUtf8("\u00e9 "));
    // Trimmed at every change, as Windows-1252.
    QCOMPARE(r.settings().letters, std::string("ae\xe9"));
    r.click("SkeletonPuzzle");
    QCOMPARE(r.settings().useBoxes, !r.box("SkeletonPuzzle")->isChecked());
    r.click("AnswerKey");
    QVERIFY(r.settings().answerKey);
}

// Answer Key greys the partial options; clearing it brings back Select and Letters only when
// their check box is checked.
void ReportsTest::answerKeyDisablesThePartialOptions()
{
    Reports r;
    r.settings().answerKey = true;
    r.settings().partialAnswer = true;
    r.open();
    const auto enabled = [&](const char *name) { return r.find<QWidget>(name)->isEnabled(); };
    for (const char *name : { "PartialAnswer", "SelectButton", "PartialLetters", "LettersEdit" })
        QVERIFY2(!enabled(name), name);
    r.window->show();
    r.click("AnswerKey");
    QVERIFY(!r.settings().answerKey);
    QVERIFY(enabled("PartialAnswer") && enabled("SelectButton") && enabled("PartialLetters"));
    QVERIFY(!enabled("LettersEdit"));
    r.click("PartialLetters");
    QVERIFY(enabled("LettersEdit"));
    r.click("PartialAnswer");
    QVERIFY(!enabled("SelectButton"));
    r.click("AnswerKey");
    for (const char *name : { "PartialAnswer", "SelectButton", "PartialLetters", "LettersEdit" })
        QVERIFY2(!enabled(name), name);
}

// Opening takes the layout in: the Puzzle object sets the filled boxes and their colour in
// the settings, headers set the labels, and the font list names every object with a font.
void ReportsTest::takingTheLayoutSetsBoxesLabelsAndFonts()
{
    Reports r;
    const int grid = slotOf(*r.puzzle, layout::ObjectKind::Puzzle);
    QVERIFY(grid >= 0);
    r.puzzle->layout.objects[grid].transparent = 1;
    r.puzzle->layout.objects[grid].fillColour = 0x00112233;
    const int across = slotOf(*r.puzzle, layout::ObjectKind::AcrossHeader);
    QVERIFY(across >= 0);
    r.puzzle->layout.objects[across].setText("Horizontal");
    r.settings().useBoxes = true;
    r.open();
    QVERIFY(!r.settings().useBoxes);
    QCOMPARE(r.settings().boxColor, 0x00112233);
    QVERIFY(r.box("SkeletonPuzzle")->isChecked());
    QCOMPARE(r.window->acrossLabel(), std::string("Horizontal"));
    QCOMPARE(r.find<QLabel>("BoxColorSwatch")->palette().color(QPalette::Window), QColor(0x33, 0x22, 0x11));

    QStringList expected;
    const layout::LayoutRecord &page = r.puzzle->layout;
    for (int slot = 0; slot < page.safeObjectCount(); ++slot) {
        const int kind = page.objects[slot].kind;
        if (kind == 2)
            expected << "Puzzle Answer Font"
                     << "Puzzle Clue Numbers Font";
        else if (kind == 1 || (kind >= 3 && kind <= 10))
            expected << QString::fromStdString(page.objects[slot].name.str()) + " Font";
    }
    QVERIFY(expected.size() >= 4);
    QCOMPARE(r.window->fontEntries(), expected);
    for (int k = 1; k <= TMyReport::MaxFontEntries; ++k) {
        QAction *item = r.find<QAction>(qPrintable(QString("FontItem%1").arg(k)));
        QCOMPARE(item->isVisible(), k <= expected.size());
        if (k <= expected.size())
            QCOMPARE(item->text(), expected[k - 1]);
    }
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
    QCOMPARE(r.window->fontEntries().first(), QString("Puzzle Answer Font"));
    QCOMPARE(r.window->fontEntries().last(), QString("Puzzle Answer Font"));
    QVERIFY(r.find<QAction>("FontItem21")->isVisible());
}

// Change Page Layout hands the copy's layout to the chooser hook; a chosen layout is taken in.
void ReportsTest::layoutChooserTakesTheLayoutAgain()
{
    Reports r;
    r.puzzle->layout.objects[slotOf(*r.puzzle, layout::ObjectKind::Puzzle)].transparent = 0;
    r.open().show();
    r.click("ChangeLayoutButton"); // no chooser yet: nothing happens
    QVERIFY(r.opened.isEmpty());
    int asked = 0;
    r.window->childWindows().layoutChooser = [&](layout::LayoutRecord &printLayout) {
        // A chooser copies a layout in only when one is chosen, the second time here.
        if (++asked == 1)
            return false;
        const int grid = slotOf(*r.puzzle, layout::ObjectKind::Puzzle);
        printLayout.objects[grid].transparent = 1;
        printLayout.objectCount = static_cast<std::int16_t>(grid + 1);
        return true;
    };
    r.click("ChangeLayoutButton");
    QVERIFY(!r.box("SkeletonPuzzle")->isChecked());
    r.click("ChangeLayoutButton");
    QVERIFY(r.box("SkeletonPuzzle")->isChecked());
    QCOMPARE(r.window->fontEntries().last(), QString("Puzzle Clue Numbers Font"));
    QCOMPARE(int(r.window->puzzle().layout.objectCount), slotOf(*r.puzzle, layout::ObjectKind::Puzzle) + 1);
}

// Fonts, headers, bonus question and partial answers change the window's copy, never the
// puzzle it was opened on nor the default headers.
void ReportsTest::fontColourHeadersBonusAndWordsBelongToTheCopy()
{
    Reports r;
    r.open().show();
    const int grid = slotOf(*r.puzzle, layout::ObjectKind::Puzzle);

    // The font menu pops up; its answer font entry opens the font dialog on that font and its
    // colour and stores face, size, colour and styles into the copy that is printed.
    QStringList asked;
    app::setFontDialogSeam(
        [&](QWidget *, const app::FontChoice &preset, const QString &title) -> std::optional<app::FontChoice> {
            asked << title << QString::number(preset.font.pointSize()) << preset.colour.name();
            QFont chosen("DejaVu Serif");
            chosen.setPointSize(19);
            chosen.setItalic(true);
            chosen.setUnderline(true);
            return app::FontChoice { chosen, QColor(0x40, 0x50, 0x60) };
        });
    app::setColourDialogSeam([&](QWidget *, const QColor &preset) -> std::optional<QColor> {
        asked << preset.name();
        return QColor(0, 128, 255);
    });
    r.click("ChangeFontsButton");
    QVERIFY(r.find<QMenu>("FontMenu")->isVisible());
    const int answerFont = int(r.window->fontEntries().indexOf("Puzzle Answer Font"));
    QVERIFY(answerFont >= 0);
    r.find<QAction>(qPrintable(QString("FontItem%1").arg(answerFont + 1)))->trigger();
    r.find<QMenu>("FontMenu")->close();
    const layout::LayoutFont &font = r.window->puzzle().layout.objects[grid].textFont;
    QCOMPARE(QString::fromStdString(font.face.str()), QString("DejaVu Serif"));
    QCOMPARE(int(font.size), 19);
    QCOMPARE(int(font.style.italic), 1);
    QCOMPARE(int(font.style.underline), 1);
    QCOMPARE(int(font.style.bold), 0);
    QCOMPARE(quint32(font.colour), quint32(0x605040));
    QCOMPARE(int(r.puzzle->layout.objects[grid].textFont.size),
        int(samplePuzzle()->layout.objects[grid].textFont.size));
    QCOMPARE(quint32(r.puzzle->layout.objects[grid].textFont.colour),
        quint32(samplePuzzle()->layout.objects[grid].textFont.colour));

    // Filled box colour: the colour dialog starts on the setting and stores its choice.
    r.settings().boxColor = 0x000000FF;
    r.click("BoxColorButton");
    QCOMPARE(r.settings().boxColor, 0x00FF8000);
    QCOMPARE(r.find<QLabel>("BoxColorSwatch")->palette().color(QPalette::Window), QColor(0, 128, 255));
    app::setFontDialogSeam({});
    app::setColourDialogSeam({});
    QCOMPARE(asked,
        QStringList({ "Puzzle Answer Font",
            QString::number(samplePuzzle()->layout.objects[grid].textFont.size),
            colourFromWindows(samplePuzzle()->layout.objects[grid].textFont.colour).name(), "#ff0000" }));

    r.onChild = [&](QDialog &child) {
        r.seen << child.windowTitle();
        child.findChild<QLineEdit *>("AcrossHeader")->setText("Sideways");
        child.findChild<QPushButton *>("OkButton")->click();
        return child.result();
    };
    r.click("ClueHeadersButton");
    QCOMPARE(r.window->acrossLabel(), std::string("Sideways"));
    QCOMPARE(r.settings().acrossLabel, std::string("Across"));

    r.onChild = [&](QDialog &child) {
        r.seen << child.windowTitle();
        auto *edit = child.findChild<QLineEdit *>("BonusQuestionEdit");
        edit->setText("  Which animal says moo?  ");
        child.findChild<QPushButton *>("OkButton")->click();
        return child.result();
    };
    r.click("BonusQuestionButton");
    QCOMPARE(r.window->puzzle().bonusQuestion.str(), std::string("Which animal says moo?"));
    QVERIFY(r.puzzle->bonusQuestion.str() != "Which animal says moo?");

    r.onChild = [&](QDialog &child) {
        r.seen << child.windowTitle();
        auto *words = child.findChild<QListWidget *>("WordList");
        r.seen << QString::number(words->count());
        words->item(0)->setSelected(true);
        words->item(2)->setSelected(true);
        child.findChild<QPushButton *>("OkButton")->click();
        return child.result();
    };
    r.click("PartialAnswer");
    r.click("SelectButton");
    QCOMPARE(int(r.window->partialWords()[0]), 1);
    QCOMPARE(int(r.window->partialWords()[1]), 0);
    QCOMPARE(int(r.window->partialWords()[2]), 1);
    QCOMPARE(r.seen,
        QStringList(
            { "Clue Headers", "Bonus Question", "Partial Answer", QString::number(r.puzzle->wordCount) }));
    QCOMPARE(r.opened,
        QStringList(
            { "gw::layout::TClueHeaders", "gw::layout::TBonusQuestion", "gw::layout::TPartialAnswerList" }));
}

// View/Print runs the job in the status dialog, then the preview prints the page: the PDF
// holds the answer key, or only the partial letters, and the chosen bonus question.
void ReportsTest::viewPrintPrintsThePreviewedPageToPdf()
{
    Reports r;
    const QString pdf = r.workspace.path("printed.pdf");
    r.context().printer.pdfFile = pdf;
    r.settings().answerKey = true;
    r.open().show();
    QString statusText;
    QVector<double> zooms;
    r.onChild = [&](QDialog &child) {
        if (auto *status = qobject_cast<render::TReportStatus *>(&child)) {
            r.seen << status->windowTitle() << status->findChild<QLabel *>("StatusTitle")->text()
                   << status->findChild<QPushButton *>("CancelButton")->text();
            const int result = runStatus(*status);
            statusText = status->findChild<QLabel *>("StatusLine")->text();
            return result;
        }
        auto *preview = qobject_cast<render::TMyPreview *>(&child);
        zooms << preview->zoom();
        preview->findChild<QAction *>("MenuPrintPage")->trigger();
        return int(QDialog::Accepted);
    };
    r.click("ViewPrintButton");
    QCOMPARE(r.opened, QStringList({ "gw::render::TReportStatus", "gw::render::TMyPreview" }));
    QCOMPARE(r.seen, QStringList({ "Report Status Screen", "Printing Status", "Cancel" }));
    QCOMPARE(statusText, QString("Puzzle Generated!"));
    QCOMPARE(zooms, QVector<double>({ 100 }));
    QVERIFY(r.dialogs.messages().empty());
    const QString key = pdfText(pdf);
    QVERIFY2(key.contains("R O O S T E R"), qPrintable(key));
    QVERIFY(key.contains("Farm Animals"));
    QCOMPARE(pdfPages(pdf), 1);

    // Partial letters A and E without the answer key: those letters, and no whole word.
    r.click("AnswerKey");
    r.click("PartialLetters");
    QTest::keyClicks(r.find<QLineEdit>("LettersEdit"), "ae");
    r.opened.clear();
    QVERIFY(QFile::remove(pdf));
    r.find<QAction>("MenuViewPrint")->trigger();
    QCOMPARE(r.opened.size(), 2);
    const QString partial = pdfText(pdf);
    QVERIFY2(!partial.contains("R O O S T E R") && !partial.contains("P I G"), qPrintable(partial));
    QVERIFY(partial.contains(QRegularExpression("^E$|^A$|^A E$|^E A$", QRegularExpression::MultilineOption)));
}

// Cancel while the page is drawn aborts the run: the status says so and no preview opens.
void ReportsTest::cancelStopsTheRunWithoutPreview()
{
    Reports r;
    r.open().show();
    QString statusText;
    QString buttonText;
    r.onChild = [&](QDialog &child) {
        auto *status = qobject_cast<render::TReportStatus *>(&child);
        if (!status)
            return int(QDialog::Rejected);
        auto *cancel = status->findChild<QPushButton *>("CancelButton");
        status->show();
        // Queued behind the start of the run, so it is answered while the page is drawn.
        QTimer::singleShot(0, cancel, &QPushButton::click);
        if (!QTest::qWaitFor([&] { return status->finished(); }, 20000))
            return int(QDialog::Rejected);
        statusText = status->findChild<QLabel *>("StatusLine")->text();
        buttonText = cancel->text();
        cancel->click();
        return status->result();
    };
    r.click("ViewPrintButton");
    QCOMPARE(statusText, QString("Puzzle Generation Canceled!"));
    QCOMPARE(buttonText, QString("OK"));
    QCOMPARE(r.opened, QStringList({ "gw::render::TReportStatus" }));
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
    r.onChild = [&](QDialog &child) {
        if (auto *status = qobject_cast<render::TReportStatus *>(&child)) {
            const int result = runStatus(*status);
            statusText = status->findChild<QLabel *>("StatusLine")->text();
            return result;
        }
        return int(QDialog::Rejected);
    };
    r.click("ViewPrintButton");
    const QString warning
        = "Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on "
          "the page layout, change the font size for the clues or select the \"Make It Fit\" attribute for "
          "the "
          "clue fonts.";
    QCOMPARE(statusText, "Puzzle Generated!\n\n" + warning);
    QCOMPARE(r.dialogs.lastMessage(), "Warning|" + warning);
    QCOMPARE(r.opened.last(), QString("gw::render::TMyPreview"));
}

// Printer Setup opens the printer dialog on the program's choice and keeps what it chooses
// only when accepted; Help the help window at the Report Window topic, or says the help file
// is missing.
void ReportsTest::printerSetupAndHelp()
{
    Reports r;
    r.open().show();
    r.context().printer.pdfFile = r.workspace.path("before.pdf");
    int answer = QDialog::Rejected;
    r.onChild = [&](QDialog &child) {
        auto *dialog = qobject_cast<QPrintDialog *>(&child);
        if (!dialog)
            return int(QDialog::Rejected);
        r.seen << dialog->windowTitle() << dialog->printer()->outputFileName();
        dialog->printer()->setOutputFileName(r.workspace.path("after.pdf"));
        return answer;
    };
    r.find<QAction>("MenuPrinterSetup")->trigger();
    QCOMPARE(r.context().printer.pdfFile, r.workspace.path("before.pdf"));
    answer = QDialog::Accepted;
    r.find<QAction>("MenuPrinterSetup")->trigger();
    QCOMPARE(r.opened, QStringList({ "QPrintDialog", "QPrintDialog" }));
    QCOMPARE(r.seen,
        QStringList({ "Printer Setup", r.workspace.path("before.pdf"), "Printer Setup",
            r.workspace.path("before.pdf") }));
    QCOMPARE(r.context().printer.pdfFile, r.workspace.path("after.pdf"));

    r.find<QAction>("MenuHelp")->trigger();
    QVERIFY(r.dialogs.lastMessage().startsWith("Error|"));
    QVERIFY(QFile::copy(GW_SOURCE_DIR "/data/GRIDW.HLP", r.workspace.path("program/GRIDW.HLP")));
    r.find<QAction>("MenuHelp")->trigger();
    QCOMPARE(r.opened.last(), QString("gw::app::THelpWindow"));
}

// The miniature draws each object's box in the colour of its kind on the white page.
void ReportsTest::miniatureColoursTheKinds()
{
    Reports r;
    r.open().show();
    QVERIFY(QTest::qWaitForWindowExposed(r.window.get()));
    auto *miniature = r.find<render::QtPageMiniature>("PageMiniature");
    const QImage picture = miniature->grab().toImage();
    const layout::LayoutRecord &page = r.puzzle->layout;
    const double scale = std::min(double(miniature->width()) / page.pageWidthPixels,
        double(miniature->height()) / page.pageHeightPixels);
    const layout::LayoutObject &grid = page.objects[slotOf(*r.puzzle, layout::ObjectKind::Puzzle)];
    const QPoint centre(int((grid.rect.left + grid.rect.right) / 2 * scale),
        int((grid.rect.top + grid.rect.bottom) / 2 * scale));
    QCOMPARE(picture.pixelColor(centre * picture.devicePixelRatio()), QColor(0x80, 0, 0));
    QCOMPARE(render::QtPageMiniature::kindColour(1), QColor(255, 255, 0));
    QCOMPARE(render::QtPageMiniature::kindColour(6), QColor(0, 255, 255));
    QCOMPARE(render::QtPageMiniature::kindColour(9), QColor(0, 255, 255));
    QCOMPARE(render::QtPageMiniature::kindColour(8), QColor(255, 0, 255));
    QCOMPARE(render::QtPageMiniature::kindColour(11), QColor(255, 255, 255));
    QCOMPARE(render::QtPageMiniature::kindColour(13), QColor(128, 128, 128));
    // The page is white where no object lies: just inside its top-left corner.
    QCOMPARE(picture.pixelColor(QPoint(4, 4) * picture.devicePixelRatio()), QColor(Qt::white));
}

// Pictures at the scales 1.0 and 1.6, for looking at clipped texts and overlaps.
void ReportsTest::screenshots()
{
    for (double factor : { 1.0, 1.6 }) {
        Reports r;
        r.context().scaleFactor = factor;
        r.open().show();
        QVERIFY(QTest::qWaitForWindowExposed(r.window.get()));
        test::saveScreenshot(r.window.get(), QString("TMyReport-%1").arg(qRound(factor * 100)));
    }
}

QTEST_MAIN(ReportsTest)
#include "tst_TMyReport.moc"
