#include "report/PrinterOutput.h"

#include "render/TextConversion.h"
#include "report/PageReplay.h"
#include "report/PdfOutput.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <filesystem>
#include <vector>

namespace gw::report {

namespace {

// The copy count the preview's dialog accepts: three digits.
constexpr int MostCopies = 999;

std::string quotedName(const QString &printer)
{
    return "\"" + fromQString(printer) + "\"";
}

// Why the chosen printer cannot be sent a job before one is tried: none installed, or the one
// chosen has gone since.
std::optional<Failure> printerMissing(const PrinterChoice &choice)
{
    const QStringList installed = QPrinterInfo::availablePrinterNames();
    if (!choice.printerName.isEmpty() && !installed.contains(choice.printerName))
        return Failure { "Printer", "The printer " + quotedName(choice.printerName) + " is not installed." };
    if (installed.isEmpty())
        return Failure { "Printer", "No printer is installed." };
    return std::nullopt;
}

std::optional<PrintFailure> printOnPrinter(const PrinterChoice &choice, std::span<const RecordedPage> pages,
    int first, int last, int copies, std::string_view title)
{
    if (const auto missing = printerMissing(choice))
        return PrintFailure { *missing, true };
    const auto printer = choice.makePrinter();
    printer->setDocName(toQString(title));
    const bool printerCopies = copies > 1 && maximumCopyCount(*printer) >= copies;
    printer->setCopyCount(printerCopies ? copies : 1);
    printer->setPageLayout(pages[static_cast<std::size_t>(first - 1)].setup().pageLayout());

    QPainter painter;
    if (!painter.begin(printer.get()))
        return PrintFailure {
            { "Printer", "The printer " + quotedName(printer->printerName()) + " could not be opened." }, true
        };
    const Failure notSent { "Error",
        "The page could not be sent to the printer " + quotedName(printer->printerName()) + "." };
    bool firstSheet = true;
    for (int copy = 0; copy < (printerCopies ? 1 : copies); ++copy) {
        for (int number = first; number <= last; ++number) {
            const RecordedPage &page = pages[static_cast<std::size_t>(number - 1)];
            if (!firstSheet) {
                printer->setPageLayout(page.setup().pageLayout());
                if (!printer->newPage()) {
                    printer->abort();
                    painter.end();
                    return PrintFailure { notSent };
                }
            }
            firstSheet = false;
            replayPage(painter, page, printer->resolution());
        }
    }
    if (!painter.end())
        return PrintFailure { notSent };
    return std::nullopt;
}

std::optional<PrintFailure> printIntoPdf(const PrinterChoice &choice, std::span<const RecordedPage> pages,
    int first, int last, int copies, std::string_view title)
{
    std::vector<RecordedPage> sheets;
    for (int copy = 0; copy < copies; ++copy)
        sheets.insert(sheets.end(), pages.begin() + (first - 1), pages.begin() + last);
    if (const Status written = writePdf(sheets, std::filesystem::path(choice.pdfFile.toStdString()), title);
        !written)
        return PrintFailure { written.error() };
    return std::nullopt;
}

} // namespace

int maximumCopyCount(QPrinter &printer)
{
    return printer.supportsMultipleCopies() ? MostCopies : 1;
}

std::optional<PrintFailure> printPages(const PrinterChoice &choice, std::span<const RecordedPage> pages,
    int firstPage, int lastPage, int copies, std::string_view title)
{
    const int count = static_cast<int>(pages.size());
    if (count == 0)
        return PrintFailure { { "Error", "There is no page to print." } };
    const int first = std::clamp(firstPage, 1, count);
    const int last = std::clamp(lastPage, first, count);
    const int wanted = std::clamp(copies, 1, MostCopies);
    return choice.toPdf() ? printIntoPdf(choice, pages, first, last, wanted, title)
                          : printOnPrinter(choice, pages, first, last, wanted, title);
}

} // namespace gw::report
