#include "render/ui/TMultiCopies.h"

#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace gw::render {

TMultiCopies::TMultiCopies(app::AppContext &context, QWidget *parent)
    : app::TWindow(context, parent)
    , m_copiesEdit(new QLineEdit(this))
{
    setWindowTitle("Multi-Copies");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(220, 84);

    auto *label = app::addLabel(this, "CopiesLabel", "Copies To Print", { 14, 16, 100, 17 });
    label->setBuddy(m_copiesEdit);

    m_copiesEdit->setObjectName("CopiesEdit");
    m_copiesEdit->setMaxLength(3);
    m_copiesEdit->setGeometry(120, 14, 50, 21);

    auto *ok = app::addButton(this, "OkButton", "&Ok", { 36, 48, 72, 25 });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TMultiCopies::OkButtonClick);
    auto *cancel = app::addButton(this, "CancelButton", "&Cancel", { 116, 48, 72, 25 });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TMultiCopies::OkButtonClick()
{
    bool number = false;
    const int copies = m_copiesEdit->text().trimmed().toInt(&number);
    if (!number || copies <= 0) {
        app::inform(this, "Error", "Invalid number of copies entered.");
        m_copiesEdit->setFocus();
        return;
    }
    m_copies = copies;
    accept();
}

} // namespace gw::render
