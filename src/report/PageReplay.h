#pragma once

#include "report/RecordedPage.h"

class QPainter;

namespace gw::report {

// Draws a recorded page on a painter whose coordinates are device pixels of the given
// resolution, the origin at the sheet's top-left corner.  Nothing is drawn outside the sheet.
void replayPage(QPainter &painter, const RecordedPage &page, double deviceDotsPerInch);

} // namespace gw::report
