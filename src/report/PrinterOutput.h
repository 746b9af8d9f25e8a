#pragma once

#include "platform/Failure.h"
#include "report/PrinterChoice.h"
#include "report/RecordedPage.h"

#include <optional>
#include <span>
#include <string_view>

class QPrinter;

namespace gw::report {

// Why a print job printed nothing or not all.
struct PrintFailure
{
    Failure failure;
    // The printer could not take the job: nothing was printed, so the pages may go into a PDF
    // file in its place.
    bool printerUnavailable = false;
};

// The largest copy count the printer makes by itself in one job; 1 when it makes none.
int maximumCopyCount(QPrinter &printer);

// Prints pages firstPage..lastPage (from 1, held to the pages there are), the given number of
// copies, in one job named by the title (Windows-1252) where the choice says.  A printer gets
// the copies it cannot make itself as repeated pages, and a failed job is cancelled; a PDF
// file gets every copy as pages of its own and is written whole or not at all.  Nothing when
// the job was printed.
std::optional<PrintFailure> printPages(const PrinterChoice &choice, std::span<const RecordedPage> pages,
    int firstPage, int lastPage, int copies, std::string_view title);

} // namespace gw::report
