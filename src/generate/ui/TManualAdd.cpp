#include "generate/ui/TManualAdd.h"

#include "generate/ui/CandidatePicture.h"
#include "generate/ui/TAddAClue.h"
#include "model/CollectionFile.h"
#include "platform/Text.h"
#include "render/TextConversion.h"
#include "shapes/ui/ShapePicture.h"
#include "ui/AppContext.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/WindowLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

namespace gw::generate {

namespace {

// The letter box covers its square, but never gets too small to show a letter.
constexpr int SmallestLetterBox = 18;

} // namespace

TManualAdd::TManualAdd(app::AppContext &context, QWidget *parent)
    : app::TWindow(context, parent)
    , m_record(std::make_unique<model::PuzzleRecord>(*context.working))
    , m_squares(std::make_unique<EditableSquares>(*m_record))
    , m_picture(new QLabel(this))
    , m_letter(new QLineEdit(this))
    , m_accept(app::addButton(this, "Accept", "&Accept", { 246, 420, 83, 21 }, app::AutoDefault::No))
    , m_reject(app::addButton(this, "Reject", "&Reject", { 334, 420, 83, 21 }, app::AutoDefault::No))
{
    setWindowTitle("Manual Word Addition");
    setFont(app::designFont("Arial", app::DesignFontPixels));
    setFixedSize(419, 443);
    m_picture->setObjectName("PuzzImage1");
    m_picture->setGeometry(4, 2, 411, 411);
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture->setMouseTracking(true);
    m_picture->installEventFilter(this);
    m_letter->setObjectName("TheLetter");
    m_letter->setMaxLength(1);
    m_letter->setAlignment(Qt::AlignCenter);
    m_letter->setGeometry(4, 2, SmallestLetterBox, SmallestLetterBox);
    // Enter in the letter box accepts the letter; it must not press a button.
    auto *ok = app::addButton(this, "OkButton", "&Ok", { 2, 420, 83, 21 }, app::AutoDefault::No);
    auto *cancel = app::addButton(this, "Cancel", "&Cancel", { 90, 420, 83, 21 }, app::AutoDefault::No);
    closeLetterBox();

    connect(m_accept, &QPushButton::clicked, this, &TManualAdd::AcceptClick);
    connect(m_reject, &QPushButton::clicked, this, &TManualAdd::RejectClick);
    connect(m_letter, &QLineEdit::returnPressed, this, &TManualAdd::AcceptClick);
    connect(ok, &QPushButton::clicked, this, &TManualAdd::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &TManualAdd::CancelClick);
}

TManualAdd::~TManualAdd() = default;

void TManualAdd::FormShow()
{
    m_pressed = false;
    DrawAPuzzle();
}

void TManualAdd::DrawAPuzzle()
{
    const model::PuzzleRecord &record = *m_record;
    const QSize squares(record.safeWidth(), record.safeHeight());
    QImage picture = shapes::blankPicture(m_picture->size());
    m_cell = candidateCellSize(picture.size(), squares.width(), squares.height());
    generate::DrawAPuzzle(picture, record, 1, squares, [this](int cell) { return InProtected(cell); });
    m_picture->setPixmap(QPixmap::fromImage(picture));
}

int TManualAdd::CalcBlock(QPoint point) const
{
    return generate::CalcBlock(point.x(), point.y(), m_cell, m_record->safeWidth(), m_record->safeHeight());
}

bool TManualAdd::InProtected(int cell) const
{
    return m_squares->InProtected(cell);
}

bool TManualAdd::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_picture)
        return QDialog::eventFilter(watched, event);
    // Only mouse events are cast: the picture also receives paint, resize and other events.
    const auto mouse = [event] { return static_cast<const QMouseEvent *>(event); };
    switch (event->type()) {
    case QEvent::MouseMove:
        PuzzImage1MouseMove(mouse()->position().toPoint());
        return true;
    case QEvent::MouseButtonPress:
        if (mouse()->button() == Qt::LeftButton)
            PuzzImage1MouseDown(mouse()->position().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (mouse()->button() == Qt::LeftButton)
            PuzzImage1MouseUp(mouse()->position().toPoint());
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void TManualAdd::PuzzImage1MouseMove(QPoint point)
{
    m_hoverCell = CalcBlock(point);
    if (m_hoverCell < 1)
        m_picture->unsetCursor();
    else
        m_picture->setCursor(m_squares->editable(m_hoverCell) ? Qt::DragCopyCursor : Qt::ForbiddenCursor);
}

void TManualAdd::PuzzImage1MouseDown(QPoint point)
{
    if (letterBoxOpen()) {
        if (!settleLetterBox())
            return;
        closeLetterBox();
    }
    // The pointer is where the button went down, whether or not a move was seen first.
    PuzzImage1MouseMove(point);
    m_pressedCell = m_hoverCell;
    if (m_pressedCell >= 1 && m_squares->editable(m_hoverCell))
        m_pressed = true;
}

void TManualAdd::PuzzImage1MouseUp(QPoint point)
{
    if (!m_pressed)
        return;
    m_pressed = false;
    if (CalcBlock(point) == m_pressedCell)
        openLetterBox();
}

bool TManualAdd::letterBoxOpen() const
{
    return m_letter->isEnabled();
}

bool TManualAdd::settleLetterBox()
{
    const std::optional<std::uint8_t> letter = letterFromBox(fromQString(m_letter->text()));
    if (!letter) {
        app::inform(this, "Error", "Puzzle letter must be between A and Z.");
        m_letter->setFocus();
        return false;
    }
    if (*letter != model::BlankCell)
        setSquare(m_pressedCell, *letter);
    return true;
}

void TManualAdd::openLetterBox()
{
    const int column = shapes::columnOf(m_pressedCell);
    const int row = shapes::rowOf(m_pressedCell);
    const int side = std::max(m_cell + 1, SmallestLetterBox);
    m_letter->setGeometry(
        m_picture->x() + (column - 1) * m_cell, m_picture->y() + (row - 1) * m_cell, side, side);
    // The letter fills its square about as the grid's letters do.
    QFont font = m_letter->font();
    font.setPixelSize(std::max(side * 3 / 5, SmallestLetterBox / 2));
    m_letter->setFont(font);
    m_letter->raise();
    m_letter->setEnabled(true);
    m_letter->show();
    m_letter->setFocus();
    m_letter->clear();
    for (QPushButton *button : { m_accept, m_reject }) {
        button->setEnabled(true);
        button->show();
    }
}

void TManualAdd::closeLetterBox()
{
    for (QWidget *control : { static_cast<QWidget *>(m_letter), static_cast<QWidget *>(m_accept),
             static_cast<QWidget *>(m_reject) }) {
        control->hide();
        control->setEnabled(false);
    }
}

void TManualAdd::setSquare(int cell, std::uint8_t value)
{
    // Only squares that were empty when the window opened, and may take a letter, ever change.
    if (!m_squares->editable(cell))
        return;
    m_record->grid[cell - 1] = value;
    DrawAPuzzle();
}

void TManualAdd::AcceptClick()
{
    if (!letterBoxOpen())
        return;
    if (trimmed(fromQString(m_letter->text())).empty())
        setSquare(m_pressedCell, model::BlankCell);
    else if (!settleLetterBox())
        return;
    closeLetterBox();
}

void TManualAdd::RejectClick()
{
    closeLetterBox();
    if (m_record->cell(m_pressedCell) != model::BlankCell)
        setSquare(m_pressedCell, model::BlankCell);
}

void TManualAdd::OkButtonClick()
{
    // A letter typed but not yet accepted counts, as a click elsewhere in the grid takes it.
    if (letterBoxOpen()) {
        if (!settleLetterBox())
            return;
        closeLetterBox();
    }
    const AddedWords outcome = addNewWords(*m_record, [this](std::string_view letters) {
        TAddAClue window(m_context, toQString(letters), this);
        app::runChild(window);
        return ClueAnswer { fromQString(window.clue()), m_context.settings.caseSensitivity };
    });
    for (const Failure &limit : outcome.limits)
        app::show(this, limit);
    if (outcome.added == 0) {
        app::inform(this, "Notice", "No changes to the puzzle were detected.");
        reject();
        return;
    }
    *m_context.working = *m_record;
    m_wordsAdded = true;
    if (const Result<int> saved = m_context.saveWorkingPuzzle(*m_record); !saved) {
        app::show(this, saved.error());
        reject();
        return;
    }
    accept();
}

void TManualAdd::CancelClick()
{
    reject();
}

} // namespace gw::generate
