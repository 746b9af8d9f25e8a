#include "report/PrinterChoice.h"

#include <QPrinter>

namespace gw::report {

PrinterChoice PrinterChoice::of(const QPrinter &printer)
{
    PrinterChoice choice;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        choice.pdfFile = printer.outputFileName();
    else
        choice.printerName = printer.printerName();
    choice.greyscale = printer.colorMode() == QPrinter::GrayScale;
    choice.duplex = printer.duplex();
    return choice;
}

std::unique_ptr<QPrinter> PrinterChoice::makePrinter() const
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (toPdf()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfFile);
    } else if (!printerName.isEmpty()) {
        printer->setPrinterName(printerName);
    }
    printer->setColorMode(greyscale ? QPrinter::GrayScale : QPrinter::Color);
    printer->setDuplex(static_cast<QPrinter::DuplexMode>(duplex));
    return printer;
}

} // namespace gw::report
