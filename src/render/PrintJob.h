#pragma once

#include "model/PuzzleRecord.h"
#include "platform/Failure.h"
#include "render/PageContext.h"
#include "render/PageResults.h"
#include "render/PrintOptions.h"
#include "report/PageCanvas.h"
#include "report/ReportEngine.h"

#include <QImage>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gw::render {

// One printout of a puzzle: its own copy of the puzzle record, whose layout the Reports window
// may change, the options chosen there, and, after a run, what the page found out for the
// picture export and the warnings.
class PrintJob
{
public:
    PrintJob(const model::PuzzleRecord &puzzle, const PrintOptions &options);

    model::PuzzleRecord &puzzle() { return *m_puzzle; }
    const model::PuzzleRecord &puzzle() const { return *m_puzzle; }
    PrintOptions &options() { return m_options; }
    const PrintOptions &options() const { return m_options; }

    // Connects the four events to the engine and records the page; false when aborted.
    bool run(report::ReportEngine &engine);

    // The engine's events.
    void MyBeforePrintReport(report::ReportEngine &engine);
    void MyPrintPageReport(report::ReportEngine &engine, report::PageCanvas &canvas);
    void MyPrintFooterReport(report::ReportEngine &engine, report::PageCanvas &canvas);
    void MyAfterPrintReport(report::ReportEngine &engine);

    // The page as the last run drew it.
    double scale() const { return m_scale; } // inches per layout pixel
    int numbered() const { return m_numbered; }
    double sheetWidth() const { return m_sheetWidth; } // inches
    double sheetHeight() const { return m_sheetHeight; }
    const PageResults &results() const { return m_results; }

    // Shown as the run starts when a bitmap file of the layout is missing.
    std::optional<Failure> bitmapWarning() const;
    // What did not fit, shown after the run: clues, words, then text.
    std::vector<Failure> warnings() const;
    // The status dialog's lines after the run.
    std::vector<std::string> statusLines(bool aborted) const;

private:
    void setPaper(report::ReportEngine &engine) const;
    void loadBitmaps();
    void drawObject(PageContext &page, report::PageCanvas &canvas, int objectIndex);
    bool printsKind(int kind) const;

    std::unique_ptr<model::PuzzleRecord> m_puzzle;
    PrintOptions m_options;
    PageResults m_results;
    std::array<QImage, layout::MaxObjects> m_bitmaps;
    double m_scale = 0;
    int m_numbered = 0;
    double m_sheetWidth = 0;
    double m_sheetHeight = 0;
    bool m_bitmapsMissing = false;
};

// N: from the word count down while the entry there is not placed.
int numberedWordCount(const model::PuzzleRecord &puzzle);

// Inches per layout pixel: the smaller of sheet / page in layout pixels across and down, so the
// page keeps its proportions on any paper.
double pageScale(const layout::LayoutRecord &pageLayout, double sheetWidth, double sheetHeight);

} // namespace gw::render
