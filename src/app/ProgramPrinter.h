#pragma once

#include <QDialog>
#include <functional>

class QPrinter;

namespace gw::app {

struct AppContext;

// The program's printer: the system's default printer until Printer Setup chooses another.
QPrinter &programPrinter(AppContext &context);

// The printer set-up dialog on the program's printer, run by the given runner (modally in the
// program); gives the dialog's result code.
int runPrinterSetup(AppContext &context, QWidget *parent, const std::function<int(QDialog &)> &run);

} // namespace gw::app
