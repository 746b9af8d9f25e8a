#pragma once

#include <initializer_list>

class QEvent;
class QWidget;

namespace gw::app {

// Whether a checked box's focus-out is the user leaving it for another control of its window,
// so that the box's check should run.  Leaving for another window (a message box included) is
// no exit from the box.  The exempt controls are Cancel, which must stay open whatever the box
// holds, and Save, which checks the boxes itself: checking on the way there as well would show
// the same message twice for one click.
bool leavesCheckedBox(const QEvent &focusOut, std::initializer_list<const QWidget *> exempt);

} // namespace gw::app
