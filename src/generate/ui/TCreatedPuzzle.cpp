#include "generate/ui/TCreatedPuzzle.h"

#include "generate/ui/CandidatePicture.h"
#include "generate/ui/TBlowItUp.h"
#include "model/CollectionFile.h"
#include "platform/Text.h"
#include "render/TextConversion.h"
#include "shapes/ui/ShapePicture.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

namespace gw::generate {

namespace {

const std::array<QString, 4> SlotCaptions { QStringLiteral("Best Fit"), QStringLiteral("Second Best Fit"),
    QStringLiteral("Third Best Fit"), QStringLiteral("Fourth Best Fit") };
const std::array<QPoint, 4> PicturePositions { QPoint(8, 16), QPoint(216, 16), QPoint(8, 225),
    QPoint(216, 225) };
const std::array<QPoint, 4> CaptionPositions { QPoint(43, 1), QPoint(251, 1), QPoint(43, 210),
    QPoint(251, 210) };
constexpr int PictureSide = 191;
constexpr int FrameGap = 2; // the frame runs this far outside the picture, this wide

const QColor Teal(0, 128, 128);

QString countCaption(int count, const QString &singular)
{
    return QString::number(count) + QLatin1Char(' ') + singular
        + (count == 1 ? QString() : QStringLiteral("s"));
}

QLabel *boldCaption(QWidget *parent, const QString &name, const QString &text)
{
    auto *caption = new QLabel(text, parent);
    caption->setObjectName(name);
    caption->setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels, true));
    // Bold white on the teal panel whatever the user's label font says.
    caption->setProperty("gwKeepFont", true);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    caption->setPalette(palette);
    return caption;
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

QFrame *tealPanel(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *panel = app::placed(new QFrame(parent), name, geometry);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    setBackground(panel, Teal);
    return panel;
}

QListWidget *wordList(QWidget *parent, const QString &name)
{
    return app::addList(parent, name, { 4, 22, parent->width() - 8, parent->height() - 26 });
}

void fillSorted(QListWidget *list, std::vector<std::string> words)
{
    std::ranges::stable_sort(words, alphabeticallyBefore);
    for (const std::string &word : words)
        list->addItem(toQString(word));
}

} // namespace

TCreatedPuzzle::TCreatedPuzzle(app::AppContext &context, QWidget *parent)
    : app::TWindow(context, parent)
{
    setWindowTitle(QStringLiteral("Created Puzzle"));
    setFixedSize(594, 419);
    setFont(app::designFont(QStringLiteral("Arial"), app::DesignFontPixels));
    for (int n = 0; n < 4; ++n) {
        m_pictures[n] = app::addLabel(this, QStringLiteral("PuzzImage%1").arg(n + 1), QString(),
            QRect(PicturePositions[n], QSize(PictureSide, PictureSide)));
        m_pictures[n]->installEventFilter(this);
        m_captions[n] = app::addLabel(this, QStringLiteral("BFLabel%1").arg(n + 1), SlotCaptions[n],
            QRect(CaptionPositions[n], QSize(120, 14)));
        m_captions[n]->setAlignment(Qt::AlignCenter);
        m_captions[n]->setAutoFillBackground(true);
    }
    QFrame *includedPanel = tealPanel(this, QStringLiteral("IncludedPanel"), QRect(416, 4, 173, 189));
    m_includedCaption
        = boldCaption(includedPanel, QStringLiteral("IncludedLabel"), QStringLiteral("Included Words"));
    m_includedCaption->setGeometry(4, 4, 165, 16);
    m_included = wordList(includedPanel, QStringLiteral("IncludedWords"));
    QFrame *excludedPanel = tealPanel(this, QStringLiteral("ExcludedPanel"), QRect(416, 200, 172, 189));
    m_excludedCaption
        = boldCaption(excludedPanel, QStringLiteral("ExcludedLabel"), QStringLiteral("Excluded Words"));
    m_excludedCaption->setGeometry(4, 4, 164, 16);
    m_excluded = wordList(excludedPanel, QStringLiteral("ExcludedWords"));

    auto *save
        = app::addButton(this, QStringLiteral("Save"), QStringLiteral("&Save Puzzle"), { 416, 396, 83, 21 });
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &TCreatedPuzzle::SaveClick);
    auto *cancel
        = app::addButton(this, QStringLiteral("Cancel"), QStringLiteral("&Cancel"), { 506, 396, 83, 21 });
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &TCreatedPuzzle::CancelClick);
}

bool TCreatedPuzzle::slotFilled(int slot) const
{
    return slot >= 1 && slot <= BestFitSlots::Count && m_context.slots->slots[slot - 1].wordsPlaced > 0;
}

void TCreatedPuzzle::FormShow()
{
    m_selected = 0;
    // Saving copies a candidate over the working record, which changes its wordCount; the
    // lists must keep showing every word the user entered.
    m_wordCount = m_context.working->safeWordCount();
    const shapes::ShapeRecord &shape = *m_context.currentShape;
    const QSize shapeSize(shape.safeWidth(), shape.safeHeight());
    for (int n = 0; n < BestFitSlots::Count; ++n) {
        const BestFitSlot &slot = m_context.slots->slots[n];
        QImage picture = shapes::blankPicture(m_pictures[n]->size());
        DrawAPuzzle(picture, slot.record, slot.wordsPlaced, shapeSize);
        m_pictures[n]->setPixmap(QPixmap::fromImage(picture));
        m_captions[n]->setVisible(slot.wordsPlaced > 0);
        setBackground(m_captions[n], shapes::buttonFaceColour());
    }
    m_firstActivationPending = true;
    QTimer::singleShot(0, this, &TCreatedPuzzle::FormActivate);
}

bool TCreatedPuzzle::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

void TCreatedPuzzle::FormActivate()
{
    if (!m_firstActivationPending || !isVisible())
        return;
    m_firstActivationPending = false;
    SelectAPuzzle(1);
}

void TCreatedPuzzle::SelectAPuzzle(int slot)
{
    if (m_selected >= 1)
        setBackground(m_captions[m_selected - 1], shapes::buttonFaceColour());
    m_selected = slot;
    setBackground(m_captions[slot - 1], Qt::red);
    update();

    const BestFitSlot &chosen = m_context.slots->slots[slot - 1];
    std::vector<std::string> included;
    std::vector<std::string> excluded;
    for (int i = 0; i < m_wordCount; ++i)
        (chosen.placedFlags[i] == 1 ? included : excluded).push_back(chosen.record.words[i].str());
    m_included->clear();
    m_excluded->clear();
    fillSorted(m_included, included);
    fillSorted(m_excluded, excluded);
    m_includedCaption->setText(
        countCaption(static_cast<int>(included.size()), QStringLiteral("Included Word")));
    m_excludedCaption->setText(
        countCaption(static_cast<int>(excluded.size()), QStringLiteral("Excluded Word")));
}

void TCreatedPuzzle::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    if (m_selected < 1)
        return;
    QPainter painter(this);
    const QRect around
        = m_pictures[m_selected - 1]->geometry().adjusted(-FrameGap, -FrameGap, FrameGap, FrameGap);
    for (int ring = 0; ring < FrameGap; ++ring) {
        const QRect edge = around.adjusted(ring, ring, -ring, -ring);
        painter.fillRect(QRect(edge.topLeft(), QSize(edge.width(), 1)), Qt::red);
        painter.fillRect(QRect(edge.bottomLeft(), QSize(edge.width(), 1)), Qt::red);
        painter.fillRect(QRect(edge.topLeft(), QSize(1, edge.height())), Qt::red);
        painter.fillRect(QRect(edge.topRight(), QSize(1, edge.height())), Qt::red);
    }
}

bool TCreatedPuzzle::eventFilter(QObject *watched, QEvent *event)
{
    const auto picture = std::ranges::find(m_pictures, watched);
    if (picture == m_pictures.end())
        return QDialog::eventFilter(watched, event);
    const int slot = static_cast<int>(picture - m_pictures.begin()) + 1;
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        PuzzImageClick(slot);
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        PuzzImageDblClick(slot);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TCreatedPuzzle::PuzzImageClick(int slot)
{
    if (slotFilled(slot))
        SelectAPuzzle(slot);
}

void TCreatedPuzzle::PuzzImageDblClick(int slot)
{
    if (!slotFilled(slot))
        return;
    TBlowItUp view(m_context, m_context.slots->slots[slot - 1].record, SlotCaptions[slot - 1], this);
    app::runChild(view);
}

void TCreatedPuzzle::SaveClick()
{
    // An empty slot holds a record of some earlier run and must never be saved.
    if (!slotFilled(m_selected))
        return;
    app::Answer answer = app::Answer::Yes;
    if (m_excluded->count() > 0)
        answer = app::ask(this, QStringLiteral("Warning"),
            QStringLiteral("One or more words did not fit into the puzzle.  Save Puzzle anyway?"));
    const BestFitSlot &chosen = m_context.slots->slots[m_selected - 1];
    model::PuzzleRecord &working = *m_context.working;
    working = chosen.record;
    model::stampForSaving(working, chosen.placedFlags);
    if (answer != app::Answer::Yes)
        return;
    if (const Result<int> written = m_context.saveWorkingPuzzle(working); !written) {
        app::show(this, written.error());
        reject();
        return;
    }
    m_saved = true;
    accept();
}

void TCreatedPuzzle::CancelClick()
{
    reject();
}

} // namespace gw::generate
