#include "render/ui/TMyReport.h"

#include "layout/ui/LayoutFontChoice.h"
#include "layout/ui/TBonusQuestion.h"
#include "layout/ui/TClueHeaders.h"
#include "layout/ui/TListPages.h"
#include "layout/ui/TPartialAnswerList.h"
#include "platform/Text.h"
#include "render/PrintJob.h"
#include "render/PrintOptions.h"
#include "render/TextConversion.h"
#include "render/ui/PageMiniature.h"
#include "render/ui/TReportStatus.h"
#include "report/ReportEngine.h"
#include "ui/AppContext.h"
#include "ui/ChoiceDialogs.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/ProgramPrinter.h"
#include "ui/THelpWindow.h"
#include "ui/WindowLook.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

namespace gw::render {

TMyReport::TMyReport(app::AppContext &context, const model::PuzzleRecord &puzzle, QWidget *parent)
    : app::TWindow(context, parent)
    , m_puzzle(std::make_unique<model::PuzzleRecord>(puzzle))
{
    setWindowTitle("Reports");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(520, 298);

    buildMenus();
    buildPartsGroup();
    buildAnswerKeyGroup();
    buildOverridesGroup();

    auto *frame = new QFrame(this);
    frame->setObjectName("MiniatureFrame");
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(354, 34, 158, 206);
    m_miniature = new PageMiniature(this);
    m_miniature->setObjectName("PageMiniature");
    m_miniature->setGeometry(358, 38, 150, 198);
    m_miniature->setPageLayout(&m_puzzle->layout);

    QPushButton *viewPrint = app::addButton(this, "ViewPrintButton", "&View/Print", QRect(354, 254, 76, 27));
    viewPrint->setDefault(true);
    connect(viewPrint, &QPushButton::clicked, this, &TMyReport::DoIt);
    connect(app::addButton(this, "ExitButton", "E&xit", QRect(436, 254, 76, 27)), &QPushButton::clicked, this,
        &QDialog::reject);

    takeLayout();
}

TMyReport::~TMyReport() = default;

void TMyReport::buildMenus()
{
    auto *bar = new QMenuBar(this);
    bar->setObjectName("MainMenu");
    bar->setGeometry(0, 0, 520, 22);
    QMenu *file = bar->addMenu("&File");
    file->setObjectName("MenuFile");
    connect(app::addItem(file, "MenuViewPrint", "&View/Print", QKeySequence("Ctrl+V")), &QAction::triggered,
        this, &TMyReport::DoIt);
    connect(app::addItem(file, "MenuPrinterSetup", "Printer &Setup", QKeySequence("Ctrl+S")),
        &QAction::triggered, this, &TMyReport::PrinterSetupClick);
    file->addSeparator();
    connect(app::addItem(file, "MenuExit", "E&xit", QKeySequence("Ctrl+X")), &QAction::triggered, this,
        &QDialog::reject);
    QAction *help = bar->addAction("&Help");
    help->setObjectName("MenuHelp");
    connect(help, &QAction::triggered, this, &TMyReport::HelpClick);
}

void TMyReport::buildPartsGroup()
{
    QGroupBox *group = app::addGroupBox(this, "PartsGroup", "Parts To Print", QRect(8, 28, 160, 126));
    model::Settings &settings = m_context.settings;
    const struct
    {
        const char *objectName;
        const char *text;
        bool &option;
    } parts[] = {
        { "PrintTitle", "Puzzle &Title", settings.printTitle },
        { "PrintBody", "Puzzle &Body", settings.printBody },
        { "PrintClues", "Puzzle &Clues", settings.printClues },
        { "PrintWords", "Puzzle &Words", settings.printWords },
        { "PrintBonus", "Bonus &Question", settings.printBonus },
    };
    int top = 20;
    for (const auto &part : parts) {
        QCheckBox *box = app::addCheckBox(group, part.objectName, part.text, QRect(12, top, 140, 19));
        box->setChecked(part.option);
        bool *option = &part.option;
        connect(box, &QCheckBox::clicked, this, [option](bool checked) { *option = checked; });
        top += 20;
    }
}

void TMyReport::buildAnswerKeyGroup()
{
    QGroupBox *group
        = app::addGroupBox(this, "AnswerKeyGroup", "Answer Key Options", QRect(8, 160, 160, 128));
    const model::Settings &settings = m_context.settings;
    m_answerKey = app::addCheckBox(group, "AnswerKey", "&Answer Key", QRect(12, 20, 140, 19));
    m_answerKey->setChecked(settings.answerKey);
    m_partialAnswer = app::addCheckBox(group, "PartialAnswer", "&Partial Answers", QRect(12, 44, 100, 19));
    m_partialAnswer->setChecked(settings.partialAnswer);
    m_select = app::addButton(group, "SelectButton", "&Select", QRect(108, 42, 44, 23));
    m_partialLetters = app::addCheckBox(group, "PartialLetters", "Pa&rtial Letters", QRect(12, 70, 140, 19));
    m_partialLetters->setChecked(settings.partialLetters);
    m_letters = app::addEdit(group, "LettersEdit", QString(), { 62, 96, 90, 21 });
    m_letters->setMaxLength(static_cast<int>(model::SettingsLabelCapacity));
    m_letters->setText(toQString(settings.letters));
    m_lettersLabel = app::addLabel(group, "LettersLabel", "Letters", { 18, 98, 42, 17 });
    m_lettersLabel->setBuddy(m_letters);

    connect(m_answerKey, &QCheckBox::clicked, this, &TMyReport::AnswerKeyClick);
    connect(m_partialAnswer, &QCheckBox::clicked, this, &TMyReport::PartialAnswerClick);
    connect(m_select, &QPushButton::clicked, this, &TMyReport::SelectClick);
    connect(m_partialLetters, &QCheckBox::clicked, this, &TMyReport::PartialLettersClick);
    connect(m_letters, &QLineEdit::textChanged, this, &TMyReport::LettersChange);
    enableAnswerOptions();
}

void TMyReport::buildOverridesGroup()
{
    QGroupBox *group = app::addGroupBox(this, "OverridesGroup", "Puzzle Overrides", QRect(176, 28, 170, 260));
    m_changeLayout
        = app::addButton(group, "ChangeLayoutButton", "Change Page &Layout", QRect(12, 20, 146, 25));
    QPushButton *fonts = app::addButton(group, "ChangeFontsButton", "Change &Fonts", QRect(12, 52, 146, 25));
    m_skeleton = app::addCheckBox(group, "SkeletonPuzzle", "&Skeleton Puzzle", QRect(12, 88, 146, 19));
    QPushButton *boxColour
        = app::addButton(group, "BoxColorButton", "&Filled Box Color", QRect(12, 114, 110, 25));
    m_boxSwatch = app::addLabel(group, "BoxColorSwatch", QString(), { 130, 116, 28, 21 });
    m_boxSwatch->setFrameShape(QFrame::Box);
    m_boxSwatch->setAutoFillBackground(true);
    QPushButton *headers
        = app::addButton(group, "ClueHeadersButton", "Change Clue &Headers", QRect(12, 150, 146, 25));
    QPushButton *bonus
        = app::addButton(group, "BonusQuestionButton", "Change Bon&us Question", QRect(12, 182, 146, 25));

    m_fontMenu = new QMenu(this);
    m_fontMenu->setObjectName("FontMenu");
    for (std::size_t k = 0; k < m_fontItems.size(); ++k) {
        QAction *item = m_fontMenu->addAction(QString());
        item->setObjectName(QString("FontItem%1").arg(k + 1));
        connect(item, &QAction::triggered, this, [this, k] {
            if (k < m_fonts.size())
                changeFont(m_fonts[k]);
        });
        m_fontItems[k] = item;
    }

    connect(m_changeLayout, &QPushButton::clicked, this, &TMyReport::ChangeLayoutClick);
    connect(fonts, &QPushButton::clicked, this, &TMyReport::ChangeFontsClick);
    connect(m_skeleton, &QCheckBox::clicked, this, &TMyReport::SkeletonClick);
    connect(boxColour, &QPushButton::clicked, this, &TMyReport::BoxColorClick);
    connect(headers, &QPushButton::clicked, this, &TMyReport::ClueHeadersClick);
    connect(bonus, &QPushButton::clicked, this, &TMyReport::BonusQuestionClick);
}

void TMyReport::takeLayout()
{
    model::Settings &settings = m_context.settings;
    PrintOptions options = PrintOptions::fromSettings(settings);
    options.takeLayout(m_puzzle->layout);
    m_acrossLabel = options.acrossLabel;
    m_downLabel = options.downLabel;
    settings.useBoxes = options.useBoxes;
    settings.boxColor = static_cast<int>(options.boxColour);
    m_skeleton->setChecked(!settings.useBoxes);
    showBoxColour();

    m_fonts.clear();
    const layout::LayoutRecord &pageLayout = m_puzzle->layout;
    for (int slot = 0; slot < pageLayout.safeObjectCount(); ++slot) {
        const int kind = pageLayout.objects[slot].kind;
        if (kind == static_cast<int>(layout::ObjectKind::Puzzle)) {
            m_fonts.push_back({ slot, false, "Puzzle Answer Font" });
            m_fonts.push_back({ slot, true, "Puzzle Clue Numbers Font" });
        } else if (kind == static_cast<int>(layout::ObjectKind::Title)
            || (kind >= static_cast<int>(layout::ObjectKind::DownHeader)
                && kind <= static_cast<int>(layout::ObjectKind::Text))) {
            m_fonts.push_back({ slot, false, toQString(pageLayout.objects[slot].name.view()) + " Font" });
        }
    }
    if (m_fonts.size() > m_fontItems.size())
        m_fonts.resize(m_fontItems.size());
    for (std::size_t k = 0; k < m_fontItems.size(); ++k) {
        m_fontItems[k]->setVisible(k < m_fonts.size());
        m_fontItems[k]->setText(k < m_fonts.size() ? m_fonts[k].text : QString());
    }
    m_miniature->update();
}

QStringList TMyReport::fontEntries() const
{
    QStringList texts;
    for (const FontEntry &entry : m_fonts)
        texts << entry.text;
    return texts;
}

void TMyReport::enableAnswerOptions()
{
    const bool key = m_answerKey->isChecked();
    m_partialAnswer->setEnabled(!key);
    m_partialLetters->setEnabled(!key);
    m_select->setEnabled(!key && m_partialAnswer->isChecked());
    m_letters->setEnabled(!key && m_partialLetters->isChecked());
    m_lettersLabel->setEnabled(m_letters->isEnabled());
}

void TMyReport::showBoxColour()
{
    QPalette palette = m_boxSwatch->palette();
    palette.setColor(
        QPalette::Window, colourFromWindows(static_cast<std::uint32_t>(m_context.settings.boxColor)));
    m_boxSwatch->setPalette(palette);
}

void TMyReport::AnswerKeyClick()
{
    m_context.settings.answerKey = m_answerKey->isChecked();
    enableAnswerOptions();
}

void TMyReport::PartialAnswerClick()
{
    m_context.settings.partialAnswer = m_partialAnswer->isChecked();
    enableAnswerOptions();
}

void TMyReport::PartialLettersClick()
{
    m_context.settings.partialLetters = m_partialLetters->isChecked();
    enableAnswerOptions();
}

void TMyReport::LettersChange()
{
    m_context.settings.letters = storedText(fromQString(m_letters->text()), model::SettingsLabelCapacity);
}

void TMyReport::SelectClick()
{
    layout::TPartialAnswerList words(m_context, *m_puzzle, m_partialWords, this);
    app::runChild(words);
}

void TMyReport::ChangeLayoutClick()
{
    layout::TListPages chooser(m_context, layout::ChooserMode::ForPrinting, &m_puzzle->layout, this);
    app::runChild(chooser);
    if (chooser.chosen())
        takeLayout();
}

void TMyReport::ChangeFontsClick()
{
    m_fontMenu->popup(m_changeLayout->mapToGlobal(QPoint(0, 0)));
}

void TMyReport::changeFont(const FontEntry &entry)
{
    layout::LayoutObject &object = m_puzzle->layout.objects[entry.slot];
    layout::LayoutFont &font = entry.numbers ? object.numberFont : object.textFont;
    if (const auto chosen = app::chooseFont(this, layout::layoutFontChoice(font), entry.text))
        layout::storeLayoutFont(font, *chosen);
}

void TMyReport::SkeletonClick()
{
    m_context.settings.useBoxes = !m_skeleton->isChecked();
}

void TMyReport::BoxColorClick()
{
    const auto chosen
        = app::chooseColour(this, colourFromWindows(static_cast<std::uint32_t>(m_context.settings.boxColor)));
    if (!chosen)
        return;
    m_context.settings.boxColor = static_cast<int>(colourToWindows(*chosen));
    showBoxColour();
}

void TMyReport::ClueHeadersClick()
{
    layout::TClueHeaders headers(m_context, m_acrossLabel, m_downLabel, "Clue Headers", this);
    app::runChild(headers);
}

void TMyReport::BonusQuestionClick()
{
    std::string question = m_puzzle->bonusQuestion.str();
    layout::TBonusQuestion dialog(m_context, question, this);
    if (app::runChild(dialog) == QDialog::Accepted)
        m_puzzle->bonusQuestion.assign(question);
}

void TMyReport::PrinterSetupClick()
{
    app::runPrinterSetup(m_context, this);
}

void TMyReport::HelpClick()
{
    app::THelpWindow help(m_context, app::HelpReportWindow, this);
    if (!help.loaded()) {
        app::show(this, help.loaded().error());
        return;
    }
    app::runChild(help);
}

void TMyReport::DoIt()
{
    PrintOptions options = PrintOptions::fromSettings(m_context.settings);
    options.acrossLabel = m_acrossLabel;
    options.downLabel = m_downLabel;
    options.partialWords = m_partialWords;
    auto job = std::make_unique<PrintJob>(*m_puzzle, options);
    report::ReportEngine engine;
    TReportStatus status(m_context, *job, engine, this);
    app::runChild(status);
    if (!status.completed())
        return;
    TMyPreview preview(m_context, *job, engine, this);
    preview.exportHooks() = m_previewHooks;
    app::runChild(preview);
}

} // namespace gw::render
