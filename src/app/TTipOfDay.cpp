#include "app/TTipOfDay.h"

#include "app/AppContext.h"
#include "app/TipTexts.h"
#include "app/WindowLook.h"
#include "platform/QtText.h"

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

    auto *heading = new QLabel("Did you know?", this);
    heading->setObjectName("TipHeading");
    heading->setFont(designFont("Arial", 18, true));
    heading->setGeometry(16, 12, 368, 26);

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

    m_showTips = new QCheckBox("Show Tips at Startup", this);
    m_showTips->setObjectName("ShowTips");
    m_showTips->setGeometry(16, 176, 170, 21);
    m_showTips->setChecked(m_context.settings.showTips);

    auto *next = new QPushButton("Next Tip", this);
    next->setObjectName("NextTip");
    next->setGeometry(212, 174, 83, 25);
    connect(next, &QPushButton::clicked, this, &TTipOfDay::NextTipClick);

    auto *close = new QPushButton("Close", this);
    close->setObjectName("CloseButton");
    close->setGeometry(301, 174, 83, 25);
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
