#include "app/TManualNotice.h"

namespace gw::app {

TManualNotice::TManualNotice(AppContext &context, QWidget *parent)
    : TInformation(context, parent, "User Manual Notice", { 360, 142 })
{
    addText("NoticeText",
        "The User Manual is a web page, GRIDW.HTML, installed with the program.  It opens in your web "
        "browser, where you can read it, search it and print it.\n\n"
        "Choose Ok to open the User Manual now.",
        { 14, 12, 332, 82 });
    addOk("Ok", { 97, 104, 79, 25 });
    addCancel("Cancel", { 184, 104, 79, 25 });
}

} // namespace gw::app
