#pragma once

#include <QDialog>
#include <functional>

namespace gw::app {

struct AppContext;

// The printer set-up dialog on a printer made from the program's printer choice, run by the
// given runner (modally in the program); what it chooses becomes the program's choice when it
// is accepted.  Gives the dialog's result code.
int runPrinterSetup(AppContext &context, QWidget *parent, const std::function<int(QDialog &)> &run);

} // namespace gw::app
