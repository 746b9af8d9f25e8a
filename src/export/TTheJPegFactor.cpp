#include "export/TTheJPegFactor.h"

#include "app/AppContext.h"
#include "app/Dialogs.h"
#include "app/WindowLook.h"
#include "export/JpegFile.h"
#include "platform/QtText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gw::exports {

TTheJPegFactor::TTheJPegFactor(app::AppContext &context, QWidget *parent)
    : app::TWindow(context, parent)
    , m_factor(new QLineEdit(this))
{
    setWindowTitle("JPEG Factor");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(330, 166);

    auto *explain
        = new QLabel("When the Factor is high, the image will be sharper, but the file size will be "
                     "larger.  If the factor is lower, then the file size will be smaller, but the "
                     "image will not be as sharp.",
            this);
    explain->setObjectName("ExplainLabel");
    explain->setWordWrap(true);
    explain->setGeometry(12, 10, 306, 60);

    auto *label = new QLabel("JPEG Compression/Quality Factor (Range: 1 - 100)", this);
    label->setObjectName("FactorLabel");
    label->setGeometry(12, 80, 306, 17);
    label->setBuddy(m_factor);
    m_factor->setObjectName("FactorEdit");
    m_factor->setText(QString::number(m_context.settings.jpegCompressionQuality));
    m_factor->setGeometry(12, 100, 60, 21);

    auto *ok = new QPushButton("&Ok", this);
    ok->setObjectName("OkButton");
    ok->setDefault(true);
    ok->setGeometry(152, 132, 79, 25);
    connect(ok, &QPushButton::clicked, this, &TTheJPegFactor::OkButtonClick);
    auto *cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(239, 132, 79, 25);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TTheJPegFactor::OkButtonClick()
{
    const auto factor = readJpegFactor(fromQString(m_factor->text()));
    if (!factor) {
        app::show(this, invalidJpegFactor());
        m_factor->setFocus();
        return;
    }
    m_context.settings.jpegCompressionQuality = *factor;
    accept();
}

} // namespace gw::exports
