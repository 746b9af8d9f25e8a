#include "layout/ui/TDoPages.h"

#include "layout/LayoutLibrary.h"
#include "layout/LayoutUnits.h"
#include "layout/PageDesign.h"
#include "layout/ui/LayoutFontChoice.h"
#include "layout/ui/TClueChange.h"
#include "layout/ui/TNumberClueFont.h"
#include "layout/ui/TObjectBorders.h"
#include "layout/ui/TObjectFill.h"
#include "layout/ui/TObjectProp.h"
#include "layout/ui/TObjectProp2.h"
#include "layout/ui/TSizeLocation.h"
#include "layout/ui/TTextInput.h"
#include "platform/Text.h"
#include "render/TextConversion.h"
#include "ui/BoxExit.h"
#include "ui/ChoiceDialogs.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/PageWindowBounds.h"
#include "ui/ScreenScale.h"
#include "ui/THelpWindow.h"
#include "ui/WindowLook.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace gw::layout {

namespace {

constexpr int NameBoxCharacters = 20;
constexpr int SizeBoxCharacters = 5;
constexpr int DesignWidth = 640;
constexpr int DesignHeight = 480;
constexpr int LeftPanelWidth = 176;
// The Objects menu opens an object's menu this far right of and below the window's corner.
const QPoint ObjectsMenuOffset(120, 30);

struct KindButton
{
    ObjectKind kind;
    const char *caption;
    const char *name;
};

// In the order of the panel: nine crossword objects, then the four other objects.
constexpr KindButton KindButtons[KindCount] = {
    { ObjectKind::Title, "Title", "TitleButton" },
    { ObjectKind::Puzzle, "Puzzle", "PuzzleButton" },
    { ObjectKind::AcrossHeader, "Across Heading", "AcrossHeadingButton" },
    { ObjectKind::DownHeader, "Down Heading", "DownHeadingButton" },
    { ObjectKind::AcrossClues, "Across Clues", "AcrossCluesButton" },
    { ObjectKind::DownClues, "Down Clues", "DownCluesButton" },
    { ObjectKind::WordList, "Word List", "WordListButton" },
    { ObjectKind::BonusQuestion, "Bonus Quest", "BonusQuestButton" },
    { ObjectKind::CombinedClues, "Combined Clues", "CombinedCluesButton" },
    { ObjectKind::Text, "Text", "TextButton" },
    { ObjectKind::Bitmap, "Bitmap", "BitmapButton" },
    { ObjectKind::Rectangle, "Rectangle", "RectangleButton" },
    { ObjectKind::Circle, "Circle", "CircleButton" },
};
constexpr int CrosswordButtons = 9;

LayoutRecord newLayout()
{
    LayoutRecord layout {};
    layout.name.assign("New Page");
    layout.portrait = 1;
    applyPaperSize(layout, *findPaperSize("Letter"));
    return layout;
}

// The whole trimmed text as a decimal number, or nothing when anything else is in it.
std::optional<double> decimalNumber(const QString &text)
{
    const std::string value(trimmed(fromQString(text)));
    double number = 0;
    const char *end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, number);
    if (value.empty() || error != std::errc() || stop != end || !std::isfinite(number))
        return std::nullopt;
    return number;
}

// Menus show '&' as a mnemonic; an object's name is shown as stored.
QString menuText(std::string_view name)
{
    return toQString(name).replace(QLatin1Char('&'), QLatin1String("&&"));
}

bool isHeader(int kind)
{
    return kind == static_cast<int>(ObjectKind::DownHeader)
        || kind == static_cast<int>(ObjectKind::AcrossHeader);
}

} // namespace

TDoPages::TDoPages(app::AppContext &context, PageDesignerMode mode, int recordNumber,
    const LayoutRecord &layout, QWidget *parent)
    : app::TWindow(context, parent)
    , m_mode(mode)
    , m_recordNumber(recordNumber)
    , m_working(std::make_unique<LayoutRecord>(mode == PageDesignerMode::New ? newLayout() : layout))
    , m_loaded(fingerprintOf(*m_working))
    , m_pictures(std::make_unique<SlotPictures>())
{
    setWindowTitle(QStringLiteral("Page Creator"));
    setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels));
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(DesignWidth, DesignHeight);
    buildMenus();
    buildLeftPanel();

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("PageScroll"));
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setStyleSheet(QStringLiteral("QScrollArea { background: grey; }"));
    m_pageArea = new QWidget;
    m_pageArea->setStyleSheet(QStringLiteral("background: grey;"));
    m_topRuler = new QLabel(m_pageArea);
    m_topRuler->setObjectName(QStringLiteral("TopRuler"));
    m_leftRuler = new QLabel(m_pageArea);
    m_leftRuler->setObjectName(QStringLiteral("LeftRuler"));
    m_pageImage = new QLabel(m_pageArea);
    m_pageImage->setObjectName(QStringLiteral("PageImage"));
    m_pageImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pageImage->setMouseTracking(true);
    m_pageImage->installEventFilter(this);
    for (QLabel *picture : { m_topRuler, m_leftRuler, m_pageImage })
        picture->setProperty("gwKeepFont", true);
    m_scroll->setWidget(m_pageArea);
}

TDoPages::~TDoPages() = default;

void TDoPages::buildMenus()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("MainMenu"));
    m_menuBar->setProperty("gwKeepFont", true);

    QMenu *file = m_menuBar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    connect(app::addItem(file, QStringLiteral("MenuSave"), QStringLiteral("&Save"),
                QKeySequence(Qt::CTRL | Qt::Key_S)),
        &QAction::triggered, this, &TDoPages::SaveButtonClick);
    connect(app::addItem(file, QStringLiteral("MenuExit"), QStringLiteral("E&xit"),
                QKeySequence(Qt::CTRL | Qt::Key_X)),
        &QAction::triggered, this, &TDoPages::CancelButtonClick);

    m_objectsMenu = m_menuBar->addMenu(QStringLiteral("&Objects"));
    m_objectsMenu->setObjectName(QStringLiteral("MenuObjects"));
    for (int slot = 1; slot <= MaxObjects; ++slot) {
        QAction *item = app::addItem(m_objectsMenu, QStringLiteral("MenuObject%1").arg(slot), QString());
        item->setVisible(false);
        connect(item, &QAction::triggered, this,
            [this, slot] { openObjectMenu(slot, mapToGlobal(QPoint(0, 0)) + ObjectsMenuOffset); });
        m_objectItems[static_cast<std::size_t>(slot - 1)] = item;
    }

    QMenu *zoom = m_menuBar->addMenu(QStringLiteral("&Zoom"));
    zoom->setObjectName(QStringLiteral("MenuZoom"));
    auto *levels = new QActionGroup(this);
    const char *captions[] = { "&Small", "&Medium", "&Large" };
    const char *names[] = { "MenuZoomSmall", "MenuZoomMedium", "MenuZoomLarge" };
    const Qt::Key keys[] = { Qt::Key_F1, Qt::Key_F2, Qt::Key_F3 };
    for (int level = SmallZoom; level <= LargeZoom; ++level) {
        QAction *item = app::addItem(zoom, QString::fromLatin1(names[level - 1]),
            QString::fromLatin1(captions[level - 1]), QKeySequence(Qt::CTRL | keys[level - 1]));
        item->setCheckable(true);
        levels->addAction(item);
        connect(item, &QAction::triggered, this, [this, level] { setZoom(level); });
        m_zoomItems[static_cast<std::size_t>(level - 1)] = item;
    }

    QAction *help = m_menuBar->addAction(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    connect(help, &QAction::triggered, this, &TDoPages::HelpClick);

    m_objectMenu = new QMenu(this);
    m_objectMenu->setObjectName(QStringLiteral("ObjectMenu"));
    m_sizePosition = app::addItem(
        m_objectMenu, QStringLiteral("MenuSizePosition"), QStringLiteral("&Size && Position..."));
    connect(m_sizePosition, &QAction::triggered, this, &TDoPages::SizePositionClick);
    m_properties
        = app::addItem(m_objectMenu, QStringLiteral("MenuProperties"), QStringLiteral("&Properties"));
    connect(m_properties, &QAction::triggered, this, &TDoPages::PropertiesClick);
    m_border = app::addItem(m_objectMenu, QStringLiteral("MenuBorder"), QStringLiteral("B&order"));
    connect(m_border, &QAction::triggered, this, &TDoPages::BorderClick);
    m_fill = app::addItem(m_objectMenu, QStringLiteral("MenuFill"), QStringLiteral("&Fill"));
    connect(m_fill, &QAction::triggered, this, &TDoPages::FillClick);
    m_changeText
        = app::addItem(m_objectMenu, QStringLiteral("MenuChangeText"), QStringLiteral("Change &Text..."));
    connect(m_changeText, &QAction::triggered, this, &TDoPages::ChangeTextClick);
    m_alignmentMenu = m_objectMenu->addMenu(QStringLiteral("Text &Alignment"));
    m_alignmentMenu->setObjectName(QStringLiteral("MenuAlignment"));
    auto *alignments = new QActionGroup(this);
    const char *alignCaptions[] = { "&Left", "&Center", "&Right" };
    const char *alignNames[] = { "MenuAlignLeft", "MenuAlignCenter", "MenuAlignRight" };
    for (int alignment = 1; alignment <= 3; ++alignment) {
        QAction *item = app::addItem(m_alignmentMenu, QString::fromLatin1(alignNames[alignment - 1]),
            QString::fromLatin1(alignCaptions[alignment - 1]));
        item->setCheckable(true);
        alignments->addAction(item);
        connect(item, &QAction::triggered, this, [this, alignment] { setAlignment(alignment); });
        m_alignItems[static_cast<std::size_t>(alignment - 1)] = item;
    }
    m_textFont = app::addItem(m_objectMenu, QStringLiteral("MenuTextFont"), QStringLiteral("Text &Font"));
    connect(m_textFont, &QAction::triggered, this, &TDoPages::TextFontClick);
    m_clueNumberFont = app::addItem(
        m_objectMenu, QStringLiteral("MenuClueNumberFont"), QStringLiteral("&Clue Number Font"));
    connect(m_clueNumberFont, &QAction::triggered, this, &TDoPages::ClueNumberFontClick);
    m_loadBitmap
        = app::addItem(m_objectMenu, QStringLiteral("MenuLoadBitmap"), QStringLiteral("Load B&itmap"));
    connect(m_loadBitmap, &QAction::triggered, this, &TDoPages::LoadBitmapClick);
    m_objectMenu->addSeparator();
    connect(app::addItem(m_objectMenu, QStringLiteral("MenuDelete"), QStringLiteral("&Delete")),
        &QAction::triggered, this, &TDoPages::DeleteClick);
    connect(app::addItem(m_objectMenu, QStringLiteral("MenuBringToFront"), QStringLiteral("&Bring To Front")),
        &QAction::triggered, this, &TDoPages::BringToFrontClick);
    connect(app::addItem(m_objectMenu, QStringLiteral("MenuSendToBack"), QStringLiteral("&Send To Back")),
        &QAction::triggered, this, &TDoPages::SendToBackClick);
}

void TDoPages::buildLeftPanel()
{
    constexpr int x = 6;
    constexpr int w = 164;
    app::addLabel(this, QStringLiteral("NameLabel"), QStringLiteral("Name"), QRect(x, 26, w, 14));
    m_name = app::addEdit(this, QStringLiteral("LayoutName"), QString(), QRect(x, 41, w, 21));
    app::addLabel(this, QStringLiteral("PaperSizeLabel"), QStringLiteral("Paper Size"), QRect(x, 66, w, 14));
    m_paperSize = app::placed(new QComboBox(this), QStringLiteral("PaperSize"), QRect(x, 81, w, 21));
    for (const PaperSize &paper : paperSizes())
        m_paperSize->addItem(toQString(paper.name));
    connect(m_paperSize, &QComboBox::currentIndexChanged, this, &TDoPages::PaperSizeChange);
    m_portrait = app::addRadioButton(
        this, QStringLiteral("Portrait"), QStringLiteral("&Portrait"), QRect(x, 106, 76, 17));
    m_landscape = app::addRadioButton(
        this, QStringLiteral("Landscape"), QStringLiteral("&Landscape"), QRect(x + 80, 106, 84, 17));
    connect(m_portrait, &QRadioButton::toggled, this, &TDoPages::OrientationClick);
    m_widthLabel
        = app::addLabel(this, QStringLiteral("WidthLabel"), QStringLiteral("Width"), QRect(x, 126, 52, 14));
    m_width = app::addEdit(this, QStringLiteral("PageWidth"), QString(), QRect(x, 141, 52, 21));
    m_heightLabel = app::addLabel(
        this, QStringLiteral("HeightLabel"), QStringLiteral("Height"), QRect(x + 56, 126, 52, 14));
    m_height = app::addEdit(this, QStringLiteral("PageHeight"), QString(), QRect(x + 56, 141, 52, 21));
    m_inches = app::addCheckBox(
        this, QStringLiteral("Inches"), QStringLiteral("Inches"), QRect(x + 112, 143, 52, 17));
    for (QLineEdit *box : { m_width, m_height }) {
        box->setMaxLength(SizeBoxCharacters);
        box->installEventFilter(this);
    }
    connect(m_inches, &QCheckBox::toggled, this, &TDoPages::InchesClick);

    app::addLabel(this, QStringLiteral("CrosswordObjectsLabel"), QStringLiteral("Crossword Objects"),
        QRect(x, 168, w, 14));
    app::addLabel(
        this, QStringLiteral("OtherObjectsLabel"), QStringLiteral("  Other   Objects"), QRect(x, 330, w, 14));
    for (int index = 0; index < KindCount; ++index) {
        const KindButton &entry = KindButtons[index];
        const int row = index < CrosswordButtons ? index / 2 : (index - CrosswordButtons) / 2;
        const int column = index < CrosswordButtons ? index % 2 : (index - CrosswordButtons) % 2;
        const int top = index < CrosswordButtons ? 184 + row * 27 : 346 + row * 27;
        // Combined Clues, alone on its row, takes the whole width.
        const int width = index == CrosswordButtons - 1 ? w : 81;
        auto *button = app::addButton(this, QString::fromLatin1(entry.name),
            QString::fromLatin1(entry.caption), QRect(x + column * 83, top, width, 25));
        button->setAutoDefault(false);
        button->setCheckable(true);
        const int kind = static_cast<int>(entry.kind);
        connect(button, &QPushButton::clicked, this, [this, kind] { objectButtonClick(kind); });
        m_kindButtons[static_cast<std::size_t>(kind - 1)] = button;
    }

    m_saveButton
        = app::addButton(this, QStringLiteral("Save"), QStringLiteral("&Save"), QRect(x, 420, 81, 25));
    m_saveButton->setAutoDefault(false);
    connect(m_saveButton, &QPushButton::clicked, this, &TDoPages::SaveButtonClick);
    m_cancelButton = app::addButton(
        this, QStringLiteral("Cancel"), QStringLiteral("&Cancel"), QRect(x + 83, 420, 81, 25));
    m_cancelButton->setAutoDefault(false);
    connect(m_cancelButton, &QPushButton::clicked, this, &TDoPages::CancelButtonClick);
}

void TDoPages::FormShow()
{
    m_shown = true;
    // The look fixes the size; this window may be resized.
    setMinimumSize(app::scaled(DesignWidth / 2, m_context.scaleFactor),
        app::scaled(DesignHeight / 2, m_context.scaleFactor));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const model::Settings &settings = m_context.settings;

    const int storedZoom = settings.zoom;
    m_zoom = storedZoom >= SmallZoom && storedZoom <= LargeZoom ? storedZoom : MediumZoom;
    for (int level = SmallZoom; level <= LargeZoom; ++level)
        m_zoomItems[static_cast<std::size_t>(level - 1)]->setChecked(level == m_zoom);

    loadPictures();
    fillControls();
    updateObjectButtons();
    rebuildObjectsMenu();
    // A layout stored with zoom 0 is rescaled from the zoom its pixels were really taken at:
    // drawn unscaled on a page of another zoom, and saved with that zoom, its objects would
    // shrink or grow against the page.
    const int layoutZoom = pixelZoom(*m_working);
    if (m_mode != PageDesignerMode::New && layoutZoom != 0 && layoutZoom != m_zoom)
        rescaleForZoom(*m_working, layoutZoom, m_zoom);
    redraw();
    placeWindow();
}

void TDoPages::placeWindow()
{
    const model::Settings &settings = m_context.settings;
    const QRect stored(settings.pageDesignerWindowLeft, settings.pageDesignerWindowTop,
        std::max(settings.pageDesignerWindowWidth, minimumWidth()),
        std::max(settings.pageDesignerWindowHeight, minimumHeight()));
    // The panel beside the page, the menu above it, and the whole page with its rulers.
    const int frame = 2 * m_scroll->frameWidth();
    const QSize wholePage(app::scaled(LeftPanelWidth, m_context.scaleFactor) + m_pageArea->width() + frame,
        std::max(m_menuBar->sizeHint().height() + m_pageArea->height() + frame,
            app::scaled(DesignHeight, m_context.scaleFactor)));
    setGeometry(app::pageWindowBounds(stored, wholePage, app::availableArea(this)));
}

void TDoPages::loadPictures()
{
    for (int slot = 0; slot < m_working->safeObjectCount(); ++slot) {
        const LayoutObject &object = m_working->objects[slot];
        if (object.kind != static_cast<std::int16_t>(ObjectKind::Bitmap))
            continue;
        QImage &picture = (*m_pictures)[static_cast<std::size_t>(slot)];
        const QString path = toQString(object.bitmapPath.view());
        if (!path.isEmpty()) {
            if (QFileInfo::exists(path))
                picture.load(path);
            else
                app::inform(this, QStringLiteral("Warning"),
                    QStringLiteral("A bitmap for this layout could not be located."));
        }
        if (picture.isNull()) {
            const PixelRect rect = object.rect;
            picture = bitmapPlaceholder(rect.right - rect.left, rect.bottom - rect.top);
        }
    }
}

void TDoPages::fillControls()
{
    m_name->setMaxLength(NameBoxCharacters);
    m_name->setText(toQString(m_working->name.view()));
    fillSizeBoxes();
    {
        const QSignalBlocker blockInches(m_inches);
        m_inches->setChecked(isInches(*m_working));
        const QSignalBlocker blockPortrait(m_portrait);
        const QSignalBlocker blockLandscape(m_landscape);
        (m_working->portrait != 0 ? m_portrait : m_landscape)->setChecked(true);
        const QSignalBlocker blockPaper(m_paperSize);
        m_paperSize->setCurrentIndex(m_paperSize->findText(toQString(m_working->paperName.view())));
    }
    const bool custom = m_working->paperName.view() == CustomPaperName;
    for (QWidget *control :
        std::initializer_list<QWidget *> { m_widthLabel, m_heightLabel, m_width, m_height, m_inches })
        control->setVisible(custom);
}

void TDoPages::fillSizeBoxes()
{
    m_width->setText(QString::number(double(m_working->pageWidth), 'f', 2));
    m_height->setText(QString::number(double(m_working->pageHeight), 'f', 2));
}

int TDoPages::pixelsPerUnit() const
{
    return layout::pixelsPerUnit(isInches(*m_working), m_zoom);
}

void TDoPages::redraw()
{
    storePagePixels(*m_working, m_zoom);
    const int width = m_working->pageWidthPixels;
    const int height = m_working->pageHeightPixels;
    const bool inches = isInches(*m_working);
    const QImage top = drawRuler(true, inches, pixelsPerUnit(), width);
    const QImage left = drawRuler(false, inches, pixelsPerUnit(), height);
    m_topRuler->setPixmap(QPixmap::fromImage(top));
    m_topRuler->setGeometry(0, 0, top.width(), top.height());
    m_leftRuler->setPixmap(QPixmap::fromImage(left));
    m_leftRuler->setGeometry(0, 0, left.width(), left.height());
    m_page = drawPagePicture(*m_working, *m_pictures, m_selected);
    m_pageImage->setGeometry(RulerThickness, RulerThickness, m_page.width(), m_page.height());
    m_pageArea->resize(RulerThickness + m_page.width(), RulerThickness + m_page.height());
    m_leftRuler->raise();
    showPage(m_page);
}

void TDoPages::showPage(const QImage &page)
{
    m_pageImage->setPixmap(QPixmap::fromImage(page));
}

void TDoPages::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, width(), menuHeight);
    const int left = app::scaled(LeftPanelWidth, m_context.scaleFactor);
    m_scroll->setGeometry(left, menuHeight, std::max(0, width() - left), std::max(0, height() - menuHeight));
}

void TDoPages::updateObjectButtons()
{
    const std::array<bool, KindCount> placeable = placeableKinds(*m_working);
    for (int kind = 1; kind <= KindCount; ++kind)
        m_kindButtons[static_cast<std::size_t>(kind - 1)]->setEnabled(
            placeable[static_cast<std::size_t>(kind - 1)]);
}

void TDoPages::rebuildObjectsMenu()
{
    const int count = m_working->safeObjectCount();
    for (int slot = 1; slot <= MaxObjects; ++slot) {
        QAction *item = m_objectItems[static_cast<std::size_t>(slot - 1)];
        item->setVisible(slot <= count);
        if (slot <= count)
            item->setText(menuText(m_working->objects[slot - 1].name.view()));
    }
}

void TDoPages::objectButtonClick(int kind)
{
    const bool wasActive = m_tool == kind;
    clearTool();
    if (wasActive)
        return;
    m_tool = kind;
    QPushButton *button = m_kindButtons[static_cast<std::size_t>(kind - 1)];
    button->setChecked(true);
    button->setStyleSheet(QStringLiteral("background-color: lime;"));
    m_pageImage->setCursor(Qt::CrossCursor);
}

void TDoPages::clearTool()
{
    m_tool = 0;
    for (QPushButton *button : m_kindButtons) {
        button->setChecked(false);
        button->setStyleSheet(QString());
    }
    m_pageImage->unsetCursor();
}

void TDoPages::setZoom(int level)
{
    m_zoomItems[static_cast<std::size_t>(level - 1)]->setChecked(true);
    if (level == m_zoom)
        return;
    rescaleForZoom(*m_working, m_zoom, level);
    m_zoom = level;
    m_context.settings.zoom = level;
    redraw();
}

bool TDoPages::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pageImage) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            mousePressed(static_cast<QMouseEvent *>(event));
            break;
        case QEvent::MouseMove:
            mouseMoved(static_cast<QMouseEvent *>(event));
            break;
        case QEvent::MouseButtonRelease:
            mouseReleased(static_cast<QMouseEvent *>(event));
            break;
        default:
            break;
        }
    } else if ((watched == m_width || watched == m_height) && m_width->isVisible()
        && app::leavesCheckedBox(*event, { m_saveButton, m_cancelButton })) {
        watched == m_width ? WidthExit() : HeightExit();
    }
    return QDialog::eventFilter(watched, event);
}

void TDoPages::mousePressed(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    m_drag = {};
    m_drag.left = event->button() == Qt::LeftButton;
    m_drag.right = event->button() == Qt::RightButton;
    m_drag.press = at;
    // What a left press drags is what the pointer showed over the selected object.
    if (m_drag.left && m_tool == 0 && m_selected >= 1 && m_selected <= m_working->safeObjectCount()) {
        const PixelRect rect = m_working->objects[m_selected - 1].rect;
        m_drag.handle = handleAt(rect, at.x(), at.y());
        m_drag.moving = m_drag.handle == 0 && reaches(rect, at.x(), at.y(), at.x(), at.y());
    }
}

void TDoPages::mouseMoved(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const bool selectedValid = m_selected >= 1 && m_selected <= m_working->safeObjectCount();
    if (m_drag.left) {
        if (!selectedValid || (m_drag.handle == 0 && !m_drag.moving))
            return;
        const PixelRect frame = draggedRect(m_working->objects[m_selected - 1].rect, m_drag.handle,
            at.x() - m_drag.press.x(), at.y() - m_drag.press.y());
        QImage withFrame = m_page;
        drawRubberFrame(withFrame, frame);
        showPage(withFrame);
        m_drag.frameShown = true;
        return;
    }
    if (m_drag.right || m_tool != 0)
        return;
    m_hoverHandle = 0;
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (selectedValid) {
        const PixelRect rect = m_working->objects[m_selected - 1].rect;
        m_hoverHandle = handleAt(rect, at.x(), at.y());
        static constexpr Qt::CursorShape Sizing[HandleCount + 1] = { Qt::ArrowCursor, Qt::SizeFDiagCursor,
            Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor, Qt::SizeHorCursor, Qt::SizeBDiagCursor,
            Qt::SizeVerCursor, Qt::SizeFDiagCursor };
        if (m_hoverHandle != 0)
            shape = Sizing[m_hoverHandle];
        else if (reaches(rect, at.x(), at.y(), at.x(), at.y()))
            shape = Qt::SizeAllCursor;
    }
    m_pageImage->setCursor(shape);
}

void TDoPages::mouseReleased(QMouseEvent *event)
{
    const Drag drag = m_drag;
    m_drag = {};
    const QPoint at = event->position().toPoint();
    if (drag.right && event->button() == Qt::RightButton) {
        const int hit = objectHit(*m_working, drag.press.x(), drag.press.y(), at.x(), at.y());
        if (hit != 0) {
            const PixelRect rect = m_working->objects[hit - 1].rect;
            openObjectMenu(hit, m_pageImage->mapToGlobal(QPoint(rect.left, rect.top)));
        }
        return;
    }
    if (!drag.left || event->button() != Qt::LeftButton)
        return;
    const int dx = at.x() - drag.press.x();
    const int dy = at.y() - drag.press.y();
    if (m_tool != 0) {
        const int kind = m_tool;
        const int slot = addNewObject(*m_working, static_cast<ObjectKind>(kind), drag.press.x(),
            drag.press.y(), pixelsPerUnit(), m_context.settings.acrossLabel, m_context.settings.downLabel);
        if (slot != 0 && kind == static_cast<int>(ObjectKind::Bitmap)) {
            const PixelRect rect = m_working->objects[slot - 1].rect;
            (*m_pictures)[static_cast<std::size_t>(slot - 1)]
                = bitmapPlaceholder(rect.right - rect.left, rect.bottom - rect.top);
        }
        clearTool();
        updateObjectButtons();
        rebuildObjectsMenu();
        redraw();
        return;
    }
    const bool selectedValid = m_selected >= 1 && m_selected <= m_working->safeObjectCount();
    if (selectedValid && (drag.handle != 0 || drag.moving)) {
        LayoutObject &object = m_working->objects[m_selected - 1];
        object.rect = normalisedRect(draggedRect(object.rect, drag.handle, dx, dy));
        redraw();
        return;
    }
    m_selected = objectHit(*m_working, drag.press.x(), drag.press.y(), at.x(), at.y());
    redraw();
}

LayoutObject &TDoPages::menuObject()
{
    return m_working->objects[m_menuSlot - 1];
}

void TDoPages::openObjectMenu(int slot, const QPoint &global)
{
    if (slot < 1 || slot > m_working->safeObjectCount())
        return;
    m_menuSlot = slot;
    setUpMenuEntries(slot);
    m_objectMenu->popup(global);
}

void TDoPages::setUpMenuEntries(int slot)
{
    const LayoutObject &object = m_working->objects[slot - 1];
    const MenuEntries entries = menuEntries(object.kind);
    m_properties->setEnabled(entries.properties);
    m_border->setEnabled(entries.border);
    m_fill->setEnabled(entries.fill);
    m_changeText->setEnabled(entries.changeText);
    m_alignmentMenu->setEnabled(entries.alignment);
    m_textFont->setEnabled(entries.textFont);
    m_textFont->setText(
        entries.answerKeyFont ? QStringLiteral("Answer Key Font") : QStringLiteral("Text &Font"));
    m_clueNumberFont->setEnabled(entries.clueNumberFont);
    m_loadBitmap->setEnabled(entries.loadBitmap);
    const int alignment = object.alignment;
    for (int item = 1; item <= 3; ++item)
        m_alignItems[static_cast<std::size_t>(item - 1)]->setChecked(item == alignment);
}

template <typename Dialog, typename... Extra> void TDoPages::editObject(Extra &&...extra)
{
    if (m_menuSlot < 1 || m_menuSlot > m_working->safeObjectCount())
        return;
    Dialog dialog(m_context, menuObject(), std::forward<Extra>(extra)..., this);
    app::runChild(dialog);
    if (!dialog.ok())
        return;
    menuObject() = dialog.object();
    redraw();
}

void TDoPages::SizePositionClick()
{
    editObject<TSizeLocation>(double(pixelsPerUnit()), isInches(*m_working), int(m_working->pageWidthPixels),
        int(m_working->pageHeightPixels));
}

void TDoPages::PropertiesClick()
{
    if (m_menuSlot >= 1 && menuObject().kind == static_cast<std::int16_t>(ObjectKind::Puzzle))
        editObject<TObjectProp2>();
    else
        editObject<TObjectProp>();
}

void TDoPages::BorderClick()
{
    editObject<TObjectBorders>();
}

void TDoPages::FillClick()
{
    editObject<TObjectFill>();
}

void TDoPages::ChangeTextClick()
{
    if (m_menuSlot >= 1 && isHeader(menuObject().kind))
        editObject<TClueChange>();
    else
        editObject<TTextInput>();
}

void TDoPages::ClueNumberFontClick()
{
    editObject<TNumberClueFont>();
}

void TDoPages::setAlignment(int alignment)
{
    if (m_menuSlot < 1 || m_menuSlot > m_working->safeObjectCount())
        return;
    menuObject().alignment = static_cast<std::int16_t>(alignment);
    redraw();
}

void TDoPages::TextFontClick()
{
    if (m_menuSlot < 1 || m_menuSlot > m_working->safeObjectCount())
        return;
    LayoutObject &object = menuObject();
    const std::optional<app::FontChoice> chosen = app::chooseFont(
        this, layoutFontChoice(object.textFont), m_textFont->text().remove(QLatin1Char('&')));
    if (!chosen)
        return;
    storeLayoutFont(object.textFont, *chosen);
    redraw();
}

void TDoPages::LoadBitmapClick()
{
    if (m_menuSlot < 1 || m_menuSlot > m_working->safeObjectCount())
        return;
    LayoutObject &object = menuObject();
    app::FileRequest request;
    request.kind = app::FileDialogKind::Open;
    request.title = QStringLiteral("Load Bitmap File");
    request.filter = QStringLiteral("Bitmap (*.BMP *.bmp)");
    request.defaultExtension = QStringLiteral("BMP");
    request.start = toQString(object.bitmapPath.view());
    const std::optional<QString> chosen = app::chooseFile(this, request);
    if (!chosen)
        return;
    const std::string path = fromQString(*chosen);
    // A path the record cannot hold whole would name another file when read back.
    QImage picture;
    const bool valid = QFileInfo(*chosen).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0
        && path.size() <= decltype(object.bitmapPath)::capacity && picture.load(*chosen, "BMP");
    if (!valid) {
        app::inform(
            this, QStringLiteral("Error"), QStringLiteral("The file selected is not a valid bitmap file."));
        return;
    }
    (*m_pictures)[static_cast<std::size_t>(m_menuSlot - 1)] = picture;
    object.bitmapPath.assign(path);
    redraw();
}

void TDoPages::DeleteClick()
{
    const int count = m_working->safeObjectCount();
    if (m_menuSlot < 1 || m_menuSlot > count)
        return;
    deleteObject(*m_working, m_menuSlot);
    moveSlot(m_pictures->data(), count, m_menuSlot, count);
    (*m_pictures)[static_cast<std::size_t>(count - 1)] = QImage();
    if (m_selected == m_menuSlot)
        m_selected = 0;
    else if (m_selected > m_menuSlot)
        --m_selected;
    m_menuSlot = 0;
    redraw();
    updateObjectButtons();
    rebuildObjectsMenu();
}

void TDoPages::BringToFrontClick()
{
    const int count = m_working->safeObjectCount();
    if (m_menuSlot < 1 || m_menuSlot > count)
        return;
    const bool wasSelected = m_selected == m_menuSlot;
    bringToFront(*m_working, m_menuSlot);
    moveSlot(m_pictures->data(), count, m_menuSlot, count);
    if (wasSelected)
        m_selected = count;
    else if (m_selected > m_menuSlot)
        --m_selected;
    m_menuSlot = count;
    rebuildObjectsMenu();
    redraw();
}

void TDoPages::SendToBackClick()
{
    const int count = m_working->safeObjectCount();
    if (m_menuSlot < 1 || m_menuSlot > count)
        return;
    const bool wasSelected = m_selected == m_menuSlot;
    sendToBack(*m_working, m_menuSlot);
    moveSlot(m_pictures->data(), count, m_menuSlot, 1);
    if (wasSelected)
        m_selected = 1;
    else if (m_selected >= 1 && m_selected < m_menuSlot)
        ++m_selected;
    m_menuSlot = 1;
    rebuildObjectsMenu();
    redraw();
}

void TDoPages::PaperSizeChange()
{
    const PaperSize *paper = findPaperSize(fromQString(m_paperSize->currentText()));
    if (!paper)
        return;
    if (paper->warnOddSize)
        app::inform(this, QStringLiteral("Warning"),
            QStringLiteral("Some printers do not support odd sized pages.  Printed results may vary."));
    applyPaperSize(*m_working, *paper);
    fillSizeBoxes();
    const bool custom = paper->name == CustomPaperName;
    {
        const QSignalBlocker blockInches(m_inches);
        m_inches->setChecked(isInches(*m_working));
    }
    for (QWidget *control :
        std::initializer_list<QWidget *> { m_widthLabel, m_heightLabel, m_width, m_height, m_inches })
        control->setVisible(custom);
    redraw();
}

void TDoPages::OrientationClick()
{
    const bool portrait = m_portrait->isChecked();
    if (portrait == (m_working->portrait != 0))
        return;
    setOrientation(*m_working, portrait);
    fillSizeBoxes();
    redraw();
}

void TDoPages::InchesClick()
{
    const bool inches = m_inches->isChecked();
    if (inches == isInches(*m_working))
        return;
    changeUnit(*m_working, inches);
    fillSizeBoxes();
    redraw();
}

bool TDoPages::sideExit(QLineEdit *box, bool width)
{
    const bool inches = isInches(*m_working);
    const std::optional<double> value = decimalNumber(box->text());
    // Not a number fails the range check with the same message.
    const double typed = value ? *value : std::nan("");
    const Status checked = width ? checkCustomWidth(typed, inches) : checkCustomHeight(typed, inches);
    if (!checked) {
        app::show(this, checked.error());
        box->setFocus();
        return false;
    }
    // The record is packed: its sizes are read and written by value.
    const double current = width ? double(m_working->pageWidth) : double(m_working->pageHeight);
    if (typed != current) {
        if (width)
            m_working->pageWidth = typed;
        else
            m_working->pageHeight = typed;
        redraw();
    }
    return true;
}

bool TDoPages::WidthExit()
{
    return sideExit(m_width, true);
}

bool TDoPages::HeightExit()
{
    return sideExit(m_height, false);
}

void TDoPages::SaveButtonClick()
{
    // The size boxes hold typed values only for a Custom page; a listed paper size is right as
    // it is, whatever its size in the boxes (a landscape Legal page is 14 inches wide).
    if (m_working->paperName.view() == CustomPaperName && (!HeightExit() || !WidthExit()))
        return;
    // A failed save leaves the working layout as it was.
    LayoutRecord layout = *m_working;
    layout.name.assign(storedText(trimmed(fromQString(m_name->text())), decltype(layout.name)::capacity));
    if (m_paperSize->currentIndex() >= 0)
        layout.paperName.assign(
            storedText(fromQString(m_paperSize->currentText()), decltype(layout.paperName)::capacity));
    layout.zoom = static_cast<std::int16_t>(m_zoom);
    storePagePixels(layout, m_zoom);
    const std::optional<int> replacing
        = m_mode == PageDesignerMode::Modify ? std::optional(m_recordNumber) : std::nullopt;
    if (const Status done = saveLayout(m_context.layoutLibraryToChange(), layout, replacing, m_loaded);
        !done) {
        app::show(this, done.error());
        // The layout loaded is no longer in the library: its chooser lists the library anew.
        if (done.error() == layoutChangedElsewhere())
            reject();
        return;
    }
    *m_working = layout;
    m_loaded = fingerprintOf(layout);
    m_saved = true;
    accept();
}

void TDoPages::CancelButtonClick()
{
    reject();
}

void TDoPages::HelpClick()
{
    app::THelpWindow help(m_context, QString::fromLatin1(app::HelpCrosswordObjects), this);
    if (!help.loaded()) {
        app::show(this, help.loaded().error());
        return;
    }
    app::runChild(help);
}

void TDoPages::storeGeometry()
{
    if (!m_shown || m_geometryStored)
        return;
    m_geometryStored = true;
    model::Settings &settings = m_context.settings;
    settings.pageDesignerWindowLeft = geometry().left();
    settings.pageDesignerWindowTop = geometry().top();
    settings.pageDesignerWindowWidth = geometry().width();
    settings.pageDesignerWindowHeight = geometry().height();
}

void TDoPages::done(int result)
{
    storeGeometry();
    QDialog::done(result);
}

} // namespace gw::layout
