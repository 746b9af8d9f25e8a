#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CommandUsage.h"
#include "cli/RunFolders.h"
#include "layout/LayoutLibrary.h"
#include "model/PuzzleTransfer.h"
#include "model/Settings.h"
#include "platform/Windows1252.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace gw::cli {

// convert OLD.ZPK --to COLL.ZP3: a 16-bit single-puzzle file converted as File, Import Puzzles
// converts it, with the page layout a new puzzle gets, and appended to COLL.ZP3.
int runConvert(const std::vector<std::string> &words)
{
    std::string error;
    const auto arguments = CliArguments::parse(words, { "to" }, {}, error);
    if (!arguments)
        return reportError(error);
    const auto to = arguments->option("to");
    if (arguments->positional().size() != 1 || !to)
        return reportError(usageLine("convert"));
    const std::string zpk = arguments->positional()[0];

    const model::Settings settings = runSettings();
    auto working = std::make_unique<model::PuzzleRecord>();
    std::memset(working.get(), 0, sizeof *working);
    const auto added = model::importSixteenBitPuzzle(zpk, *to,
        layout::loadLayoutForPuzzle(libraryFile(layout::LayoutLibraryFileName), settings.defaultPage),
        *working);
    if (!added)
        return reportError(added.error().text + " (" + zpk + ")");
    std::printf("record %d: %s\n", *added, windows1252ToUtf8(working->title.view()).c_str());
    return 0;
}

} // namespace gw::cli
