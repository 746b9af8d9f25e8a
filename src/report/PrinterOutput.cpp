#include "report/PrinterOutput.h"

#include "report/PageReplay.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace gw::report {

namespace {

// The copy count the preview's dialog accepts: three digits.
constexpr int MostCopies = 999;

} // namespace

int maximumCopyCount(QPrinter &printer)
{
    return printer.supportsMultipleCopies() ? MostCopies : 1;
}

Status printPages(
    QPrinter &printer, std::span<const RecordedPage> pages, int firstPage, int lastPage, int copies)
{
    const Failure failed { "Error", "Unable to print the puzzle." };
    const int count = static_cast<int>(pages.size());
    const int first = std::clamp(firstPage, 1, std::max(count, 1));
    const int last = std::clamp(lastPage, first, std::max(count, 1));
    if (count == 0)
        return failed;
    const int wanted = std::clamp(copies, 1, MostCopies);
    const bool printerCopies = wanted > 1 && maximumCopyCount(printer) >= wanted;
    printer.setCopyCount(printerCopies ? wanted : 1);
    printer.setPageLayout(pages[static_cast<std::size_t>(first - 1)].setup().pageLayout());

    QPainter painter;
    if (!painter.begin(&printer))
        return failed;
    bool firstSheet = true;
    for (int copy = 0; copy < (printerCopies ? 1 : wanted); ++copy) {
        for (int number = first; number <= last; ++number) {
            const RecordedPage &page = pages[static_cast<std::size_t>(number - 1)];
            if (!firstSheet) {
                printer.setPageLayout(page.setup().pageLayout());
                if (!printer.newPage())
                    return failed;
            }
            firstSheet = false;
            replayPage(painter, page, printer.resolution());
        }
    }
    return painter.end() ? ok() : failed;
}

} // namespace gw::report
