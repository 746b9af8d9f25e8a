#include "ui/ChoiceDialogs.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gw::app {

namespace {

ColourDialogSeam &colourDialogSeam()
{
    static ColourDialogSeam seam;
    return seam;
}

FontDialogSeam &fontDialogSeam()
{
    static FontDialogSeam seam;
    return seam;
}

// Qt's font dialog shown as a widget inside the font-and-colour dialog.  Escape or Enter
// would close (hide) only this inner box and leave an empty window; it hands the result to
// the outer dialog instead.
class EmbeddedFontBox : public QFontDialog
{
public:
    EmbeddedFontBox(const QFont &preset, QDialog *outer)
        : QFontDialog(preset, outer)
        , m_outer(outer)
    {
        setWindowFlags(Qt::Widget);
        setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::NoButtons);
        setSizeGripEnabled(false);
        // The outer dialog's margins frame the box and the colour row alike.
        layout()->setContentsMargins(0, 0, 0, 0);
    }

    void done(int result) override { m_outer->done(result); }

private:
    QDialog *m_outer;
};

} // namespace

std::optional<QColor> chooseColour(QWidget *parent, const QColor &preset)
{
    if (colourDialogSeam())
        return colourDialogSeam()(parent, preset);
    QColorDialog dialog(preset, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.currentColor();
}

void setColourDialogSeam(ColourDialogSeam seam)
{
    colourDialogSeam() = std::move(seam);
}

FontColourDialog::FontColourDialog(const FontChoice &preset, QWidget *parent)
    : QDialog(parent)
    , m_fontBox(new EmbeddedFontBox(preset.font, this))
    , m_swatch(new QLabel(this))
    , m_colour(preset.colour.isValid() ? preset.colour : QColor(Qt::black))
{
    setObjectName(QStringLiteral("FontColourDialog"));
    setWindowTitle(QStringLiteral("Font"));
    m_fontBox->setObjectName(QStringLiteral("FontBox"));
    // The font box's sample text is the one edit inside a group box; it shows the colour too.
    for (auto *edit : m_fontBox->findChildren<QLineEdit *>())
        if (qobject_cast<QGroupBox *>(edit->parentWidget()))
            m_sample = edit;

    auto *colourLabel = new QLabel(QStringLiteral("Color:"), this);
    colourLabel->setObjectName(QStringLiteral("ColorLabel"));
    m_swatch->setObjectName(QStringLiteral("ColorSwatch"));
    m_swatch->setFixedSize(41, 25);
    m_swatch->setFrameShape(QFrame::Box);
    auto *colourButton = new QPushButton(QStringLiteral("C&olor..."), this);
    colourButton->setObjectName(QStringLiteral("ColorButton"));
    colourButton->setAutoDefault(false);
    connect(colourButton, &QPushButton::clicked, this, &FontColourDialog::ColorClick);
    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(m_swatch);
    colourRow->addWidget(colourButton);
    colourRow->addStretch();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("Buttons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkButton"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fontBox);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    paintSwatch();
}

FontChoice FontColourDialog::choice() const
{
    return FontChoice { m_fontBox->currentFont(), m_colour };
}

void FontColourDialog::ColorClick()
{
    if (const std::optional<QColor> chosen = chooseColour(this, m_colour)) {
        m_colour = *chosen;
        paintSwatch();
    }
}

void FontColourDialog::paintSwatch()
{
    m_swatch->setStyleSheet(QStringLiteral("background-color: %1;").arg(m_colour.name()));
    if (m_sample) {
        QPalette palette = m_sample->palette();
        palette.setColor(QPalette::Text, m_colour);
        m_sample->setPalette(palette);
    }
}

std::optional<FontChoice> chooseFont(QWidget *parent, const FontChoice &preset, const QString &title)
{
    if (fontDialogSeam())
        return fontDialogSeam()(parent, preset, title);
    FontColourDialog dialog(preset, parent);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void setFontDialogSeam(FontDialogSeam seam)
{
    fontDialogSeam() = std::move(seam);
}

} // namespace gw::app
