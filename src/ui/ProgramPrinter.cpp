#include "ui/ProgramPrinter.h"

#include "ui/AppContext.h"
#include "ui/Dialogs.h"

#include <QPrintDialog>
#include <QPrinter>

namespace gw::app {

int runPrinterSetup(AppContext &context, QWidget *parent)
{
    const auto printer = context.printer.makePrinter();
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle("Printer Setup");
    // The page is always printed whole; only the printer and its settings are chosen here.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    const int result = runChild(dialog);
    if (result == QDialog::Accepted)
        context.printer = report::PrinterChoice::of(*printer);
    return result;
}

} // namespace gw::app
