#include "render/ui/TMyPreview.h"

#include "render/PrintJob.h"
#include "render/TextConversion.h"
#include "render/ui/PreviewPage.h"
#include "render/ui/TMultiCopies.h"
#include "report/PageImage.h"
#include "report/ReportEngine.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/PageWindowBounds.h"
#include "ui/ScreenScale.h"
#include "ui/WindowLook.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace gw::render {

TMyPreview::TMyPreview(app::AppContext &context, PrintJob &job, report::ReportEngine &engine, QWidget *parent)
    : app::TWindow(context, parent)
    , m_job(job)
    , m_engine(engine)
    , m_page(new PreviewPage)
    , m_scroll(new QScrollArea(this))
    , m_zoomEdit(new QLineEdit)
{
    setWindowTitle("Puzzle Preview");
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto *bar = new QMenuBar(this);
    bar->setObjectName("MainMenu");
    column->setMenuBar(bar);

    auto *tools = new QWidget(this);
    tools->setObjectName("ToolBar");
    buildToolBar(tools);
    column->addWidget(tools);

    m_scroll->setObjectName("PreviewArea");
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_page->setObjectName("PreviewPage");
    m_page->setPage(page());
    m_scroll->setWidget(m_page);
    column->addWidget(m_scroll, 1);

    buildMenus();
    showZoom();
}

void TMyPreview::buildToolBar(QWidget *bar)
{
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    const auto button
        = [&](const QString &objectName, const QString &text, const QString &hint, auto handler) {
              auto *speed = new QToolButton(bar);
              speed->setObjectName(objectName);
              speed->setText(text);
              speed->setToolTip(hint);
              speed->setAutoRaise(true);
              row->addWidget(speed);
              connect(speed, &QToolButton::clicked, this, handler);
              return speed;
          };
    button("SpeedZoomIn", "+", "Zoom In", &TMyPreview::ZoomInClick);
    button("SpeedZoomOut", "-", "Zoom Out", &TMyPreview::ZoomOutClick);
    button("SpeedPageWidth", "Width", "Zoom Page Width", &TMyPreview::ZoomPageWidthClick);
    button("SpeedWholePage", "Page", "Zoom Whole Page", &TMyPreview::ZoomWholePageClick);
    row->addSpacing(8);
    button("SpeedBitmap", "BMP", "Export As Bitmap", [this] { runHook(m_hooks.bmp); });
    button("SpeedMetafile", "WMF", "Export As Metafile", [this] { runHook(m_hooks.wmf); });
    button("SpeedJpeg", "JPEG", "Export As JPEG", [this] { runHook(m_hooks.jpeg); });
    button("SpeedWebPage", "Web", "Create Web Page", [this] { runHook(m_hooks.html); });
    row->addSpacing(8);
    button("SpeedPrint", "Print", "Print Page", &TMyPreview::PrintReportClick);
    button("SpeedDone", "Done", "Done", &QDialog::accept);
    row->addSpacing(12);
    auto *label = new QLabel("Zoom %", bar);
    label->setObjectName("ZoomLabel");
    label->setBuddy(m_zoomEdit);
    row->addWidget(label);
    m_zoomEdit->setObjectName("ZoomEdit");
    m_zoomEdit->setMaxLength(10);
    m_zoomEdit->setFixedWidth(60);
    row->addWidget(m_zoomEdit);
    row->addStretch(1);
    connect(m_zoomEdit, &QLineEdit::editingFinished, this, &TMyPreview::ZoomEditDone);
}

void TMyPreview::buildMenus()
{
    auto *bar = findChild<QMenuBar *>("MainMenu");
    QMenu *file = app::addMenu(bar, "MenuFile", "&File");
    connect(app::addItem(file, "MenuPrintPage", "&Print Page", QKeySequence("Ctrl+P")), &QAction::triggered,
        this, &TMyPreview::PrintPageClick);
    connect(app::addItem(file, "MenuMultiCopies", "Print &Multiple Copies", QKeySequence("Ctrl+M")),
        &QAction::triggered, this, &TMyPreview::MultiCopiesClick);
    connect(app::addItem(file, "MenuSavePdf", "Save as P&DF...", QKeySequence("Ctrl+Shift+S")),
        &QAction::triggered, this, &TMyPreview::SavePdfClick);
    file->addSeparator();
    connect(app::addItem(file, "MenuExit", "E&xit", QKeySequence("Ctrl+X")), &QAction::triggered, this,
        &QDialog::accept);

    QMenu *graphic = app::addMenu(bar, "MenuGraphicExport", "&Graphic Export");
    const auto hookItem = [&](const QString &objectName, const QString &text, const QKeySequence &keys,
                              std::function<void(TMyPreview &)> ExportHooks::*hook) {
        connect(app::addItem(graphic, objectName, text, keys), &QAction::triggered, this,
            [this, hook] { runHook(m_hooks.*hook); });
    };
    hookItem("MenuWmf", "&Windows MetaFile (WMF)", QKeySequence("Ctrl+W"), &ExportHooks::wmf);
    hookItem("MenuEmf", "&Enhanced MetaFile (EMF)", QKeySequence("Ctrl+E"), &ExportHooks::emf);
    hookItem("MenuBmp", "Windows &Bitmap (BMP)", QKeySequence("Ctrl+B"), &ExportHooks::bmp);
    hookItem("MenuJpeg", "&JPEG (JPG)", QKeySequence("Ctrl+J"), &ExportHooks::jpeg);
    graphic->addSeparator();
    hookItem("MenuJpegFactor", "JPEG Compression &Factor", QKeySequence("Ctrl+F"), &ExportHooks::jpegFactor);
    graphic->addSeparator();
    hookItem("MenuIpuz", "&ipuz Crossword (IPUZ)", {}, &ExportHooks::ipuz);
    hookItem("MenuPuz", "&PUZ Crossword (PUZ)", {}, &ExportHooks::puz);

    // The web page with the page's picture, and the puzzle to solve in a browser.
    QMenu *html = app::addMenu(bar, "MenuHtmlExport", "&HTML Export");
    connect(app::addItem(html, "MenuHtml", "&HTML Export"), &QAction::triggered, this,
        [this] { runHook(m_hooks.html); });
    connect(app::addItem(html, "MenuWebPuzzle", "&Interactive Web Puzzle..."), &QAction::triggered, this,
        [this] { runHook(m_hooks.webPuzzle); });

    QMenu *view = app::addMenu(bar, "MenuView", "&View");
    QMenu *zoomIn = app::addMenu(view, "MenuZoomIn", "Zoom &In");
    QMenu *zoomOut = app::addMenu(view, "MenuZoomOut", "Zoom &Out");
    const auto zoomItem
        = [this](QMenu *menu, const QString &objectName, const QString &text, double percent) {
              connect(app::addItem(menu, objectName, text), &QAction::triggered, this,
                  [this, percent] { setZoom(percent); });
          };
    zoomItem(zoomIn, "MenuZoom100", "&1 : 1", 100);
    zoomItem(zoomIn, "MenuZoom200", "&2 : 1", 200);
    zoomItem(zoomOut, "MenuZoomOut100", "1 : &1", 100);
    zoomItem(zoomOut, "MenuZoom50", "1 : &2", 50);
    zoomItem(zoomOut, "MenuZoom33", "1 : &3", 100.0 / 3);
    zoomItem(zoomOut, "MenuZoom25", "1 : &4", 25);
    zoomItem(zoomOut, "MenuZoom20", "1 : &5", 20);
    connect(app::addItem(view, "MenuPageWidth", "Zoom &Page Width", QKeySequence("Ctrl+Z")),
        &QAction::triggered, this, &TMyPreview::ZoomPageWidthClick);
    connect(app::addItem(view, "MenuWholePage", "Zoom &Whole Page"), &QAction::triggered, this,
        &TMyPreview::ZoomWholePageClick);
}

const report::RecordedPage *TMyPreview::page() const
{
    return m_engine.pages().empty() ? nullptr : &m_engine.pages().front();
}

void TMyPreview::applyLook()
{
    // The window keeps the size the user gave it, so it takes the screen size only in its fonts.
    setFont(app::designFont("Arial", app::scaled(app::DesignFontPixels, m_context.scaleFactor)));
    const model::Settings &settings = m_context.settings;
    setGeometry(settings.reportViewingWindowLeft, settings.reportViewingWindowTop,
        std::max(settings.reportViewingWindowWidth, minimumSizeHint().width()),
        std::max(settings.reportViewingWindowHeight, minimumSizeHint().height()));
    layout()->activate();
    // Large enough for the whole page at 100 % where the screen allows, else the whole page
    // shown smaller.
    const QSize chrome = size() - m_scroll->viewport()->size();
    setGeometry(app::pageWindowBounds(geometry(), chrome + m_page->sizeHint(), app::availableArea(this)));
    layout()->activate();
    const QSize room = m_scroll->viewport()->size();
    if (m_page->width() > room.width() || m_page->height() > room.height())
        ZoomWholePageClick();
}

void TMyPreview::done(int result)
{
    model::Settings &settings = m_context.settings;
    const QRect bounds = geometry();
    settings.reportViewingWindowLeft = bounds.x();
    settings.reportViewingWindowTop = bounds.y();
    settings.reportViewingWindowWidth = bounds.width();
    settings.reportViewingWindowHeight = bounds.height();
    QDialog::done(result);
}

double TMyPreview::zoom() const
{
    return m_page->zoom();
}

void TMyPreview::setZoom(double percent)
{
    // The point of the page in the middle of the view stays there.
    QScrollBar *across = m_scroll->horizontalScrollBar();
    QScrollBar *down = m_scroll->verticalScrollBar();
    const QSize before = m_page->size();
    // The page widget sits at its place in the viewport: moved up and left by scrolling, or
    // centred when it is smaller.
    const double middleX = (m_scroll->viewport()->width() / 2.0 - m_page->x()) / std::max(1, before.width());
    const double middleY
        = (m_scroll->viewport()->height() / 2.0 - m_page->y()) / std::max(1, before.height());
    m_page->setZoom(std::clamp(percent, MinZoom, MaxZoom));
    const QSize after = m_page->size();
    across->setMaximum(std::max(0, after.width() - m_scroll->viewport()->width()));
    down->setMaximum(std::max(0, after.height() - m_scroll->viewport()->height()));
    across->setValue(static_cast<int>(middleX * after.width() - m_scroll->viewport()->width() / 2.0));
    down->setValue(static_cast<int>(middleY * after.height() - m_scroll->viewport()->height() / 2.0));
    showZoom();
}

void TMyPreview::showZoom()
{
    m_zoomEdit->setText(QString::number(zoom(), 'f', 1).left(m_zoomEdit->maxLength()));
}

QImage TMyPreview::pageImage() const
{
    if (!page())
        return {};
    return report::renderPageImage(*page(), PreviewPage::ScreenDotsPerInch * zoom() / 100);
}

void TMyPreview::ZoomInClick()
{
    setZoom(zoom() + ZoomStep);
}

void TMyPreview::ZoomOutClick()
{
    setZoom(zoom() - ZoomStep);
}

void TMyPreview::ZoomPageWidthClick()
{
    if (!page())
        return;
    // Page and both margins across the visible part of the scroll area.
    const QSize full = PreviewPage::pagePixels(*page(), 100);
    const double across = full.width() * (1 + 2 * PreviewPage::MarginPercent / 100);
    const int room = m_scroll->viewport()->width() - m_scroll->verticalScrollBar()->sizeHint().width();
    setZoom(100.0 * room / across);
}

void TMyPreview::ZoomWholePageClick()
{
    if (!page())
        return;
    const QSize full = PreviewPage::pagePixels(*page(), 100);
    const double margins = full.width() * 2 * PreviewPage::MarginPercent / 100;
    const double byWidth = 100.0 * m_scroll->viewport()->width() / (full.width() + margins);
    const double byHeight = 100.0 * m_scroll->viewport()->height() / (full.height() + margins);
    setZoom(std::min(byWidth, byHeight));
}

void TMyPreview::ZoomEditDone()
{
    bool number = false;
    const double typed = m_zoomEdit->text().trimmed().toDouble(&number);
    if (number && typed >= MinZoom && typed <= MaxZoom && typed != zoom())
        setZoom(typed);
    else
        showZoom();
}

void TMyPreview::runHook(const std::function<void(TMyPreview &)> &hook)
{
    if (hook)
        hook(*this);
}

void TMyPreview::printCopies(int firstPage, int lastPage, int copies)
{
    const auto failed = printTo(m_context.printer, firstPage, lastPage, copies);
    if (!failed)
        return;
    if (!failed->printerUnavailable) {
        app::show(this, failed->failure);
        return;
    }
    // Nothing was printed, so the same pages can still be kept as a file.
    if (app::ask(this, toQString(failed->failure.caption),
            toQString(failed->failure.text) + "  Save the page as a PDF file instead?")
        == app::Answer::Yes)
        savePdf(firstPage, lastPage, copies);
}

std::optional<report::PrintFailure> TMyPreview::printTo(
    const report::PrinterChoice &choice, int firstPage, int lastPage, int copies)
{
    return m_engine.print(choice, firstPage, lastPage, copies, m_job.puzzle().title.view());
}

void TMyPreview::savePdf(int firstPage, int lastPage, int copies)
{
    const auto file = app::chooseFile(this,
        { app::FileDialogKind::Save, "Save as PDF", "PDF Files (*.pdf *.PDF)", "pdf",
            QString::fromStdString(m_context.startDirectory.string()) });
    if (!file)
        return;
    report::PrinterChoice intoFile;
    intoFile.pdfFile = *file;
    if (const auto failed = printTo(intoFile, firstPage, lastPage, copies))
        app::show(this, failed->failure);
}

void TMyPreview::SavePdfClick()
{
    savePdf(1, static_cast<int>(m_engine.pages().size()), 1);
}

void TMyPreview::PrintPageClick()
{
    printCopies(1, 1, 1);
}

void TMyPreview::PrintReportClick()
{
    printCopies(1, static_cast<int>(m_engine.pages().size()), 1);
}

void TMyPreview::MultiCopiesClick()
{
    TMultiCopies dialog(m_context, this);
    if (app::runChild(dialog) != QDialog::Accepted)
        return;
    // All copies go out as one job: the printer makes them itself when it can, otherwise the
    // job repeats the page, so that a file printer keeps every copy.
    printCopies(1, static_cast<int>(m_engine.pages().size()), dialog.copies());
}

} // namespace gw::render
