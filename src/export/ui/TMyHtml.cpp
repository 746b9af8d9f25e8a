#include "export/ui/TMyHtml.h"

#include "export/HtmlPage.h"
#include "render/TextConversion.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

namespace gw::exports {

namespace {

constexpr int LeftColumn = 12;
constexpr int TextWidth = 380;
constexpr int StylesLeft = LeftColumn + TextWidth + 12;

// The edits hold line breaks as LF; the page, as the system it was written for, CR LF.
QString shownText(const std::string &stored)
{
    QString text = toQString(stored);
    text.replace("\r\n", "\n");
    return text;
}

} // namespace

TMyHtml::TMyHtml(app::AppContext &context, QImage pageImage, QWidget *parent)
    : app::TWindow(context, parent)
    , m_pageImage(std::move(pageImage))
    , m_webTitle(new QLineEdit(this))
{
    setWindowTitle("HTML Creation");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(600, 470);
    model::Settings &settings = context.settings;

    auto *heading = app::addLabel(this, "HeadingLabel", "Create A Web Page", { LeftColumn, 6, 300, 22 });
    heading->setFont(app::designFont("Arial", 14, true));

    auto *titleLabel = app::addLabel(this, "WebTitleLabel", "Web Page Title", { LeftColumn, 36, 90, 17 });
    titleLabel->setBuddy(m_webTitle);
    m_webTitle->setObjectName("WebTitleEdit");
    m_webTitle->setMaxLength(WebTitleCapacity);
    m_webTitle->setText(toQString(settings.webTitle));
    m_webTitle->setGeometry(LeftColumn + 96, 34, TextWidth - 96, 21);

    m_blocks[0] = makeBlock(settings.firstHeader, "FirstHeader", "First Header Lines", 62);
    m_blocks[1] = makeBlock(settings.secondHeader, "SecondHeader", "Second Header Lines", 134);
    m_upperLine
        = app::addCheckBox(this, "UpperLineCheck", "Horizontal Line", QRect(LeftColumn, 204, 150, 17));
    m_upperLine->setChecked(settings.horizontalUpper);
    auto *frame = new QFrame(this);
    frame->setObjectName("PuzzleFrame");
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(LeftColumn, 224, TextWidth, 34);
    auto *frameLabel
        = app::addLabel(frame, "PuzzleFrameLabel", "Puzzle will go here", { 1, 1, TextWidth - 2, 32 });
    frameLabel->setAlignment(Qt::AlignCenter);
    m_lowerLine
        = app::addCheckBox(this, "LowerLineCheck", "Horizontal Line", QRect(LeftColumn, 262, 150, 17));
    m_lowerLine->setChecked(settings.horizontalLower);
    m_blocks[2] = makeBlock(settings.firstFooter, "FirstFooter", "First Footer Lines", 284);
    m_blocks[3] = makeBlock(settings.secondFooter, "SecondFooter", "Second Footer Lines", 356);
    connect(m_upperLine, &QCheckBox::toggled, this, [&settings](bool on) { settings.horizontalUpper = on; });
    connect(m_lowerLine, &QCheckBox::toggled, this, [&settings](bool on) { settings.horizontalLower = on; });

    auto *save = app::addButton(this, "SaveButton", "&Save HTML", { 412, 436, 85, 25 });
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &TMyHtml::SaveButtonClick);
    auto *cancel = app::addButton(this, "CancelButton", "&Cancel", { 505, 436, 85, 25 });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TMyHtml::Block TMyHtml::makeBlock(
    model::HtmlBlock &setting, const QString &name, const QString &caption, int top)
{
    Block block;
    block.setting = &setting;
    block.text = new QPlainTextEdit(this);
    block.text->setObjectName(name + "Memo");
    block.text->setPlainText(shownText(setting.text));
    block.text->setGeometry(LeftColumn, top + 18, TextWidth, 48);
    auto *label = app::addLabel(this, name + "Label", caption, { LeftColumn, top, 200, 17 });
    label->setBuddy(block.text);
    // A plain text edit has no length limit of its own.
    QPlainTextEdit *edit = block.text;
    connect(edit, &QPlainTextEdit::textChanged, this, [edit] {
        const QString text = edit->toPlainText();
        if (text.size() <= BlockCapacity)
            return;
        edit->setPlainText(text.left(BlockCapacity));
        edit->moveCursor(QTextCursor::End);
    });

    block.bold = app::addCheckBox(this, name + "Bold", "Bold", QRect(StylesLeft, top + 18, 60, 17));
    block.bold->setChecked(setting.bold);
    block.italic = app::addCheckBox(this, name + "Italic", "Italic", QRect(StylesLeft, top + 34, 60, 17));
    block.italic->setChecked(setting.italic);
    block.center = app::addCheckBox(this, name + "Center", "Center", QRect(StylesLeft, top + 50, 60, 17));
    block.center->setChecked(setting.center);
    auto *sizeLabel
        = app::addLabel(this, name + "SizeLabel", "Font Size", { StylesLeft + 70, top + 18, 80, 17 });
    block.size = new QComboBox(this);
    block.size->setObjectName(name + "Size");
    for (const std::string_view size : HtmlFontSizeNames)
        block.size->addItem(QString::fromLatin1(size.data(), static_cast<qsizetype>(size.size())));
    block.size->setCurrentIndex(
        std::clamp(setting.fontSize, 1, static_cast<int>(HtmlFontSizeNames.size())) - 1);
    block.size->setGeometry(StylesLeft + 70, top + 36, 80, 21);
    sizeLabel->setBuddy(block.size);

    model::HtmlBlock *stored = &setting;
    connect(block.bold, &QCheckBox::toggled, this, [stored](bool on) { stored->bold = on; });
    connect(block.italic, &QCheckBox::toggled, this, [stored](bool on) { stored->italic = on; });
    connect(block.center, &QCheckBox::toggled, this, [stored](bool on) { stored->center = on; });
    connect(block.size, &QComboBox::currentIndexChanged, this, [stored](int index) {
        if (index >= 0)
            stored->fontSize = index + 1;
    });
    return block;
}

std::string TMyHtml::blockText(const Block &block) const
{
    QString text = block.text->toPlainText();
    text.replace("\n", "\r\n");
    return fromQString(text);
}

void TMyHtml::SaveButtonClick()
{
    model::Settings &settings = m_context.settings;
    const auto chosen = app::chooseRememberedFile(this, app::FileDialogKind::Save, "Save HTML Document",
        "html (*.htm *.HTM)", "htm", settings.lastExportHtmlFile);
    if (!chosen)
        return;
    const std::string &file = *chosen;
    storeHtmlTexts(settings, blockText(m_blocks[0]), blockText(m_blocks[1]), blockText(m_blocks[2]),
        blockText(m_blocks[3]), fromQString(m_webTitle->text()));
    if (const Status written = writeHtmlExport(settings, file, m_pageImage); !written) {
        app::show(this, written.error());
        return;
    }
    accept();
}

} // namespace gw::exports
