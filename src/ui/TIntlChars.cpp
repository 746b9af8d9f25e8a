#include "ui/TIntlChars.h"

#include "platform/Text.h"
#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/WindowLook.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace gw::app {

namespace {

constexpr int KeysPerColumn = 6;
constexpr int RowPitch = 28;
constexpr int FirstRowTop = 70;
constexpr int ColumnPitch = 216;

} // namespace

TIntlChars::TIntlChars(AppContext &context, QWidget *parent)
    : TWindow(context, parent)
{
    setWindowTitle("International Characters");
    setFont(designFont("Arial", DesignFontPixels));
    setFixedSize(440, 282);

    auto *text = new QLabel("The function keys F1 through F12 can be assigned any number of international "
                            "characters.  The function keys will play back the assigned international key in "
                            "the Puzzle Creation Window.",
        this);
    text->setObjectName("IntText");
    text->setWordWrap(true);
    text->setGeometry(12, 8, 416, 52);

    for (int k = 0; k < static_cast<int>(m_keys.size()); ++k) {
        const int left = 24 + (k / KeysPerColumn) * ColumnPitch;
        const int top = FirstRowTop + (k % KeysPerColumn) * RowPitch;
        addLabel(this, QString("F%1Label").arg(k + 1), QString("F%1").arg(k + 1), { left, top + 2, 30, 19 });
        auto *keys = new QComboBox(this);
        keys->setObjectName(QString("Key%1").arg(k + 1));
        keys->setGeometry(left + 34, top, 110, 23);
        for (int code = FirstCode; code <= LastCode; ++code)
            keys->addItem(toQString(std::string(1, static_cast<char>(code))), code);
        keys->setCurrentIndex(presetCode(m_context.settings.intKeys[k]) - FirstCode);
        m_keys[k] = keys;
    }

    auto *ok = addButton(this, "OkButton", "Ok", { 262, 246, 79, 25 });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TIntlChars::OkButtonClick);
    auto *cancel = addButton(this, "CancelButton", "Cancel", { 349, 246, 79, 25 });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int TIntlChars::presetCode(const std::string &storedCode)
{
    const long long code = parseLeadingNumber(storedCode);
    return code >= FirstCode && code <= LastCode ? static_cast<int>(code) : FirstCode;
}

std::string TIntlChars::storedCode(int code)
{
    return "0" + std::to_string(code);
}

void TIntlChars::OkButtonClick()
{
    for (std::size_t k = 0; k < m_keys.size(); ++k)
        m_context.settings.intKeys[k] = storedCode(m_keys[k]->currentData().toInt());
    accept();
}

} // namespace gw::app
