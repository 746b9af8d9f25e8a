#include "export/ui/TTheJPegFactor.h"

#include "export/JpegFile.h"
#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

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

    auto *label = app::addLabel(
        this, "FactorLabel", "JPEG Compression/Quality Factor (Range: 1 - 100)", { 12, 80, 306, 17 });
    label->setBuddy(m_factor);
    m_factor->setObjectName("FactorEdit");
    m_factor->setText(QString::number(m_context.settings.jpegCompressionQuality));
    m_factor->setGeometry(12, 100, 60, 21);

    auto *ok = app::addButton(this, "OkButton", "&Ok", { 152, 132, 79, 25 });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TTheJPegFactor::OkButtonClick);
    auto *cancel = app::addButton(this, "CancelButton", "&Cancel", { 239, 132, 79, 25 });
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
