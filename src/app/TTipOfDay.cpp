#include "app/TTipOfDay.h"

#include "app/TipTexts.h"
#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <algorithm>

namespace gw::app {

TTipOfDay::TTipOfDay(AppContext &context, int firstTip, QWidget *parent)
    : TWindow(context, parent)
    , m_tip(std::clamp(firstTip, 0, TipCount - 1))
{
    setWindowTitle("Tip of the Day");
    setFont(designFont("Arial", DesignFontPixels));
    setFixedSize(400, 214);

    auto *heading = addLabel(this, "TipHeading", "Did you know?", { 16, 12, 368, 26 });
    heading->setFont(designFont("Arial", 18, true));

    m_text = new QLabel(this);
    m_text->setObjectName("TipText");
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setFrameShape(QFrame::StyledPanel);
    m_text->setFrameShadow(QFrame::Sunken);
    m_text->setMargin(8);
    m_text->setAutoFillBackground(true);
    QPalette palette = m_text->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_text->setPalette(palette);
    m_text->setGeometry(16, 44, 368, 116);

    m_showTips = addCheckBox(this, "ShowTips", "Show Tips at Startup", { 16, 176, 170, 21 });
    m_showTips->setChecked(m_context.settings.showTips);

    auto *next = addButton(this, "NextTip", "Next Tip", { 212, 174, 83, 25 });
    connect(next, &QPushButton::clicked, this, &TTipOfDay::NextTipClick);

    auto *close = addButton(this, "CloseButton", "Close", { 301, 174, 83, 25 });
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    showTip();
}

int TTipOfDay::randomTip()
{
    return static_cast<int>(QRandomGenerator::global()->bounded(TipCount));
}

void TTipOfDay::NextTipClick()
{
    m_tip = (m_tip + 1) % TipCount;
    showTip();
}

void TTipOfDay::showTip()
{
    m_text->setText(toQString(tipTexts()[m_tip]));
}

void TTipOfDay::done(int result)
{
    // However the window closes, the check box is kept.
    m_context.settings.showTips = m_showTips->isChecked();
    QDialog::done(result);
}

} // namespace gw::app
