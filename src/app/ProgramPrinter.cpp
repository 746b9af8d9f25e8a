#include "app/ProgramPrinter.h"

#include "app/AppContext.h"

#include <QPrintDialog>
#include <QPrinter>

namespace gw::app {

QPrinter &programPrinter(AppContext &context)
{
    if (!context.printer)
        context.printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    return *context.printer;
}

int runPrinterSetup(AppContext &context, QWidget *parent, const std::function<int(QDialog &)> &run)
{
    QPrintDialog dialog(&programPrinter(context), parent);
    dialog.setWindowTitle("Printer Setup");
    // The page is always printed whole; only the printer and its settings are chosen here.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return run(dialog);
}

} // namespace gw::app
