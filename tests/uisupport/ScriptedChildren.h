#pragma once

#include "ui/Dialogs.h"

#include <QStringList>
#include <functional>

class QDialog;

namespace gw::test {

// Runs every child window the program opens through onChild while it lives, without a modal
// loop, and keeps the class names of the windows in the order they were opened.  With no
// onChild a window is rejected unseen.
class ScriptedChildren
{
public:
    ScriptedChildren();
    ~ScriptedChildren();
    ScriptedChildren(const ScriptedChildren &) = delete;
    ScriptedChildren &operator=(const ScriptedChildren &) = delete;

    std::function<int(QDialog &window)> onChild;
    QStringList opened;
};

// An answer for onChild that runs checks on the window (QCOMPARE and QVERIFY return nothing),
// then gives the window's result.
std::function<int(QDialog &window)> afterLooking(std::function<void(QDialog &window)> look);

} // namespace gw::test
