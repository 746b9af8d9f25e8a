#pragma once

#include "layout/LayoutRecord.h"
#include "report/InchRect.h"
#include "report/PageCanvas.h"

namespace gw::render {

// The closed outline top-left, top-right, bottom-right, bottom-left, top-left in the pen colour.
void drawOutline(report::PageCanvas &canvas, const report::InchRect &box);

// The box on the device's dots with every edge moved the given number of dots outwards
// (inwards when negative).
report::InchRect movedByDots(const report::PageCanvas &canvas, const report::InchRect &box, int dots);

// Border widths and grid line thicknesses are counted in dots, 1..9 as the designer offers;
// larger values read from a file are held to 9, negative ones to 0.
int heldThickness(int dots);

// The object's border when it has one: border-width outlines in the border colour, each one
// dot further out.
void drawBorder(report::PageCanvas &canvas, const layout::LayoutObject &object, const report::InchRect &box);

} // namespace gw::render
