#include "layout/DefaultLayout.h"
#include "layout/LayoutLibrary.h"
#include "layout/LayoutUnits.h"
#include "layout/LibraryWindowTesting.h"
#include "layout/ui/TDoPages.h"
#include "render/TextConversion.h"
#include "uisupport/ScriptedChildren.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QtTest>
#include <cmath>

using namespace gw;
using layout::LayoutRecord;
using layout::ObjectKind;
using layout::PageDesignerMode;
using layout::TDoPages;

namespace {

constexpr qint64 LayoutSize = sizeof(LayoutRecord);

QByteArray libraryBytes(app::AppContext &context)
{
    return test::libraryBytes(context.layoutLibrary());
}

// The record at the number, as the library file holds it.
LayoutRecord storedLayout(app::AppContext &context, int record)
{
    const Result<LayoutRecord> read = layout::readLayout(context.layoutLibrary(), record);
    return read ? *read : LayoutRecord {};
}

int recordCount(app::AppContext &context)
{
    return static_cast<int>(libraryBytes(context).size() / LayoutSize);
}

using Rect = std::array<int, 4>;
Rect rectOf(const LayoutRecord &layout, int slot)
{
    const layout::PixelRect rect = layout.objects[slot - 1].rect;
    return { int(rect.left), int(rect.top), int(rect.right), int(rect.bottom) };
}

QLabel *page(QWidget &designer)
{
    return test::child<QLabel>(designer, "PageImage");
}

QMenu *objectMenu(QWidget &designer)
{
    return designer.findChild<QMenu *>(QStringLiteral("ObjectMenu"));
}

// Chooses the kind's button and clicks the page at the point.
void place(QWidget &designer, const char *button, QPoint at)
{
    QTest::mouseClick(test::child<QPushButton>(designer, button), Qt::LeftButton);
    QTest::mouseClick(page(designer), Qt::LeftButton, {}, at);
}

// Opens the object menu with the right button at the point.
void openMenu(QWidget &designer, QPoint at)
{
    QTest::mousePress(page(designer), Qt::RightButton, {}, at);
    QTest::mouseRelease(page(designer), Qt::RightButton, {}, at);
    QTRY_VERIFY(objectMenu(designer)->isVisible());
}

// Chooses the entry of the object menu opened at the point.
void chooseFromMenu(QWidget &designer, QPoint at, const char *entry)
{
    openMenu(designer, at);
    test::child<QAction>(designer, entry)->trigger();
    objectMenu(designer)->hide();
}

void choosePaper(QWidget &designer, const char *name)
{
    auto *paper = test::child<QComboBox>(designer, "PaperSize");
    paper->setCurrentIndex(paper->findText(QString::fromLatin1(name)));
}

// A layout kept at the given zoom with one Title and one Text object.
LayoutRecord keptLayout(int zoom)
{
    LayoutRecord kept = layout::defaultLayout();
    kept.name.assign("Kept");
    kept.zoom = static_cast<std::int16_t>(zoom);
    kept.objectCount = 2;
    kept.objects[0].rect = { 97, 50, 301, 75 };
    kept.objects[1].kind = static_cast<std::int16_t>(ObjectKind::Text);
    kept.objects[1].rect = { 11, 401, 203, 603 };
    return kept;
}

} // namespace

class TDoPagesTest : public QObject, test::WindowFixture
{
    Q_OBJECT

    // A designer shown at the small zoom, where the Letter page is 48 pixels an inch.
    std::unique_ptr<TDoPages> smallDesigner(
        PageDesignerMode mode = PageDesignerMode::New, const LayoutRecord &layout = {})
    {
        context().settings.zoom = 1;
        auto designer = std::make_unique<TDoPages>(context(), mode, 0, layout);
        test::showActive(*designer);
        return designer;
    }

private Q_SLOTS:
    void init() { start(); }
    void cleanup() { stop(); }

    // A heading takes the label of the settings.  The right button where two objects overlap
    // opens the menu of the higher slot; Bring To Front and Send To Back reorder the slots.  The
    // menu's dialogs work on a copy that comes back on OK.
    void contextMenuOnOverlap()
    {
        const auto open = smallDesigner();
        TDoPages &designer = *open;
        context().settings.acrossLabel = "ACROSS";
        place(designer, "PuzzleButton", QPoint(50, 50));
        place(designer, "BitmapButton", QPoint(100, 100));
        place(designer, "AcrossHeadingButton", QPoint(10, 300));
        QCOMPARE(designer.workingLayout().objects[2].textView(), std::string_view("ACROSS"));
        test::saveScreenshot(&designer, QStringLiteral("every_kind_small"));
        openMenu(designer, QPoint(120, 120));
        QCOMPARE(designer.menuSlot(), 2);
        objectMenu(designer)->hide();
        chooseFromMenu(designer, QPoint(60, 60), "MenuBringToFront");
        QCOMPARE(test::child<QAction>(designer, "MenuObject1")->text(), QStringLiteral("Bitmap 1"));
        chooseFromMenu(designer, QPoint(120, 120), "MenuSendToBack");
        QCOMPARE(test::child<QAction>(designer, "MenuObject1")->text(), QStringLiteral("Puzzle"));

        test::ScriptedChildren children;
        children.onChild = [](QDialog &child) {
            child.findChild<QCheckBox *>(QStringLiteral("UseBorderCheck"))->setChecked(true);
            QMetaObject::invokeMethod(&child, "OkButtonClick");
            return int(QDialog::Rejected);
        };
        chooseFromMenu(designer, QPoint(120, 120), "MenuBorder");
        QCOMPARE(int(designer.workingLayout().objects[1].useBorder), 1);
    }

    // Load Bitmap stores the file's path; other files are refused; a layout whose bitmaps are
    // missing warns for each on opening.
    void loadBitmap()
    {
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QString bitmap = workspace->path(QStringLiteral("red.bmp"));
        QVERIFY(red.save(bitmap, "BMP"));
        QVERIFY(red.save(workspace->path(QStringLiteral("red.png")), "PNG"));
        TDoPages designer(context(), PageDesignerMode::New, 0, LayoutRecord {});
        test::showActive(designer);
        place(designer, "BitmapButton", QPoint(10, 10));
        openMenu(designer, QPoint(40, 40));
        dialogs->chooseFile(workspace->path(QStringLiteral("red.png")));
        test::child<QAction>(designer, "MenuLoadBitmap")->trigger();
        QCOMPARE(
            dialogs->lastMessage(), QStringLiteral("Error|The file selected is not a valid bitmap file."));
        dialogs->chooseFile(bitmap);
        test::child<QAction>(designer, "MenuLoadBitmap")->trigger();
        objectMenu(designer)->hide();
        QCOMPARE(toQString(designer.workingLayout().objects[0].bitmapPath.view()), bitmap);
        dialogs->clear();
        LayoutRecord missing = layout::defaultLayout();
        missing.objectCount = 3;
        for (int slot : { 1, 2 }) {
            missing.objects[slot] = missing.objects[0];
            missing.objects[slot].kind = static_cast<std::int16_t>(ObjectKind::Bitmap);
            missing.objects[slot].bitmapPath.assign(
                fromQString(workspace->path(QStringLiteral("gone%1.bmp").arg(slot))));
        }
        TDoPages opened(context(), PageDesignerMode::Copy, 0, missing);
        test::showActive(opened);
        QCOMPARE(dialogs->messages().size(), std::size_t { 2 });
        QCOMPARE(
            dialogs->lastMessage(), QStringLiteral("Warning|A bitmap for this layout could not be located."));
    }

    // A layout stored with zoom 0 (the built-in one, or one taken from a puzzle made while the
    // library was missing) saved unchanged keeps every object where it was on the page, at any
    // zoom: its pixels are those of the zoom its page size in pixels was taken at.  Modify saves
    // it in place.
    void zoomZeroKeepsItsObjectsOnSave_data()
    {
        QTest::addColumn<bool>("builtIn"); // else an A4 page taken at the large zoom
        QTest::addColumn<int>("zoom");
        for (const int zoom : { 1, 2, 3 }) {
            QTest::addRow("built-in at zoom %d", zoom) << true << zoom;
            QTest::addRow("large A4 at zoom %d", zoom) << false << zoom;
        }
    }
    void zoomZeroKeepsItsObjectsOnSave()
    {
        QFETCH(bool, builtIn);
        QFETCH(int, zoom);
        context().settings.zoom = zoom;
        LayoutRecord original = layout::defaultLayout();
        if (!builtIn) {
            layout::applyPaperSize(original, *layout::findPaperSize("A4"));
            layout::storePagePixels(original, layout::LargeZoom);
            original.objects[1].rect = { 201, 153, 639, 591 };
        }
        const Result<int> record = layout::addLayout(context().layoutLibrary(), original);
        QVERIFY(record);
        const int count = recordCount(context());
        TDoPages designer(context(), PageDesignerMode::Modify, *record, original);
        test::showActive(designer);
        test::clickButton(designer, "Save");
        QVERIFY(designer.saved());
        QCOMPARE(recordCount(context()), count);
        const LayoutRecord saved = storedLayout(context(), *record);
        QCOMPARE(int(saved.zoom), zoom);
        const double across = double(saved.pageWidthPixels) / original.pageWidthPixels;
        const double down = double(saved.pageHeightPixels) / original.pageHeightPixels;
        QCOMPARE(across, down);
        for (int slot = 1; slot <= original.objectCount; ++slot) {
            const Rect was = rectOf(original, slot);
            const Rect is = rectOf(saved, slot);
            for (int k = 0; k < 4; ++k)
                QVERIFY2(std::abs(is[k] - was[k] * (k % 2 == 0 ? across : down)) < 1.0,
                    qPrintable(
                        QString("slot %1 edge %2: %3 from %4").arg(slot).arg(k).arg(is[k]).arg(was[k])));
        }
    }

    // A designer opened on a layout that another program then changed writes nothing over it,
    // says why and closes, so that its chooser lists the library anew.
    void saveOverALayoutChangedElsewhereWritesNothing()
    {
        const LayoutRecord original = layout::defaultLayout();
        const Result<int> record = layout::addLayout(context().layoutLibrary(), original);
        QVERIFY(record);
        TDoPages designer(context(), PageDesignerMode::Modify, *record, original);
        test::showActive(designer);
        LayoutRecord changed = original;
        changed.name.assign("Changed Elsewhere");
        QVERIFY(layout::replaceLayout(context().layoutLibrary(), *record, changed, fingerprintOf(original)));
        const QByteArray before = libraryBytes(context());
        test::clickButton(designer, "Save");
        QCOMPARE(libraryBytes(context()), before);
        QCOMPARE(dialogs->lastMessage(),
            QStringLiteral("Warning|This page layout was changed or deleted by another program after it was "
                           "loaded, so nothing was written.  The list has been reloaded."));
        QVERIFY(!designer.isVisible());
    }

    // Landscape swaps the sides the page is stored with; A5 warns.  A width outside 3..12 inches
    // is refused by Save and nothing is written; the Inches box switches the unit.  A landscape
    // Legal page, 14 inches wide, saves: its size comes from the list, not from the custom limits.
    void paperAndCustomSizes()
    {
        const auto open = smallDesigner(PageDesignerMode::Copy, keptLayout(1));
        TDoPages &designer = *open;
        const int count = recordCount(context());
        choosePaper(designer, "A4");
        test::clickButton(designer, "Landscape");
        QCOMPARE(int(designer.workingLayout().pageWidthPixels), 594);
        choosePaper(designer, "A5");
        QCOMPARE(dialogs->lastMessage(),
            QStringLiteral(
                "Warning|Some printers do not support odd sized pages.  Printed results may vary."));

        choosePaper(designer, "Letter");
        choosePaper(designer, "Custom");
        auto *width = test::child<QLineEdit>(designer, "PageWidth");
        width->setFocus();
        width->setText(QStringLiteral("14.00"));
        dialogs->clear();
        test::clickButton(designer, "Save");
        QCOMPARE(dialogs->messages().size(), std::size_t { 1 });
        QCOMPARE(dialogs->lastMessage(),
            QStringLiteral("Error|Width must be between 3 and 12 inches.  Please re-enter width."));
        QCOMPARE(recordCount(context()), count);
        width->setText(QStringLiteral(" 10 "));
        test::child<QLineEdit>(designer, "LayoutName")->setFocus();
        test::child<QCheckBox>(designer, "Inches")->click();
        QCOMPARE(width->text(), QStringLiteral("25.40"));

        dialogs->clear();
        choosePaper(designer, "Legal");
        test::clickButton(designer, "Save");
        QVERIFY(dialogs->messages().empty());
        QVERIFY(designer.saved());
        QCOMPARE(
            test::recordBytes(storedLayout(context(), count)), test::recordBytes(designer.workingLayout()));
        QCOMPARE(QString::fromStdString(designer.workingLayout().paperName.str()), QStringLiteral("Legal"));
    }

    // A record from a file with a wild count, kinds and page size opens, draws within bounds
    // and offers only what every kind has.
    void wildRecordOpens()
    {
        LayoutRecord wild = keptLayout(2);
        wild.objectCount = 300;
        wild.pageWidth = 1e12;
        wild.pageHeight = -5;
        for (int slot = 2; slot < layout::MaxObjects; ++slot) {
            wild.objects[slot] = wild.objects[1];
            wild.objects[slot].kind = static_cast<std::int16_t>(slot * 7);
            wild.objects[slot].columns = -3;
            wild.objects[slot].rect = { -2000000000, 5, 2000000000, 6 };
        }
        wild.objects[1].kind = static_cast<std::int16_t>(ObjectKind::AcrossClues);
        wild.objects[1].columns = 30000;
        TDoPages designer(context(), PageDesignerMode::Modify, 0, wild);
        test::showActive(designer);
        QVERIFY(page(designer)->pixmap().width() <= 4096);
        QCOMPARE(page(designer)->pixmap().height(), 1);
        QVERIFY(!test::child<QPushButton>(designer, "TextButton")->isEnabled());
        designer.resize(600, 400);
        test::child<QAction>(designer, "MenuObject20")->trigger();
        QTRY_VERIFY(objectMenu(designer)->isVisible());
        QVERIFY(!test::child<QAction>(designer, "MenuProperties")->isEnabled());
        QVERIFY(!test::child<QAction>(designer, "MenuTextFont")->isEnabled());
        test::child<QAction>(designer, "MenuDelete")->trigger();
        objectMenu(designer)->hide();
        QCOMPARE(int(designer.workingLayout().objectCount), 19);
    }

    // A library that cannot be written keeps the designer open with the disk error.
    void saveFailureStaysOpen()
    {
        context().folders.data = context().folders.libraries
            = workspace->path(QStringLiteral("missing/folder")).toStdString();
        TDoPages designer(context(), PageDesignerMode::New, 0, LayoutRecord {});
        test::showActive(designer);
        test::clickButton(designer, "Save");
        QCOMPARE(dialogs->lastMessage(), QStringLiteral("Disk Error|Unable to add page layout."));
        QVERIFY(!designer.saved());
        QVERIFY(designer.isVisible());
    }

    // The designer opened at 640 x 480 in the screen's corner, showing part of the page: it opens
    // on the screen, large enough for the whole page and its rulers where the screen allows, and
    // can be maximised.
    void opensShowingTheWholePage()
    {
        const auto open = smallDesigner();
        TDoPages &small = *open;
        const QRect screen = small.screen()->availableGeometry();
        QVERIFY(screen.contains(small.frameGeometry()));
        auto *scroll = small.findChild<QScrollArea *>(QStringLiteral("PageScroll"));
        const QWidget *area = scroll->widget();
        QVERIFY(scroll->viewport()->rect().contains(
            QRect(area->mapTo(scroll->viewport(), QPoint(0, 0)), area->size())));
        QVERIFY(small.windowFlags() & Qt::WindowMaximizeButtonHint);

        // At the medium zoom the Letter page is taller than the test screen.
        context().settings.zoom = 2;
        TDoPages medium(context(), PageDesignerMode::New, 0, LayoutRecord {});
        test::showActive(medium);
        QVERIFY(screen.contains(medium.frameGeometry()));
        QCOMPARE(medium.frameGeometry().height(), screen.height());
    }
};

QTEST_MAIN(TDoPagesTest)
#include "tst_TDoPages.moc"
