#pragma once

#include "layout/LayoutRecord.h"
#include "report/PageCanvas.h"

#include <functional>

namespace gw::render {

// Sizes below which "Make It Fit" stops shrinking: the last test is made one point above.
constexpr int ListFloor = 3; // clue lists, combined clues, word lists, free text
constexpr int LineFloor = 2; // one-line objects

// Sets the object's text font and records its size as the fitted size, then runs the fit
// test.  With "Make It Fit" the font starts no larger than sizeLimit when that is above 0, and
// the size is lowered a point at a time, and recorded, while the test fails and the lowered
// size lies above the floor; a test that still fails leaves the content to be printed at the
// lowered size with the measurements of the last test.  The font never drops below one point.
// The text background is then set from "Transparent Background".  Gives whether the last test
// passed.
bool fitObjectText(report::PageCanvas &canvas, layout::LayoutObject &object, int floor,
    const std::function<bool()> &test, int sizeLimit = 0);

} // namespace gw::render
