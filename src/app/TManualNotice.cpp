#include "app/TManualNotice.h"

#include "app/AppContext.h"
#include "app/Controls.h"
#include "app/WindowLook.h"

#include <QLabel>
#include <QPushButton>

namespace gw::app {

TManualNotice::TManualNotice(AppContext &context, QWidget *parent)
    : TWindow(context, parent)
{
    setWindowTitle("User Manual Notice");
    setFont(designFont("Arial", DesignFontPixels));
    setFixedSize(360, 142);

    auto *text = new QLabel("The User Manual is a web page, GRIDW.HTML, installed with the program.  It "
                            "opens in your web browser, where you can read it, search it and print it.\n\n"
                            "Choose Ok to open the User Manual now.",
        this);
    text->setObjectName("NoticeText");
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(14, 12, 332, 82);

    auto *ok = addButton(this, "OkButton", "Ok", { 97, 104, 79, 25 });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = addButton(this, "CancelButton", "Cancel", { 184, 104, 79, 25 });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace gw::app
