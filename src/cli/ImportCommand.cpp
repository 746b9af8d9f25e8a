#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CommandUsage.h"
#include "cli/RunFolders.h"
#include "layout/LayoutLibrary.h"
#include "model/CrosswordImport.h"
#include "model/Settings.h"
#include "platform/Text.h"
#include "platform/Windows1252.h"

#include <cstdio>
#include <filesystem>

namespace gw::cli {

// import FILE... --to COLL.ZP3 [--category C]: each .ipuz or .puz file appended to COLL.ZP3
// (created when missing) as File, Import Puzzles appends it, with the page layout a new puzzle
// gets.  A refused file writes nothing and is named on standard error; the others still come
// in, and the exit status tells that one was refused.
int runImport(const std::vector<std::string> &words)
{
    std::string error;
    const auto arguments = CliArguments::parse(words, { "to", "category" }, {}, error);
    if (!arguments)
        return reportError(error);
    const auto to = arguments->option("to");
    if (arguments->positional().empty() || !to)
        return reportError(usageLine("import"));
    const std::string category
        = utf8ToWindows1252(arguments->option("category").value_or(std::string(model::ImportedCategory)));
    if (trimmed(category).empty())
        return reportError("the category must not be empty");

    const model::Settings settings = runSettings();
    const layout::LayoutRecord pageLayout
        = layout::loadLayoutForPuzzle(libraryFile(layout::LayoutLibraryFileName), settings.defaultPage);
    int status = 0;
    for (const std::string &file : arguments->positional()) {
        const auto added = model::importCrosswordFile(file, *to, category, pageLayout);
        if (!added) {
            status = reportError(windows1252ToUtf8(added.error().text) + " (" + file + ")");
            continue;
        }
        std::printf("record %d: %s\n", added->recordNumber, windows1252ToUtf8(added->title).c_str());
        std::fflush(stdout); // in order with the refusals on standard error
    }
    return status;
}

} // namespace gw::cli
