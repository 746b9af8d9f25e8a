#pragma once

#include "report/PrinterOutput.h"
#include "ui/TWindow.h"

#include <QImage>
#include <functional>
#include <optional>

class QAction;
class QLineEdit;
class QScrollArea;
class QToolButton;

namespace gw::app {
struct AppContext;
}

namespace gw::report {
class ReportEngine;
class RecordedPage;
} // namespace gw::report

namespace gw::render {

class PrintJob;
class PreviewPage;

// The preview of a print job's recorded page: zoom, print in one or several copies, and the
// picture and web page exports.
class TMyPreview : public app::TWindow
{
    Q_OBJECT

public:
    // The export commands, each given the preview (its job, engine, page image and zoom);
    // an empty one leaves its menu item and button doing nothing.
    struct ExportHooks
    {
        std::function<void(TMyPreview &)> wmf;
        std::function<void(TMyPreview &)> emf;
        std::function<void(TMyPreview &)> bmp;
        std::function<void(TMyPreview &)> jpeg;
        std::function<void(TMyPreview &)> jpegFactor;
        std::function<void(TMyPreview &)> html;
        std::function<void(TMyPreview &)> ipuz;
        std::function<void(TMyPreview &)> puz;
        std::function<void(TMyPreview &)> webPuzzle;
    };

    TMyPreview(app::AppContext &context, PrintJob &job, report::ReportEngine &engine, QWidget *parent);

    ExportHooks &exportHooks() { return m_hooks; }

    PrintJob &job() { return m_job; }
    report::ReportEngine &engine() { return m_engine; }
    const report::RecordedPage *page() const;

    // Zoom in percent; 100 shows the page at its size on the screen.
    double zoom() const;
    void setZoom(double percent);
    // The page as the preview shows it now: the whole sheet at the current zoom.
    QImage pageImage() const;

    static constexpr double MinZoom = 10;
    static constexpr double MaxZoom = 400;
    static constexpr double ZoomStep = 10; // percentage points of a Zoom In or Zoom Out click

    void done(int result) override;

private Q_SLOTS:
    void ZoomInClick();
    void ZoomOutClick();
    void ZoomPageWidthClick();
    void ZoomWholePageClick();
    void ZoomEditDone();
    void PrintPageClick();
    void PrintReportClick();
    void MultiCopiesClick();
    void SavePdfClick();

private:
    void applyLook() override;
    void buildMenus();
    void buildToolBar(QWidget *bar);
    void runHook(const std::function<void(TMyPreview &)> &hook);
    // To the program's printer; when it cannot take the job, offers a PDF file instead.
    void printCopies(int firstPage, int lastPage, int copies);
    std::optional<report::PrintFailure> printTo(
        const report::PrinterChoice &choice, int firstPage, int lastPage, int copies);
    // Into a PDF file the user chooses.
    void savePdf(int firstPage, int lastPage, int copies);
    void showZoom();

    PrintJob &m_job;
    report::ReportEngine &m_engine;
    ExportHooks m_hooks;
    PreviewPage *m_page;
    QScrollArea *m_scroll;
    QLineEdit *m_zoomEdit;
};

} // namespace gw::render
