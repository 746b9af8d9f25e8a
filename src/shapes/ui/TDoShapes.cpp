#include "shapes/ui/TDoShapes.h"

#include "platform/Text.h"
#include "render/TextConversion.h"
#include "shapes/ShapeLibrary.h"
#include "shapes/ui/ShapePicture.h"
#include "ui/BoxExit.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace gw::shapes {

namespace {

constexpr int SmallestSide = 5;
constexpr int TitleBoxCharacters = 30;
constexpr int SideBoxCharacters = 2;

// The whole trimmed text as a decimal integer, or nothing when anything else is in it.
std::optional<int> wholeNumber(const QString &text)
{
    const std::string value(trimmed(fromQString(text)));
    int number = 0;
    const char *end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, number);
    if (value.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

// The box limits what is typed, but a longer stored value (a copy's name, a record read from a
// file) is shown whole: cutting it would save something the user never saw.
void showUncut(QLineEdit *box, const QString &text, int typedLimit)
{
    box->setMaxLength(std::max<int>(typedLimit, static_cast<int>(text.size())));
    box->setText(text);
}

QPushButton *arrowButton(
    QStyle::StandardPixmap arrow, const QString &name, const QRect &geometry, QWidget *parent)
{
    QPushButton *made = app::addButton(parent, name, QString(), geometry, app::AutoDefault::No);
    made->setIcon(parent->style()->standardIcon(arrow));
    return made;
}

} // namespace

TDoShapes::TDoShapes(app::AppContext &context, ShapeDesignerMode mode, int recordNumber, QWidget *parent)
    : app::TWindow(context, parent)
    , m_mode(mode)
    , m_recordNumber(recordNumber)
    , m_working(
          std::make_unique<ShapeRecord>(mode == ShapeDesignerMode::New ? newShape() : *context.currentShape))
    , m_loaded(fingerprintOf(*m_working))
    , m_undo(std::make_unique<ShapeRecord>(*m_working))
{
    setWindowTitle(QStringLiteral("Shape Creator"));
    setFixedSize(590, 409);
    setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels));

    m_canvas = app::addLabel(this, QStringLiteral("ShapeImage"), QString(), QRect(4, 4, 401, 401));
    m_canvas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvas->installEventFilter(this);

    app::addLabel(this, QStringLiteral("TitleLabel"), QStringLiteral("Title"), QRect(414, 6, 170, 14));
    m_title = app::addEdit(this, QStringLiteral("ShapeTitle"), QString(), QRect(414, 22, 170, 21));
    app::addLabel(this, QStringLiteral("WidthLabel"), QStringLiteral("Width"), QRect(414, 50, 80, 14));
    m_width = app::addEdit(this, QStringLiteral("ShapeWidth"), QString(), QRect(414, 66, 80, 21));
    m_width->installEventFilter(this);
    app::addLabel(this, QStringLiteral("HeightLabel"), QStringLiteral("Height"), QRect(504, 50, 80, 14));
    m_height = app::addEdit(this, QStringLiteral("ShapeHeight"), QString(), QRect(504, 66, 80, 21));
    m_height->installEventFilter(this);

    auto *shift = app::addGroupBox(
        this, QStringLiteral("ShiftGroup"), QStringLiteral("Shift Grid"), QRect(414, 96, 170, 96));
    auto connectShift = [this](QPushButton *arrow, ShiftDirection direction) {
        connect(arrow, &QPushButton::clicked, this, [this, direction] { shiftClick(direction); });
    };
    connectShift(arrowButton(QStyle::SP_ArrowLeft, QStringLiteral("ShiftLeft"), QRect(10, 42, 46, 22), shift),
        ShiftDirection::Left);
    connectShift(arrowButton(QStyle::SP_ArrowUp, QStringLiteral("ShiftUp"), QRect(62, 18, 46, 22), shift),
        ShiftDirection::Up);
    connectShift(
        arrowButton(QStyle::SP_ArrowRight, QStringLiteral("ShiftRight"), QRect(114, 42, 46, 22), shift),
        ShiftDirection::Right);
    connectShift(arrowButton(QStyle::SP_ArrowDown, QStringLiteral("ShiftDown"), QRect(62, 66, 46, 22), shift),
        ShiftDirection::Down);

    auto *adjust = app::addGroupBox(
        this, QStringLiteral("AdjustGroup"), QStringLiteral("Adjust Grid"), QRect(414, 200, 170, 56));
    connect(app::addButton(adjust, QStringLiteral("Reverse"), QStringLiteral("&Reverse"),
                QRect(10, 22, 72, 24), app::AutoDefault::No),
        &QPushButton::clicked, this, &TDoShapes::ReverseClick);
    m_undoButton = app::addButton(
        adjust, QStringLiteral("Undo"), QStringLiteral("&Undo"), QRect(88, 22, 72, 24), app::AutoDefault::No);
    connect(m_undoButton, &QPushButton::clicked, this, &TDoShapes::UndoClick);

    auto *notes = app::addGroupBox(
        this, QStringLiteral("NotesGroup"), QStringLiteral("Notes"), QRect(414, 264, 170, 60));
    app::addLabel(
        notes, QStringLiteral("ToggleNote"), QStringLiteral("Left Click To Toggle"), QRect(10, 20, 150, 14));
    app::addLabel(
        notes, QStringLiteral("FillNote"), QStringLiteral("Right Click To Fill"), QRect(10, 38, 150, 14));

    m_saveButton = app::addButton(
        this, QStringLiteral("Save"), QStringLiteral("&Save"), QRect(414, 376, 83, 25), app::AutoDefault::No);
    connect(m_saveButton, &QPushButton::clicked, this, &TDoShapes::SaveClick);
    m_cancelButton = app::addButton(this, QStringLiteral("Cancel"), QStringLiteral("&Cancel"),
        QRect(501, 376, 83, 25), app::AutoDefault::No);
    connect(m_cancelButton, &QPushButton::clicked, this, &TDoShapes::CancelClick);
}

void TDoShapes::FormShow()
{
    // Arrow pictures grow with their buttons.
    for (const char *arrow : { "ShiftLeft", "ShiftUp", "ShiftRight", "ShiftDown" }) {
        QPushButton *shift = findChild<QPushButton *>(QString::fromLatin1(arrow));
        const int side = std::max(8, shift->height() - 6);
        shift->setIconSize(QSize(side, side));
    }
    showUncut(m_title, toQString(m_working->title.view()), TitleBoxCharacters);
    showUncut(m_width, QString::number(m_working->width), SideBoxCharacters);
    showUncut(m_height, QString::number(m_working->height), SideBoxCharacters);
    setUndoEnabled(false);
    m_leftPress = {};
    m_rightPress = {};
    m_saved = false;
    redraw();
}

void TDoShapes::redraw()
{
    m_canvas->setPixmap(QPixmap::fromImage(drawShapeDesign(*m_working, m_canvas->size())));
}

void TDoShapes::setUndoEnabled(bool enabled)
{
    m_undoButton->setEnabled(enabled);
}

void TDoShapes::keepUndoCopy()
{
    *m_undo = *m_working;
    setUndoEnabled(true);
}

bool TDoShapes::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_canvas) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            mousePressed(static_cast<QMouseEvent *>(event));
        else if (event->type() == QEvent::MouseButtonRelease)
            mouseReleased(static_cast<QMouseEvent *>(event));
    } else if ((watched == m_width || watched == m_height)
        && app::leavesCheckedBox(*event, { m_saveButton, m_cancelButton })) {
        watched == m_width ? WidthExit() : HeightExit();
    }
    return QDialog::eventFilter(watched, event);
}

TDoShapes::PendingPress *TDoShapes::pressOf(Qt::MouseButton button)
{
    return button == Qt::LeftButton ? &m_leftPress : button == Qt::RightButton ? &m_rightPress : nullptr;
}

void TDoShapes::mousePressed(QMouseEvent *event)
{
    if (PendingPress *press = pressOf(event->button()))
        *press = { true, event->position().toPoint() };
}

void TDoShapes::mouseReleased(QMouseEvent *event)
{
    PendingPress *press = pressOf(event->button());
    if (!press || !press->pending)
        return;
    press->pending = false;
    const int cell = designerCellSize(m_canvas->size(), *m_working);
    if (cell <= 0)
        return;
    const QPoint at = event->position().toPoint();
    const int column = press->at.x() / cell + 1;
    const int row = press->at.y() / cell + 1;
    if (at.x() < 0 || at.y() < 0 || at.x() / cell + 1 != column || at.y() / cell + 1 != row)
        return;
    cellClicked(event->button(), column, row);
}

// Clicks beyond the drawn grid would change cells that are not shown; they are ignored.
void TDoShapes::cellClicked(Qt::MouseButton button, int column, int row)
{
    if (column > m_working->safeWidth() || row > m_working->safeHeight())
        return;
    if (button == Qt::LeftButton) {
        setUndoEnabled(false);
        toggleCell(*m_working, column, row);
    } else {
        keepUndoCopy();
        fillArea(*m_working, column, row);
    }
    redraw();
}

void TDoShapes::shiftClick(ShiftDirection direction)
{
    keepUndoCopy();
    shiftCells(*m_working, direction);
    redraw();
}

void TDoShapes::ReverseClick()
{
    setUndoEnabled(false);
    reverseCells(*m_working);
    redraw();
}

// The boxes keep their texts: Save reads them again.
void TDoShapes::UndoClick()
{
    *m_working = *m_undo;
    redraw();
    setUndoEnabled(false);
}

bool TDoShapes::sideExit(QLineEdit *box, Side which, const QString &refusal)
{
    const std::optional<int> value = wholeNumber(box->text());
    if (!value || *value < SmallestSide || *value > MaxDesignedSide) {
        app::inform(this, QStringLiteral("Error"), refusal);
        box->setFocus();
        return false;
    }
    // The record is packed: its sides are read and written by value, never bound to a reference.
    const int current = which == Side::Width ? m_working->width : m_working->height;
    if (*value != current) {
        (which == Side::Width ? m_working->width : m_working->height) = static_cast<std::int16_t>(*value);
        redraw();
    }
    return true;
}

bool TDoShapes::WidthExit()
{
    return sideExit(
        m_width, Side::Width, QStringLiteral("Width must be between 5 and 30.  Please re-enter width."));
}

bool TDoShapes::HeightExit()
{
    return sideExit(
        m_height, Side::Height, QStringLiteral("Height must be between 5 and 30.  Please re-enter height."));
}

void TDoShapes::SaveClick()
{
    if (!HeightExit() || !WidthExit())
        return;
    // A failed save leaves the working shape as it was.
    ShapeRecord shape = *m_working;
    shape.title.assign(storedText(fromQString(m_title->text()), decltype(shape.title)::capacity));
    const std::optional<int> replacing
        = m_mode == ShapeDesignerMode::Modify ? std::optional(m_recordNumber) : std::nullopt;
    if (const Status done = saveShape(m_context.shapeLibraryToChange(), shape, replacing, m_loaded); !done) {
        app::show(this, done.error());
        // The shape loaded is no longer in the library: its chooser lists the library anew.
        if (done.error() == shapeChangedElsewhere())
            reject();
        return;
    }
    *m_working = shape;
    m_loaded = fingerprintOf(shape);
    m_saved = true;
    accept();
}

void TDoShapes::CancelClick()
{
    reject();
}

} // namespace gw::shapes
