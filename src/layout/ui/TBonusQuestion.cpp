#include "layout/ui/TBonusQuestion.h"

#include "platform/Text.h"
#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QLineEdit>
#include <QPushButton>

namespace gw::layout {

TBonusQuestion::TBonusQuestion(app::AppContext &context, std::string &question, QWidget *parent)
    : app::TWindow(context, parent)
    , m_question(question)
    , m_box(new QLineEdit(this))
{
    setWindowTitle("Bonus Question");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(420, 84);

    m_box->setObjectName("BonusQuestionEdit");
    m_box->setMaxLength(TypedCapacity);
    m_box->setText(toQString(question));
    m_box->setGeometry(12, 14, 396, 21);

    auto *ok = app::addButton(this, "OkButton", "&Ok", { 242, 48, 79, 25 });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TBonusQuestion::OkButtonClick);
    auto *cancel = app::addButton(this, "CancelButton", "&Cancel", { 329, 48, 79, 25 });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TBonusQuestion::OkButtonClick()
{
    m_question = storedText(fromQString(m_box->text()), StoredCapacity);
    accept();
}

} // namespace gw::layout
