#pragma once

#include "spell/SpellingSetup.h"
#include "ui/AppContext.h"
#include "uisupport/ScriptedChildren.h"
#include "uisupport/UiTestSupport.h"
#include "uisupport/WordListEditor.h"

#include <QDialog>
#include <QFile>
#include <QStringList>
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

// A new puzzle in the word list editor, shown, over the given lexicon files and "Dictionary"
// and "Thesaurus" settings.
struct SpellingEditor : WordListEditor
{
    SpellingEditor(std::initializer_list<const char *> files, int dictionary, int thesaurus = 1)
    {
        context().settings.dictionary = dictionary;
        context().settings.thesaurus = thesaurus;
        installSpelling(workspace, files);
        open();
        show();
    }
};

// Answers the child windows the program opens, in turn, each by the next step: the window is
// shown (so that clicks reach it), the step clicks what a user clicks, and the window's
// result goes back.  A window no step is left for is rejected; the captions are kept in order.
struct ChildSteps
{
    ScriptedChildren children;
    std::deque<std::function<void(QDialog &window)>> steps;
    QStringList captions;

    ChildSteps()
    {
        children.onChild = [this](QDialog &window) {
            captions << window.windowTitle();
            if (steps.empty())
                return int(QDialog::Rejected);
            const auto step = steps.front();
            steps.pop_front();
            window.show();
            step(window);
            return window.result();
        };
    }
    void then(std::function<void(QDialog &window)> step) { steps.push_back(std::move(step)); }
    void thenClick(const char *button)
    {
        then([button](QDialog &window) { clickButton(window, button); });
    }
};

} // namespace gw::test
