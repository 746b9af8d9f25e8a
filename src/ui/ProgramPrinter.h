#pragma once

class QWidget;

namespace gw::app {

struct AppContext;

// The printer set-up dialog on a printer made from the program's printer choice, run as a child
// window; what it chooses becomes the program's choice when it is accepted.  Gives the dialog's
// result code.
int runPrinterSetup(AppContext &context, QWidget *parent);

} // namespace gw::app
