#pragma once

#include "platform/Failure.h"
#include "report/RecordedPage.h"

#include <span>

class QPrinter;

namespace gw::report {

// The largest copy count the printer makes by itself in one job; 1 when it makes none.
int maximumCopyCount(QPrinter &printer);

// Prints pages firstPage..lastPage (from 1, held to the pages there are) in one job, the
// given number of copies; copies the printer cannot make itself are sent as repeated pages.
Status printPages(
    QPrinter &printer, std::span<const RecordedPage> pages, int firstPage, int lastPage, int copies);

} // namespace gw::report
