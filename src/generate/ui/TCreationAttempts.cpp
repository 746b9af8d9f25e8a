#include "generate/ui/TCreationAttempts.h"

#include "generate/RandomSequence.h"
#include "ui/Controls.h"
#include "ui/ScreenScale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace gw::generate {

namespace {

const QString AbortCaption = QStringLiteral("&Abort");
const QString OkCaption = QStringLiteral("&Ok");
const QString AbortedMarker = QStringLiteral("Aborted");

constexpr int LineFontPixels = 19;
constexpr int ButtonFontPixels = 12;

} // namespace

TCreationAttempts::TCreationAttempts(app::AppContext &context, QWidget *parent)
    : app::TWindow(context, parent)
{
    setWindowTitle(QStringLiteral("Building Puzzles"));
    setFixedSize(323, 106);
    setFont(app::designFont(QStringLiteral("Arial"), LineFontPixels));
    m_cancel = app::addButton(this, QStringLiteral("Cancel"), AbortCaption, { 125, 76, 80, 21 });
    m_cancel->setFont(app::designFont(QStringLiteral("Arial"), ButtonFontPixels));
    m_cancel->setAutoDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &TCreationAttempts::CancelClick);
}

void TCreationAttempts::FormShow()
{
    m_abort = false;
    // Some window systems never activate a window shown offscreen or behind another; the run
    // must start all the same.
    QTimer::singleShot(0, this, &TCreationAttempts::FormActivate);
}

bool TCreationAttempts::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

// The run starts once per showing, however often the window is activated during or after it.
void TCreationAttempts::FormActivate()
{
    if (m_started || !isVisible())
        return;
    m_started = true;
    const BuildOptions options { m_context.settings.attempts, m_context.settings.shrink,
        m_context.settings.quickBuild };
    const BuildOutcome outcome = BuildPuzzles(*m_context.working, *m_context.currentShape, options,
        m_seed.value_or(timeOfDaySeed()), *m_context.slots, this);
    m_outcome = outcome;
    const QString attempt = QString::number(outcome.attemptCounter);
    if (outcome.aborted) {
        setLine1(QStringLiteral("Aborted on creation Attempt #") + attempt);
    } else {
        setLine1(QStringLiteral("Creation Attempt #") + attempt);
        setLine2(QStringLiteral("Completed"));
        QApplication::beep();
    }
    m_cancel->setText(OkCaption);
}

void TCreationAttempts::attemptStarting(int attempt)
{
    setLine1(QStringLiteral("Creation Attempt #") + QString::number(attempt));
    if (m_attemptHook)
        m_attemptHook(attempt);
}

void TCreationAttempts::processEvents()
{
    QCoreApplication::processEvents();
}

bool TCreationAttempts::running() const
{
    return m_started && !m_outcome;
}

void TCreationAttempts::CancelClick()
{
    if (m_cancel->text() == AbortCaption)
        m_abort = true;
    else
        accept();
}

// Closing the window while the run goes on would leave the run working unseen; it asks for the
// abort instead, and the window stays until the run has returned.
void TCreationAttempts::closeEvent(QCloseEvent *event)
{
    if (running() || !m_started) {
        m_abort = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TCreationAttempts::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && (running() || !m_started)) {
        m_abort = true;
        return;
    }
    QDialog::keyPressEvent(event);
}

void TCreationAttempts::setLine1(const QString &text)
{
    m_line1 = text;
    repaint();
}

void TCreationAttempts::setLine2(const QString &text)
{
    m_line2 = text;
    repaint();
}

void TCreationAttempts::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    const double factor = m_context.scaleFactor;
    QPainter painter(this);
    QFont lineFont = font();
    lineFont.setPixelSize(app::scaled(LineFontPixels, factor));
    painter.setFont(lineFont);
    painter.setPen(palette().color(QPalette::WindowText));
    auto drawLine = [&](const QString &text, int x, int y) {
        const QPoint at(app::scaled(x, factor), app::scaled(y, factor));
        painter.drawText(QRect(at, QPoint(width(), height())), Qt::AlignLeft | Qt::AlignTop, text);
    };
    drawLine(m_line1, m_line1.contains(AbortedMarker) ? 25 : 75, 20);
    drawLine(m_line2, 115, 45);
}

} // namespace gw::generate
