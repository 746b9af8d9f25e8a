#include "layout/ui/TListPages.h"

#include "layout/LayoutExportFile.h"
#include "layout/LayoutLibrary.h"
#include "layout/PageDesign.h"
#include "layout/ui/TExtractPage.h"
#include "platform/Text.h"
#include "render/TextConversion.h"
#include "shapes/ui/ShapePicture.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

namespace gw::layout {

namespace {

const QString PagExtension = QStringLiteral("PAG");
const QString PagFilter = QStringLiteral("Page Layouts (*.PAG *.pag)");

// Windows colour values, 0x00BBGGRR.
constexpr std::uint32_t Grey = 0x808080;
constexpr std::uint32_t White = 0xFFFFFF;

struct LegendEntry
{
    const char *name;
    const char *label;
    ObjectKind kind;
};

// The legend names the preview's colours by what they stand for.
constexpr LegendEntry Legend[] = {
    { "PuzzleSwatch", "Puzzle", ObjectKind::Puzzle },
    { "AcrossSwatch", "Across", ObjectKind::AcrossClues },
    { "DownSwatch", "Down", ObjectKind::DownClues },
    { "TitleSwatch", "Title", ObjectKind::Title },
    { "BonusSwatch", "Bonus", ObjectKind::BonusQuestion },
    { "TextSwatch", "Text, Shapes", ObjectKind::Text },
    { "WordsSwatch", "Words", ObjectKind::WordList },
};

// The preview's colour of a kind: the designer's for the kinds it labels, grey for text and
// shapes, white for bitmaps.
std::uint32_t previewColour(int kind)
{
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Text:
    case ObjectKind::Rectangle:
    case ObjectKind::Circle:
        return Grey;
    case ObjectKind::Bitmap:
        return White;
    default:
        return kindLook(kind).colour;
    }
}

bool hasColumnLines(int kind)
{
    return kind == int(ObjectKind::DownClues) || kind == int(ObjectKind::AcrossClues)
        || kind == int(ObjectKind::WordList) || kind == int(ObjectKind::CombinedClues);
}

int scaled(std::int32_t coordinate, double factor)
{
    return static_cast<int>(std::clamp(coordinate * factor, -1.0e6, 1.0e6));
}

// The page scaled to fit the picture, every object in slot order filled with its kind's colour.
QImage drawLayoutPreview(const LayoutRecord &layout, const QSize &size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(shapes::buttonFaceColour());
    const int pageWidth = layout.pageWidthPixels;
    const int pageHeight = layout.pageHeightPixels;
    if (pageWidth <= 0 || pageHeight <= 0)
        return picture;
    const double factor = std::min(double(size.width()) / pageWidth, double(size.height()) / pageHeight);
    QPainter painter(&picture);
    painter.fillRect(QRect(0, 0, int(pageWidth * factor), int(pageHeight * factor)), Qt::white);
    QPen dotted(Qt::black);
    dotted.setStyle(Qt::DotLine);
    for (int slot = 0; slot < layout.safeObjectCount(); ++slot) {
        const LayoutObject &object = layout.objects[slot];
        const int kind = object.kind;
        if (!isKnownKind(kind))
            continue;
        const PixelRect rect = object.rect;
        const QRect shown(QPoint(scaled(rect.left, factor), scaled(rect.top, factor)),
            QPoint(scaled(rect.right, factor) - 1, scaled(rect.bottom, factor) - 1));
        painter.setPen(Qt::black);
        painter.setBrush(colourFromWindows(previewColour(kind)));
        painter.drawRect(shown.adjusted(0, 0, -1, -1));
        if (!hasColumnLines(kind))
            continue;
        painter.setPen(dotted);
        for (const int x : columnLines(object))
            painter.drawLine(scaled(x, factor), shown.top(), scaled(x, factor), shown.bottom());
    }
    return picture;
}

} // namespace

TListPages::TListPages(app::AppContext &context, ChooserMode mode, LayoutRecord *target, QWidget *parent)
    : app::TWindow(context, parent)
    , m_mode(mode)
    , m_target(target)
    , m_selected(std::make_unique<LayoutRecord>())
{
    setWindowTitle(QStringLiteral("Puzzle Page Layouts"));
    setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels));
    setFixedSize(560, 356);

    app::addLabel(this, QStringLiteral("PageHeading"), QStringLiteral("Page Layouts"), { 10, 8, 220, 17 });
    m_list = app::addList(this, QStringLiteral("PageList"), { 10, 28, 220, 250 });
    // Arrow keys, Home/End, typed letters and drags move the highlight without a click; the
    // selected layout must follow every one of them, or Modify and Save overwrite another record.
    connect(m_list, &QListWidget::currentRowChanged, this, &TListPages::PageListChange);
    m_preview = app::addLabel(this, QStringLiteral("PagePreview"), QString(), { 240, 28, 200, 250 });

    int top = 28;
    for (const LegendEntry &entry : Legend) {
        auto *swatch = app::addLabel(this, QString::fromLatin1(entry.name), QString(), { 450, top, 16, 16 });
        swatch->setFrameShape(QFrame::Box);
        QPixmap colour(16, 16);
        colour.fill(colourFromWindows(previewColour(int(entry.kind))));
        swatch->setPixmap(colour);
        auto *label = new QLabel(QString::fromLatin1(entry.label), this);
        label->setObjectName(
            QString::fromLatin1(entry.name).replace(QStringLiteral("Swatch"), QStringLiteral("Label")));
        label->setGeometry(472, top, 84, 16);
        top += 24;
    }

    const std::pair<QString, void (TListPages::*)()> commands[] = {
        { QStringLiteral("&Select"), &TListPages::SelectClick },
        { QStringLiteral("&New"), &TListPages::NewClick },
        { QStringLiteral("&Modify"), &TListPages::ModifyClick },
        { QStringLiteral("&Copy"), &TListPages::CopyClick },
        { QStringLiteral("&Delete"), &TListPages::DeleteClick },
        { QStringLiteral("Set De&fault"), &TListPages::SetDefaultClick },
        { QStringLiteral("&Import"), &TListPages::ImportClick },
        { QStringLiteral("&Export"), &TListPages::ExportClick },
        { QStringLiteral("Ex&tract"), &TListPages::ExtractClick },
        { QStringLiteral("E&xit"), &TListPages::ExitClick },
    };
    int index = 0;
    for (const auto &[text, handler] : commands) {
        auto *button = new QPushButton(text, this);
        QString name = QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(' '));
        button->setObjectName(name + QStringLiteral("Button"));
        button->setGeometry(10 + (index % 5) * 110, 290 + (index / 5) * 32, 100, 25);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        ++index;
    }
    m_select = findChild<QPushButton *>(QStringLiteral("SelectButton"));
    m_delete = findChild<QPushButton *>(QStringLiteral("DeleteButton"));
    m_copy = findChild<QPushButton *>(QStringLiteral("CopyButton"));
    m_modify = findChild<QPushButton *>(QStringLiteral("ModifyButton"));
    m_export = findChild<QPushButton *>(QStringLiteral("ExportButton"));
}

TListPages::~TListPages() = default;

void TListPages::FormShow()
{
    m_chosen = false;
    if (reloadList())
        selectRow(0);
    else
        drawPreview();
    setButtons();
}

int TListPages::selectedRecord() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < static_cast<int>(m_entries.size()) ? m_entries[row].record : -1;
}

// False, after the warning, when the library is missing, empty or unreadable.
bool TListPages::reloadList()
{
    m_list->clear();
    m_entries.clear();
    auto listed = listLayouts(m_context.layoutLibrary(), m_context.settings.defaultPage);
    if (!listed) {
        app::show(this, listed.error());
        return false;
    }
    m_entries = std::move(*listed);
    for (const LayoutListEntry &entry : m_entries)
        m_list->addItem(toQString(entry.text));
    return true;
}

void TListPages::setButtons()
{
    const bool any = !m_entries.empty();
    m_select->setEnabled(m_mode != ChooserMode::Manage && any && selectedRecord() >= 0);
    for (QPushButton *button : { m_delete, m_copy, m_modify, m_export })
        button->setEnabled(any);
}

void TListPages::selectRow(int row)
{
    if (m_entries.empty())
        return;
    const int wanted = std::clamp(row, 0, static_cast<int>(m_entries.size()) - 1);
    // The list is silent when the row stays; its record may still have changed on disk.
    if (m_list->currentRow() == wanted)
        PageListChange();
    else
        m_list->setCurrentRow(wanted);
}

// The first entry of that record, or the last entry when none has it.
void TListPages::selectRecord(int record)
{
    const auto found = std::ranges::find(m_entries, record, &LayoutListEntry::record);
    selectRow(found == m_entries.end() ? static_cast<int>(m_entries.size()) - 1
                                       : static_cast<int>(found - m_entries.begin()));
}

void TListPages::readSelectedLayout()
{
    const int record = selectedRecord();
    if (record < 0)
        return;
    auto layout = readLayout(m_context.layoutLibrary(), record);
    if (!layout) {
        app::show(this, layout.error());
        return;
    }
    *m_selected = *layout;
}

void TListPages::drawPreview()
{
    if (m_entries.empty()) {
        QImage blank(m_preview->size(), QImage::Format_RGB32);
        blank.fill(shapes::buttonFaceColour());
        m_preview->setPixmap(QPixmap::fromImage(blank));
        return;
    }
    m_preview->setPixmap(QPixmap::fromImage(drawLayoutPreview(*m_selected, m_preview->size())));
}

void TListPages::PageListChange()
{
    if (selectedRecord() < 0)
        return; // the list is being refilled
    readSelectedLayout();
    drawPreview();
    setButtons();
}

bool TListPages::noneSelected()
{
    if (selectedRecord() >= 0)
        return false;
    app::inform(this, QStringLiteral("Error"), QStringLiteral("No page layout selected."));
    return true;
}

bool TListPages::openDesigner(PageDesignerMode mode, int record, const LayoutRecord &layout)
{
    TDoPages designer(m_context, mode, record, layout, this);
    app::runChild(designer);
    return designer.saved();
}

void TListPages::selectAdded(int record)
{
    if (reloadList())
        selectRecord(record);
    setButtons();
}

void TListPages::SelectClick()
{
    if (selectedRecord() < 0) {
        app::inform(this, QStringLiteral("Error"), QStringLiteral("No layout has been selected."));
        return;
    }
    if (m_target)
        *m_target = *m_selected;
    m_chosen = true;
    accept();
}

void TListPages::ExitClick()
{
    reject();
}

void TListPages::NewClick()
{
    if (openDesigner(PageDesignerMode::New, 0, *m_selected))
        selectAdded(static_cast<int>(m_entries.size()));
}

void TListPages::CopyClick()
{
    if (noneSelected())
        return;
    auto copy = std::make_unique<LayoutRecord>(*m_selected);
    copy->name.assign(copyName(copy->name.view(), decltype(copy->name)::capacity));
    if (openDesigner(PageDesignerMode::Copy, 0, *copy))
        selectAdded(static_cast<int>(m_entries.size()));
}

void TListPages::ModifyClick()
{
    if (noneSelected())
        return;
    const int record = selectedRecord();
    // Listed anew also when nothing was saved: the designer may have found the library changed by
    // another program.
    openDesigner(PageDesignerMode::Modify, record, *m_selected);
    if (reloadList())
        selectRecord(record);
    setButtons();
}

void TListPages::DeleteClick()
{
    if (noneSelected())
        return;
    const int row = m_list->currentRow();
    const QString question = QStringLiteral("Are you sure you want to delete \"")
        + toQString(m_entries[row].text) + QStringLiteral("\"?");
    if (app::ask(this, QStringLiteral("Delete?"), question) != app::Answer::Yes)
        return;
    if (const Status deleted
        = deleteLayout(m_context.layoutLibraryToChange(), m_entries[row].record, fingerprintOf(*m_selected));
        !deleted)
        // Reloaded all the same: another program may have changed the library.
        app::show(this, deleted.error());
    if (reloadList())
        selectRow(row);
    else
        drawPreview();
    setButtons();
}

void TListPages::SetDefaultClick()
{
    if (noneSelected())
        return;
    const int row = m_list->currentRow();
    m_context.settings.defaultPage = m_entries[row].record;
    if (reloadList())
        selectRow(row);
    setButtons();
}

void TListPages::ExportClick()
{
    if (noneSelected())
        return;
    const auto chosen
        = app::chooseRememberedFile(this, app::FileDialogKind::Save, QStringLiteral("Export Page Layouts"),
            PagFilter, PagExtension, m_context.settings.lastExportLayoutFile);
    if (!chosen)
        return;
    auto layout = readLayout(m_context.layoutLibrary(), selectedRecord());
    if (!layout) {
        app::show(this, layout.error());
        return;
    }
    const auto exported = exportLayout(*layout, *chosen);
    if (exported)
        app::show(this, *exported);
    else
        app::show(this, exported.error());
    setButtons();
}

void TListPages::ImportClick()
{
    const auto chosen
        = app::chooseRememberedFile(this, app::FileDialogKind::Open, QStringLiteral("Import Page Layouts"),
            PagFilter, PagExtension, m_context.settings.lastImportLayoutFile);
    if (!chosen)
        return;
    const auto imported = importLayout(*chosen, m_context.layoutLibraryToChange());
    if (!imported) {
        app::show(this, imported.error());
        return;
    }
    selectAdded(imported->record);
}

void TListPages::ExtractClick()
{
    TExtractPage extract(m_context, this);
    app::runChild(extract);
    if (const std::optional<int> added = extract.addedRecord())
        selectAdded(*added);
}

} // namespace gw::layout
