#include "render/PrintJob.h"

#include "layout/LayoutUnits.h"
#include "platform/Windows1252.h"
#include "render/ClueLists.h"
#include "render/CombinedClues.h"
#include "render/FreeText.h"
#include "render/GridDrawing.h"
#include "render/OneLineText.h"
#include "render/PrintMessages.h"
#include "render/ShapeDrawing.h"
#include "render/WordListDrawing.h"
#include "report/PageSetup.h"

#include <QFile>
#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace gw::render {

namespace {

using layout::ObjectKind;

constexpr double CentimetresPerInch = 2.54;

// The printer's paper code of a layout's paper name; 0 for a custom size.
int paperCode(std::string_view name)
{
    if (name == "Letter")
        return report::PageSetup::Letter;
    if (name == "Legal")
        return report::PageSetup::Legal;
    if (name == "A4")
        return report::PageSetup::A4;
    if (name == "A5")
        return report::PageSetup::A5;
    if (name == "B5")
        return report::PageSetup::B5;
    if (name == "Executive")
        return report::PageSetup::Executive;
    return 0;
}

} // namespace

int numberedWordCount(const model::PuzzleRecord &puzzle)
{
    int count = puzzle.safeWordCount();
    while (count >= 1 && puzzle.placed[count - 1] == 0)
        --count;
    return count;
}

double pageScale(const layout::LayoutRecord &pageLayout, double sheetWidth, double sheetHeight)
{
    const double widthPixels = pageLayout.pageWidthPixels;
    const double heightPixels = pageLayout.pageHeightPixels;
    if (widthPixels > 0 && heightPixels > 0)
        return std::min(sheetWidth / widthPixels, sheetHeight / heightPixels);
    if (widthPixels > 0)
        return sheetWidth / widthPixels;
    if (heightPixels > 0)
        return sheetHeight / heightPixels;
    // A header without a page size: the layout's own pixels at its zoom.
    const bool inches = layout::isInches(pageLayout);
    return 1.0 / (layout::pixelsPerUnit(inches, pageLayout.zoom) * (inches ? 1.0 : CentimetresPerInch));
}

PrintJob::PrintJob(const model::PuzzleRecord &puzzle, const PrintOptions &options)
    : m_puzzle(std::make_unique<model::PuzzleRecord>(puzzle))
    , m_options(options)
{ }

bool PrintJob::run(report::ReportEngine &engine)
{
    engine.setStatusFormat(std::string(PrintingPage));
    engine.setEvents({
        [this](report::ReportEngine &e) { MyBeforePrintReport(e); },
        [this](report::ReportEngine &e, report::PageCanvas &c) { MyPrintPageReport(e, c); },
        [this](report::ReportEngine &e, report::PageCanvas &c) { MyPrintFooterReport(e, c); },
        [this](report::ReportEngine &e) { MyAfterPrintReport(e); },
    });
    return engine.run();
}

void PrintJob::setPaper(report::ReportEngine &engine) const
{
    const layout::LayoutRecord &pageLayout = m_puzzle->layout;
    report::PageSetup &setup = engine.pageSetup();
    const bool portrait = pageLayout.portrait == 1;
    setup.setOrientation(portrait ? report::Orientation::Portrait : report::Orientation::Landscape);
    if (const int code = paperCode(pageLayout.paperName.view())) {
        setup.setPaperCode(code);
        return;
    }
    const double toInches = layout::isInches(pageLayout) ? 1.0 : 1.0 / CentimetresPerInch;
    const double width = pageLayout.pageWidth * toInches;
    const double height = pageLayout.pageHeight * toInches;
    // The layout keeps its size as the page lies, the printer takes it upright: a landscape
    // page is handed over turned, so that the sheet comes back as the layout has it.
    if (portrait)
        setup.setCustomSize(width, height);
    else
        setup.setCustomSize(height, width);
}

void PrintJob::loadBitmaps()
{
    const layout::LayoutRecord &pageLayout = m_puzzle->layout;
    for (int slot = 0; slot < pageLayout.safeObjectCount(); ++slot) {
        const layout::LayoutObject &object = pageLayout.objects[slot];
        m_bitmaps[static_cast<std::size_t>(slot)] = QImage();
        if (object.kind != static_cast<std::int16_t>(ObjectKind::Bitmap) || object.bitmapPath.empty())
            continue;
        const std::filesystem::path file = windows1252ToUtf8(object.bitmapPath.view());
        std::error_code error;
        QImage loaded;
        if (std::filesystem::is_regular_file(file, error))
            loaded.load(QFile::decodeName(file.c_str()));
        if (loaded.isNull())
            m_bitmapsMissing = true;
        m_bitmaps[static_cast<std::size_t>(slot)] = loaded;
    }
}

void PrintJob::MyBeforePrintReport(report::ReportEngine &engine)
{
    setPaper(engine);
    m_sheetWidth = engine.pageSetup().sheetWidth();
    m_sheetHeight = engine.pageSetup().sheetHeight();
    m_numbered = numberedWordCount(*m_puzzle);
    m_scale = pageScale(m_puzzle->layout, m_sheetWidth, m_sheetHeight);
    m_results = {};
    m_bitmapsMissing = false;
    loadBitmaps();
}

bool PrintJob::printsKind(int kind) const
{
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Title:
        return m_options.printTitle;
    case ObjectKind::Puzzle:
        return m_options.printBody;
    case ObjectKind::DownHeader:
    case ObjectKind::AcrossHeader:
    case ObjectKind::DownClues:
    case ObjectKind::AcrossClues:
    case ObjectKind::CombinedClues:
        return m_options.printClues;
    case ObjectKind::WordList:
        return m_options.printWords;
    case ObjectKind::BonusQuestion:
        return m_options.printBonus;
    default:
        return true;
    }
}

void PrintJob::drawObject(PageContext &page, report::PageCanvas &canvas, int objectIndex)
{
    layout::LayoutObject &object = m_puzzle->layout.objects[objectIndex];
    const int kind = object.kind;
    if (!printsKind(kind))
        return;
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Title:
        DoTextLine(page, canvas, objectIndex, m_puzzle->title.view());
        break;
    case ObjectKind::Puzzle:
        DoPuzz(page, canvas, objectIndex);
        break;
    case ObjectKind::DownHeader:
        DoTextLine(page, canvas, objectIndex, m_options.downLabel);
        break;
    case ObjectKind::AcrossHeader:
        DoTextLine(page, canvas, objectIndex, m_options.acrossLabel);
        break;
    case ObjectKind::DownClues:
        DoClues(page, canvas, objectIndex, false);
        break;
    case ObjectKind::AcrossClues:
        DoClues(page, canvas, objectIndex, true);
        break;
    case ObjectKind::WordList:
        DoWords(page, canvas, objectIndex);
        break;
    case ObjectKind::BonusQuestion:
        if (!m_puzzle->bonusQuestion.empty()) {
            object.setText(m_puzzle->bonusQuestion.view());
            DoTextLine(page, canvas, objectIndex, object.textView());
        }
        break;
    case ObjectKind::CombinedClues:
        DoCombClues(page, canvas, objectIndex);
        break;
    case ObjectKind::Text:
        DoText(page, canvas, objectIndex);
        break;
    case ObjectKind::Bitmap:
        DoBitmap(page, canvas, objectIndex);
        break;
    case ObjectKind::Rectangle:
    case ObjectKind::Circle:
        DoRect(page, canvas, objectIndex);
        break;
    default:
        break; // a kind no layout can hold
    }
}

void PrintJob::MyPrintPageReport(report::ReportEngine &engine, report::PageCanvas &canvas)
{
    PageContext page { *m_puzzle, m_options, m_results, m_bitmaps, m_scale, m_numbered, m_sheetWidth,
        m_sheetHeight, std::nullopt };
    for (int slot = 0; slot < m_puzzle->layout.safeObjectCount() && !engine.aborted(); ++slot) {
        drawObject(page, canvas, slot);
        engine.pumpEvents();
    }
}

void PrintJob::MyPrintFooterReport(report::ReportEngine &, report::PageCanvas &)
{
    // The page has no footer.
}

void PrintJob::MyAfterPrintReport(report::ReportEngine &)
{
    m_bitmaps = {};
}

std::optional<Failure> PrintJob::bitmapWarning() const
{
    if (m_bitmapsMissing)
        return missingBitmaps();
    return std::nullopt;
}

std::vector<Failure> PrintJob::warnings() const
{
    std::vector<Failure> found;
    if (m_results.cluesOverflow)
        found.push_back(cluesOverflow());
    if (m_results.wordsOverflow)
        found.push_back(wordsOverflow());
    if (std::any_of(
            m_results.textOverflow.begin(), m_results.textOverflow.end(), [](bool flag) { return flag; }))
        found.push_back(textOverflow());
    return found;
}

std::vector<std::string> PrintJob::statusLines(bool aborted) const
{
    if (aborted)
        return { std::string(PuzzleGenerationCanceled) };
    std::vector<std::string> lines { std::string(PuzzleGenerated) };
    for (const Failure &warning : warnings())
        lines.push_back(warning.text);
    return lines;
}

} // namespace gw::render
