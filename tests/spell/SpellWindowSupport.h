#pragma once

#include "spell/SpellingSetup.h"
#include "ui/AppContext.h"
#include "uisupport/UiTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <initializer_list>

namespace gw::test {

// Puts the named lexicon and thesaurus files of the built program directory into the
// workspace's program directory (as links: the thesauri are large), then settles the
// spelling settings against them as start-up does.
inline void installSpelling(TestWorkspace &workspace, std::initializer_list<const char *> files)
{
    for (const char *file : files)
        QFile::link(QString(GW_PROGRAM_DIR "/") + file, workspace.path(QString("program/") + file));
    app::AppContext &context = workspace.context();
    context.spelling = spell::settleSpelling(context.settings, context.folders.data);
}

inline constexpr std::initializer_list<const char *> AmericanFiles = { "ssceam.tlx", "ssceam1.clx" };

// Plays scripted actions on modal windows as they come up inside the nested event loops of
// the windows under test.  Each action waits for a modal window of its caption; a window
// nobody scripted is closed after 20 seconds (time enough for a dictionary to load under the
// sanitizers) and remembered, so a test never hangs.
class ModalScript
{
public:
    using Action = std::function<void(QWidget *window)>;

    ModalScript() { schedule(); }

    void then(const QString &caption, Action action) { m_actions.push_back({ caption, std::move(action) }); }
    // Clicks the named button of the window.
    void thenClick(const QString &caption, const char *button)
    {
        then(caption, [button](QWidget *window) { click(window, button); });
    }

    bool finished() const { return m_actions.empty() && m_unscripted.isEmpty(); }
    QStringList unscripted() const { return m_unscripted; }

    static void click(QWidget *window, const char *button) { clickButton(*window, button); }

private:
    struct Step
    {
        QString caption;
        Action action;
    };

    // A timer never fires again while its own call runs, and an action runs the nested event
    // loop of the window it opens: every tick is a new single shot, set before the action.
    void schedule()
    {
        QTimer::singleShot(5, &m_guard, [this] { tick(); });
    }

    void tick()
    {
        schedule();
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            m_waiting.invalidate();
            return;
        }
        if (!m_actions.empty() && m_actions.front().caption == modal->windowTitle()) {
            m_waiting.invalidate();
            const Step step = m_actions.front();
            m_actions.pop_front();
            // The action may open a modal window of its own; the timer goes on inside it.
            step.action(modal);
            return;
        }
        if (!m_waiting.isValid()) {
            m_waiting.start();
        } else if (m_waiting.elapsed() > 20000) {
            m_unscripted << modal->windowTitle();
            m_waiting.invalidate();
            modal->close();
        }
    }

    QObject m_guard; // ends the pending tick with the script
    std::deque<Step> m_actions;
    QStringList m_unscripted;
    QElapsedTimer m_waiting;
};

} // namespace gw::test
