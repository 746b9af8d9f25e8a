#pragma once

#include "uisupport/UiTestSupport.h"

#include <QListWidget>
#include <QtTest>
#include <memory>

// What the tests of the puzzle and word transfer windows share.
namespace gw::test {

inline void clickRow(QListWidget *list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(list->item(row)).center());
}

// A window on a fresh workspace whose message boxes and file dialogs the script answers; the
// fixture deriving from this makes the window once the workspace holds its files.
template <typename Window> struct TransferWindow
{
    TestWorkspace workspace;
    ScriptedDialogs dialogs;
    std::unique_ptr<Window> window;

    template <typename Control> Control *find(const char *name)
    {
        auto *found = window->template findChild<Control *>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void click(const char *name) { clickButton(*window, name); }
};

} // namespace gw::test
