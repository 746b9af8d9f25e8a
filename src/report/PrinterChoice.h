#pragma once

#include <QString>
#include <memory>

class QPrinter;

namespace gw::report {

// Where printouts go, as Printer Setup left it: a printer, or a PDF file in place of one.
// Each job gets a printer of its own made from this choice, so a job that failed leaves no
// printer behind that is still open and refuses the next choice.
struct PrinterChoice
{
    QString printerName; // empty: the system's default printer
    QString pdfFile; // not empty: the pages go into this PDF file
    bool greyscale = false;
    int duplex = 0; // QPrinter::DuplexMode

    bool toPdf() const { return !pdfFile.isEmpty(); }

    // What a printer dialog chose on the printer it was given.
    static PrinterChoice of(const QPrinter &printer);
    // A new printer set up as chosen, at the printer's full resolution.
    std::unique_ptr<QPrinter> makePrinter() const;
};

} // namespace gw::report
