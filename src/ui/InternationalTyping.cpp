#include "ui/InternationalTyping.h"

#include "platform/Text.h"
#include "render/TextConversion.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>

namespace gw::app {

namespace {

// How long a held Alt or Ctrl may delay the character before it is typed anyway, in
// milliseconds; a key reported as held for ever must not hang the program.
constexpr int ModifierWaitLimit = 2000;

void waitForModifierRelease()
{
    QElapsedTimer waited;
    waited.start();
    while (QGuiApplication::queryKeyboardModifiers() & (Qt::AltModifier | Qt::ControlModifier)) {
        if (waited.elapsed() > ModifierWaitLimit)
            return;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

} // namespace

void typeInternationalCharacter(const std::string &storedCode)
{
    // The code is the decimal Windows-1252 value with a leading 0, as the numeric keypad takes
    // it; 0 and values beyond one byte name no character.
    const long long code = parseLeadingNumber(storedCode);
    if (code < 1 || code > 255)
        return;
    const QString text = toQString(std::string(1, static_cast<char>(code)));
    waitForModifierRelease();
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    // The press may have opened an editor that now holds the focus.
    if (QWidget *now = QApplication::focusWidget()) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(now, &release);
    }
    QApplication::processEvents();
}

} // namespace gw::app
