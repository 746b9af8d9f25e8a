#include "app/TManualNotice.h"

#include "app/AppContext.h"
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

    auto *ok = new QPushButton("Ok", this);
    ok->setObjectName("OkButton");
    ok->setDefault(true);
    ok->setGeometry(97, 104, 79, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(184, 104, 79, 25);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace gw::app
